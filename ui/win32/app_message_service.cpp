#include "app_message_service.h"

#include <string>

#include "win_app.h"

int AppMessageService::ShowMessage(std::string_view text, unsigned type, unsigned helpId) {
    return AfxMessageBox(std::string(text).c_str(), type, helpId);
}
