// The device manager's view of the serial, parallel and infrared ports, used for the
// port rows on Windows 2000 and later.
#pragma once

#include "SystemProbe.h"

#include <windows.h>

#include <setupapi.h>

#include <memory>

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

// The present devices of one class, listed once and then searched as FindPnpDevice
// searches: the port rows ask the same class twice.
class PnpDeviceList {
public:
    explicit PnpDeviceList(const GUID& deviceClass);
    ~PnpDeviceList();
    PnpDeviceList(const PnpDeviceList&) = delete;
    PnpDeviceList& operator=(const PnpDeviceList&) = delete;

    DeviceMatch Find(const char* configManagerPath, const char* fragment, DWORD* problem) const;

private:
    HDEVINFO devices_;
};

// The ports as the running system reports them. Each class's devices are listed at its
// first question and kept for the source's lifetime (one filling of the page).
class SystemPortSource : public PortSource {
public:
    explicit SystemPortSource(bool windows5OrLater) : windows5OrLater_(windows5OrLater) {}
    bool IsWindows5OrLater() const override { return windows5OrLater_; }
    DeviceMatch FindDevice(DeviceClass deviceClass, const char* fragment,
                           uint32_t* problem) const override;

private:
    bool windows5OrLater_;
    mutable std::unique_ptr<PnpDeviceList> ports_;
    mutable std::unique_ptr<PnpDeviceList> infrared_;
};
