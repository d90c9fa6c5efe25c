// Which keys a password entry records: the judging rules, with the system's own
// scan-code translation deciding which keys are digit and letter keys.
#include "ScanCodeRules.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr uint8_t kScanQ = 0x10, kScanW = 0x11, kScanE = 0x12, kScanA = 0x1E, kScanV = 0x2F;
constexpr uint8_t kScan1 = 0x02, kScanBackspace = 0x0E;

// An entry of length codes whose every byte is 0xCC, not modified.
PasswordEntry Entry(int32_t length) {
    PasswordEntry entry;
    std::memset(&entry, 0xCC, sizeof entry);
    entry.modified = 0;
    entry.length = length;
    return entry;
}

KeyVerdict Type(PasswordEntry& entry, uint32_t character, uint8_t scanCode) {
    return JudgeChar(entry, character, scanCode,
                     [](uint8_t sc) -> uint32_t { return MapVirtualKeyA(sc, 1); });
}

TEST(PasswordKeys, KeysAreRecordedByScanCodeWhateverShiftOrCapsLockMade) {
    PasswordEntry entry = Entry(0);
    const struct {
        uint32_t character;
        uint8_t scanCode;
    } keys[] = {{'q', kScanQ}, {'W', kScanW}, {'!', kScan1}, {'1', kScan1}};
    for (const auto& key : keys)
        EXPECT_EQ(KeyVerdict::PassOn, Type(entry, key.character, key.scanCode));
    ASSERT_EQ(4, entry.length);
    EXPECT_EQ(1, entry.modified);
    EXPECT_EQ(0, std::memcmp("\x10\x11\x02\x02\xCC\xCC\xCC\xCC", entry.codes, 8))
        << "bytes past the count are left alone";
}

// The main block's digit and letter rows, and nothing else of the set-1 range.
TEST(PasswordKeys, AcceptedScanCodesAreExactlyTheMainBlockDigitsAndLetters) {
    for (int sc = 0; sc < 0x80; ++sc) {
        const bool inRanges = (sc >= 0x02 && sc <= 0x0B) || (sc >= 0x10 && sc <= 0x19) ||
                              (sc >= 0x1E && sc <= 0x26) || (sc >= 0x2C && sc <= 0x32);
        PasswordEntry entry = Entry(0);
        const bool accepted = Type(entry, 'k', static_cast<uint8_t>(sc)) == KeyVerdict::PassOn;
        EXPECT_EQ(inRanges, accepted) << std::hex << "scan code 0x" << sc;
        EXPECT_EQ(1, entry.modified) << "a refused key below the limit still counts";
    }
}

TEST(PasswordKeys, RefusedKeysBackspaceAndTheLimit) {
    const struct {
        const char* what;
        int32_t length;
        uint32_t character;
        uint8_t scanCode;
        KeyVerdict verdict;
        int32_t lengthAfter;
        int32_t modifiedAfter;
    } cases[] = {
        {"Ctrl+V: paste", 2, 0x16, kScanV, KeyVerdict::BeepAndDrop, 2, 1},
        {"Ctrl+X: cut", 2, 0x18, 0x2D, KeyVerdict::BeepAndDrop, 2, 1},
        {"Ctrl+Z: undo", 2, 0x1A, 0x2C, KeyVerdict::BeepAndDrop, 2, 1},
        {"Ctrl+Backspace", 2, 0x7F, kScanBackspace, KeyVerdict::BeepAndDrop, 2, 1},
        {"an eighth key", 7, 'e', kScanE, KeyVerdict::BeepAndDrop, 7, 0},
        {"a damaged count", 40, 'a', kScanA, KeyVerdict::BeepAndDrop, 40, 0},
        {"Backspace", 7, 8, kScanBackspace, KeyVerdict::PassOn, 6, 1},
        {"Backspace on an empty entry", 0, 8, kScanBackspace, KeyVerdict::BeepAndDrop, 0, 1},
    };
    for (const auto& c : cases) {
        PasswordEntry entry = Entry(c.length);
        EXPECT_EQ(c.verdict, Type(entry, c.character, c.scanCode)) << c.what;
        EXPECT_EQ(c.lengthAfter, entry.length) << c.what;
        EXPECT_EQ(c.modifiedAfter, entry.modified) << c.what;
        EXPECT_EQ(0, std::memcmp("\xCC\xCC\xCC\xCC\xCC\xCC\xCC\xCC", entry.codes, 8)) << c.what;
    }
}

TEST(PasswordKeys, CaretAndLockKeysAreKeptFromTheEdit) {
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
