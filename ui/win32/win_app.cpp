#include "win_app.h"

#include "application_title.h"
#include "dialog.h"
#include "hwnd_message_box_windows.h"
#include "message_box_rules.h"
#include "resource.h"

namespace {
// Help topics of dialogs: this base plus the dialog's template id.
constexpr DWORD kDialogHelpBase = 0x20000;

MessageBoxWindows& ProgramWindows() {
    static HwndMessageBoxWindows windows;
    return windows;
}
}  // namespace

CWinApp::CWinApp() : AppShell(ProgramWindows()) {}

CWinApp* AfxGetApp() { return dynamic_cast<CWinApp*>(CurrentAppShell()); }

HINSTANCE AfxGetInstanceHandle() {
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_hInstance != nullptr ? app->m_hInstance : GetModuleHandleA(nullptr);
}

HWND AfxGetDefaultOwner() { return static_cast<HWND>(FindMessageBoxOwner(ProgramWindows()).owner); }

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::InitApplication(HINSTANCE hInstance) {
    m_hInstance = hInstance;
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(hInstance, path, MAX_PATH);
    const std::string modulePath(path, length);
    FormTitle(modulePath);
    m_strHelpFilePath = HelpFilePathFromModulePath(modulePath);
}

void CWinApp::OnHelp() {
    if (m_dwPromptContext != 0) {
        // F1 on the box that reports a failed help start would only fail again.
        if (m_dwPromptContext != PromptHelpContext(IDS_HELP_LAUNCH_FAILED)) WinHelp(m_dwPromptContext);
        return;
    }
    // The dialog that holds the focus names the topic; a window of another
    // kind (a message box) passes the question to its owner.
    for (HWND window = GetFocus(); window != nullptr; window = GetParent(window)) {
        if (auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(window))) {
            WinHelp(kDialogHelpBase + dialog->GetTemplateId());
            return;
        }
    }
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
    const HWND main = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    // The help engine takes over mouse and keyboard: end any drag or capture
    // of ours first.
    if (main != nullptr) SendMessageA(main, WM_CANCELMODE, 0, 0);
    if (const HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
    if (!::WinHelpA(main, m_strHelpFilePath.c_str(), command, data)) AfxMessageBox(IDS_HELP_LAUNCH_FAILED);
}
