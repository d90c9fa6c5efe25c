// The settings file against the simulated BIOS in-process: which lines are refused and
// why (checking never writes), what a good file plans, and what applying a plan sends.
#include "ApplyPlan.h"
#include "DriverChannel.h"
#include "MachineFacts.h"
#include "OperationNames.h"
#include "SimDevice.h"
#include "SettingsEdit.h"
#include "SimProfiles.h"
#include "VpowerdKey.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const ResumeTime kNow = {2030, 6, 15, 12, 0, 0}; // the computer's clock for every check here

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenDriver()); }
    void TearDown() override { CloseDriver(); }

    sim::SimBios& Bios() { return device_.bios(); }
    // "Name(BH) ..." of the requests (or only the writes) sent since the log was cleared.
    std::string Sent(bool writesOnly) {
        std::string sent;
        for (uint32_t i = 0; i < Bios().LogCount(); ++i) {
            const sim::Regs& r = Bios().LogAt(i).request;
            const std::string name = OperationName(r.eax, r.ebx);
            bool write = false;
            for (const char* prefix : {"Enable", "Set", "Disable", "CMOSChecksum", "Load"})
                write = write || name.rfind(prefix, 0) == 0;
            if (write || !writesOnly)
                sent += (sent.empty() ? "" : " ") + name + "(" +
                        std::to_string((r.ebx >> 8) & 0xFF) + ")";
        }
        return sent;
    }

    simdevice::ScopedSimDevice device_;
    MachineFacts facts_{kNow};
    std::vector<FileSetting> settings_;
    std::vector<FileProblem> problems_;
};

