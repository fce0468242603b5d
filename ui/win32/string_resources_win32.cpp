// The program's strings from its own string table.
#include <windows.h>

#include "string_resources.h"

std::string LoadResourceString(unsigned id) {
    std::string buffer(256, '\0');
    for (;;) {
        const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(), static_cast<int>(buffer.size()));
        // A string that fills the buffer may have been cut: try a larger one.
        if (length < static_cast<int>(buffer.size()) - 1) {
            buffer.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}
