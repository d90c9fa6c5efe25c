// The harness's pure parts: the keys it types and the paths it hands to Wine.
#include "KeyCodes.h"
#include "WinPath.h"

#include <gtest/gtest.h>

namespace {

using e2e::KeyForCharacter;
using e2e::KeyStroke;
using e2e::ScanCodesOf;

TEST(KeyCodes, LettersAndDigitsGiveTheirKeysSet1ScanCodes) {
    EXPECT_EQ(ScanCodesOf("qwe"), (std::vector<uint8_t>{0x10, 0x11, 0x12}));
    EXPECT_EQ(ScanCodesOf("azvp"), (std::vector<uint8_t>{0x1E, 0x2C, 0x2F, 0x19}));
    EXPECT_EQ(ScanCodesOf("1290"), (std::vector<uint8_t>{0x02, 0x03, 0x0A, 0x0B}));
    EXPECT_EQ(ScanCodesOf("lm"), (std::vector<uint8_t>{0x26, 0x32}));
}

TEST(KeyCodes, CaseChangesTheCharacterNotTheKey) {
    KeyStroke lower, upper;
    ASSERT_TRUE(KeyForCharacter('q', lower));
    ASSERT_TRUE(KeyForCharacter('Q', upper));
    EXPECT_EQ(lower.scanCode, upper.scanCode);
    EXPECT_EQ(lower.virtualKey, 'Q');
    EXPECT_EQ(upper.virtualKey, 'Q');
    KeyStroke digit;
    ASSERT_TRUE(KeyForCharacter('7', digit));
    EXPECT_EQ(digit.virtualKey, '7');
    EXPECT_EQ(digit.scanCode, 0x08);
}

TEST(KeyCodes, EditingKeysAndRefusals) {
    KeyStroke key;
    ASSERT_TRUE(KeyForCharacter('\b', key));
    EXPECT_EQ(key.virtualKey, 0x08);
    EXPECT_EQ(key.scanCode, 0x0E);
    ASSERT_TRUE(KeyForCharacter(' ', key));
    EXPECT_EQ(key.scanCode, 0x39);
    ASSERT_TRUE(KeyForCharacter('\r', key));
    EXPECT_EQ(key.scanCode, 0x1C);
    EXPECT_FALSE(KeyForCharacter('!', key));
    EXPECT_FALSE(KeyForCharacter('\0', key));
    EXPECT_FALSE(KeyForCharacter('\xE9', key));
    EXPECT_EQ(ScanCodesOf("a-b"), (std::vector<uint8_t>{0x1E, 0x30}));
}

TEST(WinPath, LinuxPathsGoThroughTheZDrive) {
    EXPECT_EQ(e2e::WindowsPathOf("/work/build/app/zep.exe"), "Z:\\work\\build\\app\\zep.exe");
    EXPECT_EQ(e2e::WindowsPathOf("C:\\windows\\notepad.exe"), "C:\\windows\\notepad.exe");
    EXPECT_EQ(e2e::WindowsPathOf("app/zep.exe"), "app\\zep.exe");
    EXPECT_EQ(e2e::WindowsPathOf(""), "");
    EXPECT_EQ(e2e::FolderOf("Z:\\work\\zep.exe"), "Z:\\work");
    EXPECT_EQ(e2e::FolderOf("zep.exe"), "");
}

} // namespace
