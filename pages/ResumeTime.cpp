#include "ResumeTime.h"

namespace {

constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// -1, 0 or 1 as a is before, equal to or after b.
int Compare(int a, int b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kMonthDays[month - 1];
}

bool IsValidAlarmTime(int year, int month, int day, int hour, int minute, int second,
                      const ResumeTime& now) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    if (day < 1 || day > DaysInMonth(year, month))
        return false;
    // The first field that differs from the clock decides.
    const int order[][2] = {{year, now.year}, {month, now.month},   {day, now.day},
                            {hour, now.hour}, {minute, now.minute}, {second, now.second}};
    for (const auto& field : order) {
        const int difference = Compare(field[0], field[1]);
        if (difference != 0)
            return difference > 0;
    }
    return true;
}

bool IsInClockRange(const ResumeTime& time) {
    return time.year >= kFirstAlarmYear && time.year <= kLastAlarmYear && time.month >= 1 &&
           time.month <= 12 && time.day >= 1 && time.day <= 31 && time.hour <= 23 &&
           time.minute <= 59 && time.second <= 59;
}

uint8_t ToBcd(uint8_t value) {
    return static_cast<uint8_t>((value / 10 % 10) << 4 | value % 10);
}

bool FromBcd(uint8_t bcd, uint8_t& value) {
    const uint8_t high = bcd >> 4;
    const uint8_t low = bcd & 0x0F;
    value = static_cast<uint8_t>(high * 10 + low);
    return high <= 9 && low <= 9;
}

BcdResumeTime EncodeResumeTime(const ResumeTime& time) {
    BcdResumeTime bcd{};
    bcd.second = ToBcd(time.second);
    bcd.minute = ToBcd(time.minute);
    bcd.hour = ToBcd(time.hour);
    bcd.monthDay = static_cast<uint16_t>(ToBcd(time.month) << 8 | ToBcd(time.day));
    bcd.year = static_cast<uint16_t>(ToBcd(static_cast<uint8_t>(time.year / 100 % 100)) << 8 |
                                     ToBcd(static_cast<uint8_t>(time.year % 100)));
    return bcd;
}

bool DecodeResumeTime(const BcdResumeTime& bcd, ResumeTime& time) {
    uint8_t century = 0;
    uint8_t yearInCentury = 0;
    bool valid = FromBcd(static_cast<uint8_t>(bcd.year >> 8), century);
    valid = FromBcd(static_cast<uint8_t>(bcd.year & 0xFF), yearInCentury) && valid;
    time.year = static_cast<uint16_t>(century * 100 + yearInCentury);
    valid = FromBcd(static_cast<uint8_t>(bcd.monthDay >> 8), time.month) && valid;
    valid = FromBcd(static_cast<uint8_t>(bcd.monthDay & 0xFF), time.day) && valid;
    valid = FromBcd(bcd.hour, time.hour) && valid;
    valid = FromBcd(bcd.minute, time.minute) && valid;
    valid = FromBcd(bcd.second, time.second) && valid;
    return valid;
}
