// The success rules S, A and SA, the `code` outputs, and outputs left alone on failure:
// first for all 54 operations alike, then the cases that matter most.
#include "CatalogueProbes.h"
#include "CatalogueTable.h"
#include "ScriptedBios.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>

using namespace catalogue;

namespace catalogue {
// Failure messages name the operation.
void PrintTo(const Operation& row, std::ostream* out) {
    *out << row.name;
}
} // namespace catalogue

namespace {

constexpr uint8_t kUntouched = 0xA5;
constexpr uint8_t kAnswerCode = 0x77;

struct Outcome {
    int result;
    Outputs out;
    std::size_t requests;
};

// Runs one operation against one reply (or a failing transport), outputs preset.
Outcome RunOnce(const Operation& row, const BiosRegs& reply, bool transportFails = false) {
    ScriptedBios bios;
    bios.Answer(reply);
    if (transportFails)
        bios.FailTransport();
    Outcome outcome;
    std::memset(&outcome.out, kUntouched, sizeof outcome.out);
    outcome.result = FindProbe(row.name)->call(outcome.out, row.bhLow);
    outcome.requests = bios.Requests().size();
    return outcome;
}

// Every output except `code` still holds the preset bytes.
bool OnlyCodeMayHaveChanged(const Outputs& out) {
    Outputs preset;
    std::memset(&preset, kUntouched, sizeof preset);
    const std::size_t from = offsetof(Outputs, bytes);
    return std::memcmp(reinterpret_cast<const char*>(&out) + from,
                       reinterpret_cast<const char*>(&preset) + from, sizeof out - from) == 0;
}

class EveryOperation : public ::testing::TestWithParam<Operation> {};

TEST_P(EveryOperation, TransportFailureReturnsZeroAndWritesNothing) {
    const Operation& row = GetParam();
    const Outcome o = RunOnce(row, Block(0, 0), /*transportFails=*/true);
    EXPECT_EQ(0, o.result);
    EXPECT_EQ(1u, o.requests) << "no retry, and no own request after a failed VESKCheck";
    EXPECT_TRUE(OnlyCodeMayHaveChanged(o.out));
    EXPECT_EQ(kUntouched, o.out.code);
}

// status 0xFFFFFFFF with a nonzero AH fails every rule. Only the code outputs that are
// filled whenever CallBios returned true (rule A, VESKCheck, CMOSChecksum) carry AH.
TEST_P(EveryOperation, FailedStatusAndRefusalReturnZeroAndWriteOnlyTheCode) {
    const Operation& row = GetParam();
    const Outcome o = RunOnce(row, Block(kBiosCallFailed, kAnswerCode << 8 | 0x01, 0x0200));
    EXPECT_EQ(0, o.result);
    EXPECT_TRUE(OnlyCodeMayHaveChanged(o.out));
    EXPECT_EQ(row.code == Code::OnAnswer ? kAnswerCode : kUntouched, o.out.code);
}

// With status passed, a nonzero AH fails rules A and SA (code = AH) and means nothing
// to rule S (code, where there is one, = AH all the same).
TEST_P(EveryOperation, AnswerCodeMattersOnlyToRulesAAndSA) {
    const Operation& row = GetParam();
    const Outcome o = RunOnce(row, Block(0, kAnswerCode << 8 | 0x01, 0x0200));
    if (row.rule == Rule::S) {
        EXPECT_NE(0, o.result);
    } else {
        EXPECT_EQ(0, o.result);
        EXPECT_TRUE(OnlyCodeMayHaveChanged(o.out));
    }
    EXPECT_EQ(row.code == Code::None ? kUntouched : kAnswerCode, o.out.code);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryOperation, ::testing::ValuesIn(kCatalogue),
                         [](const ::testing::TestParamInfo<Operation>& info) {
                             return std::string(info.param.name);
                         });

// ---- Cases that matter most ---------------------------------------------------------------

TEST(PasswordRules, AskAndDisableSetupIgnoreStatusButDisablePowerOnDoesNot) {
    ScriptedBios bios;
    bios.Answer(Block(kBiosCallFailed, 0x00000000)); // AH 0, status failed
    uint8_t code = kUntouched;
    EXPECT_EQ(1, AskSetupPasswd(&code)) << "rule A: a setup password is set";
    EXPECT_EQ(0, code);
    code = kUntouched;
    EXPECT_EQ(1, AskPowerOnPasswd(&code));
    EXPECT_EQ(0, code);
    code = kUntouched;
    EXPECT_EQ(1, DisableSetupPasswd(&code)) << "rule A";
    EXPECT_EQ(0, code);
    code = kUntouched;
    EXPECT_EQ(0, DisablePowerOnPasswd(&code)) << "rule SA";
    EXPECT_EQ(kUntouched, code) << "SA writes code only once status passed";
}

TEST(PasswordRules, AnswerCodeDecides) {
    ScriptedBios bios;
    bios.Answer(Block(0, 0x00000100)); // AH 1
    bios.Answer(Block(0, 0x00000100));
    bios.Answer(Block(0, 0x00008600)); // AH 0x86
    bios.Answer(Block(0, 0x00000000));
    bios.Answer(Block(0, 0x00000000));
    uint8_t password[7] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22};
    uint8_t code = kUntouched;
    EXPECT_EQ(0, AskSetupPasswd(&code)) << "no setup password";
    EXPECT_EQ(1, code);
    EXPECT_EQ(0, DisablePowerOnPasswd(&code));
    EXPECT_EQ(1, code);
    EXPECT_EQ(0, SetChkSetupPasswd(&code, 3, password, 7)) << "does not match";
    EXPECT_EQ(0x86, code);
    EXPECT_EQ(1, SetChkPowerOnPasswd(&code, 3, password, 7)) << "matches";
    EXPECT_EQ(0, code);
    code = kUntouched;
    EXPECT_EQ(1, DisablePowerOnPasswd(&code));
    EXPECT_EQ(0, code);
}

