#include "ResumeTimeText.h"

#include "resume_time_ids.h"

#include <cstdio>
#include <cstring>

namespace {

// The day suffix string; the English table's placeholder "Day" means none.
void LoadDaySuffix(LoadTextFn load, char* suffix, size_t size) {
    load(IDS_DAY_SUFFIX, suffix, static_cast<int>(size));
    if (std::strcmp(suffix, "Day") == 0)
        suffix[0] = '\0';
}

} // namespace

void GetMonthName(LoadTextFn load, int month, char* name, size_t size) {
    if (size == 0)
        return;
    name[0] = '\0';
    if (month < 1 || month > 12)
        return;
    char loaded[kMonthNameChars + 1] = "";
    load(IDS_JANUARY - 1 + static_cast<unsigned>(month), loaded, sizeof loaded);
    std::snprintf(name, size, "%s", loaded);
}

void FormatResumeTime(LoadTextFn load, const ResumeTime& time, bool known, ClockDigits digits,
                      char* text, size_t size) {
    if (size == 0)
        return;
    if (!known || !IsInClockRange(time)) {
        text[0] = '\0';
        load(IDS_UNKNOWN_TIME, text, static_cast<int>(size));
        return;
    }
    char month[kMonthNameChars + 1];
    GetMonthName(load, time.month, month, sizeof month);
    char suffix[kMonthNameChars + 1] = "";
    LoadDaySuffix(load, suffix, sizeof suffix);
    std::snprintf(text, size,
                  digits == ClockDigits::TwoDigits ? "%02d:%02d:%02d %s %d %s, %d"
                                                   : "%d:%d:%d %s %d %s, %d",
                  time.hour, time.minute, time.second, month, time.day, suffix, time.year);
}
