#include "error_factors_dlg.h"

#include "about_dlg.h"
#include "minimised_icon.h"
#include "resource.h"
#include "string_resources.h"
#include "win_app.h"

CErrorFactorsDlg::CErrorFactorsDlg(CWnd* pParent)
    : CDialog(IDD_MAIN, pParent), m_hIcon(LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_APP))) {}

BEGIN_MESSAGE_MAP(CErrorFactorsDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_CALCULATE, OnCalculate)
END_MESSAGE_MAP()

void CErrorFactorsDlg::DoDataExchange(ExchangeContext& dx) {
    CDialog::DoDataExchange(dx);
    ::DoDataExchange(dx, *this);
}

BOOL CErrorFactorsDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (const HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE)) {
        const std::string aboutItem = LoadResourceString(IDS_ABOUT_MENU);
        if (!aboutItem.empty()) {
            AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, aboutItem.c_str());
        }
    }

    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

void CErrorFactorsDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    // The low four bits of a system command belong to the system.
    if ((nID & 0xFFF0) == IDM_ABOUT) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CErrorFactorsDlg::OnPaint() {
    if (!IsIconic(m_hWnd)) {
        CDialog::OnPaint();
        return;
    }
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = MinimisedIconOffset(client.right - client.left, GetSystemMetrics(SM_CXICON));
    const int y = MinimisedIconOffset(client.bottom - client.top, GetSystemMetrics(SM_CYICON));
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
}

HCURSOR CErrorFactorsDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CErrorFactorsDlg::OnCalculate() {
    // A failed exchange has shown its message and left a mixed record:
    // calculating on it would report a failure as a success.
    if (!UpdateData(TRUE)) return;
    StoreErrorFactorBounds(*this, ComputeErrorFactorBounds(ToErrorFactorInputs(*this)));
    UpdateData(FALSE);
    AfxMessageBox("Ok!", MB_OK, 0);
}
