// The exchange's messages, shown through the application's message boxes.
#pragma once

#include "message_service.h"

class AppMessageService final : public MessageService {
public:
    int ShowMessage(std::string_view text, unsigned type, unsigned helpId) override;
};
