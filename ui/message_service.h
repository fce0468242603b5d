// Where the data exchange and the commands send their messages: the
// application's message-box service (AfxMessageBox). Returns the button pressed.
#pragma once

#include <string_view>

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual int ShowMessage(std::string_view text, unsigned type, unsigned helpId) = 0;
};
