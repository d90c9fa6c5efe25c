// Group 0x9610: machine information, POST and boot options, interface check,
// CMOS checksum and setup defaults (passwords are in SimPasswords.cpp).
#include "SimCall.h"

#include <string.h>

namespace sim {

namespace {

constexpr uint8_t kBootEnd = 0xFF;
constexpr uint8_t kBootDeviceCount = 3; // 0 drive A, 1 drive C, 2 CD-ROM

void AnswerInterfaceCheck(Call& call) {
    Accept(call);
    SetLow16(call.reply.ebx, call.profile.interfaceVersion);
}

void AnswerCpu(Call& call) {
    const MachineProfile& p = call.profile;
    Accept(call);
    SetLow8(call.reply.ecx, p.cpuVendor);
    SetHigh8(call.reply.ecx, p.cpuModel);
    SetLow8(call.reply.edx, p.cpuClockCode);
    SetHigh8(call.reply.edx, p.cpuRatioCode);
    SetLow16(call.reply.ebx, p.cpuMhz);
}

void AnswerSerialPort(Call& call) {
    const uint8_t port = call.SubFunction();
    if (port > 1) {
        Fail(call, kAnswerRejected);
        return;
    }
    const MachineProfile& p = call.profile;
    Accept(call);
    SetLow8(call.reply.eax, p.serialFlags[port]);
    SetLow16(call.reply.ecx, p.serialIoBase[port]);
    SetLow8(call.reply.edx, p.serialIrq[port]);
    SetHigh8(call.reply.edx, p.serialMode[port]);
}

// Interfaces before 1.05 give the DMA channel in BH; later ones pack it into
// the top two bits of DH above the six mode bits.
void AnswerParallelPort(Call& call) {
    const MachineProfile& p = call.profile;
    Accept(call);
    SetLow8(call.reply.eax, p.parallelFlags);
    SetLow16(call.reply.ecx, p.parallelIoBase);
    SetLow8(call.reply.edx, p.parallelIrq);
    if (InterfaceOlderThan(p.interfaceVersion, 5)) {
        SetHigh8(call.reply.edx, p.parallelMode);
        SetHigh8(call.reply.ebx, p.parallelDma);
    } else {
        SetHigh8(call.reply.edx,
                 static_cast<uint8_t>((p.parallelMode & 0x3F) | ((p.parallelDma & 0x03) << 6)));
    }
}

void AnswerCache(Call& call, uint8_t flags, uint8_t sizeCode) {
    Accept(call);
    SetLow8(call.reply.eax, flags);
    SetLow8(call.reply.ecx, sizeCode);
}

// The machine has IDE devices at BIOS drive numbers 0x80 and 0x82 only.
bool IdeSlot(const Call& call, uint32_t& slot) {
    const uint8_t drive = Low8(call.request.edx);
    if (drive != 0x80 && drive != 0x82)
        return false;
    slot = drive == 0x80 ? 0 : 1;
    return true;
}

void AnswerIdeType(Call& call) {
    uint32_t slot = 0;
    if (!IdeSlot(call, slot)) {
        Fail(call, kAnswerRejected);
        return;
    }
    Accept(call);
    SetLow8(call.reply.eax, call.profile.ideType[slot]);
    SetHigh8(call.reply.eax, call.profile.ideFlag[slot]);
}

// Geometry exists only for a hard disk whose flag says it is known.
void AnswerIdeInfo(Call& call) {
    const MachineProfile& p = call.profile;
    uint32_t slot = 0;
    if (!IdeSlot(call, slot) || p.ideType[slot] != 1 || p.ideFlag[slot] == 0) {
        Fail(call, kAnswerRejected);
        return;
    }
    Accept(call);
    SetLow16(call.reply.ecx, p.ideCylinders[slot]);
    SetHigh8(call.reply.edx, p.ideHeads[slot]);
    SetLow8(call.reply.esi, p.ideSectors[slot]);
}

// Interfaces before 1.08 have no memory size function.
void AnswerSystemRam(Call& call) {
    if (InterfaceOlderThan(call.profile.interfaceVersion, 8)) {
        Fail(call, kAnswerUnsupported);
        return;
    }
    Accept(call);
    SetLow16(call.reply.ecx, call.profile.systemRamMb);
}

// A list names each known device at most once, at least one of them, and ends
// at the first 0xFF.
bool ValidBootList(const uint8_t (&list)[kBootListSize]) {
    bool listed[kBootDeviceCount] = {};
    uint32_t devices = 0;
    for (uint32_t i = 0; i < kBootListSize && list[i] != kBootEnd; ++i) {
        if (list[i] >= kBootDeviceCount || listed[list[i]])
            return false;
        listed[list[i]] = true;
        ++devices;
    }
    return devices > 0;
}

void AnswerBootSequence(Call& call) {
    uint8_t(&stored)[kBootListSize] = call.settings.bootSequence;
    const uint8_t sub = call.SubFunction();
    if (sub == 0) {
        if (WriteCallerBuffer(call, stored, kBootListSize))
            Accept(call);
        return;
    }
    if (sub != 1) {
        Fail(call, kAnswerUnsupported);
        return;
    }
    uint8_t list[kBootListSize];
    if (!ReadCallerBuffer(call, list, kBootListSize))
        return;
    if (!ValidBootList(list)) {
        Fail(call, kAnswerRejected);
        return;
    }
    // Kept up to its end mark; bytes after it are not part of the list.
    bool ended = false;
    for (uint32_t i = 0; i < kBootListSize; ++i) {
        ended = ended || list[i] == kBootEnd;
        stored[i] = ended ? kBootEnd : list[i];
    }
    Accept(call);
}

uint8_t MiddleOf(uint8_t low, uint8_t high) {
    return static_cast<uint8_t>(low + (high - low + 1) / 2);
}

// Restores the setup options. The passwords, the hot-key button's live state
// and the checksum count are not setup options and stay as they are.
void AnswerLoadDefaults(Call& call) {
    BiosSettings& s = call.settings;
    BiosSettings kept;
    memcpy(&kept, &s, sizeof kept);
    SimBios::DefaultSettings(s);
    s.powerOnPasswordLength = kept.powerOnPasswordLength;
    s.setupPasswordLength = kept.setupPasswordLength;
    memcpy(s.powerOnPassword, kept.powerOnPassword, sizeof s.powerOnPassword);
    memcpy(s.setupPassword, kept.setupPassword, sizeof s.setupPassword);
    s.hotkeyButton = kept.hotkeyButton;
    s.checksumCalls = kept.checksumCalls;
    s.brightness = MiddleOf(call.profile.brightnessMin, call.profile.brightnessMax);
    s.contrast = MiddleOf(call.profile.contrastMin, call.profile.contrastMax);
    Accept(call);
}

// Functions that take no sub-function answer only BH = 0.
bool TakesNoSubFunction(uint8_t function) {
    switch (function) {
    case 0x00: // VESKCheck
    case 0x01: // CPU
    case 0x03: // parallel port
    case 0x04: // external cache
    case 0x05: // internal cache
    case 0x09: // IDE geometry
    case 0x0A: // IDE type
    case 0x14: // load setup defaults
    case 0x22: // system memory
        return true;
    default:
        return false;
    }
}

} // namespace

void AnswerSetupGroup(Call& call) {
    const uint8_t function = call.Function();
    if (TakesNoSubFunction(function) && call.SubFunction() != 0) {
        Fail(call, kAnswerUnsupported);
        return;
    }
    const MachineProfile& p = call.profile;
    BiosSettings& s = call.settings;
    switch (function) {
    case 0x00:
        AnswerInterfaceCheck(call);
        break;
    case 0x01:
        AnswerCpu(call);
        break;
    case 0x02:
        AnswerSerialPort(call);
        break;
    case 0x03:
        AnswerParallelPort(call);
        break;
    case 0x04:
        AnswerCache(call, p.externalCacheFlags, p.externalCacheSizeCode);
        break;
    case 0x05:
        AnswerCache(call, p.internalCacheFlags, p.internalCacheSizeCode);
        break;
    case 0x06:
        AnswerOnOff(call, s.cdromBoot);
        break;
    case 0x07:
    case 0x08:
        AnswerPasswords(call);
        break;
    case 0x09:
        AnswerIdeInfo(call);
        break;
    case 0x0A:
        AnswerIdeType(call);
        break;
    case 0x12: // BH is the checksum mode; every mode is counted
        ++s.checksumCalls;
        Accept(call);
        break;
    case 0x14:
        AnswerLoadDefaults(call);
        break;
    case 0x15:
        AnswerOnOff(call, s.memoryTest);
        break;
    case 0x16:
        AnswerOnOff(call, s.silentBoot);
        break;
    case 0x17:
        AnswerBootSequence(call);
        break;
    case 0x21:
        AnswerOnOff(call, s.hotkeyBeep);
        break;
    case 0x22:
        AnswerSystemRam(call);
        break;
    default:
        Fail(call, kAnswerUnsupported);
        break;
    }
}

} // namespace sim
