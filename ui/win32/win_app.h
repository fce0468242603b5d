// The application object: the one instance of the program, its title, help
// file and help command, its main window and its message-box service.
#pragma once

#include <string>

#include "message_map.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // Registers the one application object of the program.
    CWinApp();
    ~CWinApp() override;

    // Start-up once the platform is ready; FALSE runs no message loop.
    virtual BOOL InitInstance();
    // Shutdown; its result is the process's exit code.
    virtual int ExitInstance();
    // Shows one message box by the program's rules; returns the button pressed.
    virtual int DoMessageBox(const char* prompt, UINT type, UINT nIDPrompt);
    // Asks the help engine for a topic of the program's help file.
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    std::string m_strTitle;         // the executable's name without extension
    std::string m_strHelpFilePath;  // the executable's path with ".HLP"
    DWORD m_dwPromptContext = 0;    // help context while a message box is open

protected:
    // The help command: the open message box's context, or the topic of the
    // dialog that holds the focus.
    void OnHelp();

private:
    friend int AfxWinMain(HINSTANCE hInstance);
    void InitApplication(HINSTANCE hInstance);
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

// The window that owns a dialog or message box that names no parent: the
// main window's top-level window, or the pop-up that it activated last.
HWND AfxGetDefaultOwner();

int AfxMessageBox(const char* text, UINT type = MB_OK, UINT nIDHelp = 0);
// Loads the text from the string table; by default its id is the help id.
int AfxMessageBox(UINT nIDPrompt, UINT type = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

int AfxWinMain(HINSTANCE hInstance);
