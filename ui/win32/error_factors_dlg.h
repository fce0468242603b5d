// The main dialog: every input and result of the calculation, the calculate
// command, and the application icon.
#pragma once

#include "dialog.h"
#include "form_record.h"

class CErrorFactorsDlg : public CDialog, public ErrorFactorsFormRecord {
public:
    explicit CErrorFactorsDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(ExchangeContext& dx) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnCalculate();

    DECLARE_MESSAGE_MAP()

    HICON m_hIcon;  // shared with the system, never destroyed
};
