// The program's application object: runs the main dialog and ends.
#pragma once

#include "win_app.h"

class CErrorFactorsApp : public CWinApp {
public:
    CErrorFactorsApp() = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
