// simctl's text side: settings by name and operation names from logged registers.
#include "OperationNames.h"
#include "SettingFields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

sim::BiosSettings Defaults() {
    sim::BiosSettings settings;
    sim::SimBios::DefaultSettings(settings);
    return settings;
}

const SettingField& Field(const char* name) {
    const SettingField* field = FindSettingField(name);
    EXPECT_NE(nullptr, field) << name;
    static const SettingField kNone = {"", SettingKind::kNumber, 0, 1, 0};
    return field ? *field : kNone;
}

TEST(SettingFields, NamesAreUniqueAndFieldsLieInsideTheSettings) {
    std::set<std::string> names;
    for (const SettingField* f = SettingFieldsBegin(); f != SettingFieldsEnd(); ++f) {
        EXPECT_TRUE(names.insert(f->name).second) << f->name;
        EXPECT_LE(f->offset + f->size, sizeof(sim::BiosSettings)) << f->name;
    }
    EXPECT_EQ(nullptr, FindSettingField("silentboot")) << "names are exact";
}

TEST(SettingFields, NumbersParseInDecimalAndHexWithinTheirSize) {
    sim::BiosSettings settings = Defaults();
    ASSERT_TRUE(ParseSetting("1", Field("silentBoot"), settings));
    EXPECT_EQ(1, settings.silentBoot);
    ASSERT_TRUE(ParseSetting("0x1999", Field("resumeYear"), settings));
    EXPECT_EQ(0x1999, settings.resumeYear);
    EXPECT_EQ("0x1999", FormatSetting(settings, Field("resumeYear")));
    EXPECT_EQ("0x01", FormatSetting(settings, Field("silentBoot")));

    const sim::BiosSettings before = settings;
    for (const char* bad : {"", "256", "-1", "1x", "0x", " 1", "0x1FFFF", "99999999999"})
        EXPECT_FALSE(
            ParseSetting(bad, Field(std::strlen(bad) > 3 ? "resumeYear" : "silentBoot"), settings))
            << "'" << bad << "'";
    EXPECT_EQ(0, std::memcmp(&before, &settings, sizeof before)) << "refused text changes nothing";
}

TEST(SettingFields, BootListIsFilledUpWithEndMarks) {
    sim::BiosSettings settings = Defaults();
    ASSERT_TRUE(ParseSetting("2,1,0", Field("bootSequence"), settings));
    EXPECT_EQ(2, settings.bootSequence[0]);
    EXPECT_EQ(0, settings.bootSequence[2]);
    EXPECT_EQ(0xFF, settings.bootSequence[3]);
    EXPECT_EQ(0xFF, settings.bootSequence[15]);
    EXPECT_EQ("02,01,00,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff",
              FormatSetting(settings, Field("bootSequence")));
    EXPECT_FALSE(ParseSetting("0,1,2,0,1,2,0,1,2,0,1,2,0,1,2,0,1", Field("bootSequence"), settings))
        << "seventeen entries";
    EXPECT_FALSE(ParseSetting("1,,2", Field("bootSequence"), settings));
    EXPECT_FALSE(ParseSetting("100", Field("bootSequence"), settings));
}

TEST(SettingFields, PasswordsCarryTheirLength) {
    sim::BiosSettings settings = Defaults();
    ASSERT_TRUE(ParseSetting("1e,30,2e", Field("setupPassword"), settings));
    EXPECT_EQ(3, settings.setupPasswordLength);
    EXPECT_EQ(0x30, settings.setupPassword[1]);
    EXPECT_EQ(0, settings.setupPassword[3]);
    EXPECT_EQ("1e,30,2e", FormatSetting(settings, Field("setupPassword")));
    EXPECT_EQ("none", FormatSetting(settings, Field("powerOnPassword")));

    EXPECT_FALSE(ParseSetting("1,2,3,4,5,6,7,8", Field("setupPassword"), settings))
        << "longer than the BIOS takes";
    ASSERT_TRUE(ParseSetting("none", Field("setupPassword"), settings));
    EXPECT_EQ(0, settings.setupPasswordLength);
    EXPECT_EQ(0, settings.setupPassword[0]);

    settings.powerOnPasswordLength = 200; // a damaged setup memory shows what exists
    EXPECT_EQ(8u * 3 - 1, FormatSetting(settings, Field("powerOnPassword")).size());
}

TEST(OperationNames, RequestsAreNamedByGroupFunctionAndSubFunction) {
    EXPECT_STREQ("EnableSilentBoot", OperationName(0x9610, 0x0116));
    EXPECT_STREQ("EnableSilentBoot", OperationName(0x9610, 0x0016));
    EXPECT_STREQ("GetSilentBoot", OperationName(0x9610, 0x0216));
    EXPECT_STREQ("VESKCheck", OperationName(0x9610, 0x0000));
    EXPECT_STREQ("GetVideoRam", OperationName(0x9602, 0x0000));
    EXPECT_STREQ("AskPowerOnPasswd", OperationName(0x9610, 0x0107));
    EXPECT_STREQ("DisablePowerOnPasswd", OperationName(0x9610, 0x0007));
    EXPECT_STREQ("SetChkPowerOnPasswd", OperationName(0x9610, 0x0307));
    EXPECT_STREQ("GetPMU", OperationName(0x9611, 0x0081));
    EXPECT_STREQ("SetResumeTimer", OperationName(0x9611, 0x0106));
    EXPECT_STREQ("GetTouchPad", OperationName(0x9612, 0x020F));
    EXPECT_STREQ("SetHotkeyButton", OperationName(0x9612, 0x0005));
    EXPECT_STREQ("SetDisplayDevice", OperationName(0x9612, 0x010B));
    EXPECT_STREQ("GetSerialPort", OperationName(0x9610, 0x0102));
    EXPECT_STREQ("GetBootSeq", OperationName(0xFFFF9610, 0xFFFF0017)) << "upper halves ignored";
}

TEST(OperationNames, UnknownShapesAreMarked) {
    EXPECT_STREQ("?", OperationName(0x9613, 0x0001));
    EXPECT_STREQ("?", OperationName(0x9610, 0x0099));
    EXPECT_STREQ("?", OperationName(0x9610, 0x0217)) << "boot list has no sub-function 2";
    EXPECT_STREQ("?", OperationName(0x9612, 0x020A));
}

} // namespace
