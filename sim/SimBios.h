// A simulated notebook BIOS: answers the 44-byte register block the way the BIOS
// behind the service driver would. Freestanding (no heap, exceptions, RTTI or
// library calls beyond memcpy/memset/memcmp): the same code runs in a test
// program and inside the kernel-mode stand-in driver.
#pragma once

#include <stddef.h>
#include <stdint.h>

namespace sim {

// The 44-byte block as the simulator sees it (same layout as the program's BiosRegs).
struct Regs {
    uint32_t status, eax, ebx, ecx, edx, esi, edi;
    uint32_t reserved[3];
    uint8_t control[2];
    uint8_t pad[2];
};
static_assert(sizeof(Regs) == 44, "register block is 44 bytes");

constexpr uint32_t kStatusOk = 0;
constexpr uint32_t kStatusFailed = 0xFFFFFFFFu;

// Answer codes the simulated BIOS leaves in AH. Every failed call (status
// kStatusFailed) also carries a nonzero code, so operations that judge AH alone
// never take a refused request for an accepted one.
constexpr uint8_t kAnswerAccepted = 0x00;
constexpr uint8_t kAnswerRejected = 0x01;    // bad value, wrong or missing password, no monitor
constexpr uint8_t kAnswerBadBuffer = 0x02;   // the buffer named by esi could not be reached
constexpr uint8_t kAnswerUnsupported = 0x86; // unknown group, function or sub-function

constexpr uint32_t kBootListSize = 16;
constexpr uint32_t kMaxPasswordLength = 7;

// Reaches the caller's buffer named by esi. Each returns false when the address
// cannot be read or written (the call then fails with status 0xFFFFFFFF).
// A null function counts as an address that cannot be reached.
struct CallerMemory {
    void* context;
    bool (*read)(void* context, uint32_t address, void* to, uint32_t size);
    bool (*write)(void* context, uint32_t address, const void* from, uint32_t size);
};

// What the machine is: fixed facts, changed only by loading another profile.
struct MachineProfile {
    uint16_t interfaceVersion; // VESKCheck BX, 0x0108 = 1.08
    uint8_t veskSupported;     // 0: groups 0x9610, 0x9611 and 0x9612 answer status 0xFFFFFFFF
    uint8_t cpuVendor, cpuModel, cpuClockCode, cpuRatioCode;
    uint16_t cpuMhz;
    uint16_t systemRamMb; // GetSystemRam CX (asked only on interface 1.08 and later)
    uint8_t videoRam64Kb; // GetVideoRam AL (units of 64 KB)
    uint8_t ideType[2];   // drives 0x80 and 0x82: 0 none, 1 hard disk, 2 CD-ROM, 3..6
    uint8_t ideFlag[2];   // GetIdeType AH; nonzero with a hard disk: geometry known
    uint16_t ideCylinders[2];
    uint8_t ideHeads[2], ideSectors[2];
    uint8_t serialFlags[2], serialIrq[2], serialMode[2]; // flags: bit 0 absent, bit 1 disabled
    uint16_t serialIoBase[2];
    uint8_t parallelFlags, parallelIrq, parallelMode, parallelDma;
    uint16_t parallelIoBase;
    uint8_t internalCacheFlags, internalCacheSizeCode; // flags: bit 1 set = cache off
    uint8_t externalCacheFlags, externalCacheSizeCode;
    uint8_t touchPad, pointingDevice;
    uint8_t panelType; // 0: the panel's contrast cannot be set
    uint8_t contrastMin, contrastMax, brightnessMin, brightnessMax;
    uint8_t monitorConnected;
    uint8_t hasPowerManagement; // 0: the 0x9611 group answers status 0xFFFFFFFF
    uint8_t reservedProfile[8];
};

// What a BIOS keeps in its setup memory; LoadSetupDefault restores the defaults.
struct BiosSettings {
    uint8_t memoryTest, silentBoot, cdromBoot;
    uint8_t bootSequence[16];
    uint8_t powerOnPasswordLength, setupPasswordLength; // 0 = not set
    uint8_t powerOnPassword[8], setupPassword[8];       // scan codes
    uint8_t bootDisplay, displayDevice;
    uint8_t brightness, contrast;
    uint8_t pmu, hotkeyBeep, modemRingWakeup, battLowBeep, sleepWhenBattLow, dspAlwaysOn;
    uint8_t resumeTimerOn, resumeSecond, resumeMinute, resumeHour; // BCD
    uint16_t resumeMonthDay, resumeYear;                           // BCD
    uint8_t hotkeyButton;
    uint8_t reservedSettings[7];
    uint32_t checksumCalls; // CMOSChecksum requests answered
};

// One request and its answer, as the log keeps it.
struct LogEntry {
    uint32_t sequence; // 1 for the first request after the log was cleared
    Regs request;
    Regs reply;              // all zero when the transport failed
    uint8_t transportFailed; // 1: the request was refused before the BIOS saw it
    uint8_t buffer[16];      // the caller buffer named by esi, as read or written
    uint8_t bufferSize;      // 0: no buffer was reached
    uint8_t bufferWritten;   // 1: the BIOS wrote buffer to the caller; 0: it read it
    uint8_t pad[1];
};

enum FaultKind : uint32_t {
    kFaultNone = 0,
    kFaultTransport = 1,       // the request never completes (driver answers with an error)
    kFaultStatus = 2,          // the BIOS refuses: nothing changes, status 0xFFFFFFFF
    kFaultAnswerCode = 3,      // the BIOS refuses: nothing changes, status 0, AH = answerCode
    kFaultRegisters = 4,       // registers replaced after the BIOS answered (see mask)
    kFaultRandomRegisters = 5, // after the BIOS answered: status 0, AH 0, every other
                               // register byte pseudo-random from seed and the request's
                               // sequence number (the same run gives the same bytes)
};

// A fault armed on matching requests: AX (group) and BL (function number).
// ax 0 matches every group; matchAnyFunction 1 ignores bl.
struct Fault {
    uint32_t kind;
    uint16_t ax;
    uint8_t bl;
    uint8_t answerCode;
    uint32_t skip;        // matching requests to let through first
    uint32_t count;       // how many matching requests to fault; 0 = all following
    Regs replace;         // kFaultRegisters: fields to put in the reply
    uint32_t replaceMask; // bit i set: 32-bit word i of replace overrides the reply
    uint8_t matchAnyFunction;
    uint8_t pad[3];
    uint32_t seed; // kFaultRandomRegisters
};

constexpr uint32_t kMaxFaults = 8;
constexpr uint32_t kLogCapacity = 256;

class SimBios {
public:
    // Default profile, default settings, empty log, no faults. Call before first
    // use: the class has no constructor so a driver can keep it in static storage.
    void Reset();

