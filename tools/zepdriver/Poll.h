// Bounded waiting: every wait of the driver and its users polls a condition every
// 50 ms up to a deadline instead of sleeping for a fixed time.
#pragma once

#include <windows.h>

namespace e2e {

// A cold Wine session (first program of a run, or the first after a session ended)
// takes seconds under the CPU emulator; a warm one well under a second.
constexpr DWORD kColdWindowMs = 60000;
constexpr DWORD kWindowMs = 15000;
constexpr DWORD kExitMs = 15000;
// How long to watch for something that must not happen (a dialog that must not open).
constexpr DWORD kQuietMs = 1500;
constexpr DWORD kPollStepMs = 50;

// True as soon as condition() holds; false when it still does not at the deadline.
template <typename Condition> bool WaitUntil(Condition condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(kPollStepMs);
    }
}

} // namespace e2e
