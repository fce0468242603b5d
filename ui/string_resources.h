// The program's strings by resource id. The Windows program loads them from
// its string table (LoadStringA); native builds read the same table, compiled
// from the file the resource script includes. A missing id gives "".
#pragma once

#include <string>

std::string LoadResourceString(unsigned id);
