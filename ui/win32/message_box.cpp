// The application's message-box service.
#include <string>

#include "resource.h"
#include "string_resources.h"
#include "win_app.h"
#include "wnd.h"

HWND AfxGetDefaultOwner() {
    CWinApp* app = AfxGetApp();
    HWND window = app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
    if (window == nullptr) return nullptr;
    while ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0 && GetParent(window) != nullptr)
        window = GetParent(window);
    return GetLastActivePopup(window);
}

int CWinApp::DoMessageBox(const char* prompt, UINT type, UINT nIDPrompt) {
    // TEMPORARY
    const HWND owner = AfxGetDefaultOwner();
    const DWORD outerContext = m_dwPromptContext;
    if (nIDPrompt != 0) m_dwPromptContext = 0x30000 + nIDPrompt;
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
            case MB_OK: case MB_OKCANCEL: case MB_YESNOCANCEL: case MB_YESNO: type |= MB_ICONEXCLAMATION; break;
        }
    }
    const int result = MessageBoxA(owner, prompt, m_strTitle.c_str(), type);
    m_dwPromptContext = outerContext;
    return result;
}

int AfxMessageBox(const char* text, UINT type, UINT nIDHelp) {
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->DoMessageBox(text, type, nIDHelp) : MessageBoxA(nullptr, text, nullptr, type);
}

int AfxMessageBox(UINT nIDPrompt, UINT type, UINT nIDHelp) {
    if (nIDHelp == static_cast<UINT>(-1)) nIDHelp = nIDPrompt;
    return AfxMessageBox(LoadResourceString(nIDPrompt).c_str(), type, nIDHelp);
}
