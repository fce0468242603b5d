#include "dialog.h"

#include "afx_message_box.h"
#include "dialog_placement.h"
#include "hwnd_dialog_controls.h"
#include "win_app.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal() {
    const HINSTANCE instance = AfxGetInstanceHandle();
    const HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
    const HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
    const void* dialogTemplate = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (dialogTemplate == nullptr) return -1;
    m_bCentreAfterInit = TemplateWantsCentring(ReadDialogTemplateHeader(dialogTemplate));

    // Without a parent of its own the dialog belongs to the main window; the
    // dialog manager disables the owner before creating the dialog.
    const HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : AfxGetDefaultOwner();
    return DialogBoxIndirectParamA(instance, static_cast<LPCDLGTEMPLATEA>(dialogTemplate), owner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    // Every later message reaches the object through its window procedure;
    // the dialog procedure only links the two.
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassAttach(hWnd);
    return dialog->HandleInitDialog();
}

BOOL CDialog::HandleInitDialog() {
    RECT before;
    GetWindowRect(m_hWnd, &before);
    const BOOL result = OnInitDialog();

    // Centre only a dialog that its initialisation left alone, and only when
    // it has no owner or a disabled one (the modal case).
    RECT after;
    GetWindowRect(m_hWnd, &after);
    const bool moved = before.left != after.left || before.top != after.top;
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (m_bCentreAfterInit && !moved && !IsWindowVisible(m_hWnd) && (owner == nullptr || !IsWindowEnabled(owner))) {
        CWinApp* app = AfxGetApp();
        CenterDialogWindow(m_hWnd, app != nullptr && app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr);
    }
    return result;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    HwndDialogControls controls(m_hWnd);
    AfxMessageService messages;
    const bool outerLockout = m_bLockoutNotifications;
    m_bLockoutNotifications = true;
    const bool ok = RunExchange(bSaveAndValidate ? ExchangeDirection::Save : ExchangeDirection::Load, controls,
                                messages, [this](ExchangeContext& dx) { DoDataExchange(dx); });
    m_bLockoutNotifications = outerLockout;
    return ok ? TRUE : FALSE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(ExchangeContext&) {}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

bool CDialog::OnCmdMsg(UINT id, UINT code) {
    // Commands that no dialog handles, such as help, go to the application.
    if (CWnd::OnCmdMsg(id, code)) return true;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id, code);
}
