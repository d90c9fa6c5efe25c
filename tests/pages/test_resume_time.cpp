// The resume alarm's rules: month lengths, which alarms the dialog accepts, the BCD
// form the BIOS uses, and the texts the Power Management page shows.
#include "ResumeTime.h"
#include "ResumeTimeText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

std::string Fields(const ResumeTime& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%d-%d-%d %d:%d:%d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

TEST(ResumeTime, DaysInMonthKnowsLeapYears) {
    const struct {
        int year, month, days;
    } cases[] = {
        {2000, 2, 29}, {2004, 2, 29}, {2001, 2, 28},  {1900, 2, 28}, {2100, 2, 28}, {2001, 1, 31},
        {2001, 4, 30}, {2001, 6, 30}, {2001, 12, 31}, {2001, 0, 0},  {2001, 13, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.days, DaysInMonth(c.year, c.month)) << c.year << "-" << c.month;
}

// Against 12:30:30 on 1 April 2001: the current second and later ones, up to
// 23:59:59 of any later day (an empty hour field reads 0), are valid; one second ago, an
// earlier month or year, hour 24, minute or second 60, 31 April, day 0 and 29 February
// of a year that is not a leap year are not.
TEST(ResumeTime, AlarmMustBeARealTimeNotBeforeTheClock) {
    const ResumeTime now = {2001, 4, 1, 12, 30, 30};
    const struct {
        int year, month, day, hour, minute, second;
        bool valid;
    } cases[] = {
        {2001, 4, 1, 12, 30, 30, true}, {2001, 4, 1, 12, 30, 29, false},
        {2001, 4, 1, 12, 31, 0, true},  {2001, 3, 31, 23, 59, 59, false},
        {2002, 1, 1, 0, 0, 0, true},    {2000, 12, 31, 23, 59, 59, false},
        {2001, 4, 2, 24, 0, 0, false},  {2001, 4, 2, 0, 60, 0, false},
        {2001, 4, 2, 0, 0, 60, false},  {2001, 4, 2, 23, 59, 59, true},
        {2001, 4, 2, 0, 0, 0, true},    {2001, 4, 31, 8, 0, 0, false},
        {2001, 5, 0, 8, 0, 0, false},   {2004, 2, 29, 8, 0, 0, true},
        {2003, 2, 29, 8, 0, 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.valid,
                  IsValidAlarmTime(c.year, c.month, c.day, c.hour, c.minute, c.second, now))
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":"
            << c.second;
}

TEST(ResumeTime, BcdBothWays) {
    const struct {
        ResumeTime time;
        BcdResumeTime bcd;
    } cases[] = {
        {{1999, 12, 31, 7, 5, 9}, {0x09, 0x05, 0x07, 0x1231, 0x1999}},
        {{2079, 1, 1, 23, 59, 58}, {0x58, 0x59, 0x23, 0x0101, 0x2079}},
        {{1980, 10, 20, 0, 0, 0}, {0x00, 0x00, 0x00, 0x1020, 0x1980}},
    };
    for (const auto& c : cases) {
        const BcdResumeTime bcd = EncodeResumeTime(c.time);
        EXPECT_EQ(c.bcd.second, bcd.second);
        EXPECT_EQ(c.bcd.minute, bcd.minute);
        EXPECT_EQ(c.bcd.hour, bcd.hour);
        EXPECT_EQ(c.bcd.monthDay, bcd.monthDay);
        EXPECT_EQ(c.bcd.year, bcd.year);
        ResumeTime decoded = {};
        EXPECT_TRUE(DecodeResumeTime(c.bcd, decoded));
        EXPECT_EQ(Fields(c.time), Fields(decoded));
    }
}

// In the second, minute, hour, month, day and the year's first and last digits.
TEST(ResumeTime, ANibbleAboveNineMakesTheTimeUnknown) {
    const BcdResumeTime cases[] = {
        {0x1A, 0x05, 0x07, 0x1231, 0x1999}, {0x09, 0xA5, 0x07, 0x1231, 0x1999},
        {0x09, 0x05, 0x0F, 0x1231, 0x1999}, {0x09, 0x05, 0x07, 0x1A31, 0x1999},
        {0x09, 0x05, 0x07, 0x123B, 0x1999}, {0x09, 0x05, 0x07, 0x1231, 0xA999},
        {0x09, 0x05, 0x07, 0x1231, 0x199F},
    };
    ResumeTime time = {};
    ASSERT_TRUE(DecodeResumeTime({0x09, 0x05, 0x07, 0x1231, 0x1999}, time));
    for (const auto& bcd : cases)
        EXPECT_FALSE(DecodeResumeTime(bcd, time)) << std::hex << bcd.monthDay << " " << bcd.year;
}

// The string table as the texts need it: English, or another language whose day
// suffix is a real one.
std::map<unsigned, std::string> g_strings;

int LoadFromTable(unsigned id, char* text, int size) {
    const auto found = g_strings.find(id);
    const std::string loaded = found == g_strings.end() ? "" : found->second;
    return std::snprintf(text, static_cast<size_t>(size), "%s", loaded.c_str());
}

void UseEnglish() {
    g_strings = {
        {122, "Unknown"}, {185, "April"}, {190, "September"}, {193, "December "}, {257, "Day"}};
}

TEST(ResumeTimeText, TimeFromTheBiosHasNoLeadingZerosAndUserTimeHasTwoDigits) {
    UseEnglish();
    const struct {
        ResumeTime time;
        bool known;
        ClockDigits digits;
        const char* text;
    } cases[] = {
        {{2001, 4, 1, 9, 5, 0}, true, ClockDigits::AsRead, "9:5:0 April 1 , 2001"},
        {{2001, 4, 1, 9, 5, 0}, true, ClockDigits::TwoDigits, "09:05:00 April 1 , 2001"},
        {{2079, 12, 31, 23, 59, 59}, true, ClockDigits::AsRead, "23:59:59 December  31 , 2079"},
        {{2001, 4, 31, 0, 0, 0}, true, ClockDigits::AsRead, "0:0:0 April 31 , 2001"},
        {{2080, 4, 1, 9, 5, 0}, true, ClockDigits::AsRead, "Unknown"},
        {{1979, 4, 1, 9, 5, 0}, true, ClockDigits::AsRead, "Unknown"},
        {{2001, 0, 1, 9, 5, 0}, true, ClockDigits::AsRead, "Unknown"},
        {{2001, 4, 0, 9, 5, 0}, true, ClockDigits::AsRead, "Unknown"},
        {{2001, 4, 1, 24, 5, 0}, true, ClockDigits::AsRead, "Unknown"},
        {{2001, 4, 1, 9, 5, 0}, false, ClockDigits::AsRead, "Unknown"},
    };
    for (const auto& c : cases) {
        char text[64];
        FormatResumeTime(LoadFromTable, c.time, c.known, c.digits, text, sizeof text);
        EXPECT_STREQ(c.text, text);
    }
}

TEST(ResumeTimeText, ARealDaySuffixStaysAndTextsAreBounded) {
    g_strings = {{185, "4\xE6\x9C\x88"}, {257, "\xE6\x97\xA5"}};
    char text[64];
    FormatResumeTime(LoadFromTable, {2001, 4, 1, 9, 5, 0}, true, ClockDigits::AsRead, text,
                     sizeof text);
    EXPECT_STREQ("9:5:0 4\xE6\x9C\x88 1 \xE6\x97\xA5, 2001", text);

    UseEnglish();
    char small[8];
    FormatResumeTime(LoadFromTable, {2001, 4, 1, 9, 5, 0}, true, ClockDigits::TwoDigits, small,
                     sizeof small);
    EXPECT_STREQ("09:05:0", small);
}

TEST(ResumeTimeText, MonthNamesAreCutToNineCharacters) {
    g_strings = {
        {182, "January"}, {190, "September"}, {193, "December "}, {184, "Marchmarchmarch"}};
    const struct {
        int month;
        const char* name;
    } cases[] = {{1, "January"},   {9, "September"}, {12, "December "},
                 {3, "Marchmarc"}, {0, ""},          {13, ""}};
    for (const auto& c : cases) {
        char name[32] = "x";
        GetMonthName(LoadFromTable, c.month, name, sizeof name);
        EXPECT_STREQ(c.name, name) << c.month;
    }
}

} // namespace
