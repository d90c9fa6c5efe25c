// The resume alarm: the date and time at which the BIOS wakes the notebook, the
// calendar rules the alarm dialog keeps, and the packed BCD form in which the BIOS
// exchanges it. Free of <windows.h>.
#pragma once

#include <cstdint>

// The alarm in plain numbers; hours on a 24-hour clock.
struct ResumeTime {
    uint16_t year;
    uint8_t month; // 1-12
    uint8_t day;
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
};

// The alarm as GetResumeTimer and SetResumeTimer carry it: one BCD byte per field,
// month in the high byte of monthDay and day in the low one, the year as four digits.
struct BcdResumeTime {
    uint8_t second;
    uint8_t minute;
    uint8_t hour;
    uint16_t monthDay;
    uint16_t year;
};

// First and last year the BIOS clock holds.
constexpr int kFirstAlarmYear = 1980;
constexpr int kLastAlarmYear = 2079;

// Days of month (1-12) in year, 29 February in leap years; 0 for any other month.
int DaysInMonth(int year, int month);

// True when the alarm can be set at now: hour, minute and second in range, the day
// within its month, and the time not before now (the current second counts).
bool IsValidAlarmTime(int year, int month, int day, int hour, int minute, int second,
                      const ResumeTime& now);

// True when every field lies in the range the BIOS clock holds. The day is checked
// against 31 only.
bool IsInClockRange(const ResumeTime& time);

// value 0-99 as one BCD byte, and back. FromBcd refuses a byte with a nibble above 9.
uint8_t ToBcd(uint8_t value);
bool FromBcd(uint8_t bcd, uint8_t& value);

// The whole alarm both ways. DecodeResumeTime always fills time, digit by digit, and
// answers false when any nibble is above 9 (the time then counts as unknown).
BcdResumeTime EncodeResumeTime(const ResumeTime& time);
bool DecodeResumeTime(const BcdResumeTime& bcd, ResumeTime& time);
