// The settings file against the simulated BIOS in-process: which lines are refused
// and why, that checking never writes, and what a good file turns into.
#include "ApplyPlan.h"
#include "DriverChannel.h"
#include "MachineFacts.h"
#include "OperationNames.h"
#include "SimDevice.h"
#include "SimProfiles.h"
#include "VpowerdKey.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

namespace {

// The computer's clock for every check here.
const ResumeTime kNow = {2030, 6, 15, 12, 0, 0};

bool IsWrite(const sim::Regs& request) {
    const std::string name = OperationName(request.eax, request.ebx);
    const bool passwordCheck = name == "SetChkSetupPasswd" && ((request.ebx >> 8) & 0xFF) == 3;
    for (const char* prefix : {"Enable", "Set", "Disable", "CMOSChecksum", "LoadSetupDefault"}) {
        if (name.rfind(prefix, 0) == 0)
            return !passwordCheck;
    }
    return false;
}

template <typename Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenDriver()); }
    void TearDown() override { CloseDriver(); }

    sim::SimBios& Bios() { return device_.bios(); }
    // Requests that change the BIOS since the log was cleared.
    int Writes() {
        int writes = 0;
        for (uint32_t i = 0; i < Bios().LogCount(); ++i)
            writes += IsWrite(Bios().LogAt(i).request) ? 1 : 0;
        return writes;
    }

    simdevice::ScopedSimDevice device_;
};

struct RefusalCase {
    const char* name;
    const char* profile;
    const char* file;
    int line;
    const char* reason; // a part of the reason
};

const RefusalCase kRefusals[] = {
    {"unknown section", "default", "[POST]\nSilentBoot = On\n[Power2]\nX = 1\n", 3,
     "unknown section [Power2]"},
    {"information is read-only", "default", "[Information]\nCPU = Intel\n", 1,
     "cannot be imported"},
    {"unknown key", "default", "[POST]\nSilentBoots = On\n", 2, "unknown key 'SilentBoots'"},
    {"not key = value", "default", "[POST]\nSilentBoot On\n", 2, "Key = Value"},
    {"setting before a section", "default", "SilentBoot = On\n", 1, "before the first"},
    {"unterminated section", "default", "[POST\n", 1, "end with ']'"},
    {"switch not on or off", "default", "[POST]\nMemoryTest = yes\n", 2, "not On or Off"},
    {"set twice", "default", "[POST]\nMemoryTest = On\nmemorytest = Off\n", 3,
     "already set on line 2"},
    {"boot device unknown", "default", "[Boot]\nSequence = A, D\n", 2, "'D' is not a boot device"},
    {"boot list no page form", "default", "[Boot]\nSequence = A, C, CD-ROM\n", 2,
     "cannot write this list"},
    {"boot list drive twice", "default", "[Boot]\nSequence = C, C\n", 2, "cannot write this list"},
    {"boot list without a drive", "default", "[Boot]\nSequence = CD-ROM\n", 2,
     "neither drive A nor drive C"},
    {"empty boot list", "default", "[Boot]\nSequence =\n", 2, "neither drive A nor drive C"},
    {"boot display code", "default", "[Display]\nBootDisplay = LCD\n", 2, "not Auto or Both"},
    {"external without monitor", "default", "[Display]\nSwitchingDevice = External\n", 2,
     "no external monitor"},
    {"both without monitor", "default", "[Display]\nSwitchingDevice = Both\n", 2,
     "no external monitor"},
    {"brightness above range", "default", "[Display]\nBrightness = 8\n", 2,
     "8 is outside the BIOS's range 0 to 7"},
    {"brightness not a number", "default", "[Display]\nBrightness = -1\n", 2, "not a level"},
    {"contrast above range", "default", "[Display]\nContrast = 16\n", 2,
     "outside the BIOS's range"},
    {"power option not on or off", "default", "[Power]\nHotkeyBeep = 1\n", 2, "not On or Off"},
    {"alarm not a date", "default", "[Power]\nResumeAlarm = 2031-01-02 3:04:05\n", 2,
     "not Off or a date and time (YYYY-MM-DD hh:mm:ss)"},
    {"alarm a second ago", "default", "[Power]\nResumeAlarm = 2030-06-15 11:59:59\n", 2,
     "in the past (the computer's clock says 2030-06-15 12:00:00)"},
    {"alarm on 31 April", "default", "[Power]\nResumeAlarm = 2031-04-31 08:00:00\n", 2,
     "2031-04-31 is not a date: that month has 30 days"},
    {"alarm at hour 24", "default", "[Power]\nResumeAlarm = 2031-04-30 24:00:00\n", 2,
     "24:00:00 is not a time of day"},
    {"alarm after the clock's last year", "default", "[Power]\nResumeAlarm = 2080-01-01 00:00:00\n",
     2, "years 1980 to 2079"},
};

class RefusalTest : public SettingsFileTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, NamesTheLineAndWritesNothing) {
    const RefusalCase& c = GetParam();
    ASSERT_TRUE(sim::LoadNamedProfile(Bios(), c.profile));
    Bios().ClearLog();
    MachineFacts facts(kNow);
    std::vector<FileSetting> settings;
    std::vector<FileProblem> problems;
    ReadSettingsText(c.file, facts, settings, problems);
    ASSERT_EQ(1u, problems.size()) << c.file;
    EXPECT_EQ(c.line, problems[0].line);
    EXPECT_NE(nullptr, std::strstr(problems[0].reason, c.reason)) << problems[0].reason;
    EXPECT_EQ(0, Writes());
}

