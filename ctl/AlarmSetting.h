// The resume timer as one zepctl setting: "Off", or the date and time at which the
// timer wakes the notebook ("2027-03-14 07:05:00", which also turns the timer on).
// One SetResumeTimer carries both, as on the Power Management page. Free of
// <windows.h>.
#pragma once

#include "SettingValue.h"

#include <cstddef>

class MachineFacts;

bool ReadAlarm(MachineFacts& facts, SettingValue& value);
// "Off" keeps the BIOS's time and sends it along, as the page does. A new time must
// be a real date and time the BIOS clock holds and not before the computer's clock;
// the alarm the BIOS already holds needs no check.
bool ParseAlarm(const char* text, MachineFacts& facts, const SettingValue& current,
                SettingValue& value, char* reason, size_t reasonSize);
// "Off", the date and time, or "Unknown" for a time the clock cannot hold.
void FormatAlarm(const SettingValue& value, char* text, size_t size);
int WriteAlarm(const SettingValue& value);
