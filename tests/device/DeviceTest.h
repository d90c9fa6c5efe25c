// Tests that reach the simulated notebook through the real device path: the driver
// channel opens \\.\vovudo as the program does, and the control request sets the
// simulated machine up and reads its log.
#pragma once

#include "BiosRegs.h"
#include "DriverChannel.h"
#include "SimControl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

constexpr char kNoDriver[] =
    "cannot open \\\\.\\vovudo: the simulated notebook's driver is not running in this Wine "
    "prefix; tools/wine-env.sh BUILD_DIR installs it";

inline uint32_t AddressOf(const void* p) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p));
}

inline BiosRegs Request(uint32_t ax, uint32_t bx, uint32_t esi = 0) {
    BiosRegs r;
    std::memset(&r, 0, sizeof r);
    r.eax = ax;
    r.ebx = bx;
    r.esi = esi;
    return r;
}

// Each test starts on the default machine with an empty log and no faults, with the
// driver channel open, and leaves the machine at its defaults again.
class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(control_.Open()) << kNoDriver << " (error " << control_.LastError() << ")";
        ASSERT_TRUE(control_.Reset());
        ASSERT_TRUE(OpenDriver()) << kNoDriver;
    }
    void TearDown() override {
        CloseDriver();
        if (control_.IsOpen())
            control_.Reset();
    }

    std::vector<sim::LogEntry> Log() {
        std::vector<sim::LogEntry> entries;
        EXPECT_TRUE(control_.ReadLog(entries)) << "error " << control_.LastError();
        return entries;
    }
    sim::BiosSettings Settings() {
        sim::BiosSettings settings = {};
        EXPECT_TRUE(control_.GetSettings(settings)) << "error " << control_.LastError();
        return settings;
    }
    sim::MachineProfile Profile() {
        sim::MachineProfile profile = {};
        EXPECT_TRUE(control_.GetProfile(profile)) << "error " << control_.LastError();
        return profile;
    }

    SimControl control_;
};