    // Answers one request. Returns false for a transport failure (the caller then
    // reports the request as not completed); otherwise reply holds the answer.
    // request and reply may be the same block.
    bool Handle(const Regs& request, Regs& reply, const CallerMemory& memory);

    // False (and the current profile kept) when a level range runs backwards.
    // The current brightness and contrast are brought into the new ranges.
    bool LoadProfile(const MachineProfile& profile);
    const MachineProfile& Profile() const { return profile_; }
    BiosSettings& Settings() { return settings_; }
    const BiosSettings& Settings() const { return settings_; }
    static void DefaultSettings(BiosSettings& settings);
    static void DefaultProfile(MachineProfile& profile);

    bool ArmFault(const Fault& fault); // false when all slots are taken or the kind is unknown
    void ClearFaults();

    // Log: the newest kLogCapacity entries, oldest first. An index past the end
    // gives an all-zero entry.
    uint32_t LogCount() const;
    const LogEntry& LogAt(uint32_t index) const;
    void ClearLog();

private:
    const Fault* MatchFault(const Regs& request);
    LogEntry& StartLogEntry(const Regs& request);

    MachineProfile profile_;
    BiosSettings settings_;
    Fault faults_[kMaxFaults];
    uint32_t faultSeen_[kMaxFaults];
    LogEntry log_[kLogCapacity];
    uint32_t logNext_;
    uint32_t logTotal_;
};

} // namespace sim
