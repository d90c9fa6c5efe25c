// The resume alarm as the Power Management page shows it: "9:5:0 April 1 , 2001"
// for a time read from the BIOS, "09:05:00 April 1 , 2001" for one the user set, and
// "Unknown" for a time the clock cannot hold. Texts come through a string loader so
// that the rules stay free of <windows.h>.
#pragma once

#include "ResumeTime.h"

#include <cstddef>

// Loads string id into text (at most size - 1 characters, always terminated) and
// returns its length; LoadResourceString has this shape.
using LoadTextFn = int (*)(unsigned id, char* text, int size);

// Month names and the day suffix hold at most this many characters.
constexpr size_t kMonthNameChars = 9;

// How hour, minute and second are written.
enum class ClockDigits {
    AsRead,   // no leading zeros: 9:5:0
    TwoDigits // two digits each: 09:05:00
};

// Name of month 1-12 (at most kMonthNameChars characters); "" for any other month.
void GetMonthName(LoadTextFn load, int month, char* name, size_t size);

// The text of time. known false (a reply with bad digits) or a field outside the
// clock's range gives the "Unknown" text. Bounded by size, always terminated.
void FormatResumeTime(LoadTextFn load, const ResumeTime& time, bool known, ClockDigits digits,
                      char* text, size_t size);
