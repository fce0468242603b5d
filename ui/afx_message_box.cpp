#include "afx_message_box.h"

#include "app_shell.h"
#include "string_resources.h"

int AfxMessageBox(std::string_view text, unsigned type, unsigned helpId) {
    AppShell* app = CurrentAppShell();
    return app != nullptr ? app->DoMessageBox(text, type, helpId) : 0;
}

int AfxMessageBox(unsigned stringId, unsigned type, unsigned helpId) {
    if (helpId == kHelpIdFromStringId) helpId = stringId;
    return AfxMessageBox(LoadResourceString(stringId), type, helpId);
}
