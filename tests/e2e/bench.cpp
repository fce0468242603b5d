#include "modes.h"

#include "text.h"
#include "wait.h"
#include "window_probe.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

HWND VisibleDialogOf(DWORD processId) {
    for (HWND window : TopLevelWindowsOf(processId))
        if (IsClass(window, "#32770") && IsWindowVisible(window)) return window;
    return nullptr;
}

// Milliseconds from CreateProcess to the first visible dialog; -1 on failure.
double TimeOneStart(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    HWND dialog = nullptr;
    // Polled without a pause: the poll's own granularity is the measurement's.
    const ULONGLONG deadline = GetTickCount64() + kLaunchTimeoutMs;
    while (!(dialog = VisibleDialogOf(process.dwProcessId)) && GetTickCount64() < deadline) Sleep(0);
    QueryPerformanceCounter(&end);
    if (dialog) PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!dialog) return -1;
    return double(end.QuadPart - begin.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int RunStartupBenchmark(const std::wstring& program, const std::wstring& reference, int repetitions) {
    // One untimed start of each, so that neither pays for a cold cache alone.
    TimeOneStart(program);
    TimeOneStart(reference);
    std::vector<double> programTimes, referenceTimes;
    for (int i = 0; i < repetitions; ++i) {
        // Alternate the order so that neither always runs right after the other.
        const bool programFirst = i % 2 == 0;
        double first = TimeOneStart(programFirst ? program : reference);
        double second = TimeOneStart(programFirst ? reference : program);
        double programTime = programFirst ? first : second, referenceTime = programFirst ? second : first;
        if (programTime < 0 || referenceTime < 0) {
            std::printf("a start failed (program %.1f ms, reference %.1f ms)\n", programTime, referenceTime);
            return 1;
        }
        programTimes.push_back(programTime);
        referenceTimes.push_back(referenceTime);
    }
    const double programMedian = Median(programTimes), referenceMedian = Median(referenceTimes);
    std::printf("launch to visible dialog, median of %d starts each:\n", repetitions);
    std::printf("  %-28s %8.1f ms\n", ToUtf8(program.substr(program.find_last_of(L"\\/") + 1)).c_str(), programMedian);
    std::printf("  %-28s %8.1f ms\n", ToUtf8(reference.substr(reference.find_last_of(L"\\/") + 1)).c_str(), referenceMedian);
    std::printf("  ratio %.2f (aim: 1.2 or less)\n", programMedian / referenceMedian);
    std::fflush(stdout);
    return 0;
}
