// The system menu's About item and the About box: its items, texts,
// placement, the main dialog disabled while it is open, and every way to
// close it.
#include "cases.h"

#include "input.h"

#include <sstream>
#include <vector>

namespace {

constexpr WPARAM kIdmAbout = IDM_ABOUT;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

HWND OpenAbout(AppSession& app, WPARAM command) {
    PostMessageW(app.Dialog(), WM_SYSCOMMAND, command, 0);
    return WaitForOwnedDialog(app.Dialog(), kStateTimeoutMs);
}

struct AboutItem {
    const char* kind;  // class
    int id;
    DWORD style;
    const char* text;  // null: any non-empty text
};

const AboutItem kAboutItems[] = {
    {"Static", -1, 0x50000003, ""},
    {"Static", -1, 0x50020080, "Kalto Versione 1.0"},
    {"Static", -1, 0x50020000, nullptr},
    {"Button", IDOK, 0x50030001, "OK"},
    {"Static", -1, 0x50020000, nullptr},
};

void CheckAboutContents(AppSession& app, HWND about) {
    CheckEqual("about: caption", WindowTextOf(about), kAboutCaption);
    std::vector<HWND> items = ChildrenInOrder(about);
    Check("about: five items", items.size() == 5, std::to_string(items.size()) + " items");
    for (size_t i = 0; i < items.size() && i < 5; ++i) {
        const AboutItem& want = kAboutItems[i];
        const std::string name = "about: item " + std::to_string(i);
        const int id = GetDlgCtrlID(items[i]);
        Check(name + " is a " + want.kind + " with id " + std::to_string(want.id),
              IsClass(items[i], want.kind) && (want.id == -1 ? (id & 0xFFFF) == 0xFFFF : id == want.id),
              ClassNameOf(items[i]) + " id " + std::to_string(id));
        // The dialog manager may add bits of its own to a button's style
        // (the default-button state), so only the template's bits are required.
        const DWORD style = DWORD(GetWindowLongW(items[i], GWL_STYLE));
        Check(name + " style has " + Hex(want.style), (style & want.style) == want.style, "style " + Hex(style));
        const std::string text = WindowTextOf(items[i]);
        if (want.text && *want.text) CheckEqual(name + " text", text, want.text);
        else if (!want.text) Check(name + " has a text", !text.empty(), "empty");
    }
    if (!items.empty())
        Check("about: item 0 shows the application icon, 32x32",
              app.Ask(kProbeStaticImage, items[0]) == "icon app 32x32", app.Ask(kProbeStaticImage, items[0]));

    HWND ok = GetDlgItem(about, IDOK);
    Check("about: focus on OK", WaitUntil([&] { return FocusOf(about) == ok; }),
          "focus on id " + std::to_string(GetDlgCtrlID(FocusOf(about))));
    const RECT box = RectOf(about), main = RectOf(app.Dialog());
    const long dx = (box.left - main.left) - (main.right - box.right);
    const long dy = (box.top - main.top) - (main.bottom - box.bottom);
    Check("about: centred over the main dialog", dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1,
          "about " + RectText(box) + ", main " + RectText(main));
}

enum class Closer { ClickOk, Enter, Escape, AltF4, CloseCommand };

struct AboutRow {
    const char* name;
    WPARAM command;  // the system command that opens it; the low four bits are the system's
    Closer closer;
};

const AboutRow kAboutRows[] = {
    {"closed by OK", kIdmAbout, Closer::ClickOk},
    {"closed by Enter", kIdmAbout, Closer::Enter},
    {"closed by Esc", kIdmAbout, Closer::Escape},
    {"closed by Alt+F4", kIdmAbout, Closer::AltF4},
    {"opened with the system's low bits set, closed by SC_CLOSE", kIdmAbout | 0x000F, Closer::CloseCommand},
};

void Close(HWND about, Closer closer) {
    switch (closer) {
        case Closer::ClickOk: ClickButton(GetDlgItem(about, IDOK)); break;
        case Closer::Enter: BringToForeground(about); PressKey(VK_RETURN); break;
        case Closer::Escape: BringToForeground(about); PressKey(VK_ESCAPE); break;
        case Closer::AltF4: BringToForeground(about); PressKey(VK_F4, {VK_MENU}); break;
        case Closer::CloseCommand: PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
}

}  // namespace

void RunSystemMenuAndAboutCases(Suite& suite) {
    auto app = Start(suite, "system menu");
    if (!app) return;

    std::vector<std::string> menu = Lines(app->Ask(kProbeSystemMenu, app->Dialog()));
    const size_t n = menu.size();
    CheckEqual("system menu: next to last item is a separator", n >= 2 ? menu[n - 2].substr(0, 9) : "<fewer than 2 items>",
               "separator");
    CheckEqual("system menu: last item", n >= 1 ? menu[n - 1] : "<no items>", "string 0x0010 Infor&mazioni su QUINTARO...");

    bool first = true;
    for (const auto& row : kAboutRows) {
        const std::string name = std::string("about ") + row.name;
        HWND about = OpenAbout(*app, row.command);
        Check(name + ": opens", about != nullptr);
        if (!about) continue;
        Check(name + ": main dialog disabled while it is open", !IsWindowEnabled(app->Dialog()));
        if (first) CheckAboutContents(*app, about);
        first = false;
        Close(about, row.closer);
        Check(name + ": box gone", WaitUntil([&] { return !IsWindow(about); }));
        Check(name + ": main dialog enabled and active again", WaitUntil([&] {
                  return IsWindowEnabled(app->Dialog()) && GetForegroundWindow() == app->Dialog();
              }));
        Check(name + ": program still running", app->Alive() && DialogIsIdleAndEnabled(*app));
        if (!app->Alive()) return;
    }
}
