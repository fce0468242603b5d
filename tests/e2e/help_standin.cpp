#include "help_standin.h"

#include "text.h"
#include "wait.h"

#include <cstring>

namespace {

constexpr ULONG_PTR kWineHelpMagic = 0x0A1DE505;

#pragma pack(push, 1)
struct WineHelpRecord {
    WORD size;
    WORD command;
    LONG data;
    LONG reserved;
    WORD fileOffset;
    WORD dataOffset;
};
#pragma pack(pop)

}  // namespace

HelpStandIn::HelpStandIn() : thread_(L"MS_WINHELP", &HelpStandIn::Procedure, this) {}

LRESULT CALLBACK HelpStandIn::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HelpStandIn*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_COPYDATA && self) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (copy->dwData != kWineHelpMagic || copy->cbData < sizeof(WineHelpRecord)) return FALSE;
        const auto* bytes = static_cast<const char*>(copy->lpData);
        WineHelpRecord record;
        std::memcpy(&record, bytes, sizeof record);
        HelpRequest request;
        request.command = record.command;
        request.data = static_cast<unsigned long>(record.data);
        if (record.fileOffset && record.fileOffset < copy->cbData)
            request.file.assign(bytes + record.fileOffset, strnlen(bytes + record.fileOffset, copy->cbData - record.fileOffset));
        std::lock_guard lock(self->mutex_);
        self->requests_.push_back(request);
        return self->succeed_ ? TRUE : FALSE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<HelpRequest> HelpStandIn::Requests() {
    std::lock_guard lock(mutex_);
    return requests_;
}

void HelpStandIn::Clear() {
    std::lock_guard lock(mutex_);
    requests_.clear();
}

void HelpStandIn::SetAnswer(bool succeed) {
    std::lock_guard lock(mutex_);
    succeed_ = succeed;
}

bool HelpStandIn::WaitForRequests(size_t count, DWORD timeoutMs) {
    return WaitUntil([&] { return Requests().size() >= count; }, timeoutMs);
}

std::string HelpFileFor(const std::wstring& exePath) {
    std::wstring path = exePath;
    size_t dot = path.find_last_of(L'.');
    size_t slash = path.find_last_of(L"\\/:");
    if (dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash)) path.resize(dot);
    return ToUtf8(path + L".HLP");
}
