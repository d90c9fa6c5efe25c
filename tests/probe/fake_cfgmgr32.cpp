// A configuration manager for tests: its CM_Get_DevNode_Status reports the problem
// number that ends the device's instance identifier ("...\22": problem 22), and fails
// for an identifier that ends in anything else.
#include <windows.h>

#include <cstdlib>
#include <cstring>

// From setupapi; declared here because <cfgmgr32.h> would declare the export below as
// an import.
extern "C" DWORD WINAPI CM_Get_Device_IDA(DWORD devInst, char* buffer, ULONG length, ULONG flags);

extern "C" __declspec(dllexport) DWORD WINAPI
    CM_Get_DevNode_Status(ULONG* status, ULONG* problem, DWORD devInst, ULONG) {
    constexpr DWORD kCrNoSuchDevnode = 0x0D;
    char id[256] = "";
    if (!status || !problem || CM_Get_Device_IDA(devInst, id, sizeof id, 0) != 0)
        return kCrNoSuchDevnode;
    const char* number = std::strrchr(id, '\\');
    char* end = nullptr;
    const ULONG value = number ? std::strtoul(number + 1, &end, 10) : 0;
    if (!number || end == number + 1 || *end)
        return kCrNoSuchDevnode;
    *status = 0x08; // DN_STARTED
    *problem = value;
    return 0;
}
