#include "PowerSettings.h"

#include "BiosCatalogue.h"
#include "VpowerdFlags.h"

namespace {

struct OptionOperations {
    int (*get)(uint8_t*);
    int (*enable)(int);
};

// In PowerOption order.
constexpr OptionOperations kOperations[kPowerOptionCount] = {
    {GetPMU, EnablePMU},
    {GetDspAlwaysOn, EnableDspAlwaysOn},
    {GetHotkeyBeep, EnableHotkeyBeep},
    {GetModemRingWakeup, EnableModemRingWakeup},
    {GetBattLowBeep, EnableBattLowBeep},
    {GetSleepWhenBattLow, EnableSleepWhenBattLow},
};

// An on/off byte is 0 or 1; anything else is a damaged reply and counts as no answer.
bool IsOnOff(uint8_t value) {
    return value <= 1;
}

void WriteOption(int option, uint8_t value) {
    kOperations[option].enable(value);
    if (option == kModemRingOption)
        UpdateVpowerdFlags(value);
}

void WriteTimer(uint8_t on, const ResumeTime& time) {
    const BcdResumeTime bcd = EncodeResumeTime(time);
    SetResumeTimer(on, bcd.second, bcd.minute, bcd.hour, bcd.monthDay, bcd.year);
}

} // namespace

PowerReading ReadPowerOptions() {
    PowerReading reading{};
    for (int option = 0; option < kPowerOptionCount; ++option) {
        uint8_t value = kNoValue;
        reading.optionRead[option] = kOperations[option].get(&value) && IsOnOff(value);
        reading.option[option] = reading.optionRead[option] ? value : 0;
    }
    uint8_t on = kNoValue;
    BcdResumeTime bcd{};
    reading.timerRead =
        GetResumeTimer(&on, &bcd.second, &bcd.minute, &bcd.hour, &bcd.monthDay, &bcd.year) &&
        IsOnOff(on);
    if (reading.timerRead) {
        reading.timerOn = on;
        reading.timeKnown = DecodeResumeTime(bcd, reading.time);
    }
    return reading;
}

void PowerSettings::ChooseTimer(bool on) {
    m_timerEnable.Choose(on ? 1 : 0);
}

void PowerSettings::ChooseTime(const ResumeTime& time) {
    m_resumeTime = time;
    m_timeSet.Choose(1);
}

void PowerSettings::TakeTimerReading(uint8_t on, const ResumeTime& time) {
    m_nTimerEnabled = on;
    m_resumeTime = time;
}

void PowerSettings::ForgetTimerReading(const ResumeTime& now) {
    m_nTimerEnabled = kNoValue;
    m_resumeTime = now;
}

void PowerSettings::ApplyPending(int32_t modified) {
    if (modified != 1)
        return;
    for (int option = 0; option < kPowerOptionCount; ++option) {
        if (m_options[option].HasPending())
            WriteOption(option, m_options[option].TakePending());
    }
    if (!m_timerEnable.HasPending() && !m_timeSet.HasPending())
        return;
    // A new time alone goes out with the timer as it is; switching the timer off
    // sends the current time along.
    if (m_timerEnable.HasPending())
        m_nTimerEnabled = m_timerEnable.TakePending();
    m_nAppliedTimerValue = m_nTimerEnabled;
    WriteTimer(m_nAppliedTimerValue, m_resumeTime);
    if (m_timeSet.HasPending())
        m_timeSet.TakePending();
    else
        m_timeSet.Forget();
    m_appliedTime = m_resumeTime;
}

void PowerSettings::WriteApplied() const {
    for (int option = 0; option < kPowerOptionCount; ++option) {
        if (m_options[option].HasApplied())
            WriteOption(option, m_options[option].Applied());
    }
    if (m_timerEnable.HasApplied() || m_timeSet.HasApplied()) {
        const uint8_t on =
            m_timerEnable.HasApplied() ? m_timerEnable.Applied() : m_nAppliedTimerValue;
        WriteTimer(on, m_appliedTime);
    }
}

void PowerSettings::Forget() {
    for (BiosOption& option : m_options)
        option.Forget();
    m_timerEnable.Forget();
    m_timeSet.Forget();
    m_nAppliedTimerValue = kNoValue;
}
