// Every way the program ends: OK with valid values (button, Enter, Space,
// Enter in an edit box) and cancel (Esc, the close command, Alt+F4) even with
// text that is not a number in a box.
#include "cases.h"

#include "input.h"

namespace {

enum class Action { EnterOnOk, SpaceOnOk, ClickOk, EnterInEdit, Escape, CloseCommand, AltF4 };

struct EndingRow {
    const char* name;
    const char* badFkMax;  // typed into fkmax first, or null
    Action action;
};

const EndingRow kEndingRows[] = {
    {"Enter at start-up (focus on OK)", nullptr, Action::EnterOnOk},
    {"Space at start-up (focus on OK)", nullptr, Action::SpaceOnOk},
    {"click on OK", nullptr, Action::ClickOk},
    {"Enter in the T* box", nullptr, Action::EnterInEdit},
    {"Esc with letters in fkmax", "abc", Action::Escape},
    {"close command (SC_CLOSE) with letters in fkmax", "abc", Action::CloseCommand},
    {"Alt+F4 with letters in fkmax", "abc", Action::AltF4},
};

void Do(AppSession& app, Action action) {
    switch (action) {
        case Action::EnterOnOk: BringToForeground(app.Dialog()); PressKey(VK_RETURN); break;
        case Action::SpaceOnOk: BringToForeground(app.Dialog()); PressKey(VK_SPACE); break;
        case Action::ClickOk: ClickButton(app.Item(IDOK)); break;
        case Action::EnterInEdit: app.FocusItem(IDC_PERIOD); PressKey(VK_RETURN); break;
        case Action::Escape: BringToForeground(app.Dialog()); PressKey(VK_ESCAPE); break;
        case Action::CloseCommand: PostMessageW(app.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case Action::AltF4: BringToForeground(app.Dialog()); PressKey(VK_F4, {VK_MENU}); break;
    }
}

}  // namespace

void RunEndingCases(Suite& suite) {
    for (const auto& row : kEndingRows) {
        const std::string name = std::string("ends on ") + row.name;
        auto app = Start(suite, name);
        if (!app) continue;
        HWND ok = app->Item(IDOK);
        WaitUntil([&] { return FocusOf(app->Dialog()) == ok; });
        if (row.badFkMax) app->SetItemText(IDC_FK_MAX, row.badFkMax);
        Do(*app, row.action);
        bool ended = app->WaitForExit(10000);
        HWND box = ended ? nullptr : FindOwnedDialog(app->Dialog());
        Check(name, ended, box ? "a box opened instead: \"" + ReadMessageBox(box).text + "\"" : "the program is still running");
    }
}
