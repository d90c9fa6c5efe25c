// The device-manager probe against Wine's SetupAPI with devices a test makes present,
// and the status read from the configuration manager: Wine's own (whose status call
// reports success and leaves the problem number as the caller set it), a missing one,
// one without the entry point, and a test one that reports problems. (The rows the
// page makes from them are taken end to end by the Information Viewer's e2e test.)
#include "PresentDevice.h"
#include "SystemProbePnp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Folder(bool system) {
    char path[MAX_PATH] = "";
    if (system)
        GetSystemDirectoryA(path, sizeof path);
    else
        GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string result(path);
    return system ? result + "\\" : result.substr(0, result.find_last_of("\\/") + 1);
}

class PnpProbe : public ::testing::Test {
protected:
    void SetUp() override {
        TearDown();
        // The prefix itself presents no ports or infrared devices.
        ASSERT_EQ(DeviceMatch::NotFound, Find(kPortsClassGuid, nullptr));
        ASSERT_EQ(DeviceMatch::NotFound, Find(kInfraredClassGuid, nullptr));
    }
    void TearDown() override {
        PresentDevice::RemoveLeftovers(kPortsClassGuid);
        PresentDevice::RemoveLeftovers(kInfraredClassGuid);
    }

    // With the system's configuration manager, or the one at library.
    DeviceMatch Find(const GUID& deviceClass, const char* fragment, const char* library = nullptr) {
        problem_ = 0xDEAD;
        return library ? FindPnpDeviceUsing(library, deviceClass, fragment, &problem_)
                       : FindPnpDevice(deviceClass, fragment, &problem_);
    }

    DWORD problem_ = 0;
};

TEST_F(PnpProbe, DevicesAreFoundByAFragmentOfTheirIdOrAsTheFirstOfTheirClass) {
    PresentDevice serial(kPortsClassGuid, "TARVELLTEST\\PNP0501\\1");
    ASSERT_TRUE(serial.Registered());
    EXPECT_EQ(DeviceMatch::Found, Find(kPortsClassGuid, "PNP05"));
    EXPECT_EQ(0u, problem_);
    EXPECT_EQ(DeviceMatch::NotFound, Find(kPortsClassGuid, "PNP04"));
    EXPECT_EQ(0u, problem_) << "the problem number starts at 0";
    EXPECT_EQ(DeviceMatch::NotFound, Find(kPortsClassGuid, "pnp05")) << "case-sensitive";
    EXPECT_EQ(DeviceMatch::NotFound, Find(kInfraredClassGuid, "PNP05")) << "other class";
    EXPECT_EQ(DeviceMatch::NotFound, Find(kInfraredClassGuid, nullptr));

    PresentDevice parallel(kPortsClassGuid, "TARVELLTEST\\PNP0401\\1");
    PresentDevice infrared(kInfraredClassGuid, "TARVELLTEST\\IRDA\\1");
    ASSERT_TRUE(parallel.Registered() && infrared.Registered());
    EXPECT_EQ(DeviceMatch::Found, Find(kPortsClassGuid, "PNP04"));
    EXPECT_EQ(DeviceMatch::Found, Find(kPortsClassGuid, "PNP05"));
    EXPECT_EQ(DeviceMatch::Found, Find(kInfraredClassGuid, nullptr));
    EXPECT_EQ(DeviceMatch::Found, Find(kInfraredClassGuid, ""));
}

TEST_F(PnpProbe, StatusComesFromTheConfigurationManagerOrIsUnknown) {
    const std::string missingPath = Folder(false) + "no_such_cfgmgr32.dll";
    const std::string noEntryPath = Folder(true) + "version.dll"; // never called through
    const std::string fakePath = Folder(false) + "fake_cfgmgr32.dll";
    const char* missing = missingPath.c_str();
    const char* noEntry = noEntryPath.c_str();
    const char* fake = fakePath.c_str();
    const struct {
        const char* instanceId;
        DWORD configFlags; // for the test manager: 1 disabled, 2 removed
        const char* library;
        const char* fragment;
        DeviceMatch match;
        DWORD problem;
    } cases[] = {
        {"TARVELLTEST\\PNP0501\\1", 0, missing, "PNP05", DeviceMatch::StatusUnknown, 0},
        {"TARVELLTEST\\PNP0501\\1", 0, noEntry, "PNP05", DeviceMatch::StatusUnknown, 0},
        {"TARVELLTEST\\PNP0501\\1", 0, "", "PNP05", DeviceMatch::StatusUnknown, 0},
        {"TARVELLTEST\\PNP0501\\1", 0, missing, "PNP04", DeviceMatch::NotFound, 0},
        {"TARVELLTEST\\PNP0401\\1", 1, fake, "PNP04", DeviceMatch::Found, 22},
        {"TARVELLTEST\\IRDA\\1", 0, fake, nullptr, DeviceMatch::Found, 0},
        {"TARVELLTEST\\PNP0501\\1", 2, fake, "PNP05", DeviceMatch::StatusUnknown, 0},
    };
    for (const auto& c : cases) {
        const GUID& deviceClass = c.fragment ? kPortsClassGuid : kInfraredClassGuid;
        PresentDevice device(deviceClass, c.instanceId, c.configFlags);
        ASSERT_TRUE(device.Registered());
        EXPECT_EQ(c.match, Find(deviceClass, c.fragment, c.library)) << c.instanceId;
        EXPECT_EQ(c.problem, problem_) << c.instanceId << " with " << c.library;
    }
}

} // namespace
