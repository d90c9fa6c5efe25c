#include "SystemProbePnp.h"

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

// The configuration manager in the system directory, by full path, never from the search
// path; empty when no usable path exists (then a matching device's status is unknown).
void SystemConfigManagerPath(char (&path)[kTextSize]) {
    const UINT length = GetSystemDirectoryA(path, kTextSize);
    if (length == 0 || length >= kTextSize ||
        std::snprintf(path + length, kTextSize - length, "\\cfgmgr32.dll") >=
            static_cast<int>(kTextSize - length))
        path[0] = '\0';
}

} // namespace

PnpDeviceList::PnpDeviceList(const GUID& deviceClass)
    : devices_(SetupDiGetClassDevsA(&deviceClass, nullptr, nullptr, DIGCF_PRESENT)) {}

PnpDeviceList::~PnpDeviceList() {
    if (devices_ != INVALID_HANDLE_VALUE)
        SetupDiDestroyDeviceInfoList(devices_);
}

DeviceMatch PnpDeviceList::Find(const char* configManagerPath, const char* fragment,
                                DWORD* problem) const {
    DWORD unused = 0;
    if (!problem)
        problem = &unused;
    *problem = 0;
    if (devices_ == INVALID_HANDLE_VALUE)
        return DeviceMatch::NotFound;
    SP_DEVINFO_DATA device;
    for (DWORD index = 0;; ++index) {
        std::memset(&device, 0, sizeof device);
        device.cbSize = sizeof device;
        if (!SetupDiEnumDeviceInfo(devices_, index, &device))
            return DeviceMatch::NotFound;
        if (IdentifierMatches(devices_, device, fragment))
            return ReadProblem(configManagerPath, device.DevInst, problem)
                       ? DeviceMatch::Found
                       : DeviceMatch::StatusUnknown;
    }
}

DeviceMatch FindPnpDeviceUsing(const char* configManagerPath, const GUID& deviceClass,
                               const char* fragment, DWORD* problem) {
    return PnpDeviceList(deviceClass).Find(configManagerPath, fragment, problem);
}

DeviceMatch FindPnpDevice(const GUID& deviceClass, const char* fragment, DWORD* problem) {
    char path[kTextSize] = "";
    SystemConfigManagerPath(path);
    return FindPnpDeviceUsing(path, deviceClass, fragment, problem);
}

DeviceMatch SystemPortSource::FindDevice(DeviceClass deviceClass, const char* fragment,
                                         uint32_t* problem) const {
    const bool infrared = deviceClass == DeviceClass::Infrared;
    std::unique_ptr<PnpDeviceList>& list = infrared ? infrared_ : ports_;
    if (!list)
        list = std::make_unique<PnpDeviceList>(infrared ? kInfraredClassGuid : kPortsClassGuid);
    char path[kTextSize] = "";
    SystemConfigManagerPath(path);
    DWORD number = 0;
    const DeviceMatch match = list->Find(path, fragment, &number);
    *problem = number;
    return match;
}
