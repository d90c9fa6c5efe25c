// What OK in the change-password dialog decides, for every row of its outcome table,
// and the entry helpers it relies on.
#include "ChangePasswordRules.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

PasswordEntry Typed(int32_t enabled, int32_t modified, const char* codes) {
    PasswordEntry entry;
    std::memset(&entry, 0, sizeof entry);
    entry.enabled = enabled;
    entry.modified = modified;
    entry.length = static_cast<int32_t>(std::strlen(codes));
    std::memcpy(entry.codes, codes, std::strlen(codes));
    return entry;
}

// The dialog's entry as the page handed it in: a stored password of three codes.
PasswordEntry Stored() {
    return Typed(1, 0, "\x10\x11\x12");
}

void ExpectSameEntry(const PasswordEntry& expected, const PasswordEntry& actual) {
    EXPECT_EQ(expected.enabled, actual.enabled);
    EXPECT_EQ(expected.length, actual.length);
    EXPECT_EQ(0, std::memcmp(expected.codes, actual.codes, sizeof expected.codes));
}

TEST(ChangePasswordRulesTest, NothingTypedInTheNewFieldAndBoxUntouchedIsCancel) {
    PasswordEntry entry = Stored();
    EXPECT_EQ(ChangeOutcome::Cancel,
              JudgeChangeOk(Typed(1, 0, ""), Typed(1, 1, "\x1E\x1F"), 0, entry));
    ExpectSameEntry(Stored(), entry);
}

TEST(ChangePasswordRulesTest, ClearBoxRemovesThePassword) {
    PasswordEntry entry = Stored();
    EXPECT_EQ(ChangeOutcome::Ok, JudgeChangeOk(Typed(0, 0, ""), Typed(0, 0, ""), 1, entry));
    EXPECT_EQ(0, entry.enabled);
    EXPECT_EQ(0, entry.length);
}

TEST(ChangePasswordRulesTest, MatchingFieldsStoreTheirCodes) {
    PasswordEntry entry = Stored();
    const PasswordEntry typed = Typed(1, 1, "\x1E\x1F\x20\x21\x22\x23\x24");
    PasswordEntry confirm = typed;
    confirm.codes[7] = 0x55; // bytes past the count do not take part
    EXPECT_EQ(ChangeOutcome::Ok, JudgeChangeOk(typed, confirm, 0, entry));
    ExpectSameEntry(typed, entry);
    EXPECT_EQ(1, entry.modified);
}

TEST(ChangePasswordRulesTest, EnabledButEmptyIsARemoval) {
    PasswordEntry entry = Stored();
    // A letter typed and deleted again in both fields.
    PasswordEntry typed = Typed(1, 1, "\x1E");
    typed.length = 0;
    EXPECT_EQ(ChangeOutcome::Ok, JudgeChangeOk(typed, typed, 0, entry));
    EXPECT_EQ(0, entry.enabled);
    EXPECT_EQ(0, entry.length);
}

TEST(ChangePasswordRulesTest, DifferentFieldsLeaveTheEntryAlone) {
    const struct {
        const char* typed;
        const char* confirm;
    } cases[] = {
        {"\x1E\x1F", "\x1E\x20"},     // same length, other code
        {"\x1E\x1F", "\x1E\x1F\x20"}, // a prefix is not a match
        {"\x1E", ""},                 // confirmation left empty
    };
    for (const auto& c : cases) {
        PasswordEntry entry = Stored();
        EXPECT_EQ(ChangeOutcome::Mismatch,
                  JudgeChangeOk(Typed(1, 1, c.typed), Typed(1, 1, c.confirm), 1, entry));
        ExpectSameEntry(Stored(), entry);
    }
}

TEST(PasswordEntryTest, WipeAndEmptyLeaveNoCodeBehind) {
    PasswordEntry entry = Typed(1, 1, "\x10\x11\x12\x13\x14\x15\x16");
    entry.codes[7] = 0x17;
    WipeEntry(entry);
    const PasswordEntry zero{};
    EXPECT_EQ(0, std::memcmp(&zero, &entry, sizeof entry));

    const PasswordEntry empty = EmptyEntry(1);
    EXPECT_EQ(1, empty.enabled);
    EXPECT_EQ(0, empty.modified);
    EXPECT_EQ(0, empty.length);
    EXPECT_EQ(0, std::memcmp(zero.codes, empty.codes, sizeof zero.codes));
}

} // namespace
