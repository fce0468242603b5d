// A window of the program: its handle, and the dispatch of its messages to
// the handlers of its message map. Unhandled messages get the window class's
// own processing (Default).
#pragma once

#include "message_map.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to a window of ours; nullptr for any other window.
    static CWnd* FromHandlePermanent(HWND hWnd);

    HWND m_hWnd = nullptr;

protected:
    // Routes the window's messages through WindowProc from now on.
    void SubclassAttach(HWND hWnd);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: returns false when nothing handled it.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    // The window class's own processing of the message being handled.
    LRESULT Default();

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();

    // While set, notifications from the window's own controls are dropped:
    // an exchange writing or reading the controls must not start handlers.
    bool m_bLockoutNotifications = false;

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnNcDestroyed();

    WNDPROC m_pfnSuper = nullptr;
    MSG m_currentMsg{};
};
