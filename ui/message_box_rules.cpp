#include "message_box_rules.h"

unsigned WithDefaultIcon(unsigned type) {
    if ((type & MB_ICONMASK) != 0) return type;
    switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_YESNOCANCEL:
        case MB_YESNO:
            return type | MB_ICONEXCLAMATION;
        default:
            return type;
    }
}

unsigned PromptHelpContext(unsigned helpId) { return kPromptHelpContextBase + helpId; }

MessageBoxOwner FindMessageBoxOwner(MessageBoxWindows& windows) {
    MessageBoxWindows::Window top = windows.MainWindow();
    while (top != nullptr && windows.IsChildWindow(top)) top = windows.Parent(top);
    if (top == nullptr) return {nullptr, nullptr};
    MessageBoxWindows::Window popup = windows.LastActivePopup(top);
    return {popup != nullptr ? popup : top, top};
}
