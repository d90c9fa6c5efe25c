// Group 0x9611: power management options and the BCD resume alarm.
#include "SimCall.h"

namespace sim {

namespace {

constexpr uint8_t kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// One packed BCD byte as a number; false when a digit is not 0-9.
bool FromBcd(uint8_t bcd, uint32_t& value) {
    const uint32_t high = bcd >> 4;
    const uint32_t low = bcd & 0x0F;
    if (high > 9 || low > 9)
        return false;
    value = high * 10 + low;
    return true;
}

bool FromBcdYear(uint16_t bcd, uint32_t& year) {
    uint32_t century = 0;
    uint32_t rest = 0;
    if (!FromBcd(High8(bcd), century) || !FromBcd(Low8(bcd), rest))
        return false;
    year = century * 100 + rest;
    return true;
}

uint32_t DaysInMonth(uint32_t month, uint32_t year) {
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDaysInMonth[month - 1];
}

// The alarm the real-time clock can hold: 1980 to 2079, a real date and time.
bool ValidResumeTime(uint8_t second, uint8_t minute, uint8_t hour, uint16_t monthDay,
                     uint16_t yearBcd) {
    uint32_t s = 0, m = 0, h = 0, month = 0, day = 0, year = 0;
    if (!FromBcd(second, s) || !FromBcd(minute, m) || !FromBcd(hour, h) ||
        !FromBcd(High8(monthDay), month) || !FromBcd(Low8(monthDay), day) ||
        !FromBcdYear(yearBcd, year))
        return false;
    if (s > 59 || m > 59 || h > 23 || year < 1980 || year > 2079 || month < 1 || month > 12)
        return false;
    return day >= 1 && day <= DaysInMonth(month, year);
}

// Set: BH = on, CH second, DH hour, DL minute, SI month and day, DI year.
// Switching the alarm off keeps the old time unless a valid one comes with it.
void SetResumeTimer(Call& call) {
    const Regs& r = call.request;
    const uint8_t on = call.SubFunction();
    const uint8_t second = High8(r.ecx);
    const uint8_t minute = Low8(r.edx);
    const uint8_t hour = High8(r.edx);
    const uint16_t monthDay = Low16(r.esi);
    const uint16_t year = Low16(r.edi);
    const bool valid = ValidResumeTime(second, minute, hour, monthDay, year);
    if (on && !valid) {
        Fail(call, kAnswerRejected);
        return;
    }
    BiosSettings& s = call.settings;
    s.resumeTimerOn = on;
    if (valid) {
        s.resumeSecond = second;
        s.resumeMinute = minute;
        s.resumeHour = hour;
        s.resumeMonthDay = monthDay;
        s.resumeYear = year;
    }
    Accept(call);
}

// Get: AL = on, CH second (CL 0), DL minute, DH hour, SI month and day, DI year.
void GetResumeTimer(Call& call) {
    const BiosSettings& s = call.settings;
    Accept(call);
    SetLow8(call.reply.eax, s.resumeTimerOn);
    SetLow16(call.reply.ecx, static_cast<uint16_t>(s.resumeSecond << 8));
    SetLow8(call.reply.edx, s.resumeMinute);
    SetHigh8(call.reply.edx, s.resumeHour);
    SetLow16(call.reply.esi, s.resumeMonthDay);
    SetLow16(call.reply.edi, s.resumeYear);
}

} // namespace

void AnswerPowerGroup(Call& call) {
    BiosSettings& s = call.settings;
    const uint8_t sub = call.SubFunction();
    switch (call.Function()) {
    case 0x01: // power management on or off; read through function 0x81
        if (sub <= 1)
            AnswerOnOff(call, s.pmu);
        else
            Fail(call, kAnswerUnsupported);
        break;
    case 0x81: // the state comes back in BH
        Accept(call);
        SetHigh8(call.reply.ebx, s.pmu);
        break;
    case 0x05:
        AnswerOnOff(call, s.modemRingWakeup);
        break;
    case 0x06:
        if (sub <= 1)
            SetResumeTimer(call);
        else if (sub == 2)
            GetResumeTimer(call);
        else
            Fail(call, kAnswerUnsupported);
        break;
    case 0x08:
        AnswerOnOff(call, s.battLowBeep);
        break;
    case 0x09:
        AnswerOnOff(call, s.sleepWhenBattLow);
        break;
    case 0x0D:
        AnswerOnOff(call, s.dspAlwaysOn);
        break;
    default:
        Fail(call, kAnswerUnsupported);
        break;
    }
}

} // namespace sim
