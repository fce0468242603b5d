// The About box: the program's name, version and notices.
#pragma once

#include "dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    void DoDataExchange(ExchangeContext& dx) override;

    DECLARE_MESSAGE_MAP()
};
