// Which keys the password entry records: the judging rules, with this system's own
// scan-code translation deciding which keys are digit and letter keys.
#include "ScanCodeRules.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr uint8_t kScanQ = 0x10, kScanW = 0x11, kScanE = 0x12, kScanA = 0x1E, kScanV = 0x2F;
constexpr uint8_t kScan1 = 0x02, kScanSpace = 0x39, kScanBackspace = 0x0E;

uint32_t SystemTranslation(uint8_t scanCode) {
    return MapVirtualKeyA(scanCode, 1);
}

PasswordEntry Entry(int32_t length) {
    PasswordEntry entry;
    std::memset(&entry, 0xCC, sizeof entry);
    entry.modified = 0;
    entry.length = length;
    return entry;
}

KeyVerdict Type(PasswordEntry& entry, uint32_t character, uint8_t scanCode) {
    return JudgeChar(entry, character, scanCode, SystemTranslation);
}

TEST(ScanCodeRulesTest, KeysAreRecordedByScanCodeWhateverShiftOrCapsLockMade) {
    PasswordEntry entry = Entry(0);
    EXPECT_EQ(KeyVerdict::PassOn, Type(entry, 'q', kScanQ));
    EXPECT_EQ(KeyVerdict::PassOn, Type(entry, 'W', kScanW));
    EXPECT_EQ(KeyVerdict::PassOn, Type(entry, '!', kScan1));
    EXPECT_EQ(KeyVerdict::PassOn, Type(entry, '1', kScan1));
    ASSERT_EQ(4, entry.length);
    EXPECT_EQ(1, entry.modified);
    EXPECT_EQ(0, std::memcmp("\x10\x11\x02\x02", entry.codes, 4));
    EXPECT_EQ(0xCC, entry.codes[4]) << "bytes past the count are left alone";
}

// The main block's digit and letter rows, and nothing else of the set-1 range.
TEST(ScanCodeRulesTest, AcceptedScanCodesAreExactlyTheMainBlockDigitsAndLetters) {
    auto inRanges = [](int sc) {
        return (sc >= 0x02 && sc <= 0x0B) || (sc >= 0x10 && sc <= 0x19) ||
               (sc >= 0x1E && sc <= 0x26) || (sc >= 0x2C && sc <= 0x32);
    };
    for (int sc = 0; sc < 0x80; ++sc) {
        PasswordEntry entry = Entry(0);
        const bool accepted = Type(entry, 'k', static_cast<uint8_t>(sc)) == KeyVerdict::PassOn;
        EXPECT_EQ(inRanges(sc), accepted) << std::hex << "scan code 0x" << sc;
        EXPECT_EQ(1, entry.modified) << "a refused key below the limit still counts";
    }
}

TEST(ScanCodeRulesTest, ControlCharactersOfLetterKeysAreRefused) {
    PasswordEntry entry = Entry(2);
    EXPECT_EQ(KeyVerdict::BeepAndDrop, Type(entry, 0x16, kScanV));         // Ctrl+V: paste
    EXPECT_EQ(KeyVerdict::BeepAndDrop, Type(entry, 0x18, 0x2D));           // Ctrl+X: cut
    EXPECT_EQ(KeyVerdict::BeepAndDrop, Type(entry, 0x1A, 0x2C));           // Ctrl+Z: undo
    EXPECT_EQ(KeyVerdict::BeepAndDrop, Type(entry, 0x7F, kScanBackspace)); // Ctrl+Backspace
    EXPECT_EQ(2, entry.length);
}

TEST(ScanCodeRulesTest, SevenCodesAtMostAndTheEighthKeyLeavesModifiedAlone) {
    PasswordEntry entry = Entry(0);
    for (int i = 0; i < 7; ++i)
        ASSERT_EQ(KeyVerdict::PassOn, Type(entry, 'a', kScanA)) << i;
    entry.modified = 0;
    EXPECT_EQ(KeyVerdict::BeepAndDrop, Type(entry, 'e', kScanE));
    EXPECT_EQ(7, entry.length);
    EXPECT_EQ(0, entry.modified);
    EXPECT_EQ(0xCC, entry.codes[7]) << "the eighth byte is never written";

    entry.length = 40; // a damaged count never reaches past the buffer
    EXPECT_EQ(KeyVerdict::BeepAndDrop, Type(entry, 'a', kScanA));
}

TEST(ScanCodeRulesTest, BackspaceRemovesTheLastCodeAndBeepsOnAnEmptyEntry) {
    PasswordEntry entry = Entry(7);
    EXPECT_EQ(KeyVerdict::PassOn, Type(entry, 8, kScanBackspace));
    EXPECT_EQ(6, entry.length);
    EXPECT_EQ(1, entry.modified);

    PasswordEntry empty = Entry(0);
    EXPECT_EQ(KeyVerdict::BeepAndDrop, Type(empty, 8, kScanBackspace));
    EXPECT_EQ(0, empty.length);
    EXPECT_EQ(1, empty.modified);
}

TEST(ScanCodeRulesTest, CaretAndLockKeysAreKeptFromTheEdit) {
    const uint32_t refused[] = {0x10, 0x11, 0x13, 0x14, 0x21, 0x22, 0x23, 0x24,
                                0x25, 0x26, 0x27, 0x28, 0x2C, 0x2D, 0x90, 0x91};
    for (uint32_t vk : refused) {
        EXPECT_EQ(KeyVerdict::BeepAndDrop, JudgeKeyDown(vk)) << std::hex << vk;
        EXPECT_EQ(KeyVerdict::Drop, JudgeKeyUp(vk)) << std::hex << vk;
    }
    const uint32_t passed[] = {0x08, 0x0D, 0x12, 0x20, 0x29, 0x2E, 0x41, 0x5A, 0x30, 0x60, 0x92};
    for (uint32_t vk : passed) {
        EXPECT_EQ(KeyVerdict::PassOn, JudgeKeyDown(vk)) << std::hex << vk;
        EXPECT_EQ(KeyVerdict::PassOn, JudgeKeyUp(vk)) << std::hex << vk;
    }
}

} // namespace
