// The application object: the one instance of the program, with its main
// window, help file and help command. Title, help context and message boxes
// come from AppShell.
#pragma once

#include <windows.h>

#include <string>

#include "afx_message_box.h"
#include "app_shell.h"
#include "message_map.h"

class CWnd;

class CWinApp : public CCmdTarget, public AppShell {
public:
    // Becomes the program's application object.
    CWinApp();

    // Start-up once the platform is ready. Its result does not matter: every
    // window of ours is a modal dialog, so no message loop follows.
    virtual BOOL InitInstance();
    // Shutdown; its result is the process's exit code.
    virtual int ExitInstance();
    // Asks the help engine for a topic of the program's help file; reports
    // a help engine that cannot be started.
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    std::string m_strHelpFilePath;  // the executable's path with ".HLP"

protected:
    // The help command: the context of the open message box, or the topic of
    // the dialog that holds the focus.
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    friend int AfxWinMain(HINSTANCE hInstance);
    // Title and help file from the running executable.
    void InitApplication(HINSTANCE hInstance);
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

// The owner of a dialog that names no parent: the window a message box
// would be modal to.
HWND AfxGetDefaultOwner();

int AfxWinMain(HINSTANCE hInstance);
