// The device manager's view of the serial, parallel and infrared ports, used for the
// port rows on Windows 2000 and later.
#pragma once

#include "SystemProbe.h"

#include <windows.h>

// Device setup classes of the ports (COM and LPT) and of infrared devices.
extern const GUID kPortsClassGuid;
extern const GUID kInfraredClassGuid;

// Looks through the present devices of deviceClass for the first whose instance
// identifier contains fragment (case-sensitive), or for the first device at all when
// fragment is nullptr or empty, and reads its problem number (0: working) from the
// configuration manager in the system directory. problem is 0 unless a number was read.
DeviceMatch FindPnpDevice(const GUID& deviceClass, const char* fragment, DWORD* problem);

// The same with the configuration manager library taken from configManagerPath.
DeviceMatch FindPnpDeviceUsing(const char* configManagerPath, const GUID& deviceClass,
                               const char* fragment, DWORD* problem);

// The ports as the running system reports them.
class SystemPortSource : public PortSource {
public:
    explicit SystemPortSource(bool windows5OrLater) : windows5OrLater_(windows5OrLater) {}
    bool IsWindows5OrLater() const override { return windows5OrLater_; }
    DeviceMatch FindDevice(DeviceClass deviceClass, const char* fragment,
                           uint32_t* problem) const override;

private:
    bool windows5OrLater_;
};
