// Passwords as scan codes: ask (BH 1), store (2), check (3) and remove (0), for
// the power-on password (function 0x07) and the setup password (0x08).
#include "SimHarness.h"

#include <initializer_list>

namespace simtest {
namespace {

using Codes = std::initializer_list<uint8_t>;

class PasswordTest : public SimTest {
protected:
    sim::Regs Send(uint8_t mode, uint8_t function, Codes codes) {
        if (codes.size() != 0) // an empty list's begin() may be null, which memcpy must not get
            std::memcpy(buffer_, codes.begin(), codes.size());
        return AskWithBuffer(0x9610, mode << 8 | function, static_cast<uint32_t>(codes.size()));
    }
    // The call completed and the BIOS said no.
    static bool Refused(const sim::Regs& r) { return !Failed(r) && Ah(r) != 0; }
    bool IsSet(uint8_t function) { return Accepted(Ask(0x9610, 0x0100 | function)); }
};

TEST_F(PasswordTest, StoreCheckAndRemoveEachPasswordOnItsOwn) {
    for (const uint8_t function : {0x07, 0x08}) {
        const uint8_t other = function == 0x07 ? 0x08 : 0x07;
        SCOPED_TRACE(int(function));
        EXPECT_TRUE(Refused(Ask(0x9610, 0x0100 | function))) << "none set";

        EXPECT_TRUE(Accepted(Send(2, function, {0x1E, 0x30, 0x02})));
        EXPECT_TRUE(IsSet(function));
        EXPECT_FALSE(IsSet(other));
        EXPECT_TRUE(Accepted(Send(3, function, {0x1E, 0x30, 0x02})));
        for (const Codes wrong :
             {Codes{0x1E, 0x30, 0x03}, Codes{0x1E, 0x30}, Codes{0x1E, 0x30, 0x02, 0x02}, Codes{}})
            EXPECT_TRUE(Refused(Send(3, function, wrong)));
        EXPECT_TRUE(Refused(Send(3, other, {0x1E, 0x30, 0x02})));

        EXPECT_TRUE(Accepted(Ask(0x9610, function)));
        EXPECT_FALSE(IsSet(function));
    }
}

TEST_F(PasswordTest, SevenCodesAtMostAndNothingLeftOfTheOldOne) {
    EXPECT_TRUE(Accepted(Send(2, 0x07, {1, 2, 3, 4, 5, 6, 7})));
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
    EXPECT_TRUE(Refused(Send(3, 0x08, {1, 2, 0, 0, 0, 0, 0})));
}

} // namespace
} // namespace simtest
