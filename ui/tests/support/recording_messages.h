// A message service that records each box instead of showing it, and
// appends "box <text>" to a log shared with the dialog model, so that the
// order of box and focus can be checked.
#pragma once

#include <string>
#include <vector>

#include "message_service.h"

struct ShownMessage {
    std::string text;
    unsigned type;
    unsigned helpId;
};

class RecordingMessageService final : public MessageService {
public:
    explicit RecordingMessageService(std::vector<std::string>* log = nullptr) : m_log(log) {}

    int ShowMessage(std::string_view text, unsigned type, unsigned helpId) override {
        shown.push_back({std::string(text), type, helpId});
        if (m_log != nullptr) m_log->push_back("box " + std::string(text));
        return 1;  // IDOK
    }

    std::vector<ShownMessage> shown;

private:
    std::vector<std::string>* m_log;
};
