// The string table for native builds, from the entries the resource script
// compiles into the Windows program.
#include <string_view>

#include "resource.h"
#include "string_resources.h"

namespace {
struct StringEntry {
    unsigned id;
    std::string_view text;
};

constexpr StringEntry kStringTable[] = {
#define QUINTARO_STRING(id, text) {id, text},
#include "strings.inc"
#undef QUINTARO_STRING
};
}  // namespace

std::string LoadResourceString(unsigned id) {
    for (const StringEntry& entry : kStringTable)
        if (entry.id == id) return std::string(entry.text);
    return {};
}
