// The default machine and its setup defaults, and the named variants of it.
// All of it is constant data: nothing runs before the simulator is used.
#include "SimProfiles.h"

#include <string.h>

namespace sim {

namespace {

// A late-1990s notebook: Pentium II at 300 MHz (66 MHz bus x 4.5), 64 MB,
// 2.5 MB video memory, a 4 GB hard disk and a CD-ROM, COM1 and an IrDA port,
// an ECP parallel port, 32 KB + 256 KB cache, a touch pad, no monitor attached.
constexpr MachineProfile MakeDefaultProfile() {
    MachineProfile p{};
    p.interfaceVersion = 0x0108;
    p.veskSupported = 1;
    p.cpuVendor = 0;    // Intel
    p.cpuModel = 7;     // Pentium II
    p.cpuClockCode = 6; // 66 MHz bus
    p.cpuRatioCode = 7; // x 4.5
    p.cpuMhz = 300;
    p.systemRamMb = 64;
    p.videoRam64Kb = 40; // 2560 KB
    p.ideType[0] = 1;    // 0x80: hard disk, 8944 x 15 x 63 sectors
    p.ideFlag[0] = 1;
    p.ideCylinders[0] = 8944;
    p.ideHeads[0] = 15;
    p.ideSectors[0] = 63;
    p.ideType[1] = 2; // 0x82: CD-ROM
    p.serialIoBase[0] = 0x3F8;
    p.serialIrq[0] = 4;
    p.serialMode[0] = 0; // standard
    p.serialIoBase[1] = 0x2F8;
    p.serialIrq[1] = 3;
    p.serialMode[1] = 1; // IrDA
    p.parallelIoBase = 0x378;
    p.parallelIrq = 7;
    p.parallelMode = 3; // ECP
    p.parallelDma = 3;
    p.internalCacheSizeCode = 2; // 4 x 8 KB
    p.externalCacheSizeCode = 4; // 16 x 16 KB
    p.touchPad = 1;
    p.pointingDevice = 1; // internal only
    p.panelType = 1;
    p.contrastMin = 0;
    p.contrastMax = 15;
    p.brightnessMin = 0;
    p.brightnessMax = 7;
    p.monitorConnected = 0;
    p.hasPowerManagement = 1;
    return p;
}

constexpr BiosSettings MakeDefaultSettings() {
    BiosSettings s{};
    s.memoryTest = 1;
    s.silentBoot = 0;
    s.cdromBoot = 0;
    for (uint8_t& device : s.bootSequence)
        device = 0xFF;
    s.bootSequence[0] = 0; // drive A
    s.bootSequence[1] = 1; // then drive C
    s.bootDisplay = 3;     // auto detect
    s.displayDevice = 1;   // LCD panel only
    s.brightness = 4;      // middle of 0..7
    s.contrast = 8;        // middle of 0..15
    s.pmu = 1;
    s.hotkeyBeep = 1;
    s.modemRingWakeup = 0;
    s.battLowBeep = 1;
    s.sleepWhenBattLow = 1;
    s.dspAlwaysOn = 0;
    s.resumeTimerOn = 0;
    s.resumeMonthDay = 0x0101; // 00:00:00 on 1 January 1999
    s.resumeYear = 0x1999;
    s.hotkeyButton = 1;
    return s;
}

constexpr MachineProfile OldInterface() {
    MachineProfile p = MakeDefaultProfile();
    p.interfaceVersion = 0x0104;
    return p;
}

constexpr MachineProfile NoVesk() {
    MachineProfile p = MakeDefaultProfile();
    p.veskSupported = 0;
    return p;
}

// No drives, ports absent, caches present but off, no pointing device.
constexpr MachineProfile Bare() {
    MachineProfile p = MakeDefaultProfile();
    for (int i = 0; i < 2; ++i) {
        p.ideType[i] = 0;
        p.ideFlag[i] = 0;
        p.ideCylinders[i] = 0;
        p.ideHeads[i] = 0;
        p.ideSectors[i] = 0;
        p.serialFlags[i] = 0x01;
    }
    p.parallelFlags = 0x01;
    p.internalCacheFlags = 0x02;
    p.externalCacheFlags = 0x02;
    p.touchPad = 0;
    p.pointingDevice = 0;
    return p;
}

constexpr MachineProfile WithMonitor() {
    MachineProfile p = MakeDefaultProfile();
    p.monitorConnected = 1;
    return p;
}

constexpr MachineProfile NoPowerManagement() {
    MachineProfile p = MakeDefaultProfile();
    p.hasPowerManagement = 0;
    return p;
}

struct NamedProfile {
    const char* name;
    MachineProfile profile;
};

constexpr MachineProfile kDefaultProfile = MakeDefaultProfile();
constexpr BiosSettings kDefaultSettings = MakeDefaultSettings();
constexpr NamedProfile kNamedProfiles[] = {
    {"default", MakeDefaultProfile()},
    {"old-interface", OldInterface()},
    {"no-vesk", NoVesk()},
    {"bare", Bare()},
    {"monitor", WithMonitor()},
    {"no-pmu", NoPowerManagement()},
};
constexpr uint32_t kNamedProfileCount = sizeof kNamedProfiles / sizeof kNamedProfiles[0];

bool SameName(const char* a, const char* b) {
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

} // namespace

void SimBios::DefaultProfile(MachineProfile& profile) {
    memcpy(&profile, &kDefaultProfile, sizeof profile);
}

void SimBios::DefaultSettings(BiosSettings& settings) {
    memcpy(&settings, &kDefaultSettings, sizeof settings);
}

uint32_t NamedProfileCount() {
    return kNamedProfileCount;
}

const char* NamedProfileName(uint32_t index) {
    return index < kNamedProfileCount ? kNamedProfiles[index].name : nullptr;
}

bool LoadNamedProfile(SimBios& bios, const char* name) {
    if (!name)
        return false;
    for (const NamedProfile& named : kNamedProfiles) {
        if (SameName(named.name, name))
            return bios.LoadProfile(named.profile);
    }
    return false;
}

} // namespace sim
