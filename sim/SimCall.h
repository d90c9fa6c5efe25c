// One request on its way through the simulated BIOS: the registers, the machine
// and its settings, and the helpers every function group answers with.
// Internal to the simulator.
#pragma once

#include "SimBios.h"

namespace sim {

// Register parts: AL is bits 0-7, AH bits 8-15, AX bits 0-15 (likewise B, C, D).
inline uint8_t Low8(uint32_t reg) {
    return static_cast<uint8_t>(reg & 0xFF);
}
inline uint8_t High8(uint32_t reg) {
    return static_cast<uint8_t>((reg >> 8) & 0xFF);
}
inline uint16_t Low16(uint32_t reg) {
    return static_cast<uint16_t>(reg & 0xFFFF);
}
inline void SetLow8(uint32_t& reg, uint8_t value) {
    reg = (reg & ~0xFFu) | value;
}
inline void SetHigh8(uint32_t& reg, uint8_t value) {
    reg = (reg & ~0xFF00u) | (static_cast<uint32_t>(value) << 8);
}
inline void SetLow16(uint32_t& reg, uint16_t value) {
    reg = (reg & ~0xFFFFu) | value;
}

struct Call {
    const Regs& request;
    Regs& reply; // starts as a copy of the request: the BIOS leaves other registers alone
    const MachineProfile& profile;
    BiosSettings& settings;
    const CallerMemory& memory;
    LogEntry& log;

    uint8_t Function() const { return Low8(request.ebx); }     // BL
    uint8_t SubFunction() const { return High8(request.ebx); } // BH
};

// status 0, AH 0.
void Accept(Call& call);
// status 0, AH = code: the call completed and the answer is "no".
void AnswerNo(Call& call, uint8_t code);
// status 0xFFFFFFFF, AH = code (never 0).
void Fail(Call& call, uint8_t code);

// Copy between the caller's buffer at esi and the BIOS, noting the bytes in the
// log. False (and the call failed with kAnswerBadBuffer) when it cannot be reached.
bool ReadCallerBuffer(Call& call, void* to, uint32_t size);
bool WriteCallerBuffer(Call& call, const void* from, uint32_t size);

// Groups 0x9610 and 0x9611: BH 0 or 1 sets the value, BH 2 reads it into AL.
void AnswerOnOff(Call& call, uint8_t& value);

// True for interface versions 0.xx and 1.xx whose minor number is below `minor`
// (the high byte of the version is the major number, the low byte the minor).
bool InterfaceOlderThan(uint16_t version, uint8_t minor);

// Brightness and contrast brought into the profile's ranges.
void FitLevels(const MachineProfile& profile, BiosSettings& settings);

void AnswerSetupGroup(Call& call);   // AX 0x9610
void AnswerPasswords(Call& call);    // AX 0x9610, BL 0x07 and 0x08
void AnswerPowerGroup(Call& call);   // AX 0x9611
void AnswerDisplayGroup(Call& call); // AX 0x9612
void AnswerVideoMemory(Call& call);  // AX 0x9602

} // namespace sim
