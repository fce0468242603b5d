#include "modes.h"

#include "app_session.h"
#include "input.h"
#include "wait.h"
#include "window_probe.h"

#include "resource.h"

#include <cstdio>

int PoseForScreenshot(const std::wstring& program, const std::string& pose, const std::wstring& rectFile,
                      const std::wstring& doneFile) {
    AppSession app(program, nullptr);
    if (!app.Ready()) {
        std::printf("pose: %s\n", app.Problem().c_str());
        return 1;
    }
    HWND posed = app.Dialog();
    if (pose == "main") {
        ClickButton(app.Item(IDC_CALCULATE));
        HWND box = WaitForOwnedDialog(app.Dialog(), kStateTimeoutMs);
        if (!box) return 1;
        BringToForeground(box);
        PressKey(VK_RETURN);
        WaitUntil([&] { return !IsWindow(box) && IsWindowEnabled(app.Dialog()); });
    } else {
        PostMessageW(app.Dialog(), WM_SYSCOMMAND, IDM_ABOUT, 0);
        posed = WaitForOwnedDialog(app.Dialog(), kStateTimeoutMs);
        if (!posed) return 1;
    }
    // Let both windows finish painting before the picture is taken.
    RedrawWindow(app.Dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const RECT rect = RectOf(posed);
    if (FILE* out = _wfopen(rectFile.c_str(), L"w")) {
        std::fprintf(out, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        std::fclose(out);
    }
    WaitUntil([&] { return GetFileAttributesW(doneFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, 60000);
    return 0;
}
