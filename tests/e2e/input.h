// Real keyboard input (SendInput): it reaches the foreground window's thread
// through the window system like a user's, so the dialog manager, not the
// driver, decides what a key does. Buttons are clicked with BM_CLICK, which
// runs the button's own mouse-click handling: synthesised pointer input in
// Wine's virtual desktop now and then lost a click right after the pointer
// moved, which made cases fail at random.
#pragma once

#include <windows.h>

#include <initializer_list>

// Makes `window` the foreground window; true when it is.
bool BringToForeground(HWND window);
// Presses `key` with `modifiers` held (e.g. {VK_SHIFT}).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// Clicks a button (push or radio) after bringing its dialog forward.
void ClickButton(HWND button);
