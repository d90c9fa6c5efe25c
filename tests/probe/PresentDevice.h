// A device made present in Wine's device manager for the length of a test: registered
// through SetupAPI under the TARVELLTEST enumerator, removed again afterwards.
#pragma once

#include <windows.h>
#include <setupapi.h>

#include <string>

class PresentDevice {
public:
    // configFlags is stored as the device's ConfigFlags (bit 0: disabled).
    PresentDevice(const GUID& deviceClass, const std::string& instanceId, DWORD configFlags = 0);
    ~PresentDevice();
    PresentDevice(const PresentDevice&) = delete;
    PresentDevice& operator=(const PresentDevice&) = delete;

    bool Registered() const { return registered_; }
    // The identifier the device manager gives back for the device.
    const std::string& InstanceId() const { return instanceId_; }

    // Removes every TARVELLTEST device of the class that an earlier run left behind.
    static void RemoveLeftovers(const GUID& deviceClass);

private:
    HDEVINFO set_;
    SP_DEVINFO_DATA data_;
    bool registered_ = false;
    std::string instanceId_;
};
