// Bounded polling for a window or a state of another process: the only way
// to learn when a cross-process change has happened. Never an unbounded wait.
#pragma once

#include <windows.h>

constexpr DWORD kStateTimeoutMs = 5000;
constexpr DWORD kLaunchTimeoutMs = 20000;

template <class Predicate>
bool WaitUntil(Predicate predicate, DWORD timeoutMs = kStateTimeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (predicate()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(5);
    }
}
