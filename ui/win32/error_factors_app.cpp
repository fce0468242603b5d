#include "error_factors_app.h"

#include "error_factors_dlg.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CErrorFactorsApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

// The one application object.
CErrorFactorsApp theApp;

BOOL CErrorFactorsApp::InitInstance() {
    // No dialog hosts an ActiveX control, and the system draws dialogs in
    // relief itself: nothing to enable before the dialog runs.
    CErrorFactorsDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog was the whole program: no message loop follows.
    return FALSE;
}
