#include "help_key_filter.h"

#include <windows.h>

#include "resource.h"
#include "win_app.h"
#include "wnd.h"

namespace {
HHOOK g_filter = nullptr;

bool IsPressed(int key) { return GetKeyState(key) < 0; }

// The dialog manager's loops (dialogs and message boxes alike) offer every
// message to this filter before handling it.
LRESULT CALLBACK HelpKeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1 && !IsPressed(VK_SHIFT) && !IsPressed(VK_CONTROL) &&
            !IsPressed(VK_MENU)) {
            CWinApp* app = AfxGetApp();
            if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) {
                SendMessageA(app->m_pMainWnd->m_hWnd, WM_COMMAND, ID_HELP, 0);
                return TRUE;  // handled: the dialog does not see the key
            }
        }
    }
    return CallNextHookEx(g_filter, code, wParam, lParam);
}
}  // namespace

void InstallHelpKeyFilter() {
    g_filter = SetWindowsHookExA(WH_MSGFILTER, HelpKeyFilter, nullptr, GetCurrentThreadId());
}
