// The one way the program shows a message: through the application's
// DoMessageBox. Without an application nothing is shown and 0 is returned.
#pragma once

#include <string_view>

#include "message_box_flags.h"
#include "message_service.h"

// Help id that means "the string id itself".
inline constexpr unsigned kHelpIdFromStringId = static_cast<unsigned>(-1);

int AfxMessageBox(std::string_view text, unsigned type = MB_OK, unsigned helpId = 0);
// Loads the text from the string table; a missing string gives an empty text.
int AfxMessageBox(unsigned stringId, unsigned type = MB_OK, unsigned helpId = kHelpIdFromStringId);

// The exchange's and the commands' path to AfxMessageBox.
class AfxMessageService final : public MessageService {
public:
    int ShowMessage(std::string_view text, unsigned type, unsigned helpId) override {
        return AfxMessageBox(text, type, helpId);
    }
};
