// A few top-level and child windows in memory behind the message-box
// service's window operations. The system's box is not shown: each call is
// recorded with the state that matters while it is open.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app_shell.h"
#include "message_box_windows.h"

struct FakeWindow {
    const char* name;
    bool child = false;
    FakeWindow* parent = nullptr;
    FakeWindow* lastActivePopup = nullptr;  // nullptr: the window itself
    bool enabled = true;
};

struct RecordedBox {
    FakeWindow* owner;
    std::string text;
    std::string caption;
    unsigned type;
    unsigned helpContext;    // the application's, while the box is open
    bool ownerTopEnabled;    // the owner's top-level window, while the box is open
};

class RecordingWindows final : public MessageBoxWindows {
public:
    FakeWindow* mainWindow = nullptr;
    FakeWindow* topOfMain = nullptr;  // whose enabled state is recorded with each box
    const AppShell* app = nullptr;    // whose help context is recorded with each box
    std::function<void()> duringBox;  // runs while the box is "open"
    std::vector<RecordedBox> boxes;
    std::vector<std::string> enableCalls;

    Window MainWindow() override { return mainWindow; }
    bool IsChildWindow(Window w) override { return Fake(w).child; }
    Window Parent(Window w) override { return Fake(w).parent; }
    Window LastActivePopup(Window w) override {
        FakeWindow& window = Fake(w);
        return window.lastActivePopup != nullptr ? window.lastActivePopup : &window;
    }
    bool IsEnabled(Window w) override { return Fake(w).enabled; }
    void Enable(Window w, bool enable) override {
        Fake(w).enabled = enable;
        enableCalls.push_back(std::string(enable ? "enable " : "disable ") + Fake(w).name);
    }
    int ShowBox(Window owner, const std::string& text, const std::string& caption, unsigned type) override {
        boxes.push_back({static_cast<FakeWindow*>(owner), text, caption, type, app != nullptr ? app->m_dwPromptContext : 0,
                         topOfMain != nullptr && topOfMain->enabled});
        if (duringBox) duringBox();
        return 1;  // IDOK
    }

private:
    static FakeWindow& Fake(Window w) { return *static_cast<FakeWindow*>(w); }
};
