// The test driver behind the driver channel's device calls.
#include "TestDriver.h"

#include "DriverDevice.h"

#include <cstdint>
#include <cstring>

namespace {

const char kDevicePath[] = "\\\\.\\vovudo";
const HANDLE kDeviceHandle = reinterpret_cast<HANDLE>(0x7A11);

const TestDriver* g_driver = nullptr;
bool g_open = false;

HANDLE WINAPI OpenDevice(LPCSTR path, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE) {
    if (!path || std::strcmp(path, kDevicePath) != 0 || !g_driver->open()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    g_open = true;
    return kDeviceHandle;
}

BOOL WINAPI ControlDevice(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out,
                          DWORD outSize, LPDWORD returned, LPOVERLAPPED) {
    if (device != kDeviceHandle || !g_open) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (code != kBiosIoctl || !in || inSize != sizeof(BiosRegs) || !out ||
        outSize != sizeof(BiosRegs)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    BiosRegs request, reply;
    std::memcpy(&request, in, sizeof request);
    if (!g_driver->control(request, reply)) {
        SetLastError(ERROR_GEN_FAILURE);
        return FALSE;
    }
    std::memcpy(out, &reply, sizeof reply);
    if (returned)
        *returned = sizeof reply;
    return TRUE;
}

BOOL WINAPI CloseDevice(HANDLE device) {
    if (device != kDeviceHandle || !g_open) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    g_open = false;
    return TRUE;
}

const DriverDevice kTestDevice = {OpenDevice, ControlDevice, CloseDevice};

} // namespace

void PlaceTestDriver(const TestDriver* driver) {
    g_driver = driver;
    g_open = false;
    SetDriverDevice(driver ? &kTestDevice : nullptr);
}

// esi is the buffer's flat address; a driver probes it before touching it.
const void* ReadableCallerBuffer(uint32_t address, uint32_t size) {
    const void* buffer = reinterpret_cast<const void*>(static_cast<uintptr_t>(address));
    return address != 0 && !IsBadReadPtr(buffer, size) ? buffer : nullptr;
}

void* WritableCallerBuffer(uint32_t address, uint32_t size) {
    void* buffer = reinterpret_cast<void*>(static_cast<uintptr_t>(address));
    return address != 0 && !IsBadWritePtr(buffer, size) ? buffer : nullptr;
}
