// Tab order through the dialog manager, and the two radio groups.
#include "cases.h"

#include "input.h"

#include <vector>

namespace {

// The template gives no radio button WS_TABSTOP, but the button control
// itself sets WS_TABSTOP on a radio button when it is checked (BM_SETCHECK)
// and clears it when it is unchecked, so Tab also stops at the checked button
// of each group: the one way to reach a group from the keyboard. With the
// defaults those are "Spettro EC8 tipo 1" and "Suolo tipo C".
const int kTabOrder[] = {
    IDC_PERIOD, IDC_FQ_MIN, IDC_FQ_MAX, IDC_FK_MIN, IDC_FK_MAX, IDC_FM_MIN, IDC_FM_MAX,
    IDC_SPECTRUM_TYPE1,  // checked
    IDC_CALCULATE,
    IDC_SOIL_C,  // checked
    IDC_BEHAVIOUR_FACTOR, IDC_DISP_MIN, IDC_FORCE_MIN, IDC_DISP_MAX, IDC_FORCE_MAX, IDC_AG,
    IDOK,  // wraps around
};

std::string IdList(const std::vector<int>& ids) {
    std::string text;
    for (int id : ids) text += (text.empty() ? "" : " ") + std::to_string(id);
    return text;
}

// Presses Tab (or Shift+Tab) once per expected stop and records where the
// focus lands each time.
std::vector<int> WalkFocus(AppSession& app, bool backwards, size_t steps) {
    std::vector<int> visited;
    BringToForeground(app.Dialog());
    for (size_t i = 0; i < steps; ++i) {
        HWND before = FocusOf(app.Dialog());
        if (backwards) PressKey(VK_TAB, {VK_SHIFT});
        else PressKey(VK_TAB);
        WaitUntil([&] { return FocusOf(app.Dialog()) != before; }, 2000);
        visited.push_back(GetDlgCtrlID(FocusOf(app.Dialog())));
    }
    return visited;
}

const int kRadios[] = {IDC_SPECTRUM_TYPE1, IDC_SPECTRUM_TYPE2, IDC_SOIL_A, IDC_SOIL_B, IDC_SOIL_C, IDC_SOIL_D, IDC_SOIL_E};

struct RadioClick {
    const char* name;
    int click;
    std::vector<int> checkedAfter;
};

// One after the other in one session: each click clears only its own group.
const RadioClick kRadioClicks[] = {
    {"Spettro EC8 tipo 2", IDC_SPECTRUM_TYPE2, {IDC_SPECTRUM_TYPE2, IDC_SOIL_C}},
    {"Suolo tipo A", IDC_SOIL_A, {IDC_SPECTRUM_TYPE2, IDC_SOIL_A}},
    {"Suolo tipo E", IDC_SOIL_E, {IDC_SPECTRUM_TYPE2, IDC_SOIL_E}},
    {"Spettro EC8 tipo 1", IDC_SPECTRUM_TYPE1, {IDC_SPECTRUM_TYPE1, IDC_SOIL_E}},
    {"Spettro EC8 tipo 1 again (already checked)", IDC_SPECTRUM_TYPE1, {IDC_SPECTRUM_TYPE1, IDC_SOIL_E}},
};

std::vector<int> CheckedRadios(AppSession& app) {
    std::vector<int> checked;
    for (int id : kRadios)
        if (IsChecked(app.Item(id))) checked.push_back(id);
    return checked;
}

}  // namespace

void RunNavigationCases(Suite& suite) {
    auto app = Start(suite, "tab order");
    if (!app) return;
    HWND ok = app->Item(IDOK);
    WaitUntil([&] { return FocusOf(app->Dialog()) == ok; });

    const std::vector<int> forward(std::begin(kTabOrder), std::end(kTabOrder));
    CheckEqual("tab order: Tab from OK visits the boxes, the buttons and only the checked radios, then wraps",
               IdList(WalkFocus(*app, false, forward.size())), IdList(forward));
    std::vector<int> backward(forward.rbegin() + 1, forward.rend());
    backward.push_back(IDOK);
    CheckEqual("tab order: Shift+Tab from OK goes the other way", IdList(WalkFocus(*app, true, backward.size())),
               IdList(backward));

    for (const auto& row : kRadioClicks) {
        ClickButton(app->Item(row.click));
        WaitUntil([&] { return CheckedRadios(*app) == row.checkedAfter; });
        CheckEqual(std::string("radio click on ") + row.name + ": checked buttons", IdList(CheckedRadios(*app)),
                   IdList(row.checkedAfter));
    }

    // The tab stop follows the check: after the clicks above, Shift+Tab from
    // q* reaches "Suolo tipo E", not "Suolo tipo C".
    app->FocusItem(IDC_BEHAVIOUR_FACTOR);
    CheckEqual("tab order: Shift+Tab from q* reaches the newly checked soil button",
               IdList(WalkFocus(*app, true, 2)), IdList({IDC_SOIL_E, IDC_CALCULATE}));
}
