// Processor texts: the speed tables (their odd cells included), the 0xFF/0xFF rule, the
// gaps in the type tables, and bounded output.
#include "ProbeTestSupport.h"
#include "PlaceholderText.h"
#include "SystemProbeCpu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class CpuTextTest : public ::testing::Test {
protected:
    std::string Speed(uint8_t clockCode, uint8_t ratioCode, uint16_t mhz = 0) {
        char text[kProbeTextSize];
        std::memset(text, 'X', sizeof text);
        FormatCpuSpeed(texts_, clockCode, ratioCode, mhz, text, sizeof text);
        return text;
    }
    // "vendor / type"
    std::string Names(uint8_t vendor, uint8_t model) {
        char vendorText[kProbeTextSize];
        char typeText[kProbeTextSize];
        std::memset(vendorText, 'X', sizeof vendorText);
        std::memset(typeText, 'X', sizeof typeText);
        GetCpuVendorName(texts_, vendor, vendorText, sizeof vendorText, model, typeText,
                         sizeof typeText);
        return std::string(vendorText) + " / " + typeText;
    }

    RecordingSink texts_;
};

TEST_F(CpuTextTest, BothCodesFFTakeTheReportedClockAndOneAloneIsUnknown) {
    EXPECT_EQ("233 MHz", Speed(0xFF, 0xFF, 233));
    EXPECT_EQ("0 MHz", Speed(0xFF, 0xFF, 0));
    EXPECT_EQ("65535 MHz", Speed(0xFF, 0xFF, 0xFFFF));
    EXPECT_EQ("Unknown Speed", Speed(0xFF, 0, 233));
    EXPECT_EQ("Unknown Speed", Speed(0, 0xFF, 233));
}

TEST_F(CpuTextTest, CodesPastTheTablesAreUnknown) {
    EXPECT_EQ("Unknown Speed", Speed(11, 0));
    EXPECT_EQ("Unknown Speed", Speed(0, 16));
    EXPECT_EQ("Unknown Speed", Speed(11, 16));
    EXPECT_EQ("166 MHz", Speed(10, 15)); // the last cell is still a speed
}

TEST_F(CpuTextTest, SlowBusesMultiplyAndCutTheFractionOff) {
    EXPECT_EQ("20 MHz", Speed(0, 0));
    EXPECT_EQ("37 MHz", Speed(1, 1));  // 25 x 1.5 = 37.5
    EXPECT_EQ("49 MHz", Speed(2, 1));  // 33 x 1.5 = 49.5
    EXPECT_EQ("57 MHz", Speed(2, 15)); // 33 x 1.75 = 57.75: the last multiplier is 1.75
    EXPECT_EQ("82 MHz", Speed(2, 3));  // 33 x 2.5 = 82.5
    EXPECT_EQ("320 MHz", Speed(3, 14));
    EXPECT_EQ("70 MHz", Speed(3, 15));
}

TEST_F(CpuTextTest, FastBusesReadTheTableAsListed) {
    EXPECT_EQ("143 MHz", Speed(10, 1)); // 95 x 1.5 = 142.5 rounded up
    EXPECT_EQ("238 MHz", Speed(10, 3)); // 237.5 rounded up
    EXPECT_EQ("166 MHz", Speed(10, 15));
    EXPECT_EQ("124 MHz", Speed(8, 1)); // 83 x 1.5 = 124.5 cut off
    EXPECT_EQ("664 MHz", Speed(8, 14));
    EXPECT_EQ("133 MHz", Speed(6, 2));
    EXPECT_EQ("300 MHz", Speed(6, 7));
    EXPECT_EQ("87 MHz", Speed(4, 15));
    EXPECT_EQ("131 MHz", Speed(7, 15));
    EXPECT_EQ("800 MHz", Speed(9, 14));
    for (uint8_t b = 4; b <= 10; ++b) {
        static const char* const kBus[] = {"50", "60", "66", "75", "83", "100", "95"};
        EXPECT_EQ(std::string(kBus[b - 4]) + " MHz", Speed(b, 0)) << "bus code " << int(b);
    }
}

