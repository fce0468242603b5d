// The end-to-end driver of QUINTARO.EXE under Wine (or Windows):
//   quintaro_e2e.exe <QUINTARO.EXE> [group ...]      run the cases
//   quintaro_e2e.exe --bench <reps> <QUINTARO.EXE> <minimal_dialog.exe>
//   quintaro_e2e.exe --pose main|about <QUINTARO.EXE> <rect file> <done file>
// The cases print "PASS name" / "FAIL name: detail" and end with
// "N passed, M failed"; the exit status is non-zero when any failed.
#include "cases.h"
#include "modes.h"
#include "text.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

std::wstring FullPath(const std::wstring& path) {
    wchar_t full[MAX_PATH];
    DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    return length ? std::wstring(full, length) : path;
}

// Processes still running from an image of that file name.
int CountProcessesNamed(const std::wstring& fileName) {
    int count = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, fileName.c_str()) == 0) ++count;
    CloseHandle(snapshot);
    return count;
}

struct Group {
    const char* name;
    void (*run)(Suite&);
};

const Group kGroups[] = {
    {"startup", RunStartupCases},   {"calculate", RunCalculateCases}, {"validation", RunValidationCases},
    {"ending", RunEndingCases},     {"navigation", RunNavigationCases}, {"about", RunSystemMenuAndAboutCases},
    {"help", RunHelpCases},         {"copies", RunCopyCases},
};

int RunCases(const std::wstring& exePath, const std::vector<std::string>& only) {
    if (GetFileAttributesW(exePath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::printf("no program at %s\n", ToUtf8(exePath).c_str());
        return 2;
    }
    HelpStandIn help;
    InProcessProbe probe;
    Check("driver: probe DLL loaded", probe.Loaded(), "quintaro_e2e_probe.dll must sit beside the driver");
    Suite suite{exePath, help, probe};
    for (const auto& group : kGroups) {
        bool wanted = only.empty();
        for (const auto& name : only) wanted = wanted || name == group.name;
        if (wanted) group.run(suite);
    }
    const std::wstring fileName = exePath.substr(exePath.find_last_of(L"\\/") + 1);
    CheckEqual("no process left behind", std::to_string(CountProcessesNamed(fileName) + CountProcessesNamed(L"KALCOPIA.EXE")),
               "0");
    return PrintSummary() == 0 ? 0 : 1;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args(argv + 1, argv + argc);
    LocalFree(argv);
    if (args.size() == 4 && args[0] == L"--bench")
        return RunStartupBenchmark(FullPath(args[2]), FullPath(args[3]), _wtoi(args[1].c_str()));
    if (args.size() == 5 && args[0] == L"--pose")
        return PoseForScreenshot(FullPath(args[2]), ToUtf8(args[1]), args[3], args[4]);
    if (args.empty() || args[0].rfind(L"--", 0) == 0) {
        std::printf("usage: quintaro_e2e.exe <QUINTARO.EXE> [group ...]\n"
                    "       quintaro_e2e.exe --bench <repetitions> <QUINTARO.EXE> <minimal_dialog.exe>\n"
                    "       quintaro_e2e.exe --pose main|about <QUINTARO.EXE> <rect file> <done file>\n");
        return 2;
    }
    std::vector<std::string> only;
    for (size_t i = 1; i < args.size(); ++i) only.push_back(ToUtf8(args[i]));
    return RunCases(FullPath(args[0]), only);
}
