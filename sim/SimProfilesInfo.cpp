// Constant data only, like the stock machines, so it could live in the driver too.
#include "SimProfilesInfo.h"

#include <string.h>

namespace sim {

namespace {

constexpr uint8_t kAbsent = 0x01;
constexpr uint8_t kDisabled = 0x02;

// Fields every machine here shares with the stock default one; each machine below then
// says only how it differs.
constexpr MachineProfile Base() {
    MachineProfile p{};
    p.interfaceVersion = 0x0108;
    p.veskSupported = 1;
    p.systemRamMb = 64;
    p.videoRam64Kb = 16; // 1 MB
    p.serialIoBase[0] = 0x3F8;
    p.serialIrq[0] = 4;
    p.serialIoBase[1] = 0x2F8;
    p.serialIrq[1] = 3;
    p.parallelIoBase = 0x378;
    p.parallelIrq = 7;
    p.parallelDma = 3;
    p.internalCacheSizeCode = 1;
    p.externalCacheSizeCode = 4;
    p.touchPad = 1;
    p.pointingDevice = 1;
    p.panelType = 1;
    p.contrastMax = 15;
    p.brightnessMax = 7;
    p.hasPowerManagement = 1;
    return p;
}

// K6-2 at 143 MHz (95 MHz bus x 1.5); LS120 and ZIP; an ASK IR port, a disabled second
// port, an EPP parallel port; 64 KB internal cache, no external one; external mouse.
constexpr MachineProfile Amd() {
    MachineProfile p = Base();
    p.cpuVendor = 2;
    p.cpuModel = 6;
    p.cpuClockCode = 10;
    p.cpuRatioCode = 1;
    p.cpuMhz = 143;
    p.systemRamMb = 128;
    p.videoRam64Kb = 17; // 1088 KB
    p.ideType[0] = 3;
    p.ideType[1] = 5;
    p.serialIoBase[0] = 0x3E8;
    p.serialIrq[0] = 10;
    p.serialMode[0] = 2;
    p.serialFlags[1] = kDisabled;
    p.parallelIoBase = 0x278;
    p.parallelIrq = 5;
    p.parallelMode = 2;
    p.internalCacheSizeCode = 3;
    p.externalCacheFlags = kAbsent;
    p.pointingDevice = 2;
    return p;
}

// Old interface (1.04): the memory size comes from the system and the parallel port's
// DMA channel from BH. 6x86MX at 49 MHz (33 MHz x 1.5); a hard disk that does not tell
// its geometry (no row) and an MO drive; first serial port in an unknown mode, second
// absent; external floppy as B; 1 MB internal cache, 4 MB external cache switched off;
// both pointing devices.
constexpr MachineProfile Cyrix() {
    MachineProfile p = Base();
    p.interfaceVersion = 0x0104;
    p.cpuVendor = 1;
    p.cpuModel = 5;
    p.cpuClockCode = 2;
    p.cpuRatioCode = 1;
    p.cpuMhz = 49;
    p.videoRam64Kb = 64; // 4 MB
    p.ideType[0] = 1;
    p.ideFlag[0] = 0;
    p.ideType[1] = 4;
    p.serialMode[0] = 9;
    p.serialFlags[1] = kAbsent;
    p.parallelMode = 5;
    p.parallelDma = 1;
    p.internalCacheSizeCode = 7;
    p.externalCacheFlags = kDisabled;
    p.externalCacheSizeCode = 8;
    p.pointingDevice = 3;
    return p;
}

// A maker whose types are not told apart, clocked by its own MHz answer (233 MHz);
// DVD-ROM and a 504 MB hard disk; standard and IrDA serial ports, a standard parallel
// port; no internal cache, 2 MB external cache; no pointing device.
constexpr MachineProfile OtherMaker() {
    MachineProfile p = Base();
    p.cpuVendor = 3;
    p.cpuModel = 1;
    p.cpuClockCode = 0xFF;
    p.cpuRatioCode = 0xFF;
    p.cpuMhz = 233;
    p.videoRam64Kb = 32; // 2 MB
    p.ideType[0] = 6;
    p.ideType[1] = 1;
    p.ideFlag[1] = 1;
    p.ideCylinders[1] = 1024;
    p.ideHeads[1] = 16;
    p.ideSectors[1] = 63;
    p.serialMode[1] = 1;
    p.parallelIoBase = 0x3BC;
    p.parallelMode = 0;
    p.internalCacheFlags = kAbsent;
    p.externalCacheSizeCode = 7;
    p.pointingDevice = 0;
    return p;
}

// Codes outside every table: maker 7, bus code 11, drive type 7, parallel mode 9,
// a cache size code no machine could have, pointing-device kind 9.
constexpr MachineProfile Unknowns() {
    MachineProfile p = Base();
    p.cpuVendor = 7;
    p.cpuModel = 3;
    p.cpuClockCode = 11;
    p.cpuRatioCode = 0;
    p.cpuMhz = 100;
    p.ideType[0] = 7;
    p.ideFlag[0] = 1;
    p.serialFlags[0] = kAbsent | kDisabled;
    p.serialMode[1] = 2;
    p.parallelMode = 9;
    p.internalCacheSizeCode = 40;
    p.pointingDevice = 9;
    return p;
}

// Celeron at 300 MHz (100 MHz x 3); external floppy as A; IrDA then standard serial
// ports; both caches switched off.
constexpr MachineProfile Floppy() {
    MachineProfile p = Base();
    p.cpuVendor = 0;
    p.cpuModel = 8;
    p.cpuClockCode = 9;
    p.cpuRatioCode = 4;
    p.cpuMhz = 300;
    p.ideType[0] = 1;
    p.ideFlag[0] = 1;
    p.ideCylinders[0] = 4092;
    p.ideHeads[0] = 16;
    p.ideSectors[0] = 63;
    p.serialMode[0] = 1;
    p.parallelMode = 4;
    p.internalCacheFlags = kDisabled;
    p.externalCacheFlags = kDisabled;
    return p;
}

// Old interface with a bi-directional parallel port; 486 at 50 MHz (25 MHz x 2);
// both serial ports disabled; internal mouse only.
constexpr MachineProfile OldBidirectional() {
    MachineProfile p = Base();
    p.interfaceVersion = 0x0105;
    p.cpuVendor = 0;
    p.cpuModel = 1;
    p.cpuClockCode = 1;
    p.cpuRatioCode = 2;
    p.cpuMhz = 50;
    p.ideType[1] = 2;
    p.serialFlags[0] = kDisabled;
    p.serialFlags[1] = kDisabled;
    p.parallelMode = 1;
    return p;
}

// Every port switched off.
constexpr MachineProfile PortsDisabled() {
    MachineProfile p = Base();
    p.cpuVendor = 0;
    p.cpuModel = 6;
    p.cpuClockCode = 6;
    p.cpuRatioCode = 2;
    p.cpuMhz = 133;
    p.serialFlags[0] = kDisabled;
    p.serialFlags[1] = kDisabled;
    p.parallelFlags = kDisabled;
    return p;
}

struct NamedInfoProfile {
    const char* name;
    MachineProfile profile;
};

constexpr NamedInfoProfile kInfoProfiles[] = {
    {"info-amd", Amd()},
    {"info-cyrix", Cyrix()},
    {"info-other-maker", OtherMaker()},
    {"info-unknowns", Unknowns()},
    {"info-floppy", Floppy()},
    {"info-old-bidirectional", OldBidirectional()},
    {"info-ports-disabled", PortsDisabled()},
};
constexpr uint32_t kInfoProfileCount = sizeof kInfoProfiles / sizeof kInfoProfiles[0];

} // namespace

uint32_t InfoProfileCount() {
    return kInfoProfileCount;
}

const char* InfoProfileName(uint32_t index) {
    return index < kInfoProfileCount ? kInfoProfiles[index].name : nullptr;
}

bool FindInfoProfile(const char* name, MachineProfile& profile) {
    if (!name)
        return false;
    for (const NamedInfoProfile& named : kInfoProfiles) {
        if (strcmp(named.name, name) == 0) {
            memcpy(&profile, &named.profile, sizeof profile);
            return true;
        }
    }
    return false;
}

} // namespace sim
