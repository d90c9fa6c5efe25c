// zepctl.exe against the simulated notebook through the real driver: what each run
// writes, in which order, and with which exit code.
#include "SettingsTable.h"
#include "SimLog.h"
#include "ZepctlRun.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kDriverWaitMs = 10000;
constexpr uint8_t kCheckMode = 3;

bool IsWrite(const e2e::BiosRequest& request) {
    if (request.name == "SetChkSetupPasswd" && request.bh == kCheckMode)
        return false;
    for (const char* prefix : {"Enable", "Set", "Disable", "CMOSChecksum", "LoadSetupDefault"}) {
        if (request.name.rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

// "SetHotkeyButton(0) EnableSilentBoot(1) ...": each write with its BH.
std::string WritesIn(const std::vector<e2e::BiosRequest>& log) {
    std::string writes;
    for (const e2e::BiosRequest& request : log) {
        if (IsWrite(request))
            writes +=
                (writes.empty() ? "" : " ") + request.name + "(" + std::to_string(request.bh) + ")";
    }
    return writes;
}

size_t ChecksIn(const std::vector<e2e::BiosRequest>& log) {
    size_t checks = 0;
    for (const e2e::BiosRequest& request : log)
        checks += request.name == "SetChkSetupPasswd" && request.bh == kCheckMode ? 1 : 0;
    return checks;
}

class ZepctlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(notebook_.Open(kDriverWaitMs)) << "the simulated notebook's driver is not "
                                                      "running; tools/wine-env.sh BUILD_DIR";
        ASSERT_TRUE(notebook_.Reset());
    }
    void TearDown() override { notebook_.Reset(); }

    e2e::SimNotebook notebook_;
};

// Another notebook: every POST, Boot and Display setting but the contrast differs from
// the defaults.
void OtherNotebook(sim::BiosSettings& s) {
    s.silentBoot = 1;
    s.memoryTest = 0;
    const uint8_t cThenA[] = {1, 0};
    std::memset(s.bootSequence, 0xFF, sizeof s.bootSequence);
    std::memcpy(s.bootSequence, cThenA, sizeof cThenA);
    s.bootDisplay = 2;
    s.brightness = 6;
}

const char kAllDefaultWrites[] =
    "SetHotkeyButton(0) EnableSilentBoot(0) EnableMemoryTest(1) SetBootSeq(1) SetBootDisplay(1) "
    "SetDisplayBrightness(1) CMOSChecksum(1) SetHotkeyButton(1)";
const char kSilentBootWrites[] =
    "SetHotkeyButton(0) EnableSilentBoot(1) CMOSChecksum(1) SetHotkeyButton(1)";
const char kSilentBootOn[] = "[POST]\nSilentBoot = On\n";

struct RunCase {
    const char* name;
    const char* args;                    // %F: the file, which holds file or the defaults' export
    const char* file;                    // nullptr: what export wrote on the default notebook
    void (*machine)(sim::BiosSettings&); // applied after the export, or nullptr
    bool setupPassword;                  // the BIOS holds "abc" as its setup password
    const char* input;                   // standard input
    uint16_t faultAx; // a BIOS function that refuses every request after the first, or 0
    uint8_t faultBl;
    unsigned long exitCode;
    const char* writes;
    size_t checks;    // setup password checks
    const char* says; // a part of stdout or stderr
};

const RunCase kRuns[] = {
    {"export then import on the same machine", "import %F", nullptr, nullptr, false, "", 0, 0, 0,
     "", 0, "Nothing to change"},
    {"import onto a different machine", "import %F", nullptr, OtherNotebook, false, "", 0, 0, 0,
     kAllDefaultWrites, 0, "Restart the computer"},
    {"dry run", "import %F --dry-run", nullptr, OtherNotebook, false, "", 0, 0, 0, "", 0,
     "Boot.Sequence: C, A -> A, C"},
    {"refused line", "import %F", "[POST]\nSilentBoot = On\n\n[Display]\nBrightness = 9\n", nullptr,
     false, "", 0, 0, 1, "", 0, ":5: Display.Brightness: 9 is outside"},
    {"set one value", "set Display.Contrast 3", "", nullptr, false, "", 0, 0, 0,
     "SetHotkeyButton(0) SetDisplayContrast(1) CMOSChecksum(1) SetHotkeyButton(1)", 0,
     "No restart needed"},
    {"set a value out of range", "set Display.Contrast 16", "", nullptr, false, "", 0, 0, 1, "", 0,
     "outside the BIOS's range 0 to 15"},
    {"import a power option and the alarm", "import %F",
     "[Power]\nBatteryLowBeep = Off\nResumeAlarm = 2079-12-31 23:59:59\n", nullptr, false, "", 0, 0,
     0,
     "SetHotkeyButton(0) EnableBattLowBeep(0) SetResumeTimer(1) CMOSChecksum(1) SetHotkeyButton(1)",
     0, "Power.ResumeAlarm: Off -> 2079-12-31 23:59:59"},
    {"alarm before the computer's clock", "set Power.ResumeAlarm \"2001-01-01 00:00:00\"", "",
     nullptr, false, "", 0, 0, 1, "", 0, "the alarm is in the past"},
    {"right password from stdin", "import %F --password-stdin", kSilentBootOn, nullptr, true,
     "abc\n", 0, 0, 0, kSilentBootWrites, 1, "Changed"},
    {"right password on the second try, Shift ignored", "import %F --password-stdin", kSilentBootOn,
     nullptr, true, "abd\r\nABC\r\n", 0, 0, 0, kSilentBootWrites, 2, "Invalid"},
    {"wrong password three times", "import %F --password-stdin", kSilentBootOn, nullptr, true,
     "x\ny\nabcd\nabc\n", 0, 0, 1, "", 3, "incorrect over 3 times"},
    {"password expected, none given", "import %F --password-stdin", kSilentBootOn, nullptr, true,
     "", 0, 0, 1, "", 0, "no setup password given"},
    {"password expected, no console", "import %F", kSilentBootOn, nullptr, true, "abc\n", 0, 0, 1,
     "", 0, "no setup password given"},
    {"the BIOS refuses a write", "import %F",
     "[POST]\nSilentBoot = On\n[Display]\nBrightness = 6\n", nullptr, false, "", 0x9612, 0x07, 1,
     "SetHotkeyButton(0) EnableSilentBoot(1) SetDisplayBrightness(1) CMOSChecksum(1) "
     "SetHotkeyButton(1)",
     0, "the BIOS refused Display.Brightness = 6"},
};

TEST_F(ZepctlTest, EachRunWritesExactlyWhatItShould) {
    const std::string exported = TempFileWith("exported.ini", "");
    const ZepctlRun exportRun = RunZepctl("export \"" + exported + "\"");
    ASSERT_EQ(0u, exportRun.exitCode) << exportRun.err;
    const std::string defaults = ReadTempFile(exported);
    EXPECT_EQ(std::string::npos, defaults.find("assword")) << defaults;

    for (const RunCase& c : kRuns) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(notebook_.Reset());
        if (c.machine) {
            ASSERT_TRUE(notebook_.Change(c.machine));
        }
        if (c.setupPassword) {
            ASSERT_TRUE(notebook_.SetSetupPassword({0x1E, 0x30, 0x2E})); // a, b, c
        }
        if (c.faultAx) {
            ASSERT_TRUE(notebook_.FailFunction(c.faultAx, c.faultBl, 0, 1)); // the read passes
        }
        const std::string file = TempFileWith("import.ini", c.file ? c.file : defaults);
        std::string args = c.args;
        const size_t at = args.find("%F");
        if (at != std::string::npos)
            args.replace(at, 2, "\"" + file + "\"");
        ASSERT_TRUE(notebook_.ClearLog());

        const ZepctlRun run = RunZepctl(args, c.input);
        const std::vector<e2e::BiosRequest> log = notebook_.Log();
        EXPECT_EQ(c.exitCode, run.exitCode) << run.out << run.err;
        EXPECT_EQ(c.writes, WritesIn(log)) << e2e::Describe(log);
        EXPECT_EQ(c.checks, ChecksIn(log));
        EXPECT_NE(std::string::npos, (run.out + run.err).find(c.says)) << run.out << run.err;
        EXPECT_EQ(1, notebook_.Settings().hotkeyButton) << "the hot-key button is on again";
    }
}

