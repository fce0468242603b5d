// What the main dialog shows when the program starts.
#include "cases.h"

namespace {

const FieldText kStartTexts[] = {
    {IDC_FK_MAX, "fkmax", "1.05"},
    {IDC_FK_MIN, "fkmin", "0.95"},
    {IDC_FM_MAX, "fmmax", "1.1"},
    {IDC_FM_MIN, "fmmin", "0.9"},
    {IDC_FQ_MAX, "fqmax", "1.1"},
    {IDC_FQ_MIN, "fqmin", "0.9"},
    {IDC_PERIOD, "T*", "1"},
    {IDC_BEHAVIOUR_FACTOR, "q*", "3"},
    {IDC_AG, "Ag", "0.35"},
    {IDC_DISP_MIN, "Spostamento (min)", "0"},
    {IDC_FORCE_MIN, "Forza richiamo (min)", "0"},
    {IDC_DISP_MAX, "Spostamento (max)", "0"},
    {IDC_FORCE_MAX, "Forza richiamo (max)", "0"},
};

struct RadioState {
    int id;
    const char* name;
    bool checked;
};

const RadioState kStartRadios[] = {
    {IDC_SPECTRUM_TYPE1, "Spettro EC8 tipo 1", true},
    {IDC_SPECTRUM_TYPE2, "Spettro EC8 tipo 2", false},
    {IDC_SOIL_A, "Suolo tipo A", false},
    {IDC_SOIL_B, "Suolo tipo B", false},
    {IDC_SOIL_C, "Suolo tipo C", true},
    {IDC_SOIL_D, "Suolo tipo D", false},
    {IDC_SOIL_E, "Suolo tipo E", false},
};

}  // namespace

void RunStartupCases(Suite& suite) {
    auto app = Start(suite, "start-up");
    if (!app) return;
    HWND dialog = app->Dialog();

    CheckEqual("start-up: caption", WindowTextOf(dialog), kMainCaption);
    for (const auto& field : kStartTexts)
        CheckEqual(std::string("start-up: text of ") + field.name, ItemText(dialog, field.id), field.text);
    for (const auto& radio : kStartRadios) {
        HWND button = app->Item(radio.id);
        Check(std::string("start-up: ") + radio.name + (radio.checked ? " checked" : " not checked"),
              button && IsChecked(button) == radio.checked, button ? "wrong check state" : "no such control");
    }

    HWND ok = app->Item(IDOK);
    bool focusOnOk = WaitUntil([&] { return FocusOf(dialog) == ok; });
    Check("start-up: focus on OK", focusOnOk && ok, "focus on control id " + std::to_string(GetDlgCtrlID(FocusOf(dialog))));

    // Centred in the work area of the primary display; the halving may round
    // either way, hence one pixel of slack.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT area = monitor.rcWork, rect = RectOf(dialog);
    const long dx = (rect.left - area.left) - (area.right - rect.right);
    const long dy = (rect.top - area.top) - (area.bottom - rect.bottom);
    Check("start-up: dialog centred in the work area", dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1,
          "dialog " + RectText(rect) + " in work area " + RectText(area));

    CheckEqual("start-up: window icons are the application icon", app->Ask(kProbeWindowIcons, dialog),
               "big app small app");
    HWND picture = nullptr;
    for (HWND child : ChildrenInOrder(dialog))
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP && IsClass(child, "Static")) picture = child;
    CheckEqual("start-up: spectrum sketch is a 48x48 bitmap", picture ? app->Ask(kProbeStaticImage, picture) : "no picture",
               "bitmap 48x48");

    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    Check("start-up: program ends on close", app->WaitForExit(10000));
}
