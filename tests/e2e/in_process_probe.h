// The driver's side of the hook DLL (probe_protocol.h): installs the hook on
// the program's GUI thread and asks it questions that only that process can
// answer under Wine, where menus and icons are not readable across processes.
#pragma once

#include "window_thread.h"

#include <mutex>
#include <string>

class InProcessProbe {
public:
    InProcessProbe();
    ~InProcessProbe();

    bool Loaded() const { return hookProcedure_ != nullptr; }
    // Hooks the GUI thread that owns `window`; returns the hook or null.
    HHOOK Attach(HWND window);
    // Posts the query to `postTo` (a window of the hooked thread) about
    // `target`, waits for the answer; empty when none came.
    std::string Ask(HWND postTo, int query, HWND target, DWORD timeoutMs = 5000);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HMODULE dll_ = nullptr;
    HOOKPROC hookProcedure_ = nullptr;
    UINT queryMessage_ = 0;
    std::mutex mutex_;
    std::wstring answer_;
    bool answered_ = false;
    WindowThread thread_;
};
