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

void ClickButton(HWND button) {
    BringToForeground(GetAncestor(button, GA_ROOT));
    // Posted, not sent: a click that opens a modal box returns only when the
    // box closes.
    PostMessageW(button, BM_CLICK, 0, 0);
}
