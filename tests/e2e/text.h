// UTF-8 <-> UTF-16 for the Italian texts the driver compares and prints.
#pragma once

#include <windows.h>

#include <string>

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
std::string Hex(unsigned long value);
