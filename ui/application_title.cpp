#include "application_title.h"

#include "resource.h"
#include "string_resources.h"

std::string_view ModulePathWithoutExtension(std::string_view modulePath) {
    const std::string_view path = modulePath.substr(0, kMaxModulePathChars);
    // The last dot of the whole path, even one in a folder's name when the
    // file itself has no extension.
    return path.substr(0, path.rfind('.'));
}

std::string HelpFilePathFromModulePath(std::string_view modulePath) {
    return std::string(ModulePathWithoutExtension(modulePath)) + ".HLP";
}

std::string ApplicationTitleFromPath(std::string_view modulePath) {
    std::string_view path = ModulePathWithoutExtension(modulePath);
    if (const std::size_t separator = path.find_last_of("\\/:"); separator != std::string_view::npos)
        path = path.substr(separator + 1);
    return std::string(path);
}

std::string ChooseApplicationTitle(std::string_view tableTitle, std::string_view modulePath) {
    if (!tableTitle.empty()) return std::string(tableTitle);
    return ApplicationTitleFromPath(modulePath);
}

std::string FormApplicationTitle(std::string_view modulePath) {
    return ChooseApplicationTitle(LoadResourceString(AFX_IDS_APP_TITLE), modulePath);
}
