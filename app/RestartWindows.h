// Restarting the computer: enable the shut-down privilege of this process, then ask
// the system to reboot.
#pragma once

#include "Win32.h"

// The system calls behind RestartWindows; tests put recording fakes in their place.
struct ShutdownCalls {
    BOOL(WINAPI* openProcessToken)(HANDLE process, DWORD access, PHANDLE token);
    BOOL(WINAPI* lookupPrivilegeValue)(LPCSTR system, LPCSTR name, PLUID luid);
    BOOL(WINAPI* adjustTokenPrivileges)
    (HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state, DWORD size, PTOKEN_PRIVILEGES previous,
     PDWORD returned);
    DWORD(WINAPI* getLastError)();
    BOOL(WINAPI* exitWindowsEx)(UINT flags, DWORD reason);
    BOOL(WINAPI* closeHandle)(HANDLE handle);
};

// The system's own calls.
const ShutdownCalls& SystemShutdownCalls();

// Returns 1 once the reboot has been requested, 0 (and nothing requested) when the
// process could not obtain the right to shut the system down.
int RestartWindows(const ShutdownCalls& calls = SystemShutdownCalls());
