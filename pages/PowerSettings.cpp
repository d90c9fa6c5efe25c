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

} // namespace

bool ReadPowerOption(PowerOption option, uint8_t& value) {
    uint8_t read = kNoValue;
    if (!kOperations[option].get(&read) || !IsOnOff(read))
        return false;
    value = read;
    return true;
}

int WritePowerOption(PowerOption option, uint8_t value) {
    const int answer = kOperations[option].enable(value);
    if (option == kModemRingOption)
        UpdateVpowerdFlags(value);
    return answer;
}

bool ReadResumeTimer(uint8_t& on, ResumeTime& time, bool& timeKnown) {
    uint8_t read = kNoValue;
    BcdResumeTime bcd{};
    if (!GetResumeTimer(&read, &bcd.second, &bcd.minute, &bcd.hour, &bcd.monthDay, &bcd.year) ||
        !IsOnOff(read))
        return false;
    on = read;
    timeKnown = DecodeResumeTime(bcd, time);
    return true;
}

int WriteResumeTimer(uint8_t on, const ResumeTime& time) {
    const BcdResumeTime bcd = EncodeResumeTime(time);
    return SetResumeTimer(on, bcd.second, bcd.minute, bcd.hour, bcd.monthDay, bcd.year);
}

PowerReading ReadPowerOptions() {
    PowerReading reading{};
    for (int option = 0; option < kPowerOptionCount; ++option) {
        const PowerOption which = static_cast<PowerOption>(option);
        reading.optionRead[option] = ReadPowerOption(which, reading.option[option]);
    }
    reading.timerRead = ReadResumeTimer(reading.timerOn, reading.time, reading.timeKnown);
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
            WritePowerOption(static_cast<PowerOption>(option), m_options[option].TakePending());
    }
    if (!m_timerEnable.HasPending() && !m_timeSet.HasPending())
        return;
    // A new time alone goes out with the timer as it is; switching the timer off
    // sends the current time along.
    if (m_timerEnable.HasPending())
        m_nTimerEnabled = m_timerEnable.TakePending();
    m_nAppliedTimerValue = m_nTimerEnabled;
    WriteResumeTimer(m_nAppliedTimerValue, m_resumeTime);
    if (m_timeSet.HasPending())
        m_timeSet.TakePending();
    else
        m_timeSet.Forget();
    m_appliedTime = m_resumeTime;
}

void PowerSettings::WriteApplied() const {
    for (int option = 0; option < kPowerOptionCount; ++option) {
        if (m_options[option].HasApplied())
            WritePowerOption(static_cast<PowerOption>(option), m_options[option].Applied());
    }
    if (m_timerEnable.HasApplied() || m_timeSet.HasApplied()) {
        const uint8_t on =
            m_timerEnable.HasApplied() ? m_timerEnable.Applied() : m_nAppliedTimerValue;
        WriteResumeTimer(on, m_appliedTime);
    }
}

void PowerSettings::Forget() {
    for (BiosOption& option : m_options)
        option.Forget();
    m_timerEnable.Forget();
    m_timeSet.Forget();
    m_nAppliedTimerValue = kNoValue;
}
