// The smallest honest Win32 dialog program: a modal dialog from an in-memory
// template with two edits and an OK button, centred by the dialog manager.
// The start-up benchmark times it beside QUINTARO.EXE, so that Wine's own
// process start-up cost cancels out of the ratio.
#include <windows.h>

#include <cstring>
#include <vector>

namespace {

class TemplateWriter {
public:
    void Word(WORD w) { bytes_.push_back(BYTE(w & 0xFF)); bytes_.push_back(BYTE(w >> 8)); }
    void Dword(DWORD d) { Word(WORD(d & 0xFFFF)); Word(WORD(d >> 16)); }
    void Text(const wchar_t* s) { do { Word(WORD(*s)); } while (*s++); }
    void AlignDword() { while (bytes_.size() % 4) bytes_.push_back(0); }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const wchar_t* text) {
        AlignDword();
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Word(WORD(x)); Word(WORD(y)); Word(WORD(cx)); Word(WORD(cy));
        Word(id);
        Word(0xFFFF); Word(atom);
        Text(text);
        Word(0);
    }
    const DLGTEMPLATE* Get() { AlignDword(); return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

private:
    std::vector<BYTE> bytes_;
};

INT_PTR CALLBACK MinimalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    TemplateWriter t;
    t.Dword(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
    t.Dword(0);
    t.Word(3);                      // items
    t.Word(0); t.Word(0); t.Word(200); t.Word(80);
    t.Word(0); t.Word(0);           // no menu, dialog class
    t.Text(L"Minimal dialog");
    t.Word(8); t.Text(L"MS Sans Serif");
    t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 60, 50, 14, IDOK, 0x0080, L"OK");
    t.Item(WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 40, 14, 1000, 0x0081, L"1");
    t.Item(WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 30, 40, 14, 1001, 0x0081, L"2");
    DialogBoxIndirectParamW(instance, t.Get(), nullptr, MinimalDialogProc, 0);
    return 0;
}
