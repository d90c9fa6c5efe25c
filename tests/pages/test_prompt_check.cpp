// The start-up prompt's rule against the simulated BIOS: what is sent for checking,
// when nothing is sent, the three tries, and that typed codes do not linger.
#include "PromptCheck.h"

#include "DriverChannel.h"
#include "SimDevice.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class PromptCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        const uint8_t stored[] = {0x1E, 0x1F, 0x20};
        sim::BiosSettings& s = device_.bios().Settings();
        std::memcpy(s.setupPassword, stored, sizeof stored);
        s.setupPasswordLength = sizeof stored;
        device_.bios().ClearLog();
        ASSERT_TRUE(OpenDriver());
    }
    void TearDown() override { CloseDriver(); }

    static PasswordEntry Typed(const char* codes) {
        PasswordEntry entry{};
        entry.modified = 1;
        entry.length = static_cast<int32_t>(std::strlen(codes));
        std::memcpy(entry.codes, codes, std::strlen(codes));
        return entry;
    }
    sim::SimBios& Bios() { return device_.bios(); }

    simdevice::ScopedSimDevice device_;
};

TEST_F(PromptCheckTest, RightPasswordIsAcceptedAfterOneCheckRequest) {
    PasswordEntry entry = Typed("\x1E\x1F\x20");
    int32_t failures = 0;
    EXPECT_EQ(PromptVerdict::Accepted, JudgePromptAttempt(entry, failures));
    EXPECT_EQ(0, failures);
    ASSERT_EQ(1u, Bios().LogCount());
    const sim::LogEntry& sent = Bios().LogAt(0);
    EXPECT_EQ(0x9610u, sent.request.eax);
    EXPECT_EQ(0x0308u, sent.request.ebx);
    EXPECT_EQ(3u, sent.request.ecx);
    EXPECT_EQ(3u, sent.bufferSize);
    EXPECT_EQ(0, std::memcmp("\x1E\x1F\x20", sent.buffer, 3));
    const PasswordEntry zero{};
    EXPECT_EQ(0, std::memcmp(&zero, &entry, sizeof entry)) << "checked codes are wiped";
}

TEST_F(PromptCheckTest, ThirdRefusalGivesUpAndEmptyEntriesAreNeverSent) {
    int32_t failures = 0;
    PasswordEntry wrong = Typed("\x1E\x1F\x21");
    EXPECT_EQ(PromptVerdict::TryAgain, JudgePromptAttempt(wrong, failures));
    PasswordEntry empty = Typed("");
    EXPECT_EQ(PromptVerdict::TryAgain, JudgePromptAttempt(empty, failures));
    EXPECT_EQ(1u, Bios().LogCount()) << "an empty field is refused without asking the BIOS";
    PasswordEntry prefix = Typed("\x1E\x1F");
    EXPECT_EQ(PromptVerdict::GiveUp, JudgePromptAttempt(prefix, failures));
    EXPECT_EQ(3, failures);
}

TEST_F(PromptCheckTest, FailedRequestCountsAsRefusal) {
    sim::Fault fault{};
    fault.kind = sim::kFaultStatus;
    fault.ax = 0x9610;
    fault.bl = 0x08;
    ASSERT_TRUE(Bios().ArmFault(fault));
    PasswordEntry entry = Typed("\x1E\x1F\x20");
    int32_t failures = 0;
    EXPECT_EQ(PromptVerdict::TryAgain, JudgePromptAttempt(entry, failures));
    EXPECT_EQ(1, failures);

    Bios().ClearFaults();
    CloseDriver(); // the request never reaches the BIOS
    PasswordEntry again = Typed("\x1E\x1F\x20");
    EXPECT_EQ(PromptVerdict::TryAgain, JudgePromptAttempt(again, failures));
    EXPECT_EQ(2, failures);
}

} // namespace
