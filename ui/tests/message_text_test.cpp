#include "message_text.h"

#include <gtest/gtest.h>

namespace {

struct FillCase {
    const char* pattern;
    const char* expected;
};

TEST(MessageText, FillsNumberedPlaceholdersInOnePass) {
    const FillCase cases[] = {
        {"Digitare un numero compreso tra %1 e %2.", "Digitare un numero compreso tra 1e-005 e 100."},
        {"%2 prima di %1", "100 prima di 1e-005"},
        {"%1%1", "1e-0051e-005"},
        {"%3 resta", "%3 resta"},      // no third argument
        {"100% e %", "100% e %"},      // a percent sign that names no argument
        {"%0 e %%1", "%0 e %1e-005"},  // %0 is no placeholder; the second % starts %1
        {"", ""},
    };
    for (const FillCase& c : cases) EXPECT_EQ(FillMessagePlaceholders(c.pattern, {"1e-005", "100"}), c.expected) << c.pattern;
}

TEST(MessageText, AnArgumentsOwnPlaceholderIsNotFilledAgain) {
    EXPECT_EQ(FillMessagePlaceholders("%1 e %2", {"%2", "x"}), "%2 e x");
}

}  // namespace