INSTANTIATE_TEST_SUITE_P(Lines, RefusalTest, ::testing::ValuesIn(kRefusals), CaseName<RefusalCase>);

// Lines every machine in the table takes, with what the plan then writes.
struct AcceptCase {
    const char* name;
    const char* profile;
    const char* file;
    const char* planned; // "Section.Key" of each change, in order
};

const AcceptCase kAccepted[] = {
    {"comments and blanks", "default", "; comment\n# comment\n\n[POST]\r\nSilentBoot = On\r\n",
     "POST.SilentBoot"},
    {"byte order mark, any case", "default", "\xEF\xBB\xBF[post]\nsilentboot = on\n",
     "POST.SilentBoot"},
    {"apply order, not file order", "default",
     "[Display]\nBootDisplay = Both\n[Power]\nResumeAlarm = 2030-06-15 12:00:00\nPowerManagement "
     "= Off\n[Boot]\nSequence = CD-ROM, C, A\n[POST]\nMemoryTest = Off\nSilentBoot = On\n",
     "POST.SilentBoot POST.MemoryTest Boot.Sequence Power.PowerManagement Power.ResumeAlarm "
     "Display.BootDisplay"},
    {"alarm off when it is off", "default", "[Power]\nResumeAlarm = off\n", ""},
    {"unchanged values planned out", "default",
     "[Boot]\nSequence = A, C\n[Display]\nBrightness = 4\n", ""},
    {"external with a monitor", "monitor", "[Display]\nSwitchingDevice = External\n",
     "Display.SwitchingDevice"},
    {"levels at the range ends", "default", "[Display]\nBrightness = 7\nContrast = 0\n",
     "Display.Brightness Display.Contrast"},
};

class AcceptTest : public SettingsFileTest, public ::testing::WithParamInterface<AcceptCase> {};

TEST_P(AcceptTest, PlansOnlyTheDifferencesInApplyOrder) {
    const AcceptCase& c = GetParam();
    ASSERT_TRUE(sim::LoadNamedProfile(Bios(), c.profile));
    MachineFacts facts(kNow);
    std::vector<FileSetting> settings;
    std::vector<FileProblem> problems;
    ReadSettingsText(c.file, facts, settings, problems);
    ASSERT_TRUE(problems.empty()) << problems[0].line << ": " << problems[0].reason;
    std::string planned;
    for (const Change& change : PlanChanges(settings, facts))
        planned +=
            (planned.empty() ? "" : " ") + std::string(change.row->section) + "." + change.row->key;
    EXPECT_EQ(c.planned, planned);
}

INSTANTIATE_TEST_SUITE_P(Files, AcceptTest, ::testing::ValuesIn(kAccepted), CaseName<AcceptCase>);

} // namespace

namespace {

// A write the BIOS refuses: nothing after it is sent, what went before is still
// checksummed, and the hot-key button is on again.
TEST_F(SettingsFileTest, RefusedWriteStopsTheRestButChecksumsAndRestoresTheHotkeyButton) {
    MachineFacts facts(kNow);
    std::vector<FileSetting> settings;
    std::vector<FileProblem> problems;
    ReadSettingsText("[POST]\nSilentBoot = On\nMemoryTest = Off\n[Display]\nBootDisplay = Both\n",
                     facts, settings, problems);
    ASSERT_TRUE(problems.empty());
    sim::Fault fault = {};
    fault.kind = sim::kFaultStatus;
    fault.ax = 0x9610;
    fault.bl = 0x15; // EnableMemoryTest
    ASSERT_TRUE(Bios().ArmFault(fault));
    Bios().ClearLog();

    const ApplyResult result = ApplyChanges(PlanChanges(settings, facts));
    EXPECT_EQ(1u, result.written);
    EXPECT_TRUE(result.refused);
    EXPECT_FALSE(result.checksumFailed);
    std::string sent;
    for (uint32_t i = 0; i < Bios().LogCount(); ++i)
        sent += std::string(sent.empty() ? "" : " ") +
                OperationName(Bios().LogAt(i).request.eax, Bios().LogAt(i).request.ebx);
    EXPECT_EQ("SetHotkeyButton EnableSilentBoot EnableMemoryTest CMOSChecksum SetHotkeyButton",
              sent);
    EXPECT_EQ(1, Bios().Settings().hotkeyButton);
}

// The modem-ring write goes through the page's rule, power driver's flags included.
TEST_F(SettingsFileTest, ModemRingWriteAlsoUpdatesThePowerDriversFlags) {
    VpowerdKey key;
    VpowerdKey::SetFlags(0x3F);
    MachineFacts facts(kNow);
    std::vector<FileSetting> settings;
    std::vector<FileProblem> problems;
    ReadSettingsText("[Power]\nModemRingResume = On\n", facts, settings, problems);
    ASSERT_TRUE(problems.empty());

    const ApplyResult result = ApplyChanges(PlanChanges(settings, facts));
    EXPECT_EQ(1u, result.written);
    EXPECT_EQ(1, Bios().Settings().modemRingWakeup);
    EXPECT_EQ("4: 2f 00 00 00", VpowerdKey::Describe()) << "modem ring on: bit 4 clear";
}

} // namespace
