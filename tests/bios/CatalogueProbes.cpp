#include "CatalogueProbes.h"

#include <cstring>

// clang-format off
const Probe kProbes[] = {
    {"GetCpuInfo",             [](Outputs& o, uint8_t) { return GetCpuInfo(&o.bytes[0], &o.bytes[1], &o.bytes[2], &o.bytes[3], &o.words[0]); }},
    {"GetSystemRam",           [](Outputs& o, uint8_t) { return GetSystemRam(&o.size, &o.bytes[0]); }},
    {"GetVideoRam",            [](Outputs&, uint8_t) { return static_cast<int>(GetVideoRam()); }},
    {"GetIdeType",             [](Outputs& o, uint8_t) { return GetIdeType(0x80, &o.bytes[0], &o.bytes[1]); }},
    {"GetIdeInfo",             [](Outputs& o, uint8_t) { return GetIdeInfo(0x80, &o.words[0], &o.bytes[0], &o.bytes[1]); }},
    {"GetSerialPort",          [](Outputs& o, uint8_t port) { return GetSerialPort(port, &o.bytes[0], &o.words[0], &o.bytes[1], &o.bytes[2]); }},
    {"GetParellelPort",        [](Outputs& o, uint8_t) { return GetParellelPort(&o.bytes[0], &o.words[0], &o.bytes[1], &o.bytes[2], &o.bytes[3]); }},
    {"GetInternalCacheStatus", [](Outputs& o, uint8_t) { return GetInternalCacheStatus(&o.bytes[0], &o.bytes[1]); }},
    {"GetExtCacheStatus",      [](Outputs& o, uint8_t) { return GetExtCacheStatus(&o.bytes[0], &o.bytes[1]); }},
    {"GetTouchPad",            [](Outputs& o, uint8_t) { return GetTouchPad(&o.bytes[0]); }},
    {"GetPointDev",            [](Outputs& o, uint8_t) { return GetPointDev(&o.bytes[0]); }},
    {"EnableMemoryTest",       [](Outputs&, uint8_t on) { return EnableMemoryTest(on); }},
    {"GetMemoryTest",          [](Outputs& o, uint8_t) { return GetMemoryTest(&o.bytes[0]); }},
    {"EnableSilentBoot",       [](Outputs&, uint8_t on) { return EnableSilentBoot(on); }},
    {"GetSilentBoot",          [](Outputs& o, uint8_t) { return GetSilentBoot(&o.bytes[0]); }},
    {"EnableCDROMBoot",        [](Outputs&, uint8_t on) { return EnableCDROMBoot(on); }},
    {"GetCDROMBoot",           [](Outputs& o, uint8_t) { return GetCDROMBoot(&o.bytes[0]); }},
    {"GetBootSeq",             [](Outputs& o, uint8_t) { return GetBootSeq(&o.list); }},
    {"SetBootSeq",             [](Outputs& o, uint8_t) { return SetBootSeq(&o.list); }},
    {"AskPowerOnPasswd",       [](Outputs& o, uint8_t) { return AskPowerOnPasswd(&o.code); }},
    {"DisablePowerOnPasswd",   [](Outputs& o, uint8_t) { return DisablePowerOnPasswd(&o.code); }},
    {"SetChkPowerOnPasswd",    [](Outputs& o, uint8_t mode) { return SetChkPowerOnPasswd(&o.code, mode, o.password, 7); }},
    {"SetChkSetupPasswd",      [](Outputs& o, uint8_t mode) { return SetChkSetupPasswd(&o.code, mode, o.password, 7); }},
    {"AskSetupPasswd",         [](Outputs& o, uint8_t) { return AskSetupPasswd(&o.code); }},
    {"DisableSetupPasswd",     [](Outputs& o, uint8_t) { return DisableSetupPasswd(&o.code); }},
    {"EnablePMU",              [](Outputs&, uint8_t on) { return EnablePMU(on); }},
    {"GetPMU",                 [](Outputs& o, uint8_t) { return GetPMU(&o.bytes[0]); }},
    {"EnableHotkeyBeep",       [](Outputs&, uint8_t on) { return EnableHotkeyBeep(on); }},
    {"GetHotkeyBeep",          [](Outputs& o, uint8_t) { return GetHotkeyBeep(&o.bytes[0]); }},
    {"EnableModemRingWakeup",  [](Outputs&, uint8_t on) { return EnableModemRingWakeup(on); }},
    {"GetModemRingWakeup",     [](Outputs& o, uint8_t) { return GetModemRingWakeup(&o.bytes[0]); }},
    {"SetResumeTimer",         [](Outputs&, uint8_t on) { return SetResumeTimer(on, 0x09, 0x05, 0x07, 0x1231, 0x1999); }},
    {"GetResumeTimer",         [](Outputs& o, uint8_t) { return GetResumeTimer(&o.bytes[0], &o.bytes[1], &o.bytes[2], &o.bytes[3], &o.words[0], &o.words[1]); }},
    {"EnableBattLowBeep",      [](Outputs&, uint8_t on) { return EnableBattLowBeep(on); }},
    {"GetBattLowBeep",         [](Outputs& o, uint8_t) { return GetBattLowBeep(&o.bytes[0]); }},
    {"EnableSleepWhenBattLow", [](Outputs&, uint8_t on) { return EnableSleepWhenBattLow(on); }},
    {"GetSleepWhenBattLow",    [](Outputs& o, uint8_t) { return GetSleepWhenBattLow(&o.bytes[0]); }},
    {"EnableDspAlwaysOn",      [](Outputs&, uint8_t on) { return EnableDspAlwaysOn(on); }},
    {"GetDspAlwaysOn",         [](Outputs& o, uint8_t) { return GetDspAlwaysOn(&o.bytes[0]); }},
    {"GetBrightnessContrastRange", [](Outputs& o, uint8_t) { return GetBrightnessContrastRange(&o.bytes[0], &o.bytes[1], &o.bytes[2], &o.bytes[3]); }},
    {"GetBootDisplay",         [](Outputs& o, uint8_t) { return GetBootDisplay(&o.bytes[0]); }},
    {"SetBootDisplay",         [](Outputs&, uint8_t) { return SetBootDisplay(3); }},
    {"GetDisplayDevice",       [](Outputs& o, uint8_t) { return GetDisplayDevice(&o.bytes[0]); }},
    {"SetDisplayDevice",       [](Outputs&, uint8_t) { return SetDisplayDevice(2); }},
    {"GetPanelType",           [](Outputs& o, uint8_t) { return GetPanelType(&o.bytes[0]); }},
    {"GetDisplayBrightness",   [](Outputs& o, uint8_t) { return GetDisplayBrightness(&o.bytes[0]); }},
    {"SetDisplayBrightness",   [](Outputs&, uint8_t) { return SetDisplayBrightness(5); }},
    {"GetDisplayContrast",     [](Outputs& o, uint8_t) { return GetDisplayContrast(&o.bytes[0]); }},
    {"SetDisplayContrast",     [](Outputs&, uint8_t) { return SetDisplayContrast(5); }},
    {"CheckMonitorConnected",  [](Outputs&, uint8_t) { return CheckMonitorConnected(); }},
    {"VESKCheck",              [](Outputs& o, uint8_t) { return VESKCheck(&o.code, &o.words[0]); }},
    {"SetHotkeyButton",        [](Outputs&, uint8_t state) { return SetHotkeyButton(state); }},
    {"CMOSChecksum",           [](Outputs& o, uint8_t mode) { return CMOSChecksum(&o.code, mode); }},
    {"LoadSetupDefault",       [](Outputs&, uint8_t) { return LoadSetupDefault(); }},
};
// clang-format on

const std::size_t kProbeCount = sizeof kProbes / sizeof kProbes[0];

const Probe* FindProbe(const char* name) {
    for (const Probe& probe : kProbes) {
        if (std::strcmp(probe.name, name) == 0)
            return &probe;
    }
    return nullptr;
}
