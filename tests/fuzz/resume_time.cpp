// The resume alarm's rules on any bytes: a BCD time decodes to digits only when every
// nibble is a digit and then encodes back to the same bytes, a time the clock holds
// survives encoding, an alarm the check accepts is a real date and time, and the
// alarm's text stays within its buffer whatever the string table holds.
#include "FuzzBios.h"
#include "ResumeTimeText.h"
#include "resume_time_ids.h"

#include <array>
#include <cstdio>
#include <vector>

// The three texts the alarm's text loads: unknown time, month name, day suffix.
static char g_texts[3][48];

// As LoadString: at most size - 1 characters, always terminated.
static int LoadFuzzed(unsigned id, char* text, int size) {
    if (size <= 0)
        return 0;
    std::snprintf(text, size, "%s", g_texts[(id != IDS_UNKNOWN_TIME) + (id == IDS_DAY_SUFFIX)]);
    return static_cast<int>(std::strlen(text));
}

// Every BCD nibble of a time in one number, seconds lowest: 14 digits for a known time.
static uint64_t Nibbles(const BcdResumeTime& b) {
    return b.second | b.minute << 8 | b.hour << 16 | uint64_t{b.monthDay} << 24 |
           uint64_t{b.year} << 40;
}

// Decodes bcd into time; true when it is known (every nibble a digit).
static bool CheckBcd(const BcdResumeTime& bcd, ResumeTime& time) {
    const uint64_t nibbles = Nibbles(bcd); // a nibble above 9 has bit 3 and bit 2 or 1 set
    const bool digits = (nibbles >> 3 & (nibbles >> 2 | nibbles >> 1) & 0x11111111111111) == 0;
    Expect(DecodeResumeTime(bcd, time) == digits,
           "a BCD time's known flag disagrees with its digits");
    Expect(!digits || Nibbles(EncodeResumeTime(time)) == nibbles,
           "a decoded BCD time encodes to other bytes");
    return digits;
}

static void CheckClockTime(const ResumeTime& t) {
    ResumeTime d = {};
    Expect(!IsInClockRange(t) || (DecodeResumeTime(EncodeResumeTime(t), d) && d.year == t.year &&
                                  d.month == t.month && d.day == t.day && d.hour == t.hour &&
                                  d.minute == t.minute && d.second == t.second),
           "a time the clock holds does not survive BCD");
}

static void CheckAlarm(const std::array<int16_t, 6>& f, const ResumeTime& now) {
    if (!IsValidAlarmTime(f[0], f[1], f[2], f[3], f[4], f[5], now))
        return;
    Expect(f[0] >= now.year && f[2] >= 1 && f[2] <= DaysInMonth(f[0], f[1]) && f[3] >= 0 &&
               f[3] <= 23 && f[4] >= 0 && f[4] <= 59 && f[5] >= 0 && f[5] <= 59,
           "an alarm in an earlier year, or not a real date and time, was accepted");
}

// choice: bit 0 the clock digits, the rest the text buffer's size.
static void CheckText(const ResumeTime& time, bool known, uint8_t choice) {
    const size_t size = choice >> 1;
    // Exactly size bytes, so that AddressSanitizer sees any byte written past them.
    std::vector<char> text(size ? size : 1);
    FormatResumeTime(LoadFuzzed, time, known,
                     choice & 1 ? ClockDigits::TwoDigits : ClockDigits::AsRead, text.data(), size);
    Expect(!size || std::memchr(text.data(), '\0', size),
           "the alarm's text is not terminated within its buffer");
}

void Fuzz(FuzzBytes& bytes) {
    // Braced lists take their bytes in order.
    const BcdResumeTime bcd = {bytes.Byte(), bytes.Byte(), bytes.Byte(), bytes.Take<uint16_t>(),
                               bytes.Take<uint16_t>()};
    ResumeTime decoded = {};
    const bool known = CheckBcd(bcd, decoded);

    const ResumeTime time = {bytes.Take<uint16_t>(), bytes.Byte(), bytes.Byte(),
                             bytes.Byte(),           bytes.Byte(), bytes.Byte()};
    CheckClockTime(time);
    CheckAlarm(bytes.Take<std::array<int16_t, 6>>(), time);

    const uint8_t textChoice = bytes.Byte();
    for (char* text : g_texts)
        bytes.Text(text, sizeof g_texts[0]);
    CheckText(decoded, known, textChoice);
    CheckText(time, true, textChoice);
}
