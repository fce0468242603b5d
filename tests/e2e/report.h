// PASS/FAIL lines and the closing count that the test step reads.
#pragma once

#include <string>

void Check(const std::string& name, bool ok, const std::string& detail = {});
// Passes when actual equals expected; the detail shows both when it does not.
void CheckEqual(const std::string& name, const std::string& actual, const std::string& expected);
void Note(const std::string& line);
// Prints "N passed, M failed" and returns M.
int PrintSummary();
