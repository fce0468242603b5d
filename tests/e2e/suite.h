// What every group of cases shares: the program under test, the help engine
// stand-in, the in-process probe, and the steps that many cases take.
#pragma once

#include "app_session.h"
#include "help_standin.h"
#include "in_process_probe.h"
#include "probe_protocol.h"
#include "report.h"
#include "text.h"
#include "wait.h"
#include "window_probe.h"

#include <memory>
#include <string>

#include "resource.h"  // the program's own ids, from ui/

struct Suite {
    std::wstring exePath;
    HelpStandIn& help;
    InProcessProbe& probe;
};

// The application title a program at `exePath` shows: its file name without
// the extension.
std::string TitleFor(const std::wstring& exePath);

// Starts the program; on failure reports "<name>: start" as failed and returns null.
std::unique_ptr<AppSession> Start(const Suite& suite, const std::string& name, const std::wstring& exePath = {});

// A message box (or any box) owned by the main dialog, as seen while it is open.
struct BoxSeen {
    bool found = false;
    MessageBoxView view;
    bool ownerDisabled = false;
    std::string icon;  // the in-process description of its icon
};
BoxSeen WaitForBox(AppSession& app, DWORD timeoutMs = kStateTimeoutMs);
// Checks a box against the message-box conventions: caption, text, one OK
// button, the exclamation icon, the main dialog disabled.
void CheckMessageBox(const std::string& name, const BoxSeen& box, const std::string& caption, const std::string& text);
// Presses `key` in the box and waits for it to go; true when it went.
bool CloseBoxWithKey(HWND box, WORD key);
// A click on the calculate button.
void ClickCalculate(AppSession& app);
// True when nothing is open over the main dialog and it takes input again,
// after a round trip through its message loop.
bool DialogIsIdleAndEnabled(AppSession& app);
