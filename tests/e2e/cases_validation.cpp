// Rejected values: the exact message, then the focus on the field at fault
// with all its text selected, and the dialog still open (no "Ok!" after an
// error, no end of the program on OK).
#include "cases.h"

#include "input.h"

#include <vector>

namespace {

constexpr char kEnterNumber[] = "Digitare un numero.";
constexpr char kPeriodRange[] = "Digitare un numero compreso tra 1e-005 e 100.";
constexpr char kAgRange[] = "Digitare un numero compreso tra 0.0001 e 10.";

enum class Command { Ok, Calculate, EnterInEdit };

struct Typed {
    int id;
    const char* text;
};

struct RejectRow {
    const char* name;
    std::vector<Typed> typed;
    Command command;
    const char* message;
    int focusId;
};

const RejectRow kRejectRows[] = {
    {"letters in fkmax, OK", {{IDC_FK_MAX, "abc"}}, Command::Ok, kEnterNumber, IDC_FK_MAX},
    {"letters in fkmax, calculate", {{IDC_FK_MAX, "abc"}}, Command::Calculate, kEnterNumber, IDC_FK_MAX},
    {"T* of 0, calculate", {{IDC_PERIOD, "0"}}, Command::Calculate, kPeriodRange, IDC_PERIOD},
    {"T* of 1e400, OK", {{IDC_PERIOD, "1e400"}}, Command::Ok, kPeriodRange, IDC_PERIOD},
    {"T* just above 100, OK", {{IDC_PERIOD, "100.0000000000001"}}, Command::Ok, kPeriodRange, IDC_PERIOD},
    {"Ag next double above 10, OK", {{IDC_AG, "10.000000000000002"}}, Command::Ok, kAgRange, IDC_AG},
    {"Ag of 0, calculate", {{IDC_AG, "0"}}, Command::Calculate, kAgRange, IDC_AG},
    {"letters in Spostamento (min), calculate", {{IDC_DISP_MIN, "xy"}}, Command::Calculate, kEnterNumber, IDC_DISP_MIN},
    {"bad fkmax and bad T*: fkmax first", {{IDC_PERIOD, "y"}, {IDC_FK_MAX, "x"}}, Command::Ok, kEnterNumber, IDC_FK_MAX},
    {"Ag out of range and bad result: result first", {{IDC_AG, "20"}, {IDC_FORCE_MAX, "?"}}, Command::Ok, kEnterNumber,
     IDC_FORCE_MAX},
    {"Enter in q* with letters", {{IDC_BEHAVIOUR_FACTOR, "tre"}}, Command::EnterInEdit, kEnterNumber,
     IDC_BEHAVIOUR_FACTOR},
};

// The defaults, to put back what a row typed.
const Typed kDefaultTexts[] = {
    {IDC_FK_MAX, "1.05"}, {IDC_PERIOD, "1"}, {IDC_AG, "0.35"}, {IDC_DISP_MIN, "0"}, {IDC_FORCE_MAX, "0"},
    {IDC_BEHAVIOUR_FACTOR, "3"},
};

void Give(AppSession& app, Command command, int lastTypedId) {
    switch (command) {
        case Command::Ok: ClickButton(app.Item(IDOK)); break;
        case Command::Calculate: ClickCalculate(app); break;
        case Command::EnterInEdit:
            app.FocusItem(lastTypedId);
            PressKey(VK_RETURN);
            break;
    }
}

void RunRow(Suite& suite, AppSession& app, const RejectRow& row) {
    const std::string name = std::string("reject ") + row.name;
    for (const auto& typed : row.typed) app.SetItemText(typed.id, typed.text);
    Give(app, row.command, row.typed.back().id);

    BoxSeen box = WaitForBox(app);
    CheckMessageBox(name, box, TitleFor(suite.exePath), row.message);
    if (!box.found) return;
    Check(name + ": Enter closes the box", CloseBoxWithKey(box.view.box, VK_RETURN));

    HWND field = app.Item(row.focusId);
    bool focused = WaitUntil([&] { return FocusOf(app.Dialog()) == field && WholeTextSelected(field); });
    auto [start, end] = SelectionOf(field);
    Check(name + ": focus on the field with all its text selected", focused,
          "focus on id " + std::to_string(GetDlgCtrlID(FocusOf(app.Dialog()))) + ", selection " +
              std::to_string(start) + ".." + std::to_string(end) + " of \"" + WindowTextOf(field) + "\"");
    Check(name + ": dialog stays open, no further box", DialogIsIdleAndEnabled(app),
          app.Alive() ? "a box is open or the dialog is disabled: \"" + WindowTextOf(FindOwnedDialog(app.Dialog())) + "\""
                      : "the program ended");
    for (const auto& typed : row.typed)
        CheckEqual(name + ": typed text kept in id " + std::to_string(typed.id), ItemText(app.Dialog(), typed.id), typed.text);
}

}  // namespace

void RunValidationCases(Suite& suite) {
    std::unique_ptr<AppSession> app;
    for (const auto& row : kRejectRows) {
        if (!app || !app->Alive()) {
            app = Start(suite, std::string("reject ") + row.name);
            if (!app) return;
        }
        RunRow(suite, *app, row);
        // Whatever a failing row left open is closed with its session.
        if (FindOwnedDialog(app->Dialog())) app.reset();
        else
            for (const auto& typed : kDefaultTexts) app->SetItemText(typed.id, typed.text);
    }
}
