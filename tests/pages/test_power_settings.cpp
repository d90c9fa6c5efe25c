// The Power Management page's BIOS state against the simulated notebook and Wine's
// registry: the order and content of what Apply and Load Previous write, the resume
// timer's rules, what a read reports, and the power driver's flags in the registry.
#include "PowerSettings.h"
#include "VpowerdFlags.h"

#include "DriverChannel.h"
#include "OperationNames.h"
#include "SimDevice.h"
#include "VpowerdKey.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const ResumeTime kNow = {2001, 4, 1, 12, 30, 0};
const ResumeTime kLater = {2002, 5, 6, 7, 8, 9};

class PowerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetAlarmInBios();
        VpowerdKey::SetFlags(0x3F);
        Bios().ClearLog();
        ASSERT_TRUE(OpenDriver());
    }
    void TearDown() override { CloseDriver(); }

    sim::SimBios& Bios() { return device_.bios(); }
    // Timer on, 07:05:09 on 31 December 2030.
    void SetAlarmInBios() {
        sim::BiosSettings& s = Bios().Settings();
        s.resumeTimerOn = 1;
        s.resumeSecond = 0x09;
        s.resumeMinute = 0x05;
        s.resumeHour = 0x07;
        s.resumeMonthDay = 0x1231;
        s.resumeYear = 0x2030;
    }
    // The requests since the log was cleared: the operation with BH, and the
    // registers of a resume timer write.
    std::vector<std::string> Sent() {
        std::vector<std::string> sent;
        for (uint32_t i = 0; i < Bios().LogCount(); ++i) {
            const sim::Regs& r = Bios().LogAt(i).request;
            char text[96];
            std::snprintf(text, sizeof text, "%s %u", OperationName(r.eax, r.ebx),
                          static_cast<unsigned>(r.ebx >> 8 & 0xFF));
            std::string line = text;
            if (line.rfind("SetResumeTimer", 0) == 0) {
                std::snprintf(
                    text, sizeof text, " CX %04X DX %04X SI %04X DI %04X",
                    static_cast<unsigned>(r.ecx & 0xFFFF), static_cast<unsigned>(r.edx & 0xFFFF),
                    static_cast<unsigned>(r.esi & 0xFFFF), static_cast<unsigned>(r.edi & 0xFFFF));
                line += text;
            }
            sent.push_back(line);
        }
        return sent;
    }
    // The settings after a successful read of the notebook.
    PowerSettings ReadSettings() {
        PowerSettings settings(kNow);
        const PowerReading reading = ReadPowerOptions();
        EXPECT_TRUE(reading.timerRead);
        settings.TakeTimerReading(reading.timerOn, reading.time);
        Bios().ClearLog();
        return settings;
    }

    VpowerdKey key_;
    simdevice::ScopedSimDevice device_;
};

using Lines = std::vector<std::string>;

TEST_F(PowerSettingsTest, ApplyWritesOptionsInPageOrderThenTheTimerEachOnce) {
    PowerSettings settings = ReadSettings();
    for (int option = kSleepOnBattLowOption; option >= kPmuOption; --option)
        settings.ChooseOption(static_cast<PowerOption>(option), option % 2 == 0);
    settings.ChooseOption(kModemRingOption, false);
    settings.ChooseOption(kModemRingOption, true); // back and forth: the last state is written
    settings.ChooseTimer(false);

    settings.ApplyPending(0);
    EXPECT_EQ(Lines{}, Sent()) << "an unmodified page writes nothing";
    settings.ApplyPending(1);
    EXPECT_EQ((Lines{"EnablePMU 1", "EnableDspAlwaysOn 0", "EnableHotkeyBeep 1",
                     "EnableModemRingWakeup 1", "EnableBattLowBeep 1", "EnableSleepWhenBattLow 0",
                     "SetResumeTimer 0 CX 0900 DX 0705 SI 1231 DI 2030"}),
              Sent());
    EXPECT_EQ("4: 2f 00 00 00", VpowerdKey::Describe()) << "modem ring on: bit 4 clear";
    EXPECT_EQ(0, Bios().Settings().resumeTimerOn);

    Bios().ClearLog();
    settings.ApplyPending(1);
    EXPECT_EQ(Lines{}, Sent()) << "nothing pending any more";
}

TEST_F(PowerSettingsTest, TheTimerIsWrittenWithWhatWasReadOrChosen) {
    const struct {
        const char* what;
        bool timerRead;
        int chooseTimer; // -1: untouched
        bool chooseTime;
        const char* sent;
    } cases[] = {
        {"timer off sends the time read", true, 0, false,
         "SetResumeTimer 0 CX 0900 DX 0705 SI 1231 DI 2030"},
        {"a new time alone keeps the timer as read", true, -1, true,
         "SetResumeTimer 1 CX 0900 DX 0708 SI 0506 DI 2002"},
        {"both", true, 0, true, "SetResumeTimer 0 CX 0900 DX 0708 SI 0506 DI 2002"},
        {"timer on after a failed read sends the local time", false, 1, false,
         "SetResumeTimer 1 CX 0000 DX 1230 SI 0401 DI 2001"},
    };
    for (const auto& c : cases) {
        SetAlarmInBios();
        PowerSettings settings = ReadSettings();
        if (!c.timerRead)
            settings.ForgetTimerReading(kNow);
        if (c.chooseTimer >= 0)
            settings.ChooseTimer(c.chooseTimer == 1);
        if (c.chooseTime)
            settings.ChooseTime(kLater);
        settings.ApplyPending(1);
        EXPECT_EQ(Lines{c.sent}, Sent()) << c.what;
        Bios().ClearLog();
    }
}

