// A device made present in Wine's device manager for the length of a test: registered
// through SetupAPI under the TARVELLTEST enumerator, removed again afterwards.
#pragma once

#include <windows.h>
#include <setupapi.h>

#include <string>

class PresentDevice {
public:
    PresentDevice(const GUID& deviceClass, const std::string& instanceId)
        : set_(SetupDiCreateDeviceInfoList(&deviceClass, nullptr)) {
        if (set_ == INVALID_HANDLE_VALUE ||
            !SetupDiCreateDeviceInfoA(set_, instanceId.c_str(), &deviceClass, "Tarvell test device",
                                      nullptr, 0, &data_))
            return;
        // The hardware id is a list of strings ended by an empty one.
        std::string hardwareId = instanceId.substr(0, instanceId.rfind('\\'));
        hardwareId.append(2, '\0');
        SetupDiSetDeviceRegistryPropertyA(set_, &data_, SPDRP_HARDWAREID,
                                          reinterpret_cast<const BYTE*>(hardwareId.data()),
                                          static_cast<DWORD>(hardwareId.size()));
        registered_ = SetupDiRegisterDeviceInfo(set_, &data_, 0, nullptr, nullptr, nullptr);
    }
    ~PresentDevice() {
        if (registered_)
            SetupDiRemoveDevice(set_, &data_);
        if (set_ != INVALID_HANDLE_VALUE)
            SetupDiDestroyDeviceInfoList(set_);
    }
    PresentDevice(const PresentDevice&) = delete;
    PresentDevice& operator=(const PresentDevice&) = delete;

    bool Registered() const { return registered_; }

    // Removes every TARVELLTEST device of the class that an earlier run left behind.
    static void RemoveLeftovers(const GUID& deviceClass) {
        HDEVINFO devices = SetupDiGetClassDevsA(&deviceClass, nullptr, nullptr, 0);
        if (devices == INVALID_HANDLE_VALUE)
            return;
        SP_DEVINFO_DATA device = {sizeof device, {}, 0, 0};
        char id[256];
        for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
            if (SetupDiGetDeviceInstanceIdA(devices, &device, id, sizeof id, nullptr) &&
                _strnicmp(id, "TARVELLTEST\\", 12) == 0)
                SetupDiRemoveDevice(devices, &device);
        }
        SetupDiDestroyDeviceInfoList(devices);
    }

private:
    HDEVINFO set_;
    SP_DEVINFO_DATA data_ = {sizeof(SP_DEVINFO_DATA), {}, 0, 0};
    bool registered_ = false;
};
