#include "win_app.h"

#include "dialog.h"
#include "resource.h"
#include "string_resources.h"

namespace {
CWinApp* g_app = nullptr;

// Help contexts: message boxes use this base plus their help id, dialogs the
// dialog base plus their template id.
constexpr DWORD kPromptHelpBase = 0x30000;
constexpr DWORD kDialogHelpBase = 0x20000;
}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetInstanceHandle() {
    return g_app != nullptr && g_app->m_hInstance != nullptr ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::InitApplication(HINSTANCE hInstance) {
    m_hInstance = hInstance;
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(hInstance, path, MAX_PATH);
    // TEMPORARY
    std::string full(path);
    std::string base = full.substr(0, full.rfind('.'));
    m_strHelpFilePath = base + ".HLP";
    m_strTitle = base.substr(base.find_last_of("\\/:") + 1);
}

void CWinApp::OnHelp() {
    if (m_dwPromptContext != 0) {
        // F1 on the box that reports a failed help start would only fail again.
        if (m_dwPromptContext != kPromptHelpBase + IDS_HELP_LAUNCH_FAILED) WinHelp(m_dwPromptContext);
        return;
    }
    // The dialog that holds the focus, or the one that owns the window with
    // the focus, names the topic.
    for (HWND window = GetFocus(); window != nullptr; window = GetParent(window)) {
        if (auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(window))) {
            WinHelp(kDialogHelpBase + dialog->GetTemplateId());
            return;
        }
    }
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
    const HWND main = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    // The help engine takes over the mouse and keyboard: end any drag or
    // capture of ours first.
    if (main != nullptr) SendMessageA(main, WM_CANCELMODE, 0, 0);
    if (const HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
    if (!::WinHelpA(main, m_strHelpFilePath.c_str(), command, data)) AfxMessageBox(IDS_HELP_LAUNCH_FAILED);
}
