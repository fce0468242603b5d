#include "hwnd_message_box_windows.h"

#include <windows.h>

#include "win_app.h"
#include "wnd.h"

namespace {
HWND AsWindow(MessageBoxWindows::Window w) { return static_cast<HWND>(w); }
}  // namespace

MessageBoxWindows::Window HwndMessageBoxWindows::MainWindow() {
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
}

bool HwndMessageBoxWindows::IsChildWindow(Window w) {
    return (GetWindowLongA(AsWindow(w), GWL_STYLE) & WS_CHILD) != 0;
}

MessageBoxWindows::Window HwndMessageBoxWindows::Parent(Window w) { return GetParent(AsWindow(w)); }

MessageBoxWindows::Window HwndMessageBoxWindows::LastActivePopup(Window w) { return GetLastActivePopup(AsWindow(w)); }

bool HwndMessageBoxWindows::IsEnabled(Window w) { return IsWindowEnabled(AsWindow(w)) != FALSE; }

void HwndMessageBoxWindows::Enable(Window w, bool enable) { EnableWindow(AsWindow(w), enable ? TRUE : FALSE); }

int HwndMessageBoxWindows::ShowBox(Window owner, const std::string& text, const std::string& caption, unsigned type) {
    return MessageBoxA(AsWindow(owner), text.c_str(), caption.c_str(), type);
}
