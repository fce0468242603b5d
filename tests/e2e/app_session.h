// One run of the program under test: launched with CreateProcess, its main
// dialog found by caption, ended and reaped. A session that is still alive
// when it goes out of scope is terminated, so one failing case cannot leave a
// process behind for the next.
#pragma once

#include <windows.h>

#include <string>

inline constexpr char kMainCaption[] = "Kalto - Ombreno srl";
inline constexpr char kAboutCaption[] = "Informazioni su Kalto (Nevaro)";

class InProcessProbe;

class AppSession {
public:
    AppSession(const std::wstring& exePath, InProcessProbe* probe);
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // False when the process did not start or showed no main dialog in time.
    bool Ready() const { return dialog_ != nullptr; }
    const std::string& Problem() const { return problem_; }
    HWND Dialog() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    DWORD ProcessId() const { return process_.dwProcessId; }
    bool Alive() const;
    bool WaitForExit(DWORD timeoutMs);
    // A round trip through the program's message loop (see InProcessProbe):
    // when it returns, every message posted before it has been retrieved.
    bool Sync();
    std::string Ask(int query, HWND target, DWORD timeoutMs = 5000);
    // Moves the focus as the dialog manager does for Tab (WM_NEXTDLGCTL).
    bool FocusItem(int id);
    void SetItemText(int id, const std::string& text);

private:
    PROCESS_INFORMATION process_{};
    HWND dialog_ = nullptr;
    HHOOK hook_ = nullptr;
    InProcessProbe* probe_ = nullptr;
    std::string problem_;
};

// The main dialog of `processId`, or null.
HWND FindMainDialog(DWORD processId);