TEST_F(CpuTextTest, MakersAndTheirTypeTables) {
    EXPECT_EQ("Intel / 386", Names(0, 0));
    EXPECT_EQ("Intel / Pentium", Names(0, 2));
    EXPECT_EQ("Intel / Pentium", Names(0, 3));
    EXPECT_EQ("Intel / Pentium(ODP/MMX)", Names(0, 4));
    EXPECT_EQ("Intel / Celeron", Names(0, 8));
    EXPECT_EQ("Intel / Unknown Type", Names(0, 9));
    EXPECT_EQ("Cyrix / 486", Names(1, 1));
    EXPECT_EQ("Cyrix / Unknown Type", Names(1, 2));
    EXPECT_EQ("Cyrix / 6x86MX", Names(1, 5));
    EXPECT_EQ("Cyrix / Unknown Type", Names(1, 6));
    EXPECT_EQ("AMD / Unknown Type", Names(2, 2));
    EXPECT_EQ("AMD / K5", Names(2, 3));
    EXPECT_EQ("AMD / Unknown Type", Names(2, 4));
    EXPECT_EQ("AMD / K6-2(8~F)", Names(2, 8));
    EXPECT_EQ("AMD / Unknown Type", Names(2, 255));
}

TEST_F(CpuTextTest, OtherMakersHaveNoTypesAndUnknownMakersNoName) {
    EXPECT_EQ("IBM / Unknown Type", Names(3, 0));
    EXPECT_EQ("UMC / Unknown Type", Names(4, 1));
    EXPECT_EQ("TI / Unknown Type", Names(5, 7));
    EXPECT_EQ("SGS / Unknown Type", Names(6, 3));
    EXPECT_EQ("Unknown Brand / Unknown Type", Names(7, 0));
    EXPECT_EQ("Unknown Brand / Unknown Type", Names(255, 7));
}

TEST_F(CpuTextTest, SmallBuffersAreCutAndTerminated) {
    char vendor[4];
    char type[5];
    std::memset(vendor, 'X', sizeof vendor);
    std::memset(type, 'X', sizeof type);
    GetCpuVendorName(texts_, 0, vendor, sizeof vendor, 6, type, sizeof type);
    EXPECT_STREQ("Int", vendor);
    EXPECT_STREQ("Pent", type);

    char speed[4];
    FormatCpuSpeed(texts_, 0xFF, 0xFF, 1234, speed, sizeof speed);
    EXPECT_STREQ("123", speed);
    FormatCpuSpeed(texts_, 11, 0, 0, speed, sizeof speed);
    EXPECT_STREQ("Unk", speed);

    char untouched = 'X';
    FormatCpuSpeed(texts_, 0, 0, 0, &untouched, 0);
    GetIntelCpuName(texts_, 0, &untouched, 0);
    EXPECT_EQ('X', untouched);
}

TEST(FillNumberPlaceholder, ReplacesOnlyTheFirstPlaceholder) {
    char text[32];
    FillNumberPlaceholder("Serial Port %d", 2, text, sizeof text);
    EXPECT_STREQ("Serial Port 2", text);
    FillNumberPlaceholder("ECP (DMA %d )", 3, text, sizeof text);
    EXPECT_STREQ("ECP (DMA 3 )", text);
    FillNumberPlaceholder("%d%d %s %n", -7, text, sizeof text);
    EXPECT_STREQ("-7%d %s %n", text); // nothing else is taken for a format
    FillNumberPlaceholder("no number", 5, text, sizeof text);
    EXPECT_STREQ("no number", text);
    FillNumberPlaceholder(nullptr, 5, text, sizeof text);
    EXPECT_STREQ("", text);

    char small[6];
    FillNumberPlaceholder("Port %d", 12345, small, sizeof small);
    EXPECT_STREQ("Port ", small);
}

} // namespace
