// The controls of a real dialog window, for the data exchange.
#pragma once

#include <windows.h>

#include "dialog_controls.h"

class HwndDialogControls final : public DialogControls {
public:
    explicit HwndDialogControls(HWND dialog) : m_dialog(dialog) {}

    Control FindControl(int id) override;
    std::string ReadText(Control c, std::size_t maxChars) override;
    void SetText(Control c, std::string_view text) override;
    void SetFocus(Control c) override;
    void SelectAllText(Control c) override;
    bool IsChecked(Control c) override;
    void SetChecked(Control c, bool checked) override;
    bool IsRadioButton(Control c) override;
    Control NextControl(Control c) override;
    bool StartsGroup(Control c) override;

private:
    HWND m_dialog;
};
