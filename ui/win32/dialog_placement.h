// Where a dialog opens. A template placed at (0, 0) without a centring or
// absolute-alignment style is centred after its initialisation: over its
// owner when that is visible and not minimised, otherwise in the work area
// of the main window's display (the primary display when there is none);
// then kept inside that display's work area.
#pragma once

#include <windows.h>

// Style and position of a DIALOG or DIALOGEX template.
struct DialogTemplateHeader {
    DWORD style;
    short x;
    short y;
};

DialogTemplateHeader ReadDialogTemplateHeader(const void* dialogTemplate);

// Whether the template leaves the placement to the program.
bool TemplateWantsCentring(const DialogTemplateHeader& header);

void CenterDialogWindow(HWND dialog, HWND mainWindow);