TEST(PlatformRules, VeskCheckAndChecksumReportAhWhateverTheVerdict) {
    ScriptedBios bios;
    bios.Answer(Block(kBiosCallFailed, 0x00008601, 0x00000108));
    bios.Answer(Block(kBiosCallFailed, 0x00008601));
    bios.Answer(Block(0, 0x00000500, 0x00000108));
    uint8_t code = kUntouched;
    uint16_t version = 0xA5A5;
    EXPECT_EQ(0, VESKCheck(&code, &version)) << "no such interface";
    EXPECT_EQ(0x86, code);
    EXPECT_EQ(0xA5A5, version) << "version only on success";
    code = kUntouched;
    EXPECT_EQ(0, CMOSChecksum(&code, 1));
    EXPECT_EQ(0x86, code);
    EXPECT_EQ(1, VESKCheck(&code, &version)) << "rule S does not look at AH";
    EXPECT_EQ(0x05, code);
    EXPECT_EQ(0x0108, version);
}

TEST(OutputsOnFailure, ReadsLeaveEveryOutputAsItWas) {
    ScriptedBios bios;
    //                status           eax         ebx         ecx         edx         esi edi
    bios.Answer(Block(kBiosCallFailed, 0x00000101, 0x01010101, 0x01010101, 0x01010101, 0x01010101,
                      0x01010101));
    uint8_t on = 2, second = 3, minute = 4, hour = 5;
    uint16_t monthDay = 6, year = 7;
    EXPECT_EQ(0, GetResumeTimer(&on, &second, &minute, &hour, &monthDay, &year));
    EXPECT_EQ(2, on);
    EXPECT_EQ(3, second);
    EXPECT_EQ(4, minute);
    EXPECT_EQ(5, hour);
    EXPECT_EQ(6, monthDay);
    EXPECT_EQ(7, year);
}

} // namespace
