// The password rules behind the dialogs: what OK in the change dialog decides, the
// start-up prompt's tries, and what the Password page writes and restores, against
// the simulated BIOS where a rule asks it.
#include "ChangePasswordRules.h"
#include "PasswordChanges.h"
#include "PromptCheck.h"

#include "PageBios.h"

#include <cstring>

namespace {

// An entry holding codes; length -1: as many as there are codes.
PasswordEntry Entry(int32_t enabled, int32_t modified, const char* codes, int32_t length = -1) {
    PasswordEntry entry{};
    entry.enabled = enabled;
    entry.modified = modified;
    std::memcpy(entry.codes, codes, std::strlen(codes));
    entry.length = length < 0 ? static_cast<int32_t>(std::strlen(codes)) : length;
    return entry;
}

bool Same(const PasswordEntry& a, const PasswordEntry& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ChangePasswordRules, OkDecidesByTheOutcomeTable) {
    const PasswordEntry stored = Entry(1, 0, "\x10\x11\x12");
    const PasswordEntry seven = Entry(1, 1, "\x1E\x1F\x20\x21\x22\x23\x24");
    PasswordEntry sevenAndJunk = seven;
    sevenAndJunk.codes[7] = 0x55;                         // bytes past the count do not take part
    const PasswordEntry deleted = Entry(1, 1, "\x1E", 0); // a letter typed and deleted again
    const struct {
        const char* what;
        PasswordEntry typed, confirm;
        int32_t boxTouched;
        ChangeOutcome outcome;
        PasswordEntry after;
    } cases[] = {
        {"nothing typed, box untouched", Entry(1, 0, ""), Entry(1, 1, "\x1E\x1F"), 0,
         ChangeOutcome::Cancel, stored},
        {"box cleared", Entry(0, 0, ""), Entry(0, 0, ""), 1, ChangeOutcome::Ok, Entry(0, 0, "")},
        {"same codes", seven, sevenAndJunk, 0, ChangeOutcome::Ok, seven},
        {"enabled but empty", deleted, deleted, 0, ChangeOutcome::Ok, Entry(0, 1, "\x1E", 0)},
        {"other code", Entry(1, 1, "\x1E\x1F"), Entry(1, 1, "\x1E\x20"), 1, ChangeOutcome::Mismatch,
         stored},
        {"a prefix", Entry(1, 1, "\x1E\x1F"), Entry(1, 1, "\x1E\x1F\x20"), 1,
         ChangeOutcome::Mismatch, stored},
        {"confirmation empty", Entry(1, 1, "\x1E"), Entry(1, 1, ""), 1, ChangeOutcome::Mismatch,
         stored},
    };
    for (const auto& c : cases) {
        PasswordEntry entry = stored;
        EXPECT_EQ(c.outcome, JudgeChangeOk(c.typed, c.confirm, c.boxTouched, entry)) << c.what;
        EXPECT_TRUE(Same(c.after, entry)) << c.what;
    }
}

TEST(ChangePasswordRules, WipeAndEmptyLeaveNoCodeBehind) {
    PasswordEntry entry = Entry(1, 1, "\x10\x11\x12\x13\x14\x15\x16\x17", 7);
    WipeEntry(entry);
    EXPECT_TRUE(Same(PasswordEntry{}, entry));
    EXPECT_TRUE(Same(Entry(1, 0, ""), EmptyEntry(1)));
}

class PasswordBios : public PageBios {
protected:
    void SetUp() override {
        std::memcpy(Bios().Settings().setupPassword, "\x1E\x1F\x20", 3);
        Bios().Settings().setupPasswordLength = 3;
        PageBios::SetUp();
    }
};

TEST_F(PasswordBios, PromptSendsTheCodesForCheckingAndGivesUpAtTheThirdRefusal) {
    enum Setup { kAsIs, kRefused, kNoDriver };
    const struct {
        const char* codes;
        Setup setup;
        int32_t failuresBefore;
        PromptVerdict verdict;
        uint32_t requests; // sent by this attempt
    } cases[] = {
        {"\x1E\x1F\x20", kAsIs, 0, PromptVerdict::Accepted, 1},
        {"\x1E\x1F\x21", kAsIs, 0, PromptVerdict::TryAgain, 1},
        {"", kAsIs, 1, PromptVerdict::TryAgain, 0}, // refused without asking the BIOS
        {"\x1E\x1F", kAsIs, 2, PromptVerdict::GiveUp, 1},
        {"\x1E\x1F\x20", kRefused, 0, PromptVerdict::TryAgain, 1},
        {"\x1E\x1F\x20", kNoDriver, 1, PromptVerdict::TryAgain, 0},
    };
    for (const auto& c : cases) {
        Bios().ClearLog();
        Bios().ClearFaults();
        if (c.setup == kRefused)
            Arm(sim::kFaultStatus, 0x9610, 0x08);
        if (c.setup == kNoDriver)
            CloseDriver();
        PasswordEntry entry = Entry(0, 1, c.codes);
        int32_t failures = c.failuresBefore;
        EXPECT_EQ(c.verdict, JudgePromptAttempt(entry, failures)) << c.codes;
        EXPECT_EQ(c.failuresBefore + (c.verdict == PromptVerdict::Accepted ? 0 : 1), failures);
        EXPECT_EQ(c.requests, Bios().LogCount()) << c.codes;
        EXPECT_TRUE(Same(PasswordEntry{}, entry)) << "checked codes are wiped";
        if (c.setup != kAsIs || c.requests == 0)
            continue;
        // Mode 3 (check), with the count and the codes.
        EXPECT_EQ("SetChkSetupPasswd 3", Sent());
        const sim::LogEntry& sent = Bios().LogAt(0);
        EXPECT_EQ(std::strlen(c.codes), sent.request.ecx);
        ASSERT_EQ(std::strlen(c.codes), sent.bufferSize);
        EXPECT_EQ(0, std::memcmp(c.codes, sent.buffer, sent.bufferSize));
    }
    ASSERT_TRUE(OpenDriver());
}

TEST_F(PasswordBios, RefusedRemovesAreReportedAndRestoredLater) {
    sim::BiosSettings& s = Bios().Settings();
    s.powerOnPasswordLength = 1;
    s.setupPasswordLength = 1;
    Arm(sim::kFaultAnswerCode, 0x9610, 0x07);
    Arm(sim::kFaultStatus, 0x9610, 0x08);
    PasswordChanges changes;
    changes.MarkChanged(PasswordKind::PowerOn);
    changes.MarkChanged(PasswordKind::Setup);
    const PasswordWriteResult result = changes.Apply(1, Entry(0, 0, "\x10"), Entry(0, 0, ""));
    EXPECT_TRUE(result.powerOnRefused);
    EXPECT_TRUE(result.setupRefused);
    EXPECT_EQ(1, result.restart);
    EXPECT_EQ(1, s.powerOnPasswordLength);
    EXPECT_EQ(1, s.setupPasswordLength);

    Bios().ClearFaults();
    const PasswordWriteResult again = changes.WriteApplied();
    EXPECT_FALSE(again.powerOnRefused);
    EXPECT_EQ(0, again.restart) << "Load Previous makes its own restart offer";
    EXPECT_EQ(0, s.powerOnPasswordLength);
    EXPECT_EQ(0, s.setupPasswordLength);
}

TEST_F(PasswordBios, EnabledEntryWithoutCodesRemovesAndSendsNoBytes) {
    PasswordChanges changes;
    changes.MarkChanged(PasswordKind::Setup);
    EXPECT_EQ(0, changes.Apply(1, Entry(0, 0, ""), Entry(1, 0, "")).restart);
    ASSERT_EQ("DisableSetupPasswd 0", Sent());
    EXPECT_EQ(0, Bios().LogAt(0).bufferSize);
    EXPECT_EQ(0, Bios().Settings().setupPasswordLength);

    changes.Forget();
    Bios().ClearLog();
    changes.WriteApplied();
    EXPECT_EQ("", Sent()) << "nothing remembered after a reload";
}

} // namespace
