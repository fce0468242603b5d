// The windows a message box deals with, over the real window system.
#pragma once

#include "message_box_windows.h"

class HwndMessageBoxWindows final : public MessageBoxWindows {
public:
    Window MainWindow() override;
    bool IsChildWindow(Window w) override;
    Window Parent(Window w) override;
    Window LastActivePopup(Window w) override;
    bool IsEnabled(Window w) override;
    void Enable(Window w, bool enable) override;
    int ShowBox(Window owner, const std::string& text, const std::string& caption, unsigned type) override;
};
