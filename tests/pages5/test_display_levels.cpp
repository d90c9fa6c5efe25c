// Level replies the Display Device page must not show, against the simulated
// notebook, and the label texts made from the string table.
#include "DisplayLevels.h"
#include "PlaceholderText.h"

#include "BiosCatalogue.h"
#include "DriverChannel.h"
#include "SimDevice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class DisplayLevelsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenDriver()); }
    void TearDown() override { CloseDriver(); }

    // The range reply's CX (contrast) and DX (brightness) replaced: low byte min, high max.
    void ReplaceRangeReply(uint16_t cx, uint16_t dx) {
        sim::Fault fault{};
        fault.kind = sim::kFaultRegisters;
        fault.ax = 0x9612;
        fault.bl = 0x08;
        fault.replace.ecx = cx;
        fault.replace.edx = dx;
        fault.replaceMask = (1u << 3) | (1u << 4);
        device_.bios().ClearFaults();
        ASSERT_TRUE(device_.bios().ArmFault(fault));
    }

    simdevice::ScopedSimDevice device_;
};

TEST_F(DisplayLevelsTest, BackwardsRangesAreNoRanges) {
    DisplayRanges ranges{};
    ReplaceRangeReply(0x1F00, 0x0F02);
    ASSERT_TRUE(ReadDisplayRanges(ranges));
    EXPECT_EQ(2, ranges.brightness.min);
    EXPECT_EQ(15, ranges.brightness.max);
    EXPECT_EQ(31, ranges.contrast.max);

    ReplaceRangeReply(0x0F00, 0x0007); // brightness min 7 above max 0
    EXPECT_FALSE(ReadDisplayRanges(ranges));
    ReplaceRangeReply(0x0010, 0x0700); // contrast min 16 above max 0
    EXPECT_FALSE(ReadDisplayRanges(ranges));
    EXPECT_EQ(2, ranges.brightness.min) << "a refused reply writes nothing";
}

TEST_F(DisplayLevelsTest, LevelsOutsideTheSliderRangeAreNotShown) {
    const LevelRange brightness{0, 7};
    uint8_t level = 99;
    device_.bios().Settings().brightness = 8; // one past the maximum
    EXPECT_FALSE(ReadLevel(GetDisplayBrightness, &brightness, level));
    EXPECT_EQ(99, level);
    EXPECT_TRUE(ReadLevel(GetDisplayBrightness, nullptr, level)) << "no range known: shown";
    EXPECT_EQ(8, level);
    EXPECT_EQ(0, LevelFromPosition(-3));
    EXPECT_EQ(255, LevelFromPosition(256));
}

std::string Filled(const char* pattern, const char* value, size_t size = 256) {
    char text[256];
    FillPlaceholder(pattern, value, text, size);
    return text;
}

TEST(PlaceholderTextTest, OnlyTheFirstPlaceholderIsFilledAndNothingReachesPrintf) {
    char text[256];
    FillNumberPlaceholder("Brightness for LCD Panel (%d)", 12, text, sizeof text);
    EXPECT_STREQ("Brightness for LCD Panel (12)", text);
    EXPECT_EQ("The Setup Screen Password.", Filled("The %s.", "Setup Screen Password"));
    EXPECT_EQ("5 %d %n %x 100%", Filled("%d %d %n %x 100%", "5"));
    EXPECT_EQ("", Filled(nullptr, "5"));
    EXPECT_EQ("()", Filled("(%s)", nullptr));
    EXPECT_EQ("Cont", Filled("Contrast for LCD Panel (%d)", "7", 5)) << "cut and terminated";
}

} // namespace
