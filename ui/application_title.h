// The application title: the caption of every message box.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Only this many characters of the executable's path are looked at.
inline constexpr std::size_t kMaxModulePathChars = 260;

// The first kMaxModulePathChars characters of the path, cut at their last
// dot: the title and the help file's path both start from this.
std::string_view ModulePathWithoutExtension(std::string_view modulePath);

// The help file beside the executable: "C:\Programmi\QUINTARO.EXE" gives
// "C:\Programmi\QUINTARO.HLP".
std::string HelpFilePathFromModulePath(std::string_view modulePath);

// The executable's name without its extension: the path is cut at its last
// dot, and the name is what follows the last backslash, slash or colon of
// what is left. "C:\\Programmi\\QUINTARO.EXE" gives "QUINTARO".
std::string ApplicationTitleFromPath(std::string_view modulePath);

// A title in the string table (AFX_IDS_APP_TITLE) wins over the
// executable's name; an empty one counts as none.
std::string ChooseApplicationTitle(std::string_view tableTitle, std::string_view modulePath);

// The title of the running program, from its string table and its path.
std::string FormApplicationTitle(std::string_view modulePath);
