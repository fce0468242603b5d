// Filling the placeholders of a message from the string table.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Replaces each "%1" ... "%9" with the argument of that number. The pattern
// is scanned once, so an argument's own "%n" is left as it is; a "%" not
// followed by the number of an argument stays in the text.
std::string FillMessagePlaceholders(std::string_view pattern, std::initializer_list<std::string_view> args);
