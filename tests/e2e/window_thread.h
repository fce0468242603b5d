// One hidden top-level window on a thread of its own with its own message
// loop, so that another process can send it messages (SendMessage blocks the
// sender until this thread answers) while the driver's main thread is busy
// waiting on the program under test.
#pragma once

#include <windows.h>

#include <thread>

class WindowThread {
public:
    // The window procedure finds `context` with GetWindowLongPtrW(GWLP_USERDATA).
    WindowThread(const wchar_t* className, WNDPROC procedure, void* context);
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    HWND Window() const { return window_; }

private:
    void Run(const wchar_t* className, WNDPROC procedure, void* context, HANDLE ready);

    HWND window_ = nullptr;
    DWORD threadId_ = 0;
    std::thread thread_;
};
