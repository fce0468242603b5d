#include "wnd.h"

#include "win_app.h"

CWnd::~CWnd() {
    // A main window object that ends before its window (a dialog that could
    // not be created) must not leave the application pointing at it.
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

namespace {
// The window property that links a window of ours to its object.
constexpr const char kObjectProperty[] = "QuintaroCWnd";
}  // namespace

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    return static_cast<CWnd*>(GetPropA(hWnd, kObjectProperty));
}

void CWnd::SubclassAttach(HWND hWnd) {
    m_hWnd = hWnd;
    SetPropA(hWnd, kObjectProperty, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc)));
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hWnd);
    // Only reachable if the window outlived its detachment; the system's
    // processing is the safe answer.
    if (wnd == nullptr) return DefWindowProcA(hWnd, message, wParam, lParam);
    // Handlers may run nested modal loops that send this window other
    // messages; Default() must still see the one it was called for.
    const MSG outer = wnd->m_currentMsg;
    wnd->m_currentMsg = MSG{hWnd, message, wParam, lParam, 0, {}};
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    wnd->m_currentMsg = outer;
    if (message == WM_NCDESTROY) wnd->OnNcDestroyed();
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) return 0;
        return Default();
    }
    if (const MessageMapEntry* entry = FindMessageEntry(message, 0, 0)) return entry->call(*this, wParam, lParam);
    return Default();
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_bLockoutNotifications && lParam != 0) return true;  // dropped, not acted upon
    return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

LRESULT CWnd::Default() {
    return CallWindowProcA(m_pfnSuper, m_currentMsg.hwnd, m_currentMsg.message, m_currentMsg.wParam,
                           m_currentMsg.lParam);
}

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

void CWnd::OnPaint() { Default(); }

void CWnd::OnNcDestroyed() {
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    // The end of the main window ends the application's thread.
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
}
