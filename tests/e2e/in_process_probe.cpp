#include "in_process_probe.h"

#include "probe_protocol.h"
#include "text.h"
#include "wait.h"

InProcessProbe::InProcessProbe() : thread_(E2E_PROBE_REPLY_CLASS, &InProcessProbe::Procedure, this) {
    // The DLL sits beside the driver; the hook loads it into the program by path.
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dllPath(path, length);
    dllPath = dllPath.substr(0, dllPath.find_last_of(L"\\/") + 1) + L"quintaro_e2e_probe.dll";
    dll_ = LoadLibraryW(dllPath.c_str());
    // GetProcAddress hands back a generic pointer; the export is a hook procedure.
    if (dll_) hookProcedure_ = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll_, E2E_PROBE_HOOK_EXPORT)));
    queryMessage_ = RegisterWindowMessageW(E2E_PROBE_QUERY_MESSAGE);
}

InProcessProbe::~InProcessProbe() {
    if (dll_) FreeLibrary(dll_);
}

HHOOK InProcessProbe::Attach(HWND window) {
    if (!hookProcedure_) return nullptr;
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return SetWindowsHookExW(WH_GETMESSAGE, hookProcedure_, dll_, thread);
}

LRESULT CALLBACK InProcessProbe::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<InProcessProbe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_COPYDATA && self) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        std::lock_guard lock(self->mutex_);
        self->answer_.assign(static_cast<const wchar_t*>(copy->lpData), copy->cbData / sizeof(wchar_t));
        while (!self->answer_.empty() && self->answer_.back() == L'\0') self->answer_.pop_back();
        self->answered_ = true;
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::string InProcessProbe::Ask(HWND postTo, int query, HWND target, DWORD timeoutMs) {
    {
        std::lock_guard lock(mutex_);
        answered_ = false;
        answer_.clear();
    }
    if (!PostMessageW(postTo, queryMessage_, WPARAM(query), reinterpret_cast<LPARAM>(target))) return {};
    bool answered = WaitUntil([&] {
        std::lock_guard lock(mutex_);
        return answered_;
    }, timeoutMs);
    if (!answered) return {};
    std::lock_guard lock(mutex_);
    return ToUtf8(answer_);
}
