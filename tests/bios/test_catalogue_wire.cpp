// What each operation puts on the wire and its verdict on every kind of answer, from a
// table written out of the BIOS interface: one row per operation (two where the value
// carried in BH needs both ends).
#include "BufferAddress.h"
#include "CatalogueProbes.h"
#include "ScriptedBios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// S: status passed. A: AH is 0, status not looked at. SA: status passed, then AH is 0.
enum Rule { S, A, SA };
// When the `code` output receives AH: never, whenever the driver answered, once status passed.
enum Code { None, OnAnswer, OnStatus };
// esi: a value, or the address of the probe's list or password output.
constexpr uint32_t kList = 1, kPassword = 2;

struct Wire {
    const char* name;
    uint8_t arg; // what the probe passes in BH (operations with a fixed BH ignore it)
    uint16_t ax, bx;
    uint32_t ecx, edx, esi, edi;
    Rule rule;
    Code code;
};

// clang-format off
const Wire kWire[] = {
    // operation                arg AX      BX      ECX     EDX     ESI        EDI     rule code
    {"GetCpuInfo",               0, 0x9610, 0x0001, 0,      0,      0,         0,      S,  None},
    {"GetSystemRam",             0, 0x9610, 0x0022, 0,      0,      0,         0,      S,  None},
    {"GetVideoRam",              0, 0x9602, 0x0000, 0,      0,      0,         0,      S,  None},
    {"GetIdeType",               0, 0x9610, 0x000A, 0,      0x0080, 0,         0,      S,  None},
    {"GetIdeInfo",               0, 0x9610, 0x0009, 0,      0x0080, 0,         0,      S,  None},
    {"GetSerialPort",            0, 0x9610, 0x0002, 0,      0,      0,         0,      S,  None},
    {"GetSerialPort",            1, 0x9610, 0x0102, 0,      0,      0,         0,      S,  None},
    {"GetParellelPort",          0, 0x9610, 0x0003, 0,      0,      0,         0,      S,  None},
    {"GetInternalCacheStatus",   0, 0x9610, 0x0005, 0,      0,      0,         0,      S,  None},
    {"GetExtCacheStatus",        0, 0x9610, 0x0004, 0,      0,      0,         0,      S,  None},
    {"GetTouchPad",              0, 0x9612, 0x020F, 0,      0,      0,         0,      S,  None},
    {"GetPointDev",              0, 0x9612, 0x0001, 0,      0,      0,         0,      S,  None},
    {"EnableMemoryTest",         1, 0x9610, 0x0115, 0,      0,      0,         0,      S,  None},
    {"GetMemoryTest",            0, 0x9610, 0x0215, 0,      0,      0,         0,      S,  None},
    {"EnableSilentBoot",         0, 0x9610, 0x0016, 0,      0,      0,         0,      S,  None},
    {"GetSilentBoot",            0, 0x9610, 0x0216, 0,      0,      0,         0,      S,  None},
    {"EnableCDROMBoot",          1, 0x9610, 0x0106, 0,      0,      0,         0,      S,  None},
    {"GetCDROMBoot",             0, 0x9610, 0x0206, 0,      0,      0,         0,      S,  None},
    {"GetBootSeq",               0, 0x9610, 0x0017, 0,      0,      kList,     0,      S,  None},
    {"SetBootSeq",               0, 0x9610, 0x0117, 0,      0,      kList,     0,      S,  None},
    {"AskPowerOnPasswd",         0, 0x9610, 0x0107, 0,      0,      0,         0,      A,  OnAnswer},
    {"DisablePowerOnPasswd",     0, 0x9610, 0x0007, 0,      0,      0,         0,      SA, OnStatus},
    {"SetChkPowerOnPasswd",      2, 0x9610, 0x0207, 7,      0,      kPassword, 0,      A,  OnAnswer},
    {"SetChkSetupPasswd",        3, 0x9610, 0x0308, 7,      0,      kPassword, 0,      A,  OnAnswer},
    {"AskSetupPasswd",           0, 0x9610, 0x0108, 0,      0,      0,         0,      A,  OnAnswer},
    {"DisableSetupPasswd",       0, 0x9610, 0x0008, 0,      0,      0,         0,      A,  OnAnswer},
    {"EnablePMU",                1, 0x9611, 0x0101, 0,      0,      0,         0,      S,  None},
    {"GetPMU",                   0, 0x9611, 0x0081, 0,      0,      0,         0,      S,  None},
    {"EnableHotkeyBeep",         1, 0x9610, 0x0121, 0,      0,      0,         0,      S,  None},
    {"GetHotkeyBeep",            0, 0x9610, 0x0221, 0,      0,      0,         0,      S,  None},
    {"EnableModemRingWakeup",    0, 0x9611, 0x0005, 0,      0,      0,         0,      S,  None},
    {"GetModemRingWakeup",       0, 0x9611, 0x0205, 0,      0,      0,         0,      S,  None},
    // 07:05:09 on 31 December 1999: CH second, CL 0, DH hour, DL minute, SI month-day, DI year.
    {"SetResumeTimer",           1, 0x9611, 0x0106, 0x0900, 0x0705, 0x1231,    0x1999, S,  None},
    {"GetResumeTimer",           0, 0x9611, 0x0206, 0,      0,      0,         0,      S,  None},
    {"EnableBattLowBeep",        1, 0x9611, 0x0108, 0,      0,      0,         0,      S,  None},
    {"GetBattLowBeep",           0, 0x9611, 0x0208, 0,      0,      0,         0,      S,  None},
    {"EnableSleepWhenBattLow",   0, 0x9611, 0x0009, 0,      0,      0,         0,      S,  None},
    {"GetSleepWhenBattLow",      0, 0x9611, 0x0209, 0,      0,      0,         0,      S,  None},
    {"EnableDspAlwaysOn",        1, 0x9611, 0x010D, 0,      0,      0,         0,      S,  None},
    {"GetDspAlwaysOn",           0, 0x9611, 0x020D, 0,      0,      0,         0,      S,  None},
    {"GetBrightnessContrastRange", 0, 0x9612, 0x0008, 0,    0,      0,         0,      S,  None},
    {"GetBootDisplay",           0, 0x9612, 0x000A, 0,      0,      0,         0,      S,  None},
    {"SetBootDisplay",           0, 0x9612, 0x010A, 3,      0,      0,         0,      S,  None},
    {"GetDisplayDevice",         0, 0x9612, 0x000B, 0,      0,      0,         0,      S,  None},
    {"SetDisplayDevice",         0, 0x9612, 0x010B, 2,      0,      0,         0,      S,  None},
    {"GetPanelType",             0, 0x9612, 0x000D, 0,      0,      0,         0,      S,  None},
    {"GetDisplayBrightness",     0, 0x9612, 0x0007, 0,      0,      0,         0,      S,  None},
    {"SetDisplayBrightness",     0, 0x9612, 0x0107, 5,      0,      0,         0,      S,  None},
    {"GetDisplayContrast",       0, 0x9612, 0x0006, 0,      0,      0,         0,      S,  None},
    {"SetDisplayContrast",       0, 0x9612, 0x0106, 5,      0,      0,         0,      S,  None},
    {"CheckMonitorConnected",    0, 0x9612, 0x000C, 0,      0,      0,         0,      S,  None},
    {"VESKCheck",                0, 0x9610, 0x0000, 0,      0,      0,         0,      S,  OnAnswer},
    {"SetHotkeyButton",          0, 0x9612, 0x0005, 0,      0,      0,         0,      S,  None},
    {"SetHotkeyButton",          1, 0x9612, 0x0105, 0,      0,      0,         0,      S,  None},
    {"CMOSChecksum",             1, 0x9610, 0x0112, 0,      0,      0,         0,      S,  OnAnswer},
    {"LoadSetupDefault",         0, 0x9610, 0x0014, 0,      0,      0,         0,      S,  None},
};

