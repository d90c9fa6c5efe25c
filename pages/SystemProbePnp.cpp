#include "SystemProbePnp.h"

#include <setupapi.h>

#include <cstdio>
#include <cstring>

const GUID kPortsClassGuid = {
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
const GUID kInfraredClassGuid = {
    0x6BDD1FC5, 0x810F, 0x11D0, {0xBE, 0xC7, 0x08, 0x00, 0x2B, 0xE2, 0x09, 0x2F}};

namespace {

constexpr DWORD kTextSize = 256;
constexpr DWORD kCrSuccess = 0;

typedef DWORD(WINAPI* GetDevNodeStatusFn)(ULONG* status, ULONG* problem, DWORD devInst,
                                          ULONG flags);

bool IdentifierMatches(HDEVINFO devices, SP_DEVINFO_DATA& device, const char* fragment) {
    if (DeviceIdMatches(nullptr, fragment))
        return true; // no fragment: the identifier is not needed
    char identifier[kTextSize] = "";
    if (!SetupDiGetDeviceInstanceIdA(devices, &device, identifier, sizeof identifier, nullptr))
        return false;
    return DeviceIdMatches(identifier, fragment);
}

// Reads the device's problem number; false when the library, its entry or the call fails.
bool ReadProblem(const char* configManagerPath, DWORD devInst, DWORD* problem) {
    if (!configManagerPath || !*configManagerPath)
        return false;
    HMODULE library = LoadLibraryA(configManagerPath);
    if (!library)
        return false;
    auto getStatus = reinterpret_cast<GetDevNodeStatusFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "CM_Get_DevNode_Status")));
    bool read = false;
    if (getStatus) {
        ULONG status = 0;
        ULONG number = 0;
        if (getStatus(&status, &number, devInst, 0) == kCrSuccess) {
            *problem = number;
            read = true;
        }
    }
    FreeLibrary(library);
    return read;
}

} // namespace

DeviceMatch FindPnpDeviceUsing(const char* configManagerPath, const GUID& deviceClass,
                               const char* fragment, DWORD* problem) {
    DWORD unused = 0;
    if (!problem)
        problem = &unused;
    *problem = 0;
    HDEVINFO devices = SetupDiGetClassDevsA(&deviceClass, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return DeviceMatch::NotFound;
    DeviceMatch match = DeviceMatch::NotFound;
    SP_DEVINFO_DATA device;
    for (DWORD index = 0;; ++index) {
        std::memset(&device, 0, sizeof device);
        device.cbSize = sizeof device;
        if (!SetupDiEnumDeviceInfo(devices, index, &device))
            break;
        if (IdentifierMatches(devices, device, fragment)) {
            match = ReadProblem(configManagerPath, device.DevInst, problem)
                        ? DeviceMatch::Found
                        : DeviceMatch::StatusUnknown;
            break;
        }
    }
    SetupDiDestroyDeviceInfoList(devices);
    return match;
}

DeviceMatch FindPnpDevice(const GUID& deviceClass, const char* fragment, DWORD* problem) {
    // Taken from the system directory by full path, never from the search path. Without
    // a usable path the library is not loaded and a matching device's status is unknown.
    char path[kTextSize] = "";
    const UINT length = GetSystemDirectoryA(path, kTextSize);
    if (length == 0 || length >= kTextSize ||
        std::snprintf(path + length, kTextSize - length, "\\cfgmgr32.dll") >=
            static_cast<int>(kTextSize - length))
        path[0] = '\0';
    return FindPnpDeviceUsing(path, deviceClass, fragment, problem);
}

DeviceMatch SystemPortSource::FindDevice(DeviceClass deviceClass, const char* fragment,
                                         uint32_t* problem) const {
    DWORD number = 0;
    const DeviceMatch match =
        FindPnpDevice(deviceClass == DeviceClass::Infrared ? kInfraredClassGuid : kPortsClassGuid,
                      fragment, &number);
    *problem = number;
    return match;
}
