// The window operations a message box needs: finding its owner, disabling
// the owner's top-level window while it is open, and the system's box. The
// Windows program implements it over real windows; tests record the calls.
#pragma once

#include <string>

class MessageBoxWindows {
public:
    using Window = void*;  // opaque; nullptr means no window

    virtual ~MessageBoxWindows() = default;

    virtual Window MainWindow() = 0;                 // the application's main window; nullptr when none
    virtual bool IsChildWindow(Window w) = 0;        // GetWindowLongA(GWL_STYLE) has WS_CHILD
    virtual Window Parent(Window w) = 0;             // GetParent
    virtual Window LastActivePopup(Window w) = 0;    // GetLastActivePopup
    virtual bool IsEnabled(Window w) = 0;            // IsWindowEnabled
    virtual void Enable(Window w, bool enable) = 0;  // EnableWindow
    // MessageBoxA: modal to owner; returns the button pressed.
    virtual int ShowBox(Window owner, const std::string& text, const std::string& caption, unsigned type) = 0;
};
