// A modal dialog built from a template in the program's resources. The
// system's dialog manager runs it (Tab, Enter, Esc, default button, radio
// buttons); its messages go through the message maps of the derived class.
#pragma once

#include "data_exchange.h"
#include "wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // IDOK or IDCANCEL as the dialog ended, -1 when it could not be created.
    virtual INT_PTR DoModal();

    // The template id, which also names the dialog's help topic.
    UINT GetTemplateId() const { return m_nIDTemplate; }

    // One exchange between the record and the controls; false when a value
    // was rejected (its message has been shown and its control has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    // Runs once the controls exist, before the dialog is shown. TRUE gives the
    // focus to the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(ExchangeContext& dx);
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int nResult);

    bool OnCmdMsg(UINT id, UINT code) override;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bCentreAfterInit = false;
};
