// Passwords as scan codes: ask (BH 1), store (2), check (3) and remove (0), for
// the power-on password (function 0x07) and the setup password (0x08).
#include "SimHarness.h"

namespace simtest {
namespace {

class PasswordTest : public SimTest {
protected:
    sim::Regs Send(uint8_t mode, uint8_t function, std::initializer_list<uint8_t> codes) {
        if (codes.size() != 0) // an empty list's begin() may be null, which memcpy must not get
            std::memcpy(buffer_, codes.begin(), codes.size());
        return AskWithBuffer(0x9610, mode << 8 | function, static_cast<uint32_t>(codes.size()));
    }
    bool IsSet(uint8_t function) { return Accepted(Ask(0x9610, 0x0100 | function)); }
};

TEST_F(PasswordTest, StoreCheckAndRemoveEachPasswordOnItsOwn) {
    for (const uint8_t function : {0x07, 0x08}) {
        const uint8_t other = function == 0x07 ? 0x08 : 0x07;
        SCOPED_TRACE(int(function));
        const sim::Regs unset = Ask(0x9610, 0x0100 | function);
        EXPECT_FALSE(Failed(unset));
        EXPECT_NE(0, Ah(unset));

        EXPECT_TRUE(Accepted(Send(2, function, {0x1E, 0x30, 0x02})));
        EXPECT_TRUE(IsSet(function));
        EXPECT_FALSE(IsSet(other));
        EXPECT_TRUE(Accepted(Send(3, function, {0x1E, 0x30, 0x02})));
        for (const auto& wrong : {std::initializer_list<uint8_t>{0x1E, 0x30, 0x03},
                                  std::initializer_list<uint8_t>{0x1E, 0x30},
                                  std::initializer_list<uint8_t>{0x1E, 0x30, 0x02, 0x02},
                                  std::initializer_list<uint8_t>{}}) {
            const sim::Regs r = Send(3, function, wrong);
            EXPECT_FALSE(Failed(r));
            EXPECT_NE(0, Ah(r));
        }
        EXPECT_NE(0, Ah(Send(3, other, {0x1E, 0x30, 0x02})));

        EXPECT_TRUE(Accepted(Ask(0x9610, function)));
        EXPECT_FALSE(IsSet(function));
    }
}

TEST_F(PasswordTest, SevenCodesAtMostAndNothingLeftOfTheOldOne) {
    EXPECT_TRUE(Accepted(Send(2, 0x07, {1, 2, 3, 4, 5, 6, 7})));
    const int reads = bufferReads_;
    EXPECT_TRUE(Failed(Send(2, 0x07, {9, 9, 9, 9, 9, 9, 9, 9})));
    EXPECT_TRUE(Failed(AskWithBuffer(0x9610, 0x0307, 0xFFFF)));
    EXPECT_EQ(reads, bufferReads_); // refused before the buffer is touched
    EXPECT_TRUE(Accepted(Send(3, 0x07, {1, 2, 3, 4, 5, 6, 7})));

    EXPECT_TRUE(Accepted(Send(2, 0x07, {6, 7})));
    EXPECT_EQ(2, bios_.Settings().powerOnPasswordLength);
    for (int i = 2; i < 8; ++i)
        EXPECT_EQ(0, bios_.Settings().powerOnPassword[i]) << i;

    EXPECT_TRUE(Accepted(Send(2, 0x07, {}))); // an empty password is none
    EXPECT_FALSE(IsSet(0x07));
}

// A check judged on AH alone must never pass when the codes could not be read.
TEST_F(PasswordTest, UnreadableCodesAndCorruptLengthsNeverMatch) {
    ASSERT_TRUE(Accepted(Send(2, 0x08, {1, 2})));
    bufferFails_ = true;
    const sim::Regs check = Send(3, 0x08, {1, 2});
    EXPECT_TRUE(Failed(check));
    EXPECT_EQ(sim::kAnswerBadBuffer, Ah(check));
    EXPECT_TRUE(Failed(Send(2, 0x08, {3})));
    bufferFails_ = false;
    EXPECT_TRUE(Accepted(Send(3, 0x08, {1, 2})));

    bios_.Settings().setupPasswordLength = 200;
    EXPECT_NE(0, Ah(Send(3, 0x08, {1, 2, 0, 0, 0, 0, 0})));
    EXPECT_EQ(sim::kAnswerUnsupported, Ah(Send(4, 0x08, {1})));
}

} // namespace
} // namespace simtest
