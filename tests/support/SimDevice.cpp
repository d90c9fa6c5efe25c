#include "SimDevice.h"

#include "BiosRegs.h"
#include "DriverDevice.h"

#include <cstring>

namespace simdevice {

namespace {

static_assert(sizeof(BiosRegs) == sizeof(sim::Regs), "the simulator answers the driver's block");

const char kDevicePath[] = "\\\\.\\vovudo";
const HANDLE kDeviceHandle = reinterpret_cast<HANDLE>(0x7A11);

sim::SimBios g_bios;
bool g_open = false;
bool g_openFails = false;
bool g_bufferFails = false;

// A driver probes the caller's buffer before touching it; so does this one.
bool ReadMemory(void*, uint32_t address, void* to, uint32_t size) {
    const void* from = reinterpret_cast<const void*>(static_cast<uintptr_t>(address));
    if (g_bufferFails || address == 0 || IsBadReadPtr(from, size))
        return false;
    std::memcpy(to, from, size);
    return true;
}

bool WriteMemory(void*, uint32_t address, const void* from, uint32_t size) {
    void* to = reinterpret_cast<void*>(static_cast<uintptr_t>(address));
    if (g_bufferFails || address == 0 || IsBadWritePtr(to, size))
        return false;
    std::memcpy(to, from, size);
    return true;
}

const sim::CallerMemory kProcessMemory = {nullptr, ReadMemory, WriteMemory};

HANDLE WINAPI OpenDevice(LPCSTR path, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE) {
    if (g_openFails || !path || std::strcmp(path, kDevicePath) != 0) {
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
    if (code != kBiosIoctl) {
        SetLastError(ERROR_INVALID_FUNCTION);
        return FALSE;
    }
    if (!in || inSize < sizeof(sim::Regs) || !out || outSize < sizeof(sim::Regs)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    sim::Regs request;
    sim::Regs reply;
    std::memcpy(&request, in, sizeof request);
    if (!g_bios.Handle(request, reply, kProcessMemory)) {
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

const DriverDevice kSimDevice = {OpenDevice, ControlDevice, CloseDevice};

} // namespace

sim::SimBios& Bios() {
    return g_bios;
}

void Install() {
    g_bios.Reset();
    g_open = false;
    g_openFails = false;
    g_bufferFails = false;
    SetDriverDevice(&kSimDevice);
}

void Remove() {
    SetDriverDevice(nullptr);
    g_open = false;
}

void SetOpenFails(bool fails) {
    g_openFails = fails;
}
void SetBufferAccessFails(bool fails) {
    g_bufferFails = fails;
}

} // namespace simdevice
