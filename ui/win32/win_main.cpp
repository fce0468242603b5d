// The program's entry point. On x86-64 doubles are SSE2 arithmetic with a
// 53-bit significand and rounding to nearest by default, and floating-point
// exceptions stay masked: nothing to set up.
#include <windows.h>

#include "help_key_filter.h"
#include "win_app.h"

int AfxWinMain(HINSTANCE hInstance) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 0;
    app->InitApplication(hInstance);
    InstallHelpKeyFilter();
    // Every window of the program is a modal dialog with its own loop, so
    // nothing is left to run after InitInstance whatever it returns.
    app->InitInstance();
    return app->ExitInstance();
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) { return AfxWinMain(hInstance); }
