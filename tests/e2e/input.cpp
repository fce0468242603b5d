#include "input.h"

#include "wait.h"

#include <vector>

namespace {

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseInput(DWORD flags, LONG x, LONG y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

}  // namespace

bool BringToForeground(HWND window) {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) inputs.push_back(KeyInput(modifier, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto it = modifiers.end(); it != modifiers.begin();) inputs.push_back(KeyInput(*--it, true));
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

void ClickCentre(HWND window) {
    BringToForeground(GetAncestor(window, GA_ROOT));
    RECT rect;
    GetWindowRect(window, &rect);
    // Absolute coordinates are in 0..65535 over the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const LONG x = LONG(((rect.left + rect.right) / 2 * 65536 + width / 2) / width);
    const LONG y = LONG(((rect.top + rect.bottom) / 2 * 65536 + height / 2) / height);
    INPUT inputs[] = {
        MouseInput(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE, x, y),
        MouseInput(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN, x, y),
        MouseInput(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP, x, y),
    };
    SendInput(3, inputs, sizeof(INPUT));
}
