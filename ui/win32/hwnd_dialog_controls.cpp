#include "hwnd_dialog_controls.h"

#include <string>

namespace {
HWND AsWindow(DialogControls::Control c) { return static_cast<HWND>(c); }
}  // namespace

DialogControls::Control HwndDialogControls::FindControl(int id) { return GetDlgItem(m_dialog, id); }

std::string HwndDialogControls::ReadText(Control c, std::size_t maxChars) {
    std::string buffer(maxChars + 1, '\0');
    const int length = GetWindowTextA(AsWindow(c), buffer.data(), static_cast<int>(buffer.size()));
    buffer.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return buffer;
}

void HwndDialogControls::SetText(Control c, std::string_view text) {
    SetWindowTextA(AsWindow(c), std::string(text).c_str());
}

void HwndDialogControls::SetFocus(Control c) { ::SetFocus(AsWindow(c)); }

void HwndDialogControls::SelectAllText(Control c) { SendMessageA(AsWindow(c), EM_SETSEL, 0, -1); }

bool HwndDialogControls::IsChecked(Control c) {
    return SendMessageA(AsWindow(c), BM_GETCHECK, 0, 0) != BST_UNCHECKED;
}

void HwndDialogControls::SetChecked(Control c, bool checked) {
    SendMessageA(AsWindow(c), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool HwndDialogControls::IsRadioButton(Control c) {
    return (SendMessageA(AsWindow(c), WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

DialogControls::Control HwndDialogControls::NextControl(Control c) { return GetWindow(AsWindow(c), GW_HWNDNEXT); }

bool HwndDialogControls::StartsGroup(Control c) {
    return (GetWindowLongA(AsWindow(c), GWL_STYLE) & WS_GROUP) != 0;
}
