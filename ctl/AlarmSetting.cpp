#include "AlarmSetting.h"

#include "MachineFacts.h"
#include "PowerSettings.h"
#include "TextMatch.h"

#include <cctype>
#include <cstdio>

namespace {

// The timer in a SettingValue: on/off, whether the time decoded, then the time.
struct Alarm {
    uint8_t on;
    bool known;
    ResumeTime time;
};

enum AlarmByte { kOn, kKnown, kYearLow, kYearHigh, kMonth, kDay, kHour, kMinute, kSecond };

SettingValue Pack(const Alarm& alarm) {
    SettingValue value = ZeroValue();
    value.bytes[kOn] = alarm.on;
    value.bytes[kKnown] = alarm.known ? 1 : 0;
    value.bytes[kYearLow] = static_cast<uint8_t>(alarm.time.year & 0xFF);
    value.bytes[kYearHigh] = static_cast<uint8_t>(alarm.time.year >> 8);
    value.bytes[kMonth] = alarm.time.month;
    value.bytes[kDay] = alarm.time.day;
    value.bytes[kHour] = alarm.time.hour;
    value.bytes[kMinute] = alarm.time.minute;
    value.bytes[kSecond] = alarm.time.second;
    return value;
}

Alarm Unpack(const SettingValue& value) {
    const uint8_t* b = value.bytes;
    const uint16_t year = static_cast<uint16_t>(b[kYearHigh] << 8 | b[kYearLow]);
    return Alarm{b[kOn], b[kKnown] != 0,
                 ResumeTime{year, b[kMonth], b[kDay], b[kHour], b[kMinute], b[kSecond]}};
}

constexpr char kPattern[] = "YYYY-MM-DD hh:mm:ss"; // letters stand for digits

// text in kPattern's shape, as numbers; false for any other text.
bool ParseDateTime(const char* text, unsigned fields[6]) {
    size_t field = 0;
    unsigned number = 0;
    for (size_t i = 0;; ++i) {
        const char want = kPattern[i];
        const char c = text[i];
        if (std::isalpha(static_cast<unsigned char>(want))) {
            if (c < '0' || c > '9')
                return false;
            number = number * 10 + static_cast<unsigned>(c - '0');
            continue;
        }
        if (c != want)
            return false;
        fields[field++] = number;
        number = 0;
        if (want == '\0')
            return true;
    }
}

void FormatDateTime(const ResumeTime& t, char* text, size_t size) {
    std::snprintf(text, size, "%04u-%02u-%02u %02u:%02u:%02u", static_cast<unsigned>(t.year),
                  static_cast<unsigned>(t.month), static_cast<unsigned>(t.day),
                  static_cast<unsigned>(t.hour), static_cast<unsigned>(t.minute),
                  static_cast<unsigned>(t.second));
}

// Why IsValidAlarmTime refused fields at now.
void ExplainRefusal(const unsigned f[6], const ResumeTime& now, char* reason, size_t size) {
    const int days = DaysInMonth(static_cast<int>(f[0]), static_cast<int>(f[1]));
    if (f[3] > 23 || f[4] > 59 || f[5] > 59) {
        std::snprintf(reason, size, "%02u:%02u:%02u is not a time of day", f[3], f[4], f[5]);
    } else if (days == 0) {
        std::snprintf(reason, size, "there is no month %u", f[1]);
    } else if (f[2] < 1 || static_cast<int>(f[2]) > days) {
        std::snprintf(reason, size, "%04u-%02u-%02u is not a date: that month has %d days", f[0],
                      f[1], f[2], days);
    } else {
        char clock[sizeof kPattern];
        FormatDateTime(now, clock, sizeof clock);
        std::snprintf(reason, size, "the alarm is in the past (the computer's clock says %s)",
                      clock);
    }
}

} // namespace

bool ReadAlarm(MachineFacts&, SettingValue& value) {
    Alarm alarm{0, false, ResumeTime{}};
    if (!ReadResumeTimer(alarm.on, alarm.time, alarm.known))
        return false;
    value = Pack(alarm);
    return true;
}

bool ParseAlarm(const char* text, MachineFacts& facts, const SettingValue& current,
                SettingValue& value, char* reason, size_t reasonSize) {
    Alarm alarm = Unpack(current);
    if (EqualsIgnoreCase(text, "Off")) {
        alarm.on = 0;
        value = Pack(alarm);
        return true;
    }
    unsigned f[6] = {};
    if (!ParseDateTime(text, f)) {
        std::snprintf(reason, reasonSize, "'%s' is not Off or a date and time (%s)", text,
                      kPattern);
        return false;
    }
    alarm = Alarm{1, true,
                  ResumeTime{static_cast<uint16_t>(f[0]), static_cast<uint8_t>(f[1]),
                             static_cast<uint8_t>(f[2]), static_cast<uint8_t>(f[3]),
                             static_cast<uint8_t>(f[4]), static_cast<uint8_t>(f[5])}};
    value = Pack(alarm);
    if (SameValue(value, current))
        return true;
    if (f[0] < kFirstAlarmYear || f[0] > kLastAlarmYear) {
        std::snprintf(reason, reasonSize, "the BIOS clock holds the years %d to %d",
                      kFirstAlarmYear, kLastAlarmYear);
        return false;
    }
    const ResumeTime& now = facts.Now();
    const int n[6] = {static_cast<int>(f[0]), static_cast<int>(f[1]), static_cast<int>(f[2]),
                      static_cast<int>(f[3]), static_cast<int>(f[4]), static_cast<int>(f[5])};
    if (IsValidAlarmTime(n[0], n[1], n[2], n[3], n[4], n[5], now))
        return true;
    ExplainRefusal(f, now, reason, reasonSize);
    return false;
}

void FormatAlarm(const SettingValue& value, char* text, size_t size) {
    const Alarm alarm = Unpack(value);
    if (!alarm.on)
        std::snprintf(text, size, "Off");
    else if (alarm.known && IsInClockRange(alarm.time))
        FormatDateTime(alarm.time, text, size);
    else
        std::snprintf(text, size, "Unknown");
}

int WriteAlarm(const SettingValue& value) {
    const Alarm alarm = Unpack(value);
    return WriteResumeTimer(alarm.on, alarm.time);
}
