#include "RestartWindows.h"

const ShutdownCalls& SystemShutdownCalls() {
    static const ShutdownCalls calls = {OpenProcessToken,      LookupPrivilegeValueA,
                                        AdjustTokenPrivileges, GetLastError,
                                        ExitWindowsEx,         CloseHandle};
    return calls;
}

int RestartWindows(const ShutdownCalls& calls) {
    HANDLE token = nullptr;
    if (!calls.openProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return 0;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // Without the privilege's identifier there is nothing to enable.
    if (!calls.lookupPrivilegeValue(nullptr, "SeShutdownPrivilege",
                                    &privileges.Privileges[0].Luid)) {
        calls.closeHandle(token);
        return 0;
    }
    // AdjustTokenPrivileges succeeds even when it grants nothing: the error code
    // (ERROR_NOT_ALL_ASSIGNED) tells whether the privilege is now held.
    calls.adjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    const DWORD error = calls.getLastError();
    calls.closeHandle(token);
    if (error != ERROR_SUCCESS)
        return 0;
    calls.exitWindowsEx(EWX_REBOOT, 0);
    return 1;
}
