// Real keyboard and mouse input (SendInput): it reaches the foreground
// window's thread through the window system like a user's, so the dialog
// manager, not the driver, decides what a key does.
#pragma once

#include <windows.h>

#include <initializer_list>

// Makes `window` the foreground window; true when it is.
bool BringToForeground(HWND window);
// Presses `key` with `modifiers` held (e.g. {VK_SHIFT}).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// A left click at the centre of `window` (after bringing its top-level window forward).
void ClickCentre(HWND window);
