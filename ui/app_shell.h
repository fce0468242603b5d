// The application's side of every message box: the title shown as its
// caption, the help context while it is open, and the box itself. The
// Windows application class derives from it; there is one per program.
#pragma once

#include <string>
#include <string_view>

#include "message_box_windows.h"

class AppShell {
public:
    // Becomes the current application (CurrentAppShell) until destroyed.
    explicit AppShell(MessageBoxWindows& windows);
    virtual ~AppShell();
    AppShell(const AppShell&) = delete;
    AppShell& operator=(const AppShell&) = delete;

    // Sets the title from the running executable's path, once at start-up.
    void FormTitle(std::string_view modulePath);

    // Shows one box by the program's rules: owner, help context, icon and
    // caption. Returns the button pressed.
    virtual int DoMessageBox(std::string_view text, unsigned type, unsigned helpId);

    std::string m_strTitle;         // caption of every message box
    unsigned m_dwPromptContext = 0; // help context while a box is open, else 0

private:
    MessageBoxWindows& m_windows;
};

// The application object, or nullptr when there is none.
AppShell* CurrentAppShell();
