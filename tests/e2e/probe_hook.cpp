// The hook DLL. Windows loads it into the program's process when the driver
// installs a WH_GETMESSAGE hook on the program's GUI thread; it answers the
// driver's queries there and swallows them, so the program never sees them.
#include "probe_protocol.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

const char* WhichIcon(HICON icon) {
    if (!icon) return "null";
    if (icon == LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128))) return "app";
    if (icon == LoadIconW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDI_EXCLAMATION)))) return "exclamation";
    if (icon == LoadIconW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDI_HAND)))) return "hand";
    if (icon == LoadIconW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDI_ASTERISK)))) return "asterisk";
    if (icon == LoadIconW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDI_QUESTION)))) return "question";
    if (icon == LoadIconW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDI_APPLICATION)))) return "application";
    return "other";
}

void IconSize(HICON icon, int* width, int* height) {
    *width = *height = 0;
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return;
    BITMAP bitmap{};
    HBITMAP source = info.hbmColor ? info.hbmColor : info.hbmMask;
    if (GetObjectW(source, sizeof bitmap, &bitmap)) {
        *width = bitmap.bmWidth;
        *height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
}

int DescribeSystemMenu(HWND window, wchar_t* out, int capacity) {
    HMENU menu = GetSystemMenu(window, FALSE);
    int used = 0;
    if (!menu) return swprintf(out, capacity, L"no menu");
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count && used < capacity - 200; ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID;
        GetMenuItemInfoW(menu, UINT(i), TRUE, &item);
        wchar_t text[128] = L"";
        GetMenuStringW(menu, UINT(i), text, 128, MF_BYPOSITION);
        used += swprintf(out + used, capacity - used, L"%ls 0x%04X %ls\n",
                         (item.fType & MFT_SEPARATOR) ? L"separator" : L"string", item.wID, text);
    }
    return used;
}

int DescribeStaticImage(HWND control, wchar_t* out, int capacity) {
    LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    if (type == SS_ICON) {
        HICON icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
        int width, height;
        IconSize(icon, &width, &height);
        return swprintf(out, capacity, L"icon %hs %dx%d", WhichIcon(icon), width, height);
    }
    if (type == SS_BITMAP) {
        HBITMAP image = reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP bitmap{};
        if (!image || !GetObjectW(image, sizeof bitmap, &bitmap)) return swprintf(out, capacity, L"bitmap none");
        return swprintf(out, capacity, L"bitmap %dx%d", int(bitmap.bmWidth), int(bitmap.bmHeight));
    }
    return swprintf(out, capacity, L"none");
}

void Answer(WPARAM query, HWND target) {
    wchar_t text[4096] = L"";
    int length = 0;
    switch (query) {
        case kProbePing: length = swprintf(text, 4096, L"pong"); break;
        case kProbeSystemMenu: length = DescribeSystemMenu(target, text, 4096); break;
        case kProbeStaticImage: length = DescribeStaticImage(target, text, 4096); break;
        case kProbeWindowIcons: {
            HICON big = reinterpret_cast<HICON>(SendMessageW(target, WM_GETICON, ICON_BIG, 0));
            HICON small = reinterpret_cast<HICON>(SendMessageW(target, WM_GETICON, ICON_SMALL, 0));
            length = swprintf(text, 4096, L"big %hs small %hs", WhichIcon(big), WhichIcon(small));
            break;
        }
        default: length = swprintf(text, 4096, L"unknown query"); break;
    }
    if (length < 0) length = 0;
    HWND reply = FindWindowW(E2E_PROBE_REPLY_CLASS, nullptr);
    if (!reply) return;
    COPYDATASTRUCT copy{query, DWORD((length + 1) * sizeof(wchar_t)), text};
    SendMessageW(reply, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeGetMessageHook(int code, WPARAM removal, LPARAM lParam) {
    static const UINT queryMessage = RegisterWindowMessageW(E2E_PROBE_QUERY_MESSAGE);
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && message->message == queryMessage) {
        Answer(message->wParam, reinterpret_cast<HWND>(message->lParam));
        message->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}
