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

// name in the folder of this program.
std::string Beside(const char* name) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program(path);
    return program.substr(0, program.find_last_of("\\/") + 1) + name;
}

TEST(PnpProbe, DevicesAreFoundByAFragmentOfTheirIdAndTheirStatusRead) {
    for (const GUID* deviceClass : {&kPortsClassGuid, &kInfraredClassGuid}) {
        PresentDevice::RemoveLeftovers(*deviceClass);
        DWORD problem;
        ASSERT_EQ(DeviceMatch::NotFound, FindPnpDevice(*deviceClass, nullptr, &problem))
            << "the prefix itself presents no ports or infrared devices";
    }
    // The test configuration manager reports the number that ends the identifier.
    PresentDevice serial(kPortsClassGuid, "TARVELLTEST\\PNP0501\\0");
    PresentDevice parallel(kPortsClassGuid, "TARVELLTEST\\PNP0401\\22");
    PresentDevice infrared(kInfraredClassGuid, "TARVELLTEST\\IRDA\\GONE");
    ASSERT_TRUE(serial.Registered() && parallel.Registered() && infrared.Registered());

    const std::string missing = Beside("no_such_cfgmgr32.dll");
    const std::string fake = Beside("fake_cfgmgr32.dll");
    const char* noEntry = "version.dll"; // the system's, never called through
    const GUID& ports = kPortsClassGuid;
    const GUID& irda = kInfraredClassGuid;
    const struct {
        const GUID& deviceClass;
        const char* fragment;
        const char* library; // nullptr: the system's
        DeviceMatch match;
        DWORD problem;
    } cases[] = {
        {ports, "PNP05", nullptr, DeviceMatch::Found, 0},
        {ports, "PNP06", nullptr, DeviceMatch::NotFound, 0},
        {ports, "pnp05", nullptr, DeviceMatch::NotFound, 0}, // case-sensitive
        {irda, "PNP05", nullptr, DeviceMatch::NotFound, 0},  // other class
        {irda, nullptr, nullptr, DeviceMatch::Found, 0},
        {irda, "", nullptr, DeviceMatch::Found, 0},
        {ports, "PNP05", missing.c_str(), DeviceMatch::StatusUnknown, 0},
        {ports, "PNP05", noEntry, DeviceMatch::StatusUnknown, 0},
        {ports, "PNP05", "", DeviceMatch::StatusUnknown, 0},
        {ports, "PNP06", missing.c_str(), DeviceMatch::NotFound, 0},
        {ports, "PNP04", fake.c_str(), DeviceMatch::Found, 22},
        {ports, "PNP05", fake.c_str(), DeviceMatch::Found, 0},
        {irda, nullptr, fake.c_str(), DeviceMatch::StatusUnknown, 0},
    };
    for (const auto& c : cases) {
        DWORD problem = 0xDEAD;
        EXPECT_EQ(c.match, c.library
                               ? FindPnpDeviceUsing(c.library, c.deviceClass, c.fragment, &problem)
                               : FindPnpDevice(c.deviceClass, c.fragment, &problem))
            << (c.fragment ? c.fragment : "(any)") << " with " << (c.library ? c.library : "");
        EXPECT_EQ(c.problem, problem) << (c.fragment ? c.fragment : "(any)");
    }
}

// The page's source lists each class once and answers every question from that list:
// the serial and parallel rows ask the ports class with different fragments.
TEST(PnpProbe, OneSourceAnswersEachQuestionFromItsOwnListOfTheClass) {
    for (const GUID* deviceClass : {&kPortsClassGuid, &kInfraredClassGuid})
        PresentDevice::RemoveLeftovers(*deviceClass);
    uint32_t problem = 0xDEAD;
    {
        PresentDevice serial(kPortsClassGuid, "TARVELLTEST\\PNP0501\\0");
        PresentDevice parallel(kPortsClassGuid, "TARVELLTEST\\PNP0401\\1");
        PresentDevice infrared(kInfraredClassGuid, "TARVELLTEST\\IRDA\\0");
        ASSERT_TRUE(serial.Registered() && parallel.Registered() && infrared.Registered());
        const SystemPortSource source(true);
        EXPECT_EQ(DeviceMatch::Found, source.FindDevice(DeviceClass::Ports, "PNP05", &problem));
        EXPECT_EQ(0u, problem);
        EXPECT_EQ(DeviceMatch::Found, source.FindDevice(DeviceClass::Ports, "PNP04", &problem));
        EXPECT_EQ(DeviceMatch::NotFound, source.FindDevice(DeviceClass::Ports, "PNP06", &problem));
        EXPECT_EQ(DeviceMatch::Found, source.FindDevice(DeviceClass::Infrared, nullptr, &problem));
        EXPECT_EQ(DeviceMatch::NotFound,
                  source.FindDevice(DeviceClass::Infrared, "PNP05", &problem));
    }
    // The devices are gone: a new source lists again and finds none of them.
    const SystemPortSource later(true);
    EXPECT_EQ(DeviceMatch::NotFound, later.FindDevice(DeviceClass::Ports, "PNP05", &problem));
    EXPECT_EQ(DeviceMatch::NotFound, later.FindDevice(DeviceClass::Infrared, nullptr, &problem));
}

} // namespace