TEST_F(SettingsFileTest, RefusedLinesAreNamedWithTheirReasonAndNothingIsWritten) {
    const struct {
        const char* file;
        int line;
        const char* reason; // a part of the reason
    } cases[] = {
        // clang-format off
        {"[POST]\nSilentBoot = On\n[Power2]\nX = 1\n", 3, "unknown section [Power2]"},
        {"[Information]\nCPU = Intel\n", 1, "cannot be imported"},
        {"[POST]\nSilentBoots = On\n", 2, "unknown key 'SilentBoots'"},
        {"[POST]\nSilentBoot On\n", 2, "Key = Value"},
        {"SilentBoot = On\n", 1, "before the first"},
        {"[POST\n", 1, "end with ']'"},
        {"[POST]\nMemoryTest = yes\n", 2, "not On or Off"},
        {"[POST]\nMemoryTest = On\nmemorytest = Off\n", 3, "already set on line 2"},
        {"[Boot]\nSequence = A, D\n", 2, "'D' is not a boot device"},
        {"[Boot]\nSequence = A, C, CD-ROM\n", 2, "cannot write this list"},
        {"[Boot]\nSequence = C, C\n", 2, "cannot write this list"},
        {"[Boot]\nSequence = CD-ROM\n", 2, "neither drive A nor drive C"},
        {"[Boot]\nSequence =\n", 2, "neither drive A nor drive C"},
        {"[Display]\nBootDisplay = LCD\n", 2, "not Auto or Both"},
        {"[Display]\nSwitchingDevice = External\n", 2, "no external monitor"},
        {"[Display]\nSwitchingDevice = Both\n", 2, "no external monitor"},
        {"[Display]\nBrightness = 8\n", 2, "8 is outside the BIOS's range 0 to 7"},
        {"[Display]\nBrightness = -1\n", 2, "not a level"},
        {"[Display]\nContrast = 16\n", 2, "outside the BIOS's range"},
        {"[Power]\nHotkeyBeep = 1\n", 2, "not On or Off"},
        {"[Power]\nResumeAlarm = 2031-01-02 3:04:05\n", 2, "not Off or a date and time (YYYY-MM-DD hh:mm:ss)"},
        {"[Power]\nResumeAlarm = 2030-06-15 11:59:59\n", 2, "in the past (the computer's clock says 2030-06-15 12:00:00)"},
        {"[Power]\nResumeAlarm = 2031-04-31 08:00:00\n", 2, "2031-04-31 is not a date: that month has 30 days"},
        {"[Power]\nResumeAlarm = 2031-04-30 24:00:00\n", 2, "24:00:00 is not a time of day"},
        {"[Power]\nResumeAlarm = 2080-01-01 00:00:00\n", 2, "years 1980 to 2079"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Bios().ClearLog();
        problems_.clear();
        ReadSettingsText(c.file, facts_, settings_, problems_);
        ASSERT_EQ(1u, problems_.size());
        EXPECT_EQ(c.line, problems_[0].line);
        EXPECT_NE(nullptr, std::strstr(problems_[0].reason, c.reason)) << problems_[0].reason;
        EXPECT_EQ("", Sent(true));
    }
}

// A good file is planned in Apply order with only its differences, and applied between
// the hot-key button's writes: off, the changes until the BIOS refuses one, the checksum
// after any write, on again. The modem-ring write also clears the power driver's bit 4.
TEST_F(SettingsFileTest, GoodFilesApplyTheirDifferencesInApplyOrder) {
    VpowerdKey key;
    const struct {
        const char* profile;
        const char* file;
        uint8_t refusedBl; // a setup-group function the BIOS refuses, or 0
        const char* sent;  // every request of the apply
        size_t written;
        bool restart;
        const char* after; // the settings afterwards, as changes to the defaults
    } cases[] = {
        // clang-format off
        {"default", "\xEF\xBB\xBF; comment\n# comment\n\n[post]\r\nsilentboot = on\r\n", 0,
         "SetHotkeyButton(0) EnableSilentBoot(1) CMOSChecksum(1) SetHotkeyButton(1)", 1, true,
         "silentBoot=1 checksumCalls=1"},
        {"default",
         "[Display]\nBootDisplay = Both\n[Power]\nResumeAlarm = 2030-06-15 12:00:00\nPowerManagement = Off\n"
         "[Boot]\nSequence = CD-ROM, C, A\n[POST]\nMemoryTest = Off\nSilentBoot = On\n", 0,
         "SetHotkeyButton(0) EnableSilentBoot(1) EnableMemoryTest(0) SetBootSeq(1) EnablePMU(0) "
         "SetResumeTimer(1) SetBootDisplay(1) CMOSChecksum(1) SetHotkeyButton(1)", 6, true,
         "silentBoot=1 memoryTest=0 bootSequence=2,1,0 pmu=0 resumeTimerOn=1 resumeHour=0x12 "
         "resumeMonthDay=0x0615 resumeYear=0x2030 bootDisplay=2 checksumCalls=1"},
        {"default", "[POST]\nSilentBoot = Off\n[Power]\nResumeAlarm = off\n[Boot]\nSequence = A, C\n"
         "[Display]\nBrightness = 4\n", 0, "", 0, false, ""},
        {"monitor", "[Display]\nSwitchingDevice = External\n", 0,
         "SetHotkeyButton(0) SetDisplayDevice(1) CMOSChecksum(1) SetHotkeyButton(1)", 1, false,
         "displayDevice=0 checksumCalls=1"},
        {"default", "[Display]\nBrightness = 7\nContrast = 0\n", 0,
         "SetHotkeyButton(0) SetDisplayBrightness(1) SetDisplayContrast(1) CMOSChecksum(1) SetHotkeyButton(1)",
         2, false, "brightness=7 contrast=0 checksumCalls=1"},
        {"default", "[POST]\nSilentBoot = On\nMemoryTest = Off\n[Display]\nBootDisplay = Both\n", 0x15,
         "SetHotkeyButton(0) EnableSilentBoot(1) EnableMemoryTest(0) CMOSChecksum(1) SetHotkeyButton(1)",
         1, true, "silentBoot=1 checksumCalls=1"},
        {"default", "[Power]\nModemRingResume = On\nBatteryLowBeep = Off\nResumeAlarm = 2031-01-02 03:04:05\n", 0,
         "SetHotkeyButton(0) EnableModemRingWakeup(1) EnableBattLowBeep(0) SetResumeTimer(1) "
         "CMOSChecksum(1) SetHotkeyButton(1)", 3, false,
         "modemRingWakeup=1 battLowBeep=0 resumeTimerOn=1 resumeHour=0x03 resumeMinute=0x04 "
         "resumeSecond=0x05 resumeMonthDay=0x0102 resumeYear=0x2031 checksumCalls=1"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        VpowerdKey::SetFlags(0x3F);
        Bios().Reset();
        ASSERT_TRUE(sim::LoadNamedProfile(Bios(), c.profile));
        sim::Fault fault = {};
        fault.kind = sim::kFaultStatus;
        fault.ax = 0x9610;
        fault.bl = c.refusedBl;
        MachineFacts facts(kNow);
        settings_.clear();
        ReadSettingsText(c.file, facts, settings_, problems_);
        ASSERT_TRUE(problems_.empty()) << problems_[0].line << ": " << problems_[0].reason;
        ASSERT_TRUE(!c.refusedBl || Bios().ArmFault(fault)); // the reads have passed
        Bios().ClearLog();

        const ApplyResult result = ApplyChanges(PlanChanges(settings_, facts));
        EXPECT_EQ(c.written, result.written);
        EXPECT_EQ(c.refusedBl != 0, result.refused);
        EXPECT_FALSE(result.checksumFailed);
        EXPECT_EQ(c.restart, result.restartNeeded);
        EXPECT_EQ(c.sent, Sent(false));
        const sim::BiosSettings expected = Edited(c.after);
        EXPECT_EQ(0, std::memcmp(&expected, &Bios().Settings(), sizeof expected));
    }
    EXPECT_EQ("4: 2f 00 00 00", VpowerdKey::Describe())
        << "after the last: modem ring on, bit 4 clear";
}

} // namespace