// One answer for every request, and what each rule makes of it.
struct Answer {
    const char* what;
    bool transportFails;
    uint32_t status;
    uint8_t ah;
    bool passes[3]; // by rule S, A, SA
    bool codeOnAnswer, codeOnStatus;
};
const Answer kAnswers[] = {
    // what                     transport status           AH    passes S A SA  code written: OnAnswer OnStatus
    {"transport fails",         true,     0,               0x00, {0, 0, 0},     false, false},
    {"status failed, AH 0",     false,    kBiosCallFailed, 0x00, {0, 1, 0},     true,  false},
    {"status passed, AH 0x77",  false,    0,               0x77, {1, 0, 0},     true,  true},
    {"status passed, AH 0",     false,    0,               0x00, {1, 1, 1},     true,  true},
};
// clang-format on

bool AsksVersionFirst(const Wire& w) {
    return std::strcmp(w.name, "GetSystemRam") == 0 || std::strcmp(w.name, "GetParellelPort") == 0;
}

// Whatever the answer, the operation sends exactly its block (after VESKCheck's where it
// asks for the version), once. A failed operation returns 0 and writes no output but `code`.
TEST(CatalogueWire, EachOperationSendsItsBlockAndJudgesTheAnswerByItsRule) {
    for (const Wire& w : kWire) {
        for (const Answer& a : kAnswers) {
            SCOPED_TRACE(testing::Message() << w.name << " BH " << int(w.arg) << ", " << a.what);
            ScriptedBios bios;
            if (AsksVersionFirst(w) && !a.transportFails)
                bios.Answer(Block(0, 0x00000000, 0x00000200)); // version 2.00
            bios.Answer(Block(a.status, a.ah << 8 | 0x01, 0x00000200));
            if (a.transportFails)
                bios.FailTransport();
            Outputs out;
            std::memset(&out, 0xA5, sizeof out);
            const Outputs preset = out;

            const bool passes = a.passes[w.rule];
            EXPECT_EQ(passes, FindProbe(w.name)->call(out, w.arg) != 0);
            const uint32_t esi = w.esi == kList       ? BufferAddress(&out.list)
                                 : w.esi == kPassword ? BufferAddress(out.password)
                                                      : w.esi;
            std::vector<BiosRegs> expected;
            if (AsksVersionFirst(w))
                expected.push_back(Block(0, 0x9610, 0x0000)); // VESKCheck
            if (!AsksVersionFirst(w) || !a.transportFails)
                expected.push_back(Block(0, w.ax, w.bx, w.ecx, w.edx, esi, w.edi));
            EXPECT_EQ(expected, bios.Requests());
            const bool codeWritten =
                w.code == OnAnswer ? a.codeOnAnswer : w.code == OnStatus && a.codeOnStatus;
            EXPECT_EQ(codeWritten ? a.ah : 0xA5, out.code);
            if (!passes) {
                out.code = preset.code;
                EXPECT_EQ(0, std::memcmp(&preset, &out, sizeof out)) << "an output was written";
            }
        }
    }
    for (std::size_t i = 0; i < kProbeCount; ++i) {
        const auto named = [&](const Wire& w) { return std::strcmp(w.name, kProbes[i].name) == 0; };
        EXPECT_TRUE(std::any_of(std::begin(kWire), std::end(kWire), named)) << kProbes[i].name;
    }
}

} // namespace
