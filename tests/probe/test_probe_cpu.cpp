// Processor texts: the speed tables (their odd cells included), the 0xFF/0xFF rule, the
// gaps in the type tables, and bounded output.
#include "ProbeTestSupport.h"
#include "SystemProbeCpu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Both codes 0xFF take the reported clock, one alone is unknown, as are codes past the
// tables (whose last cell is still a speed). Slow buses multiply and cut the fraction
// off (the last multiplier is 1.75); fast buses read the table as listed, where
// 95 x 1.5 rounds up but 83 x 1.5 is cut off.
TEST(CpuTexts, SpeedFromTheBusAndMultiplierCodesOrAsReported) {
    const struct {
        uint8_t clockCode, ratioCode;
        uint16_t mhz;
        int speed; // -1: unknown
    } cases[] = {
        {0xFF, 0xFF, 233, 233}, {0xFF, 0xFF, 0, 0}, {0xFF, 0xFF, 0xFFFF, 65535},
        {0xFF, 0, 233, -1},     {0, 0xFF, 233, -1}, {11, 0, 0, -1},
        {0, 16, 0, -1},         {11, 16, 0, -1},    {10, 15, 0, 166},
        {0, 0, 0, 20},          {1, 1, 0, 37},      {2, 1, 0, 49},
        {2, 15, 0, 57},         {2, 3, 0, 82},      {3, 14, 0, 320},
        {3, 15, 0, 70},         {10, 1, 0, 143},    {10, 3, 0, 238},
        {8, 1, 0, 124},         {8, 14, 0, 664},    {6, 2, 0, 133},
        {6, 7, 0, 300},         {4, 15, 0, 87},     {7, 15, 0, 131},
        {9, 14, 0, 800},        {4, 0, 0, 50},      {5, 0, 0, 60},
        {6, 0, 0, 66},          {7, 0, 0, 75},      {8, 0, 0, 83},
        {9, 0, 0, 100},         {10, 0, 0, 95},
    };
    const RecordingSink texts;
    for (const auto& c : cases) {
        char text[kProbeTextSize];
        std::memset(text, 'X', sizeof text);
        FormatCpuSpeed(texts, c.clockCode, c.ratioCode, c.mhz, text, sizeof text);
        const std::string want = c.speed < 0 ? "Unknown Speed" : std::to_string(c.speed) + " MHz";
        EXPECT_EQ(want, text) << int(c.clockCode) << " " << int(c.ratioCode);
    }
}

// The other makers' types are not told apart.
TEST(CpuTexts, MakersAndTheGapsInTheirTypeTables) {
    const struct {
        uint8_t vendor, model;
        const char* maker; // nullptr: unknown
        const char* type;
    } cases[] = {
        {0, 0, "Intel", "386"},     {0, 2, "Intel", "Pentium"},
        {0, 3, "Intel", "Pentium"}, {0, 4, "Intel", "Pentium(ODP/MMX)"},
        {0, 8, "Intel", "Celeron"}, {0, 9, "Intel", nullptr},
        {1, 1, "Cyrix", "486"},     {1, 2, "Cyrix", nullptr},
        {1, 5, "Cyrix", "6x86MX"},  {1, 6, "Cyrix", nullptr},
        {2, 2, "AMD", nullptr},     {2, 3, "AMD", "K5"},
        {2, 4, "AMD", nullptr},     {2, 8, "AMD", "K6-2(8~F)"},
        {2, 255, "AMD", nullptr},   {3, 0, "IBM", nullptr},
        {4, 1, "UMC", nullptr},     {5, 7, "TI", nullptr},
        {6, 3, "SGS", nullptr},     {7, 0, nullptr, nullptr},
        {255, 7, nullptr, nullptr},
    };
    const RecordingSink texts;
    for (const auto& c : cases) {
        char maker[kProbeTextSize];
        char type[kProbeTextSize];
        std::memset(maker, 'X', sizeof maker);
        std::memset(type, 'X', sizeof type);
        GetCpuVendorName(texts, c.vendor, maker, sizeof maker, c.model, type, sizeof type);
        EXPECT_STREQ(c.maker ? c.maker : "Unknown Brand", maker) << int(c.vendor);
        EXPECT_STREQ(c.type ? c.type : "Unknown Type", type)
            << int(c.vendor) << " " << int(c.model);
    }
}

TEST(CpuTexts, SmallBuffersAreCutAndTerminated) {
    const RecordingSink texts;
    char vendor[4];
    char type[5];
    GetCpuVendorName(texts, 0, vendor, sizeof vendor, 6, type, sizeof type);
    EXPECT_STREQ("Int", vendor);
    EXPECT_STREQ("Pent", type);
    char speed[4];
    FormatCpuSpeed(texts, 0xFF, 0xFF, 1234, speed, sizeof speed);
    EXPECT_STREQ("123", speed);
    FormatCpuSpeed(texts, 11, 0, 0, speed, sizeof speed);
    EXPECT_STREQ("Unk", speed);
    char untouched = 'X';
    FormatCpuSpeed(texts, 0, 0, 0, &untouched, 0);
    GetIntelCpuName(texts, 0, &untouched, 0);
    EXPECT_EQ('X', untouched);
}

} // namespace
