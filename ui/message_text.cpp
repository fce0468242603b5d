#include "message_text.h"

std::string FillMessagePlaceholders(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto number = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (number < args.size()) {
                text += args.begin()[number];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}
