// What the driver and its hook DLL, loaded into the program under test, say
// to each other. The driver posts the registered query message to a window of
// the program; the hook answers from inside the program's own GUI thread,
// where window-system objects of that process (the system menu, icons) can be
// read, with WM_COPYDATA to the driver's reply window.
#pragma once

#define E2E_PROBE_QUERY_MESSAGE L"QuintaroE2EProbeQuery"
#define E2E_PROBE_REPLY_CLASS L"QuintaroE2EProbeReply"
#define E2E_PROBE_HOOK_EXPORT "ProbeGetMessageHook"

// wParam of the query message; lParam is the window the query is about.
enum ProbeQuery {
    kProbePing = 1,         // "pong": the thread has run its message loop since the post
    kProbeSystemMenu = 2,   // one line per item: "type id text"
    kProbeStaticImage = 3,  // "icon <which> <w>x<h>" / "bitmap <w>x<h>x<bits>" / "none"
    kProbeWindowIcons = 4,  // "big <which> small <which>"
};
