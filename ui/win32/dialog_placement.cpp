#include "dialog_placement.h"

#include <cstring>

namespace {
template <typename T>
T ReadAt(const unsigned char* bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}
}  // namespace

DialogTemplateHeader ReadDialogTemplateHeader(const void* dialogTemplate) {
    const auto* bytes = static_cast<const unsigned char*>(dialogTemplate);
    // DIALOGEX: version 1, signature 0xFFFF, help id, extended style, style,
    // item count, x, y. DIALOG: style, extended style, item count, x, y.
    if (ReadAt<WORD>(bytes, 0) == 1 && ReadAt<WORD>(bytes, 2) == 0xFFFF)
        return {ReadAt<DWORD>(bytes, 12), ReadAt<short>(bytes, 18), ReadAt<short>(bytes, 20)};
    return {ReadAt<DWORD>(bytes, 0), ReadAt<short>(bytes, 10), ReadAt<short>(bytes, 12)};
}

bool TemplateWantsCentring(const DialogTemplateHeader& header) {
    return header.x == 0 && header.y == 0 && (header.style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) == 0;
}

void CenterDialogWindow(HWND dialog, HWND mainWindow) {
    const HWND owner = GetWindow(dialog, GW_OWNER);
    const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);

    HMONITOR monitor;
    if (overOwner)
        monitor = MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
    else if (mainWindow != nullptr)
        monitor = MonitorFromWindow(mainWindow, MONITOR_DEFAULTTOPRIMARY);
    else
        monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    const RECT area = info.rcWork;

    RECT centre = area;
    if (overOwner) GetWindowRect(owner, &centre);

    RECT own;
    GetWindowRect(dialog, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = (centre.left + centre.right) / 2 - width / 2;
    int y = (centre.top + centre.bottom) / 2 - height / 2;
    if (x + width > area.right) x = area.right - width;
    if (x < area.left) x = area.left;
    if (y + height > area.bottom) y = area.bottom - height;
    if (y < area.top) y = area.top;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
