// The window operations the data exchange needs, on the controls of one
// dialog. The Windows program implements it over real windows; the tests
// implement it over an in-memory model of the dialog template.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class DialogControls {
public:
    using Control = void*;  // opaque; nullptr means no control

    virtual ~DialogControls() = default;

    virtual Control FindControl(int id) = 0;                           // GetDlgItem
    virtual std::string ReadText(Control c, std::size_t maxChars) = 0;  // GetWindowTextA, buffer maxChars + 1
    virtual void SetText(Control c, std::string_view text) = 0;        // SetWindowTextA
    virtual void SetFocus(Control c) = 0;                              // SetFocus
    virtual void SelectAllText(Control c) = 0;                         // EM_SETSEL 0, -1
    virtual bool IsChecked(Control c) = 0;                             // BM_GETCHECK: any state but unchecked
    virtual void SetChecked(Control c, bool checked) = 0;              // BM_SETCHECK
    virtual bool IsRadioButton(Control c) = 0;                         // WM_GETDLGCODE & DLGC_RADIOBUTTON
    virtual Control NextControl(Control c) = 0;                        // GW_HWNDNEXT; nullptr after the last
    virtual bool StartsGroup(Control c) = 0;                           // style has WS_GROUP
};
