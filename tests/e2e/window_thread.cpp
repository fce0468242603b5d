#include "window_thread.h"

WindowThread::WindowThread(const wchar_t* className, WNDPROC procedure, void* context) {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread(&WindowThread::Run, this, className, procedure, context, ready);
    WaitForSingleObject(ready, 10000);
    CloseHandle(ready);
}

WindowThread::~WindowThread() {
    if (threadId_) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    if (thread_.joinable()) thread_.join();
}

void WindowThread::Run(const wchar_t* className, WNDPROC procedure, void* context, HANDLE ready) {
    threadId_ = GetCurrentThreadId();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    // Top-level (not message-only): FindWindow, which the peer uses, skips
    // message-only windows.
    window_ = CreateWindowExW(0, className, className, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(context));
    // Make sure the thread has a message queue before anyone posts to it.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    SetEvent(ready);
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DestroyWindow(window_);
}
