// The title comes from the running file: a copy under another name shows that
// name on every box and names its help file after itself. Two copies run side
// by side without sharing anything.
#include "cases.h"

#include "input.h"

namespace {

constexpr wchar_t kCopyName[] = L"KALCOPIA.EXE";

std::wstring MakeCopy(const std::wstring& exePath) {
    wchar_t folder[MAX_PATH];
    DWORD length = GetTempPathW(MAX_PATH, folder);
    std::wstring copy = std::wstring(folder, length) + kCopyName;
    if (!CopyFileW(exePath.c_str(), copy.c_str(), FALSE)) return {};
    return copy;
}

void CheckCaptionsOfCopy(Suite& suite, const std::wstring& copy) {
    auto app = Start(suite, "renamed copy", copy);
    if (!app) return;
    const std::string title = TitleFor(copy);
    CheckEqual("renamed copy: title from the file name", title, "KALCOPIA");
    CheckEqual("renamed copy: dialog caption unchanged", WindowTextOf(app->Dialog()), kMainCaption);

    ClickCalculate(*app);
    BoxSeen ok = WaitForBox(*app);
    CheckEqual("renamed copy: caption of \"Ok!\"", ok.view.caption, title);
    if (ok.found) CloseBoxWithKey(ok.view.box, VK_RETURN);

    app->SetItemText(IDC_AG, "0");
    ClickButton(app->Item(IDOK));
    BoxSeen range = WaitForBox(*app);
    CheckEqual("renamed copy: caption of the Ag range message", range.view.caption, title);
    if (range.found) CloseBoxWithKey(range.view.box, VK_RETURN);

    suite.help.Clear();
    suite.help.SetAnswer(false);
    BringToForeground(app->Dialog());
    PressKey(VK_F1);
    BoxSeen help = WaitForBox(*app);
    suite.help.SetAnswer(true);
    CheckEqual("renamed copy: caption of the help failure", help.view.caption, title);
    if (help.found) CloseBoxWithKey(help.view.box, VK_RETURN);
    auto requests = suite.help.Requests();
    CheckEqual("renamed copy: help file named after the copy", requests.empty() ? "<no request>" : requests[0].file,
               HelpFileFor(copy));
}

void CheckTwoAtOnce(Suite& suite) {
    auto first = Start(suite, "two copies: first");
    auto second = Start(suite, "two copies: second");
    if (!first || !second) return;
    Check("two copies: each has its own dialog",
          first->Dialog() != second->Dialog() && first->ProcessId() != second->ProcessId() && first->Alive());

    ClickCalculate(*second);
    BoxSeen box = WaitForBox(*second);
    CheckEqual("two copies: the second calculates", ItemText(second->Dialog(), IDC_DISP_MIN), "0.84");
    CheckEqual("two copies: the first is untouched", ItemText(first->Dialog(), IDC_DISP_MIN), "0");
    Check("two copies: the first still takes input", IsWindowEnabled(first->Dialog()));
    if (box.found) CloseBoxWithKey(box.view.box, VK_RETURN);

    PostMessageW(first->Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Check("two copies: the first ends on its own", first->WaitForExit(10000) && second->Alive());
    PostMessageW(second->Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Check("two copies: the second ends", second->WaitForExit(10000));
}

}  // namespace

void RunCopyCases(Suite& suite) {
    std::wstring copy = MakeCopy(suite.exePath);
    Check("renamed copy: copied", !copy.empty(), "CopyFile failed");
    if (!copy.empty()) {
        CheckCaptionsOfCopy(suite, copy);
        DeleteFileW(copy.c_str());
    }
    CheckTwoAtOnce(suite);
}
