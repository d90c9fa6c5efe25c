// A configuration manager for tests: its CM_Get_DevNode_Status answers from the device's
// ConfigFlags, which a test sets with SetupAPI. Bit 0 (disabled) reports problem 22,
// bit 1 (removed) makes the call fail; otherwise the device works.
#include <windows.h>

#include <cstdio>

// From setupapi; declared here because <cfgmgr32.h> would declare the export below as
// an import.
extern "C" DWORD WINAPI CM_Get_Device_IDA(DWORD devInst, char* buffer, ULONG length, ULONG flags);

namespace {

constexpr DWORD kCrSuccess = 0x00;
constexpr DWORD kCrNoSuchDevnode = 0x0D;
constexpr ULONG kStarted = 0x08; // DN_STARTED

constexpr DWORD kFlagDisabled = 0x1;
constexpr DWORD kFlagRemoved = 0x2;
constexpr ULONG kProblemDisabled = 22;

bool ReadConfigFlags(DWORD devInst, DWORD* flags) {
    char id[256] = "";
    if (CM_Get_Device_IDA(devInst, id, sizeof id, 0) != kCrSuccess)
        return false;
    char key[400];
    std::snprintf(key, sizeof key, "System\\CurrentControlSet\\Enum\\%s", id);
    HKEY device;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &device) != ERROR_SUCCESS)
        return false;
    DWORD size = sizeof *flags;
    DWORD type = 0;
    *flags = 0;
    const LONG result = RegQueryValueExA(device, "ConfigFlags", nullptr, &type,
                                         reinterpret_cast<BYTE*>(flags), &size);
    RegCloseKey(device);
    return result != ERROR_SUCCESS || type == REG_DWORD;
}

} // namespace

extern "C" __declspec(dllexport) DWORD WINAPI
    CM_Get_DevNode_Status(ULONG* status, ULONG* problem, DWORD devInst, ULONG) {
    DWORD flags = 0;
    if (!status || !problem || !ReadConfigFlags(devInst, &flags) || (flags & kFlagRemoved))
        return kCrNoSuchDevnode;
    *status = kStarted;
    *problem = (flags & kFlagDisabled) ? kProblemDisabled : 0;
    return kCrSuccess;
}
