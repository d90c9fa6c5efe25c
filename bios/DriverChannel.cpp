#include "DriverChannel.h"
#include "DriverDevice.h"

#include <cstring>

namespace {

const DriverDevice kSystemDevice = {CreateFileA, DeviceIoControl, CloseHandle};
const DriverDevice* g_device = &kSystemDevice;
HANDLE g_driver = INVALID_HANDLE_VALUE;

} // namespace

void SetDriverDevice(const DriverDevice* device) {
    g_device = device ? device : &kSystemDevice;
}

bool OpenDriver() {
    g_driver = g_device->createFile("\\\\.\\vovudo", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    return g_driver != INVALID_HANDLE_VALUE;
}

bool CloseDriver() {
    const BOOL closed = g_device->closeHandle(g_driver);
    g_driver = INVALID_HANDLE_VALUE;
    return closed != FALSE;
}

bool CallBios(BiosRegs request, BiosRegs& reply, const char* /*operationName*/) {
    BiosRegs answer;
    std::memset(&answer, 0, sizeof answer);
    DWORD returned = 0;
    if (!g_device->deviceIoControl(g_driver, kBiosIoctl, &request, sizeof request, &answer,
                                   sizeof answer, &returned, nullptr)) {
        return false;
    }
    // The byte count is not examined: the answer is always the whole block.
    reply = answer;
    return true;
}
