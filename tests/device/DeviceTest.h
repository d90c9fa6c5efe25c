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

inline BiosRegs Request(uint32_t ax, uint32_t bx, uint32_t esi = 0) {
    return BiosRegs{0, ax, bx, 0, 0, esi, 0, {}, {}, {}};
}

// Each test starts on the default machine with an empty log and no faults, with the
// driver channel open, and leaves the machine at its defaults again.
class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(control_.Open()) << kNoDriver << " (error " << control_.LastError() << ")";
        ASSERT_TRUE(control_.Reset());
        ASSERT_TRUE(OpenDriver()) << kNoDriver;
        raw_ = CreateFileA("\\\\.\\vovudo", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, raw_) << kNoDriver;
    }
    void TearDown() override {
        CloseDriver();
        if (raw_ != INVALID_HANDLE_VALUE)
            CloseHandle(raw_);
        control_.Reset();
    }

    // A request sent by hand, the way a stale or broken client might.
    bool Send(DWORD code, const void* in, DWORD inSize, void* out, DWORD outSize,
              DWORD* returned = nullptr) {
        DWORD bytes = 0;
        const BOOL done = DeviceIoControl(raw_, code, const_cast<void*>(in), inSize, out, outSize,
                                          &bytes, nullptr);
        if (returned)
            *returned = bytes;
        return done != FALSE;
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

    SimControl control_;
    HANDLE raw_ = INVALID_HANDLE_VALUE;
};
