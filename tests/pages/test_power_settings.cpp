// The Power Management page's BIOS state against the simulated notebook and Wine's
// registry: the order and content of what Apply and Load Previous write, the resume
// timer's rules, what a read reports, and the power driver's flags in the registry.
#include "PowerSettings.h"
#include "VpowerdFlags.h"

#include "PageBios.h"
#include "VpowerdKey.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const ResumeTime kNow = {2001, 4, 1, 12, 30, 0};
const ResumeTime kLater = {2002, 5, 6, 7, 8, 9};

class PowerSettingsTest : public PageBios {
protected:
    void SetUp() override {
        SetAlarmInBios();
        VpowerdKey::SetFlags(0x3F);
        PageBios::SetUp();
    }

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
    // Requests to function bl of the power group fail, or answer AL 2.
    void Arm(uint32_t kind, uint8_t bl) { PageBios::Arm(kind, 0x9611, bl, 1u << 1, 0x9602); }
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
};

TEST_F(PowerSettingsTest, ApplyWritesOptionsInPageOrderThenTheTimerEachOnce) {
    PowerSettings settings = ReadSettings();
    for (int option = kSleepOnBattLowOption; option >= kPmuOption; --option)
        settings.ChooseOption(static_cast<PowerOption>(option), option % 2 == 0);
    settings.ChooseOption(kModemRingOption, false);
    settings.ChooseOption(kModemRingOption, true); // back and forth: the last state is written
    settings.ChooseTimer(false);

    settings.ApplyPending(0);
    EXPECT_EQ("", Sent()) << "an unmodified page writes nothing";
    settings.ApplyPending(1);
    EXPECT_EQ("EnablePMU 1; EnableDspAlwaysOn 0; EnableHotkeyBeep 1; EnableModemRingWakeup 1; "
              "EnableBattLowBeep 1; EnableSleepWhenBattLow 0; "
              "SetResumeTimer 0 CX 0900 DX 0705 SI 1231 DI 2030",
              Sent());
    EXPECT_EQ("4: 2f 00 00 00", VpowerdKey::Describe()) << "modem ring on: bit 4 clear";
    EXPECT_EQ(0, Bios().Settings().resumeTimerOn);

    Bios().ClearLog();
    settings.ApplyPending(1);
    EXPECT_EQ("", Sent()) << "nothing pending any more";
}

// Switching the timer off sends the time read; a new time alone keeps the timer as
// read; both; switching it on after a failed read sends the local time.
TEST_F(PowerSettingsTest, TheTimerIsWrittenWithWhatWasReadOrChosen) {
    const struct {
        bool timerRead;
        int chooseTimer; // -1: untouched
        bool chooseTime;
        const char* sent;
    } cases[] = {
        {true, 0, false, "SetResumeTimer 0 CX 0900 DX 0705 SI 1231 DI 2030"},
        {true, -1, true, "SetResumeTimer 1 CX 0900 DX 0708 SI 0506 DI 2002"},
        {true, 0, true, "SetResumeTimer 0 CX 0900 DX 0708 SI 0506 DI 2002"},
        {false, 1, false, "SetResumeTimer 1 CX 0000 DX 1230 SI 0401 DI 2001"},
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
        EXPECT_EQ(c.sent, Sent());
    }
}

