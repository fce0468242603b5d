#include "app_session.h"

#include "in_process_probe.h"
#include "probe_protocol.h"
#include "text.h"
#include "wait.h"
#include "window_probe.h"

HWND FindMainDialog(DWORD processId) {
    for (HWND window : TopLevelWindowsOf(processId))
        if (IsClass(window, "#32770") && WindowTextOf(window) == kMainCaption && IsWindowVisible(window))
            return window;
    return nullptr;
}

AppSession::AppSession(const std::wstring& exePath, InProcessProbe* probe) : probe_(probe) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        problem_ = "CreateProcess failed, error " + std::to_string(GetLastError());
        process_ = {};
        return;
    }
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindMainDialog(process_.dwProcessId);
        return found != nullptr || !Alive();
    }, kLaunchTimeoutMs);
    if (!found) {
        problem_ = Alive() ? "no visible dialog \"" + std::string(kMainCaption) + "\" in time" : "the process ended without a dialog";
        return;
    }
    dialog_ = found;
    if (probe_) hook_ = probe_->Attach(dialog_);
}

AppSession::~AppSession() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (process_.hProcess) {
        if (Alive()) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

bool AppSession::Alive() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool AppSession::WaitForExit(DWORD timeoutMs) {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool AppSession::Sync() {
    return Ask(kProbePing, dialog_) == "pong";
}

std::string AppSession::Ask(int query, HWND target, DWORD timeoutMs) {
    if (!probe_ || !hook_ || !dialog_) return {};
    return probe_->Ask(dialog_, query, target, timeoutMs);
}

bool AppSession::FocusItem(int id) {
    HWND item = Item(id);
    if (!item) return false;
    PostMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    return WaitUntil([&] { return FocusOf(dialog_) == item; });
}

void AppSession::SetItemText(int id, const std::string& text) {
    std::wstring wide = FromUtf8(text);
    DWORD_PTR ignored;
    SendMessageTimeoutW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, 3000, &ignored);
}
