// Reading the state of another process's windows through the window system:
// texts, check states, focus, selection, owned boxes.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

std::string WindowTextOf(HWND window);
std::string ClassNameOf(HWND window);
std::string ItemText(HWND dialog, int id);
bool IsChecked(HWND button);
// The window with the keyboard focus in the GUI thread that owns `window`.
HWND FocusOf(HWND window);
// EM_GETSEL: the selection's start and end.
std::pair<int, int> SelectionOf(HWND edit);
bool WholeTextSelected(HWND edit);
std::vector<HWND> ChildrenInOrder(HWND parent);
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// A dialog-class top-level window that `owner` owns, visible or not.
HWND FindOwnedDialog(HWND owner);
HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs);
RECT RectOf(HWND window);
std::string RectText(const RECT& rect);

// What a message box shows, read through its child controls.
struct MessageBoxView {
    HWND box = nullptr;
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
    HWND iconStatic = nullptr;
};
MessageBoxView ReadMessageBox(HWND box);

// Case-insensitive class-name test ("Static", "Button", "Edit", "#32770").
bool IsClass(HWND window, const char* className);
