// simctl's text side: settings by name and operation names from logged registers.
#include "OperationNames.h"
#include "SettingFields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Each text parsed into the defaults: refused (and nothing changed), or the field then
// reads back as `shown`. Refused: numbers beyond the field, seventeen boot devices, eight
// password codes.
TEST(SettingFields, TextParsesWithinTheFieldAndFormatsBack) {
    const struct {
        const char* field;
        const char* text;
        const char* shown; // nullptr: refused
    } cases[] = {
        // clang-format off
        {"silentBoot", "1", "0x01"},                 {"resumeYear", "0x1999", "0x1999"},
        {"bootSequence", "2,1,0", "02,01,00,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff"},
        {"setupPassword", "1e,30,2e", "1e,30,2e"},   {"setupPassword", "none", "none"},
        {"powerOnPassword", "1", "01"},              {"silentBoot", "", nullptr},
        {"silentBoot", "256", nullptr},              {"silentBoot", "-1", nullptr},
        {"silentBoot", "1x", nullptr},               {"silentBoot", "0x", nullptr},
        {"silentBoot", " 1", nullptr},               {"resumeYear", "0x1FFFF", nullptr},
        {"resumeYear", "99999999999", nullptr},      {"bootSequence", "1,,2", nullptr},
        {"bootSequence", "100", nullptr},            {"setupPassword", "1,2,3,4,5,6,7,8", nullptr},
        {"bootSequence", "0,1,2,0,1,2,0,1,2,0,1,2,0,1,2,0,1", nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " '" + c.text + "'");
        sim::BiosSettings settings;
        sim::SimBios::DefaultSettings(settings);
        const sim::BiosSettings before = settings;
        const SettingField* field = FindSettingField(c.field);
        ASSERT_NE(nullptr, field);
        EXPECT_EQ(c.shown != nullptr, ParseSetting(c.text, *field, settings));
        if (c.shown)
            EXPECT_EQ(c.shown, FormatSetting(settings, *field));
        else
            EXPECT_EQ(0, std::memcmp(&before, &settings, sizeof before));
    }
}

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
