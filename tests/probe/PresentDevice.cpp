#include "PresentDevice.h"

#include <cstring>

namespace {

const char kTestEnumerator[] = "TARVELLTEST\\";

} // namespace

PresentDevice::PresentDevice(const GUID& deviceClass, const std::string& instanceId,
                             DWORD configFlags) {
    std::memset(&data_, 0, sizeof data_);
    data_.cbSize = sizeof data_;
    set_ = SetupDiCreateDeviceInfoList(&deviceClass, nullptr);
    if (set_ == INVALID_HANDLE_VALUE)
        return;
    if (!SetupDiCreateDeviceInfoA(set_, instanceId.c_str(), &deviceClass, "Tarvell test device",
                                  nullptr, 0, &data_))
        return;
    // The hardware id is a list of strings ended by an empty one.
    std::string hardwareId = instanceId.substr(0, instanceId.rfind('\\'));
    hardwareId.append(2, '\0');
    SetupDiSetDeviceRegistryPropertyA(set_, &data_, SPDRP_HARDWAREID,
                                      reinterpret_cast<const BYTE*>(hardwareId.data()),
                                      static_cast<DWORD>(hardwareId.size()));
    SetupDiSetDeviceRegistryPropertyA(set_, &data_, SPDRP_CONFIGFLAGS,
                                      reinterpret_cast<const BYTE*>(&configFlags),
                                      sizeof configFlags);
    if (!SetupDiRegisterDeviceInfo(set_, &data_, 0, nullptr, nullptr, nullptr))
        return;
    registered_ = true;
    char id[256] = "";
    if (SetupDiGetDeviceInstanceIdA(set_, &data_, id, sizeof id, nullptr))
        instanceId_ = id;
}

PresentDevice::~PresentDevice() {
    if (set_ == INVALID_HANDLE_VALUE)
        return;
    if (registered_)
        SetupDiRemoveDevice(set_, &data_);
    SetupDiDestroyDeviceInfoList(set_);
}

void PresentDevice::RemoveLeftovers(const GUID& deviceClass) {
    HDEVINFO devices = SetupDiGetClassDevsA(&deviceClass, nullptr, nullptr, 0);
    if (devices == INVALID_HANDLE_VALUE)
        return;
    SP_DEVINFO_DATA device;
    for (DWORD index = 0;; ++index) {
        std::memset(&device, 0, sizeof device);
        device.cbSize = sizeof device;
        if (!SetupDiEnumDeviceInfo(devices, index, &device))
            break;
        char id[256] = "";
        if (SetupDiGetDeviceInstanceIdA(devices, &device, id, sizeof id, nullptr) &&
            _strnicmp(id, kTestEnumerator, sizeof kTestEnumerator - 1) == 0)
            SetupDiRemoveDevice(devices, &device);
    }
    SetupDiDestroyDeviceInfoList(devices);
}
