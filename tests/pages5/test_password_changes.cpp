// Password writes the page cannot show from outside: refusals of every kind are
// reported, and an enabled entry without codes is a removal.
#include "PasswordChanges.h"

#include "DriverChannel.h"
#include "SimDevice.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

PasswordEntry Entry(int32_t enabled, const char* codes) {
    PasswordEntry entry;
    std::memset(&entry, 0, sizeof entry);
    entry.enabled = enabled;
    entry.length = static_cast<int32_t>(std::strlen(codes));
    std::memcpy(entry.codes, codes, std::strlen(codes));
    return entry;
}

class PasswordChangesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenDriver()); }
    void TearDown() override { CloseDriver(); }

    // The BIOS refuses the password function bl with AH only (status 0) or with status.
    void Refuse(uint8_t bl, uint32_t kind) {
        sim::Fault fault{};
        fault.kind = kind;
        fault.ax = 0x9610;
        fault.bl = bl;
        fault.answerCode = sim::kAnswerRejected;
        ASSERT_TRUE(device_.bios().ArmFault(fault));
    }

    simdevice::ScopedSimDevice device_;
    PasswordChanges changes_;
};

TEST_F(PasswordChangesTest, RefusedRemovesAreReportedAndRestoredLater) {
    sim::BiosSettings& s = device_.bios().Settings();
    s.powerOnPasswordLength = 1;
    s.setupPasswordLength = 1;
    Refuse(0x07, sim::kFaultAnswerCode);
    Refuse(0x08, sim::kFaultStatus);
    changes_.MarkChanged(PasswordKind::PowerOn);
    changes_.MarkChanged(PasswordKind::Setup);
    const PasswordWriteResult result = changes_.Apply(1, Entry(0, "\x10"), Entry(0, ""));
    EXPECT_TRUE(result.powerOnRefused);
    EXPECT_TRUE(result.setupRefused);
    EXPECT_EQ(1, result.restart);
    EXPECT_EQ(1, s.powerOnPasswordLength);
    EXPECT_EQ(1, s.setupPasswordLength);

    device_.bios().ClearFaults();
    const PasswordWriteResult again = changes_.WriteApplied();
    EXPECT_FALSE(again.powerOnRefused);
    EXPECT_EQ(0, again.restart) << "Load Previous makes its own restart offer";
    EXPECT_EQ(0, s.powerOnPasswordLength);
    EXPECT_EQ(0, s.setupPasswordLength);
}

TEST_F(PasswordChangesTest, EnabledEntryWithoutCodesRemovesAndSendsNoBytes) {
    device_.bios().Settings().setupPasswordLength = 2;
    device_.bios().ClearLog();
    changes_.MarkChanged(PasswordKind::Setup);
    EXPECT_EQ(0, changes_.Apply(1, Entry(0, ""), Entry(1, "")).restart);
    ASSERT_EQ(1u, device_.bios().LogCount());
    const sim::LogEntry& sent = device_.bios().LogAt(0);
    EXPECT_EQ(0x0008u, sent.request.ebx & 0xFFFF) << "DisableSetupPasswd";
    EXPECT_EQ(0, sent.bufferSize);
    EXPECT_EQ(0, device_.bios().Settings().setupPasswordLength);

    changes_.Forget();
    device_.bios().ClearLog();
    changes_.WriteApplied();
    EXPECT_EQ(0u, device_.bios().LogCount()) << "nothing remembered after a reload";
}

} // namespace
