// The Power Management page's BIOS state between reading, applying and restoring:
// six on/off options and the resume timer (on/off and alarm time). Free of
// <windows.h>: the check boxes and the timer block stay with the page.
#pragma once

#include "BiosOption.h"
#include "ResumeTime.h"

#include <cstdint>

// The six options in the page's order, which reads, applies and restores follow.
enum PowerOption {
    kPmuOption,
    kDisplayOnOption,
    kHotkeyBeepOption,
    kModemRingOption, // writing it also updates the power driver's flags
    kBattLowBeepOption,
    kSleepOnBattLowOption,
    kPowerOptionCount
};

// Everything the page shows, as the BIOS reported it. A failed read, or an on/off
// reply other than 0 or 1, leaves its flag false.
struct PowerReading {
    bool optionRead[kPowerOptionCount];
    uint8_t option[kPowerOptionCount];
    bool timerRead;
    uint8_t timerOn;
    ResumeTime time; // decoded from BCD digit by digit
    bool timeKnown;  // false when a BCD digit was above 9
};

// The six Get operations in order, then GetResumeTimer.
PowerReading ReadPowerOptions();

// One option's Get; false when it fails or the reply is neither 0 nor 1.
bool ReadPowerOption(PowerOption option, uint8_t& value);
// One option's Enable, for the modem-ring option followed by the power driver's
// flags; the Enable's answer.
int WritePowerOption(PowerOption option, uint8_t value);
// GetResumeTimer; false when it fails or its on/off is neither 0 nor 1. timeKnown as
// in PowerReading.
bool ReadResumeTimer(uint8_t& on, ResumeTime& time, bool& timeKnown);
// SetResumeTimer with on and time in BCD; its answer.
int WriteResumeTimer(uint8_t on, const ResumeTime& time);

class PowerSettings {
public:
    // now: the alarm time until the BIOS or the user supplies one, so that turning
    // the timer on after a failed read never sends a zero date.
    explicit PowerSettings(const ResumeTime& now) : m_resumeTime(now) {}

    // The user ticked or cleared an option's box, or the timer's box.
    void ChooseOption(PowerOption option, bool ticked) { m_options[option].Choose(ticked ? 1 : 0); }
    void ChooseTimer(bool on);
    // The user set a new alarm time.
    void ChooseTime(const ResumeTime& time);

    // The timer as the BIOS reported it.
    void TakeTimerReading(uint8_t on, const ResumeTime& time);
    // The timer could not be read: as before any read, with the alarm at now.
    void ForgetTimerReading(const ResumeTime& now);

    // When modified is 1: writes each pending option in order (the modem-ring option
    // followed by the power driver's flags), then the timer with SetResumeTimer when its
    // on/off or its time is pending; remembers what was written. Write results are not
    // judged. Otherwise writes nothing.
    void ApplyPending(int32_t modified);
    // Writes again, in the same order, what the last apply wrote.
    void WriteApplied() const;
    // Nothing pending, nothing remembered.
    void Forget();

    const BiosOption& Option(PowerOption option) const { return m_options[option]; }
    const BiosOption& TimerEnable() const { return m_timerEnable; }
    const BiosOption& TimeSet() const { return m_timeSet; }
    // The timer's on/off as last read or applied; kNoValue before the first read.
    uint8_t TimerEnabled() const { return m_nTimerEnabled; }
    const ResumeTime& Time() const { return m_resumeTime; }

private:
    BiosOption m_options[kPowerOptionCount];
    BiosOption m_timerEnable;                // on/off chosen with the timer's box
    BiosOption m_timeSet;                    // 1 when the user set a time
    uint8_t m_nAppliedTimerValue = kNoValue; // on/off sent with the last SetResumeTimer
    uint8_t m_nTimerEnabled = kNoValue;
    ResumeTime m_resumeTime;
    ResumeTime m_appliedTime = {}; // time sent with the last SetResumeTimer
};
