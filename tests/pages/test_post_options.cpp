// The POST page's option bytes against the simulated BIOS: what Apply and Load
// Previous write, in which order, and what a read makes of bad replies.
#include "PostOptionBytes.h"

#include "DriverChannel.h"
#include "SimDevice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PostOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Bios().Settings().memoryTest = 0;
        Bios().Settings().silentBoot = 0;
        Bios().ClearLog();
        ASSERT_TRUE(OpenDriver());
    }
    void TearDown() override { CloseDriver(); }

    sim::SimBios& Bios() { return device_.bios(); }
    // The requests since the log was cleared, as "BX" words: "0116 0015".
    std::string Sent() {
        std::string sent;
        char word[8];
        for (uint32_t i = 0; i < Bios().LogCount(); ++i) {
            snprintf(word, sizeof word, "%s%04X", i ? " " : "",
                     static_cast<unsigned>(Bios().LogAt(i).request.ebx & 0xFFFF));
            sent += word;
        }
        return sent;
    }
    void ExpectNothingRemembered(const PostOptionBytes& bytes) {
        EXPECT_EQ(kNoValue, bytes.MemTest().Pending());
        EXPECT_EQ(kNoValue, bytes.SilentBoot().Pending());
        EXPECT_EQ(kNoValue, bytes.MemTest().Applied());
        EXPECT_EQ(kNoValue, bytes.SilentBoot().Applied());
    }

    simdevice::ScopedSimDevice device_;
    PostOptionBytes bytes_;
};

TEST_F(PostOptionsTest, ApplyWritesSilentBootBeforeMemoryTestAndOnlyOnce) {
    bytes_.ChooseMemTest(true);
    bytes_.ChooseSilentBoot(true);
    bytes_.ChooseMemTest(false); // ticked and cleared again: the final state is written
    EXPECT_EQ(1, bytes_.ApplyPending(1));
    EXPECT_EQ("0116 0015", Sent());
    EXPECT_EQ(1, Bios().Settings().silentBoot);
    EXPECT_EQ(0, Bios().Settings().memoryTest);
    EXPECT_EQ(0, bytes_.MemTest().Applied());
    EXPECT_EQ(1, bytes_.SilentBoot().Applied());
    EXPECT_EQ(kNoValue, bytes_.MemTest().Pending());

    Bios().ClearLog();
    EXPECT_EQ(1, bytes_.ApplyPending(1)) << "modified counts, not the values";
    EXPECT_EQ("", Sent()) << "nothing was pending any more";
    bytes_.ChooseMemTest(true);
    EXPECT_EQ(0, bytes_.ApplyPending(0)) << "a page without changes writes nothing";
    EXPECT_EQ("", Sent());
}

TEST_F(PostOptionsTest, OnlyTheChangedOptionIsWritten) {
    bytes_.ChooseSilentBoot(true);
    EXPECT_EQ(1, bytes_.ApplyPending(1));
    EXPECT_EQ("0116", Sent());
    EXPECT_EQ(kNoValue, bytes_.MemTest().Applied());
}

TEST_F(PostOptionsTest, LoadPreviousWritesAppliedValuesMemoryTestFirst) {
    bytes_.WriteApplied();
    EXPECT_EQ("", Sent()) << "nothing applied yet: nothing to write again";

    bytes_.ChooseSilentBoot(true);
    bytes_.ChooseMemTest(true);
    bytes_.ApplyPending(1);
    Bios().Settings().memoryTest = 0; // changed behind the program's back
    Bios().Settings().silentBoot = 0;
    Bios().ClearLog();
    bytes_.WriteApplied();
    EXPECT_EQ("0115 0116", Sent());
    EXPECT_EQ(1, Bios().Settings().memoryTest);
    EXPECT_EQ(1, Bios().Settings().silentBoot);
    bytes_.Forget();
    ExpectNothingRemembered(bytes_);
}

TEST_F(PostOptionsTest, ReadGivesBackWhatWasAppliedMemoryTestFirst) {
    Bios().Settings().memoryTest = 1;
    Bios().Settings().silentBoot = 0;
    bytes_.ChooseSilentBoot(true);
    bytes_.ApplyPending(1);
    Bios().ClearLog();
    const PostReading reading = ReadPostOptions();
    EXPECT_EQ("0215 0216", Sent());
    EXPECT_TRUE(reading.memTestRead);
    EXPECT_EQ(1, reading.memTest);
    EXPECT_TRUE(reading.silentBootRead);
    EXPECT_EQ(1, reading.silentBoot);
}

TEST_F(PostOptionsTest, FailedOrDamagedReadsAreNotReported) {
    sim::Fault refused{};
    refused.kind = sim::kFaultStatus;
    refused.ax = 0x9610;
    refused.bl = 0x15;
    ASSERT_TRUE(Bios().ArmFault(refused));
    sim::Fault damaged{};
    damaged.kind = sim::kFaultRegisters;
    damaged.ax = 0x9610;
    damaged.bl = 0x16;
    damaged.replace.eax = 0x9637; // AL 0x37 is no option value
    damaged.replaceMask = 1u << 1;
    ASSERT_TRUE(Bios().ArmFault(damaged));

    PostReading reading = ReadPostOptions();
    EXPECT_FALSE(reading.memTestRead);
    EXPECT_FALSE(reading.silentBootRead);
}

} // namespace
