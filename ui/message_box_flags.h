// The message-box flags the program asks for and the rules it applies to
// them. A Windows build takes them from <windows.h>; elsewhere they are
// defined here with the same values, each only if not yet defined, so the
// two never clash whichever header comes first.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#ifndef MB_OK
#define MB_OK 0x00000000u
#endif
#ifndef MB_OKCANCEL
#define MB_OKCANCEL 0x00000001u
#endif
#ifndef MB_ABORTRETRYIGNORE
#define MB_ABORTRETRYIGNORE 0x00000002u
#endif
#ifndef MB_YESNOCANCEL
#define MB_YESNOCANCEL 0x00000003u
#endif
#ifndef MB_YESNO
#define MB_YESNO 0x00000004u
#endif
#ifndef MB_RETRYCANCEL
#define MB_RETRYCANCEL 0x00000005u
#endif
#ifndef MB_ICONEXCLAMATION
#define MB_ICONEXCLAMATION 0x00000030u
#endif
#ifndef MB_TYPEMASK
#define MB_TYPEMASK 0x0000000Fu
#endif
#ifndef MB_ICONMASK
#define MB_ICONMASK 0x000000F0u
#endif