TEST_F(PowerSettingsTest, LoadPreviousWritesExactlyWhatApplyWroteOnce) {
    PowerSettings settings = ReadSettings();
    settings.WriteApplied();
    EXPECT_EQ("", Sent()) << "nothing applied yet";

    settings.ChooseOption(kHotkeyBeepOption, false);
    settings.ChooseOption(kModemRingOption, false);
    settings.ChooseTimer(true);
    VpowerdKey::SetFlags(0x0F);
    settings.ApplyPending(1);
    settings.ChooseTime(kLater);
    settings.ApplyPending(1);
    EXPECT_EQ("EnableHotkeyBeep 0; EnableModemRingWakeup 0; "
              "SetResumeTimer 1 CX 0900 DX 0705 SI 1231 DI 2030; "
              "SetResumeTimer 1 CX 0900 DX 0708 SI 0506 DI 2002",
              Sent());
    EXPECT_EQ("4: 1f 00 00 00", VpowerdKey::Describe()) << "modem ring off: bit 4 set";

    Bios().ClearLog();
    VpowerdKey::SetFlags(0x2F);
    settings.WriteApplied();
    EXPECT_EQ("EnableHotkeyBeep 0; EnableModemRingWakeup 0; "
              "SetResumeTimer 1 CX 0900 DX 0708 SI 0506 DI 2002",
              Sent());
    EXPECT_EQ("4: 3f 00 00 00", VpowerdKey::Describe()) << "restore updates the flags again";

    settings.Forget();
    Bios().ClearLog();
    settings.WriteApplied();
    EXPECT_EQ("", Sent()) << "a second restore writes nothing";
}

TEST_F(PowerSettingsTest, ReadsReportFailuresDamagedRepliesAndUnknownTimes) {
    Bios().Settings().resumeSecond = 0x1A;
    Arm(sim::kFaultStatus, 0x0D);    // GetDspAlwaysOn
    Arm(sim::kFaultRegisters, 0x08); // GetBattLowBeep answers AL 2

    const PowerReading reading = ReadPowerOptions();
    EXPECT_EQ("GetPMU 0; GetDspAlwaysOn 2; GetHotkeyBeep 2; GetModemRingWakeup 2; "
              "GetBattLowBeep 2; GetSleepWhenBattLow 2; GetResumeTimer 2",
              Sent());
    const bool read[kPowerOptionCount] = {true, false, true, true, false, true};
    for (int option = 0; option < kPowerOptionCount; ++option)
        EXPECT_EQ(read[option], reading.optionRead[option]) << option;
    EXPECT_TRUE(reading.timerRead);
    EXPECT_FALSE(reading.timeKnown) << "second 0x1A";

    Arm(sim::kFaultStatus, 0x06); // GetResumeTimer
    EXPECT_FALSE(ReadPowerOptions().timerRead);
}

// On clears bit 4 and off sets it, in a four-byte value of any type (written back as
// a DWORD); a missing key or value, or one of another length, is left alone.
TEST_F(PowerSettingsTest, FlagsChangeOnlyBitFourOfAFourByteValue) {
    constexpr DWORD kNoKey = 0xFFFFFFFF;
    const struct {
        DWORD type; // REG_NONE: a key without the value; kNoKey: no key at all
        const char* bytes;
        DWORD size;
        int on, written;
        const char* after;
    } cases[] = {
        {REG_DWORD, "\x31\0\0\0", 4, 1, 1, "4: 21 00 00 00"},
        {REG_DWORD, "\xEF\xFF\xFF\xFF", 4, 0, 1, "4: ff ff ff ff"},
        {REG_DWORD, "\x0F\0\0\0", 4, 1, 1, "4: 0f 00 00 00"},
        {REG_BINARY, "\x01\x02\x03\x04", 4, 0, 1, "4: 11 02 03 04"},
        {kNoKey, "", 0, 0, 0, "missing key"},
        {REG_NONE, "", 0, 0, 0, "missing value"},
        {REG_BINARY, "\x2F\0", 2, 0, 0, "3: 2f 00"},
        {REG_BINARY, "\x2F\0\0\0\0\0\0\0", 8, 0, 0, "3: 2f 00 00 00 00 00 00 00"},
    };
    for (const auto& c : cases) {
        VpowerdKey::Create();
        VpowerdKey::DeleteValue();
        if (c.type == kNoKey)
            VpowerdKey::Delete();
        else if (c.type != REG_NONE)
            VpowerdKey::Set(c.type, c.bytes, c.size);
        EXPECT_EQ(c.written, UpdateVpowerdFlags(c.on)) << c.after;
        EXPECT_EQ(c.after, VpowerdKey::Describe());
    }
}

} // namespace
