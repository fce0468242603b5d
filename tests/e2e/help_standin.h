// Stands in for the help engine. Wine's WinHelp looks for a window of class
// "MS_WINHELP" and sends it WM_COPYDATA tagged 0x0A1DE505 carrying a record
// {WORD size, WORD command, LONG data, LONG reserved, WORD offset of the file
// name, WORD offset of extra data}; its answer is WinHelp's result. While this
// window exists every help request of the program under test lands here, and
// answering FALSE makes the request fail as a missing help engine would.
#pragma once

#include "window_thread.h"

#include <mutex>
#include <string>
#include <vector>

struct HelpRequest {
    unsigned command = 0;
    unsigned long data = 0;
    std::string file;
};

class HelpStandIn {
public:
    HelpStandIn();

    std::vector<HelpRequest> Requests();
    void Clear();
    // FALSE makes the program's WinHelp call fail.
    void SetAnswer(bool succeed);
    // Waits for at least `count` recorded requests.
    bool WaitForRequests(size_t count, DWORD timeoutMs);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::mutex mutex_;
    std::vector<HelpRequest> requests_;
    bool succeed_ = true;
    WindowThread thread_;
};

// The help file a program at `exePath` names: its path with ".HLP" for the
// extension.
std::string HelpFileFor(const std::wstring& exePath);
