#include "window_probe.h"

#include "text.h"
#include "wait.h"

namespace {

// Every query of another process's window is bounded: a hung program must
// fail the case, not hang the run.
LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 3000, &result)) return 0;
    return LRESULT(result);
}

}  // namespace

std::string WindowTextOf(HWND window) {
    wchar_t buffer[1024] = L"";
    // WM_GETTEXT is marshalled across processes; GetWindowText is not for
    // controls of another process.
    LRESULT length = Ask(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
    return ToUtf8(std::wstring(buffer, size_t(length > 0 ? length : 0)));
}

std::string ClassNameOf(HWND window) {
    wchar_t buffer[256] = L"";
    int length = GetClassNameW(window, buffer, 256);
    return ToUtf8(std::wstring(buffer, size_t(length > 0 ? length : 0)));
}

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item ? WindowTextOf(item) : "<no control " + std::to_string(id) + ">";
}

bool IsChecked(HWND button) {
    return Ask(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::pair<int, int> SelectionOf(HWND edit) {
    DWORD packed = DWORD(Ask(edit, EM_GETSEL, 0, 0));
    return {int(LOWORD(packed)), int(HIWORD(packed))};
}

bool WholeTextSelected(HWND edit) {
    auto [start, end] = SelectionOf(edit);
    int length = int(Ask(edit, WM_GETTEXTLENGTH, 0, 0));
    return start == 0 && end == length;
}

std::vector<HWND> ChildrenInOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows([](HWND window, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId) s->found.push_back(window);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindOwnedDialog(HWND owner) {
    DWORD processId = 0;
    GetWindowThreadProcessId(owner, &processId);
    for (HWND window : TopLevelWindowsOf(processId))
        if (window != owner && GetWindow(window, GW_OWNER) == owner && IsClass(window, "#32770"))
            return window;
    return nullptr;
}

HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] {
        found = FindOwnedDialog(owner);
        return found && IsWindowVisible(found);
    }, timeoutMs);
    return found;
}

RECT RectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

MessageBoxView ReadMessageBox(HWND box) {
    MessageBoxView view;
    view.box = box;
    view.caption = WindowTextOf(box);
    for (HWND child : ChildrenInOrder(box)) {
        std::string kind = ClassNameOf(child);
        if (_stricmp(kind.c_str(), "Static") == 0) {
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                view.iconStatic = child;
            else if (std::string text = WindowTextOf(child); !text.empty())
                view.text = text;
        } else if (_stricmp(kind.c_str(), "Button") == 0) {
            view.buttons.push_back(WindowTextOf(child));
        }
    }
    return view;
}

bool IsClass(HWND window, const char* className) {
    return _stricmp(ClassNameOf(window).c_str(), className) == 0;
}
