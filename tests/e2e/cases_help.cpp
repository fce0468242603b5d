// F1: which topic of which help file each place asks the help engine for,
// seen by the stand-in help engine; and the message when the engine fails.
#include "cases.h"

#include "input.h"

namespace {

constexpr unsigned kHelpContext = 0x0001;  // HELP_CONTEXT
constexpr char kHelpFailed[] = "Impossibile avviare la Guida.";

enum class Place { MainDialog, AboutBox, NumberMessage, RangeMessage };

struct HelpRow {
    const char* name;
    Place place;
    unsigned long topic;
};

const HelpRow kHelpRows[] = {
    {"F1 in the main dialog", Place::MainDialog, 0x20066},
    {"F1 in the About box", Place::AboutBox, 0x20064},
    {"F1 in the box \"Digitare un numero.\"", Place::NumberMessage, 0x3F111},
    {"F1 in the box of the T* range", Place::RangeMessage, 0x3F113},
};

// Opens the place and returns the box to close afterwards (null for the main dialog).
HWND Enter(AppSession& app, Place place) {
    switch (place) {
        case Place::MainDialog: BringToForeground(app.Dialog()); return nullptr;
        case Place::AboutBox: PostMessageW(app.Dialog(), WM_SYSCOMMAND, IDM_ABOUT, 0); break;
        case Place::NumberMessage: app.SetItemText(IDC_FK_MAX, "abc"); ClickButton(app.Item(IDOK)); break;
        case Place::RangeMessage: app.SetItemText(IDC_PERIOD, "0"); ClickButton(app.Item(IDOK)); break;
    }
    HWND box = WaitForOwnedDialog(app.Dialog(), kStateTimeoutMs);
    if (box) BringToForeground(box);
    return box;
}

std::string Describe(const HelpRequest& r) {
    return "command " + Hex(r.command) + " topic " + Hex(r.data) + " file \"" + r.file + "\"";
}

// The one request F1 is expected to make, or a description of what came.
void CheckOneRequest(Suite& suite, const std::string& name, const std::string& helpFile, unsigned long topic) {
    suite.help.WaitForRequests(1, kStateTimeoutMs);
    auto requests = suite.help.Requests();
    std::string got;
    for (const auto& r : requests) got += (got.empty() ? "" : "; ") + Describe(r);
    const HelpRequest want{kHelpContext, topic, helpFile};
    CheckEqual(name + ": help request", got, Describe(want));
}

void Restore(AppSession& app) {
    app.SetItemText(IDC_FK_MAX, "1.05");
    app.SetItemText(IDC_PERIOD, "1");
}

}  // namespace

void RunHelpCases(Suite& suite) {
    auto app = Start(suite, "help");
    if (!app) return;
    const std::string helpFile = HelpFileFor(suite.exePath);

    for (const auto& row : kHelpRows) {
        HWND box = Enter(*app, row.place);
        if (row.place != Place::MainDialog && !box) {
            Check(std::string(row.name) + ": box opens", false);
            continue;
        }
        suite.help.Clear();
        PressKey(VK_F1);
        CheckOneRequest(suite, row.name, helpFile, row.topic);
        if (box) Check(std::string(row.name) + ": box closes by Esc", CloseBoxWithKey(box, VK_ESCAPE));
        Restore(*app);
        Check(std::string(row.name) + ": no box left open", DialogIsIdleAndEnabled(*app));
        if (!app->Alive()) return;
    }

    // A help engine that answers "failed" is one that cannot be started.
    suite.help.SetAnswer(false);
    suite.help.Clear();
    BringToForeground(app->Dialog());
    PressKey(VK_F1);
    BoxSeen box = WaitForBox(*app);
    CheckMessageBox("help engine failing", box, TitleFor(suite.exePath), kHelpFailed);
    if (box.found) {
        // F1 in that very box asks for nothing; the F1 pressed after it in
        // the main dialog shows the queue was passed.
        suite.help.Clear();
        PressKey(VK_F1);
        Check("help engine failing: box closes by Enter", CloseBoxWithKey(box.view.box, VK_RETURN));
        suite.help.SetAnswer(true);
        BringToForeground(app->Dialog());
        PressKey(VK_F1);
        CheckOneRequest(suite, "help engine failing: F1 in its own box asks nothing", helpFile, 0x20066);
    }
    suite.help.SetAnswer(true);
    Check("help engine failing: dialog goes on", DialogIsIdleAndEnabled(*app));
}
