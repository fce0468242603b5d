// The calculate command with the defaults, by each way of giving it, and the
// canonical form it writes back into the inputs.
#include "cases.h"

#include "input.h"

namespace {

const FieldText kDefaultResults[] = {
    {IDC_DISP_MIN, "Spostamento (min)", "0.84"},
    {IDC_FORCE_MIN, "Forza richiamo (min)", "0.88"},
    {IDC_DISP_MAX, "Spostamento (max)", "1.2"},
    {IDC_FORCE_MAX, "Forza richiamo (max)", "1.14"},
};

enum class Way { Click, EnterOnButton, SpaceOnButton };

struct CalculateRow {
    const char* name;
    Way way;
    bool clearResultsFirst;  // false: run again on what the last run left
};

const CalculateRow kCalculateRows[] = {
    {"calculate by click", Way::Click, true},
    {"calculate again without changes", Way::Click, false},
    {"calculate by Enter on the focused button", Way::EnterOnButton, true},
    {"calculate by Space on the focused button", Way::SpaceOnButton, true},
};

struct Canonical {
    int id;
    const char* name;
    const char* typed;
    const char* shown;
};

// Inputs equal to the defaults in other spellings: the results stay those of
// the defaults and each input comes back in the one number format.
const Canonical kCanonicalRows[] = {
    {IDC_BEHAVIOUR_FACTOR, "q*", "3.0", "3"},
    {IDC_AG, "Ag", " 0.350 ", "0.35"},
    {IDC_FQ_MAX, "fqmax", "1.10", "1.1"},
    {IDC_PERIOD, "T*", "1e0", "1"},
};

void Trigger(AppSession& app, Way way) {
    switch (way) {
        case Way::Click: ClickCalculate(app); break;
        case Way::EnterOnButton:
            app.FocusItem(IDC_CALCULATE);
            PressKey(VK_RETURN);
            break;
        case Way::SpaceOnButton:
            app.FocusItem(IDC_CALCULATE);
            PressKey(VK_SPACE);
            break;
    }
}

// Runs one calculate and checks the results and the "Ok!" box.
void CheckOneCalculation(Suite& suite, AppSession& app, const std::string& name, Way way) {
    Trigger(app, way);
    BoxSeen box = WaitForBox(app);
    for (const auto& result : kDefaultResults)
        CheckEqual(name + ": " + result.name, ItemText(app.Dialog(), result.id), result.text);
    CheckMessageBox(name, box, TitleFor(suite.exePath), "Ok!");
    // The load after the calculation writes the radio groups back as they were read.
    Check(name + ": \"Spettro EC8 tipo 1\" and \"Suolo tipo C\" still checked",
          IsChecked(app.Item(IDC_SPECTRUM_TYPE1)) && !IsChecked(app.Item(IDC_SPECTRUM_TYPE2)) &&
              IsChecked(app.Item(IDC_SOIL_C)) && !IsChecked(app.Item(IDC_SOIL_A)),
          "spectrum 1/2: " + std::to_string(IsChecked(app.Item(IDC_SPECTRUM_TYPE1))) + "/" +
              std::to_string(IsChecked(app.Item(IDC_SPECTRUM_TYPE2))) + ", soil C: " +
              std::to_string(IsChecked(app.Item(IDC_SOIL_C))));
    if (box.found) {
        Check(name + ": Enter closes the box", CloseBoxWithKey(box.view.box, VK_RETURN));
        Check(name + ": dialog takes input again", DialogIsIdleAndEnabled(app));
    }
}

}  // namespace

void RunCalculateCases(Suite& suite) {
    auto app = Start(suite, "calculate");
    if (!app) return;
    for (const auto& row : kCalculateRows) {
        if (row.clearResultsFirst)
            for (const auto& result : kDefaultResults) app->SetItemText(result.id, "0");
        CheckOneCalculation(suite, *app, row.name, row.way);
        if (!app->Alive()) return;
    }

    for (const auto& row : kCanonicalRows) app->SetItemText(row.id, row.typed);
    CheckOneCalculation(suite, *app, "calculate with respelled inputs", Way::Click);
    for (const auto& row : kCanonicalRows)
        CheckEqual(std::string("calculate rewrites ") + row.name + " \"" + row.typed + "\"", ItemText(app->Dialog(), row.id),
                   row.shown);
}
