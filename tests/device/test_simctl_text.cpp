// simctl's text side: settings by name and operation names from logged registers.
#include "OperationNames.h"
#include "SettingFields.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A damaged password length still formats within the field.
TEST(SettingFields, PasswordsCarryTheirLength) {
    sim::BiosSettings settings;
    sim::SimBios::DefaultSettings(settings);
    const SettingField& password = *FindSettingField("setupPassword");
    ASSERT_TRUE(ParseSetting("1e,30,2e", password, settings));
    ASSERT_TRUE(ParseSetting("none", password, settings));
    EXPECT_EQ(0, settings.setupPassword[0]) << "no code of the old password is left";
    settings.powerOnPasswordLength = 200; // a damaged setup memory shows what exists
    EXPECT_EQ(8u * 3 - 1, FormatSetting(settings, *FindSettingField("powerOnPassword")).size());
}

// The upper halves of eax and ebx are ignored; "?" names a request no operation sends.
TEST(OperationNames, RequestsAreNamedByGroupFunctionAndSubFunction) {
    const struct {
        uint32_t eax, ebx;
        const char* name;
    } cases[] = {
        // clang-format off
        {0x9610, 0x0116, "EnableSilentBoot"},      {0x9610, 0x0216, "GetSilentBoot"},
        {0x9610, 0x0107, "AskPowerOnPasswd"},      {0x9610, 0x0307, "SetChkPowerOnPasswd"},
        {0x9611, 0x0081, "GetPMU"},                {0xFFFF9610, 0xFFFF0017, "GetBootSeq"},
        {0x9613, 0x0001, "?"},                     {0x9610, 0x0217, "?"},
        {0x9612, 0x020A, "?"},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.name, OperationName(c.eax, c.ebx)) << std::hex << c.eax << " " << c.ebx;
}

} // namespace
