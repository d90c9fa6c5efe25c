// zepctl.exe against the simulated notebook through the real driver: the journeys that
// show the program wired to its rules, with what each run writes and its exit code.
#include "SettingsEdit.h"
#include "SimLog.h"
#include "ZepctlRun.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kDriverWaitMs = 10000;

// "SetHotkeyButton(0) EnableSilentBoot(1) ...": each write with its BH (zepctl only checks
// the setup password, never sets it).
std::string WritesIn(const std::vector<e2e::BiosRequest>& log) {
    std::string writes;
    for (const e2e::BiosRequest& request : log) {
        for (const char* prefix : {"Enable", "Set", "Disable", "CMOSChecksum", "Load"}) {
            if (request.name.rfind(prefix, 0) == 0 && request.name != "SetChkSetupPasswd")
                writes += (writes.empty() ? "" : " ") + request.name + "(" +
                          std::to_string(request.bh) + ")";
        }
    }
    return writes;
}

// Another notebook: every POST, Boot and Display setting but the contrast differs from
// the defaults.
const char kOtherNotebook[] =
    "silentBoot=1 memoryTest=0 bootSequence=1,0 bootDisplay=2 brightness=6";
const char kAllDefaultWrites[] =
    "SetHotkeyButton(0) EnableSilentBoot(0) EnableMemoryTest(1) SetBootSeq(1) SetBootDisplay(1) "
    "SetDisplayBrightness(1) CMOSChecksum(1) SetHotkeyButton(1)";
const char kSilentBootWrites[] =
    "SetHotkeyButton(0) EnableSilentBoot(1) CMOSChecksum(1) SetHotkeyButton(1)";
const char kSilentBootOn[] = "[POST]\nSilentBoot = On\n";
const char kPassword[] = "setupPassword=1e,30,2e"; // a, b, c

// Set up after the export: the BIOS refuses the brightness write (its read passes), or
// the machine has no BIOS interface.
enum Fault { kNone, kBrightnessRefused, kNoInterface };

struct RunCase {
    const char* args;    // %F: the file, which holds `file` or the defaults' export
    const char* file;    // nullptr: what export wrote on the default notebook
    const char* machine; // the settings before, as changes to the defaults
    Fault fault;
    const char* input;
    unsigned long exitCode;
    const char* writes;
    size_t checks;     // setup password checks
    const char* says;  // a part of stdout or stderr
    const char* after; // the settings afterwards, as changes to the defaults
};

// clang-format off
const RunCase kRuns[] = {
    //  args  file  machine  fault  input  exit code  writes  checks  says  after
    {"import %F", nullptr, "", kNone, "", 0, "", 0, "Nothing to change", ""},
    {"import %F", nullptr, kOtherNotebook, kNone, "", 0, kAllDefaultWrites, 0,
     "Restart the computer", "checksumCalls=1"},
    {"import %F --dry-run", nullptr, kOtherNotebook, kNone, "", 0, "", 0,
     "Boot.Sequence: C, A -> A, C", kOtherNotebook},
    {"import %F", "[POST]\nSilentBoot = On\n\n[Display]\nBrightness = 9\n", "", kNone, "", 1, "", 0,
     ":5: Display.Brightness: 9 is outside", ""},
    {"set Display.Contrast 3", "", "", kNone, "", 0,
     "SetHotkeyButton(0) SetDisplayContrast(1) CMOSChecksum(1) SetHotkeyButton(1)", 0,
     "No restart needed", "contrast=3 checksumCalls=1"},
    {"get boot.sequence", "", kOtherNotebook, kNone, "", 0, "", 0, "C, A\r\n", kOtherNotebook},
    {"--help", "", "", kNone, "", 0, "", 0, "Display.Contrast", ""}, // the last key
    {"import", "", "", kNone, "", 2, "", 0, "usage: zepctl import", ""},
    {"get boot.sequence", "", "", kNoInterface, "", 2, "", 0, "Incorrect BIOS Version", ""},
    // The setup password gate: typed keys judged as on the page (Shift ignored), three tries.
    {"import %F --password-stdin", kSilentBootOn, kPassword, kNone, "abd\r\nABC\r\n", 0,
     kSilentBootWrites, 2, "Invalid", "silentBoot=1 setupPassword=1e,30,2e checksumCalls=1"},
    {"import %F --password-stdin", kSilentBootOn, kPassword, kNone, "x\ny\nabcd\nabc\n", 1, "", 3,
     "incorrect over 3 times", kPassword},
    {"import %F --password-stdin", kSilentBootOn, kPassword, kNone, "", 1, "", 0,
     "no setup password given", kPassword},
    {"import %F", kSilentBootOn, kPassword, kNone, "abc\n", 1, "", 0, // no console to ask at
     "no setup password given", kPassword},
    {"import %F", "[POST]\nSilentBoot = On\n[Display]\nBrightness = 6\n", "", kBrightnessRefused, "", 1,
     "SetHotkeyButton(0) EnableSilentBoot(1) SetDisplayBrightness(1) CMOSChecksum(1) SetHotkeyButton(1)",
     0, "the BIOS refused Display.Brightness = 6", "silentBoot=1 checksumCalls=1"},
};
// clang-format on

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

TEST_F(ZepctlTest, EachRunWritesExactlyWhatItShould) {
    const std::string exported = TempFileWith("exported.ini", "");
    const ZepctlRun exportRun = RunZepctl("export \"" + exported + "\"");
    ASSERT_EQ(0u, exportRun.exitCode) << exportRun.err;
    const std::string defaults = ReadTempFile(exported);
    EXPECT_EQ(std::string::npos, defaults.find("assword")) << defaults;
    for (const RunCase& c : kRuns) {
        SCOPED_TRACE(std::string(c.args) + " " + (c.file ? c.file : "(export)"));
        ASSERT_TRUE(notebook_.Reset());
        ASSERT_TRUE(notebook_.SetSettings(Edited(c.machine)));
        ASSERT_TRUE(c.fault != kBrightnessRefused || notebook_.FailFunction(0x9612, 0x07, 0, 1));
        ASSERT_TRUE(c.fault != kNoInterface || notebook_.LoadProfile("no-vesk"));
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
        EXPECT_EQ(c.checks, e2e::CountOf(log, "SetChkSetupPasswd")) << "zepctl only checks";
        EXPECT_NE(std::string::npos, (run.out + run.err).find(c.says)) << run.out << run.err;
        const sim::BiosSettings expected = Edited(c.after);
        const sim::BiosSettings now = notebook_.Settings();
        EXPECT_EQ(0, std::memcmp(&expected, &now, sizeof now)) << "the hot-key button on again";
    }
}

} // namespace