TEST_F(PowerSettingsTest, LoadPreviousWritesExactlyWhatApplyWroteOnce) {
    PowerSettings settings = ReadSettings();
    settings.WriteApplied();
    EXPECT_EQ(Lines{}, Sent()) << "nothing applied yet";

    settings.ChooseOption(kHotkeyBeepOption, false);
    settings.ChooseOption(kModemRingOption, false);
    settings.ChooseTimer(true);
    VpowerdKey::SetFlags(0x0F);
    settings.ApplyPending(1);
    settings.ChooseTime(kLater);
    settings.ApplyPending(1);
    const Lines applied = Sent();
    ASSERT_EQ(4u, applied.size());
    EXPECT_EQ("4: 1f 00 00 00", VpowerdKey::Describe()) << "modem ring off: bit 4 set";

    Bios().ClearLog();
    VpowerdKey::SetFlags(0x2F);
    settings.WriteApplied();
    EXPECT_EQ((Lines{"EnableHotkeyBeep 0", "EnableModemRingWakeup 0",
                     "SetResumeTimer 1 CX 0900 DX 0708 SI 0506 DI 2002"}),
              Sent());
    EXPECT_EQ("4: 3f 00 00 00", VpowerdKey::Describe()) << "restore updates the flags again";

    settings.Forget();
    Bios().ClearLog();
    settings.WriteApplied();
    EXPECT_EQ(Lines{}, Sent()) << "a second restore writes nothing";
}

TEST_F(PowerSettingsTest, ReadsReportFailuresDamagedRepliesAndUnknownTimes) {
    Bios().Settings().resumeSecond = 0x1A;
    sim::Fault refused{};
    refused.kind = sim::kFaultStatus;
    refused.ax = 0x9611;
    refused.bl = 0x0D; // GetDspAlwaysOn
    ASSERT_TRUE(Bios().ArmFault(refused));
    sim::Fault damaged{};
    damaged.kind = sim::kFaultRegisters;
    damaged.ax = 0x9611;
    damaged.bl = 0x08; // GetBattLowBeep answers AL 2
    damaged.replace.eax = 0x9602;
    damaged.replaceMask = 1u << 1;
    ASSERT_TRUE(Bios().ArmFault(damaged));

    const PowerReading reading = ReadPowerOptions();
    EXPECT_EQ((Lines{"GetPMU 0", "GetDspAlwaysOn 2", "GetHotkeyBeep 2", "GetModemRingWakeup 2",
                     "GetBattLowBeep 2", "GetSleepWhenBattLow 2", "GetResumeTimer 2"}),
              Sent());
    const bool read[kPowerOptionCount] = {true, false, true, true, false, true};
    for (int option = 0; option < kPowerOptionCount; ++option)
        EXPECT_EQ(read[option], reading.optionRead[option]) << option;
    EXPECT_TRUE(reading.timerRead);
    EXPECT_FALSE(reading.timeKnown) << "second 0x1A";

    sim::Fault timer{};
    timer.kind = sim::kFaultStatus;
    timer.ax = 0x9611;
    timer.bl = 0x06;
    ASSERT_TRUE(Bios().ArmFault(timer));
    EXPECT_FALSE(ReadPowerOptions().timerRead);
}

TEST_F(PowerSettingsTest, FlagsChangeOnlyBitFourOfAFourByteValue) {
    const struct {
        const char* what;
        void (*prepare)();
        int on;
        int written;
        const char* after;
    } cases[] = {
        {"on clears bit 4", [] { VpowerdKey::SetFlags(0x31); }, 1, 1, "4: 21 00 00 00"},
        {"off sets bit 4", [] { VpowerdKey::SetFlags(0xFFFFFFEF); }, 0, 1, "4: ff ff ff ff"},
        {"on with bit 4 clear", [] { VpowerdKey::SetFlags(0x0F); }, 1, 1, "4: 0f 00 00 00"},
        {"four bytes of another type", [] { VpowerdKey::Set(REG_BINARY, "\x01\x02\x03\x04", 4); },
         0, 1, "4: 11 02 03 04"},
        {"missing key",
         [] {
             VpowerdKey::DeleteValue();
             VpowerdKey::Delete();
         },
         0, 0, "missing key"},
        {"missing value",
         [] {
             VpowerdKey::Create();
             VpowerdKey::DeleteValue();
         },
         0, 0, "missing value"},
        {"two bytes", [] { VpowerdKey::Set(REG_BINARY, "\x2F\x00", 2); }, 0, 0, "3: 2f 00"},
        {"eight bytes", [] { VpowerdKey::Set(REG_BINARY, "\x2F\0\0\0\0\0\0\0", 8); }, 0, 0,
         "3: 2f 00 00 00 00 00 00 00"},
    };
    for (const auto& c : cases) {
        c.prepare();
        EXPECT_EQ(c.written, UpdateVpowerdFlags(c.on)) << c.what;
        EXPECT_EQ(c.after, VpowerdKey::Describe()) << c.what;
    }
}

} // namespace
