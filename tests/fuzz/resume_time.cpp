// The resume alarm's rules on any bytes: a BCD time decodes to digits only when every
// nibble is a digit and then encodes back to the same bytes, a time the clock holds
// survives encoding, an alarm the check accepts is a real date and time, and the
// alarm's text stays within its buffer whatever the string table holds.
#include "FuzzBios.h"
#include "ResumeTime.h"
#include "ResumeTimeText.h"
#include "resume_time_ids.h"

#include <cstring>
#include <memory>

namespace {

// The three texts the alarm's text loads: unknown time, month name, day suffix.
struct Table {
    char unknown[48];
    char month[48];
    char suffix[48];
};
Table g_table;

void FillText(FuzzBytes& bytes, char (&text)[48]) {
    const size_t length = bytes.Byte() % sizeof text;
    bytes.Fill(text, length);
    text[length] = '\0';
}

// As LoadString: at most size - 1 characters, always terminated.
int LoadFuzzed(unsigned id, char* text, int size) {
    const char* loaded = id == IDS_UNKNOWN_TIME ? g_table.unknown
                         : id == IDS_DAY_SUFFIX ? g_table.suffix
                                                : g_table.month;
    if (size <= 0)
        return 0;
    size_t length = std::strlen(loaded);
    if (length > static_cast<size_t>(size) - 1)
        length = static_cast<size_t>(size) - 1;
    std::memcpy(text, loaded, length);
    text[length] = '\0';
    return static_cast<int>(length);
}

bool AllDigits(uint32_t packed, int nibbles) {
    for (int i = 0; i < nibbles; ++i) {
        if ((packed >> (4 * i) & 0xF) > 9)
            return false;
    }
    return true;
}

bool Same(const ResumeTime& a, const ResumeTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

void CheckBcd(const BcdResumeTime& bcd) {
    ResumeTime time = {};
    const bool digits = AllDigits(bcd.second, 2) && AllDigits(bcd.minute, 2) &&
                        AllDigits(bcd.hour, 2) && AllDigits(bcd.monthDay, 4) &&
                        AllDigits(bcd.year, 4);
    if (DecodeResumeTime(bcd, time) != digits)
        Finding("a BCD time's known flag disagrees with its digits");
    if (!digits)
        return;
    const BcdResumeTime again = EncodeResumeTime(time);
    if (again.second != bcd.second || again.minute != bcd.minute || again.hour != bcd.hour ||
        again.monthDay != bcd.monthDay || again.year != bcd.year)
        Finding("a decoded BCD time encodes to other bytes");
}

void CheckClockTime(const ResumeTime& time) {
    if (!IsInClockRange(time))
        return;
    ResumeTime decoded = {};
    if (!DecodeResumeTime(EncodeResumeTime(time), decoded) || !Same(time, decoded))
        Finding("a time the clock holds does not survive BCD");
}

void CheckAlarm(const int16_t f[6], const ResumeTime& now) {
    if (!IsValidAlarmTime(f[0], f[1], f[2], f[3], f[4], f[5], now))
        return;
    if (f[2] < 1 || f[2] > DaysInMonth(f[0], f[1]) || f[3] < 0 || f[3] > 23 || f[4] < 0 ||
        f[4] > 59 || f[5] < 0 || f[5] > 59)
        Finding("an alarm that is not a real date and time was accepted");
    if (f[0] < now.year)
        Finding("an alarm in an earlier year was accepted");
}

void CheckText(const ResumeTime& time, bool known, ClockDigits digits, size_t size) {
    // Exactly size bytes, so that AddressSanitizer sees any byte written past them.
    const std::unique_ptr<char[]> text(new char[size ? size : 1]);
    FormatResumeTime(LoadFuzzed, time, known, digits, text.get(), size);
    if (size && !std::memchr(text.get(), '\0', size))
        Finding("the alarm's text is not terminated within its buffer");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes bytes(data, size);
    BcdResumeTime bcd = {};
    bcd.second = bytes.Byte();
    bcd.minute = bytes.Byte();
    bcd.hour = bytes.Byte();
    bytes.Fill(&bcd.monthDay, sizeof bcd.monthDay);
    bytes.Fill(&bcd.year, sizeof bcd.year);
    CheckBcd(bcd);

    ResumeTime time = {};
    bytes.Fill(&time.year, sizeof time.year);
    time.month = bytes.Byte();
    time.day = bytes.Byte();
    time.hour = bytes.Byte();
    time.minute = bytes.Byte();
    time.second = bytes.Byte();
    CheckClockTime(time);

    int16_t alarm[6];
    bytes.Fill(alarm, sizeof alarm);
    CheckAlarm(alarm, time);

    const uint8_t textChoice = bytes.Byte();
    FillText(bytes, g_table.unknown);
    FillText(bytes, g_table.month);
    FillText(bytes, g_table.suffix);
    const ClockDigits digits = textChoice & 1 ? ClockDigits::TwoDigits : ClockDigits::AsRead;
    const size_t textSize = textChoice >> 1;
    ResumeTime decoded = {};
    const bool known = DecodeResumeTime(bcd, decoded);
    CheckText(decoded, known, digits, textSize);
    CheckText(time, true, digits, textSize);
    return 0;
}
