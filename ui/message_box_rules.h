// The rules every message box of the program follows, apart from the one
// call that shows it.
#pragma once

#include "message_box_flags.h"
#include "message_box_windows.h"

// Help contexts of open message boxes start here; the box's help id is added.
inline constexpr unsigned kPromptHelpContextBase = 0x30000;

// A type that names no icon gets the exclamation icon when its buttons are
// OK, OK/Cancel, Yes/No/Cancel or Yes/No; other button sets and types that
// name an icon are kept as they are.
unsigned WithDefaultIcon(unsigned type);

// The application's help context while a box with this help id is open.
// A box with help id 0 leaves the context as it was.
unsigned PromptHelpContext(unsigned helpId);

struct MessageBoxOwner {
    MessageBoxWindows::Window owner;  // the box is modal to this window
    MessageBoxWindows::Window top;    // the top-level window it was found from
};

// The main window raised to its first ancestor that is not a child, then
// that window's last active pop-up. Both nullptr without a main window.
MessageBoxOwner FindMessageBoxOwner(MessageBoxWindows& windows);
