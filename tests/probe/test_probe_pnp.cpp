// The device-manager probe against Wine's SetupAPI with devices a test makes present,
// and the status read from the configuration manager: Wine's own (whose status call
// reports success and leaves the problem number as the caller set it), a missing one,
// one without the entry point, and a test one that reports problems.
#include "PresentDevice.h"
#include "ProbeTestSupport.h"
#include "SystemProbePnp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using RowList = std::vector<Row>;

std::string BesideThisProgram(const char* fileName) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string result(path);
    return result.substr(0, result.find_last_of("\\/") + 1) + fileName;
}

std::string SystemLibrary(const char* fileName) {
    char path[MAX_PATH] = "";
    GetSystemDirectoryA(path, sizeof path);
    return std::string(path) + "\\" + fileName;
}

class PnpProbe : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        PresentDevice::RemoveLeftovers(kPortsClassGuid);
        PresentDevice::RemoveLeftovers(kInfraredClassGuid);
    }
    void SetUp() override {
        // The prefix itself presents no ports or infrared devices.
        ASSERT_EQ(DeviceMatch::NotFound, Find(kPortsClassGuid, nullptr));
        ASSERT_EQ(DeviceMatch::NotFound, Find(kInfraredClassGuid, nullptr));
    }
    void TearDown() override {
        PresentDevice::RemoveLeftovers(kPortsClassGuid);
        PresentDevice::RemoveLeftovers(kInfraredClassGuid);
    }

    DeviceMatch Find(const GUID& deviceClass, const char* fragment) {
        problem_ = 0xDEAD;
        return FindPnpDevice(deviceClass, fragment, &problem_);
    }
    DeviceMatch FindUsing(const std::string& library, const GUID& deviceClass,
                          const char* fragment) {
        problem_ = 0xDEAD;
        return FindPnpDeviceUsing(library.c_str(), deviceClass, fragment, &problem_);
    }

    DWORD problem_ = 0;
};

TEST_F(PnpProbe, PortsAreFoundByTheirFragment) {
    PresentDevice serial(kPortsClassGuid, "TARVELLTEST\\PNP0501\\1");
    ASSERT_TRUE(serial.Registered());
    EXPECT_EQ(DeviceMatch::Found, Find(kPortsClassGuid, "PNP05"));
    EXPECT_EQ(0u, problem_);
    EXPECT_EQ(DeviceMatch::NotFound, Find(kPortsClassGuid, "PNP04"));
    EXPECT_EQ(0u, problem_) << "the problem number starts at 0";
    EXPECT_EQ(DeviceMatch::NotFound, Find(kPortsClassGuid, "pnp05")) << "case-sensitive";
    EXPECT_EQ(DeviceMatch::NotFound, Find(kInfraredClassGuid, "PNP05")) << "other class";

    PresentDevice parallel(kPortsClassGuid, "TARVELLTEST\\PNP0401\\1");
    ASSERT_TRUE(parallel.Registered());
    EXPECT_EQ(DeviceMatch::Found, Find(kPortsClassGuid, "PNP04"));
    EXPECT_EQ(DeviceMatch::Found, Find(kPortsClassGuid, "PNP05"));
}

TEST_F(PnpProbe, WithoutFragmentTheFirstPresentDeviceCounts) {
    PresentDevice infrared(kInfraredClassGuid, "TARVELLTEST\\IRDA\\1");
    ASSERT_TRUE(infrared.Registered());
    EXPECT_EQ(DeviceMatch::Found, Find(kInfraredClassGuid, nullptr));
    EXPECT_EQ(DeviceMatch::Found, Find(kInfraredClassGuid, ""));
    EXPECT_EQ(DeviceMatch::NotFound, Find(kPortsClassGuid, nullptr));
}

TEST_F(PnpProbe, StatusIsUnknownWithoutAUsableConfigurationManager) {
    PresentDevice serial(kPortsClassGuid, "TARVELLTEST\\PNP0501\\1");
    ASSERT_TRUE(serial.Registered());
    EXPECT_EQ(DeviceMatch::StatusUnknown,
              FindUsing(BesideThisProgram("no_such_cfgmgr32.dll"), kPortsClassGuid, "PNP05"));
    EXPECT_EQ(0u, problem_);
    // A library without CM_Get_DevNode_Status: it is never called through.
    EXPECT_EQ(DeviceMatch::StatusUnknown,
              FindUsing(SystemLibrary("version.dll"), kPortsClassGuid, "PNP05"));
    EXPECT_EQ(DeviceMatch::StatusUnknown, FindUsing("", kPortsClassGuid, "PNP05"));
    // Without a matching device the library does not matter.
    EXPECT_EQ(DeviceMatch::NotFound,
              FindUsing(BesideThisProgram("no_such_cfgmgr32.dll"), kPortsClassGuid, "PNP04"));
}

TEST_F(PnpProbe, ProblemNumberAndFailedStatusCallFromTheConfigurationManager) {
    const std::string manager = BesideThisProgram("fake_cfgmgr32.dll");
    {
        PresentDevice disabled(kPortsClassGuid, "TARVELLTEST\\PNP0401\\1", 0x1);
        ASSERT_TRUE(disabled.Registered());
        EXPECT_EQ(DeviceMatch::Found, FindUsing(manager, kPortsClassGuid, "PNP04"));
        EXPECT_EQ(22u, problem_);
    }
    {
        PresentDevice working(kInfraredClassGuid, "TARVELLTEST\\IRDA\\1", 0);
        ASSERT_TRUE(working.Registered());
        EXPECT_EQ(DeviceMatch::Found, FindUsing(manager, kInfraredClassGuid, nullptr));
        EXPECT_EQ(0u, problem_);
    }
    {
        PresentDevice vanishing(kPortsClassGuid, "TARVELLTEST\\PNP0501\\1", 0x2);
        ASSERT_TRUE(vanishing.Registered());
        EXPECT_EQ(DeviceMatch::StatusUnknown, FindUsing(manager, kPortsClassGuid, "PNP05"));
        EXPECT_EQ(0u, problem_);
    }
}

TEST_F(PnpProbe, PortRowsFromTheSystemsDeviceManager) {
    PresentDevice serial(kPortsClassGuid, "TARVELLTEST\\PNP0501\\1");
    PresentDevice parallel(kPortsClassGuid, "TARVELLTEST\\PNP0400\\1");
    PresentDevice infrared(kInfraredClassGuid, "TARVELLTEST\\IRDA\\1");
    ASSERT_TRUE(serial.Registered() && parallel.Registered() && infrared.Registered());
    RecordingSink sink;
    const SystemPortSource ports(true);
    AddSerialPortRows(sink, ports, 0);
    AddSerialPortRows(sink, ports, 1);
    AddParallelPortRows(sink, ports);
    EXPECT_EQ((RowList{{"Serial Port", "Enabled"},
                       {"Infrared", "Enabled"},
                       {"Parallel Port", "Enabled"}}),
              sink.Rows());
}

} // namespace
