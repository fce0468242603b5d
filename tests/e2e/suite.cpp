#include "suite.h"

#include "input.h"
#include "text.h"

std::string TitleFor(const std::wstring& exePath) {
    std::wstring name = exePath;
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.resize(dot);
    size_t slash = name.find_last_of(L"\\/:");
    if (slash != std::wstring::npos) name = name.substr(slash + 1);
    return ToUtf8(name);
}

std::unique_ptr<AppSession> Start(const Suite& suite, const std::string& name, const std::wstring& exePath) {
    auto app = std::make_unique<AppSession>(exePath.empty() ? suite.exePath : exePath, &suite.probe);
    if (!app->Ready()) {
        Check(name + ": start", false, app->Problem());
        return nullptr;
    }
    return app;
}

BoxSeen WaitForBox(AppSession& app, DWORD timeoutMs) {
    BoxSeen seen;
    HWND box = WaitForOwnedDialog(app.Dialog(), timeoutMs);
    if (!box) return seen;
    seen.found = true;
    seen.view = ReadMessageBox(box);
    seen.ownerDisabled = !IsWindowEnabled(app.Dialog());
    if (seen.view.iconStatic) seen.icon = app.Ask(kProbeStaticImage, seen.view.iconStatic);
    return seen;
}

void CheckMessageBox(const std::string& name, const BoxSeen& box, const std::string& caption, const std::string& text) {
    if (!box.found) {
        Check(name + ": message box shown", false, "no box owned by the main dialog appeared");
        return;
    }
    CheckEqual(name + ": box text", box.view.text, text);
    CheckEqual(name + ": box caption", box.view.caption, caption);
    std::string buttons;
    for (const auto& b : box.view.buttons) buttons += (buttons.empty() ? "" : "|") + b;
    CheckEqual(name + ": box buttons", buttons, "OK");
    Check(name + ": box has the exclamation icon", box.icon.rfind("icon exclamation", 0) == 0,
          "icon: \"" + box.icon + "\"");
    Check(name + ": main dialog disabled while the box is open", box.ownerDisabled);
}

bool CloseBoxWithKey(HWND box, WORD key) {
    BringToForeground(box);
    PressKey(key);
    return WaitUntil([&] { return !IsWindow(box); });
}

void ClickCalculate(AppSession& app) {
    ClickButton(app.Item(IDC_CALCULATE));
}

bool DialogIsIdleAndEnabled(AppSession& app) {
    return app.Sync() && !FindOwnedDialog(app.Dialog()) && IsWindowEnabled(app.Dialog()) && app.Alive();
}