TEST_F(ZepctlTest, ImportBringsEverySettingBackAndGetReadsIt) {
    const std::string exported = TempFileWith("exported.ini", "");
    ASSERT_EQ(0u, RunZepctl("export \"" + exported + "\"").exitCode);
    ASSERT_TRUE(notebook_.Change(OtherNotebook));
    ASSERT_EQ(0u, RunZepctl("import \"" + exported + "\"").exitCode);
    sim::BiosSettings defaults = notebook_.Settings();
    ASSERT_TRUE(notebook_.Reset());
    sim::BiosSettings fresh = notebook_.Settings();
    defaults.checksumCalls = fresh.checksumCalls = 0;
    EXPECT_EQ(0, std::memcmp(&defaults, &fresh, sizeof fresh));

    const ZepctlRun get = RunZepctl("get boot.sequence");
    EXPECT_EQ(0u, get.exitCode);
    EXPECT_EQ("A, C\r\n", get.out);
}

TEST(ZepctlHelpTest, ListsEveryKeyAndNeedsNoDriver) {
    const ZepctlRun help = RunZepctl("--help");
    EXPECT_EQ(0u, help.exitCode);
    for (size_t i = 0; i < SettingCount(); ++i) {
        const std::string key = std::string(SettingAt(i).section) + "." + SettingAt(i).key;
        EXPECT_NE(std::string::npos, help.out.find(key)) << key;
    }
    EXPECT_EQ(2u, RunZepctl("import").exitCode);
}

} // namespace
