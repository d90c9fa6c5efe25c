// The register block exchanged with the BIOS service driver on every call.
#pragma once

#include <cstddef>
#include <cstdint>

// Eleven little-endian 32-bit words; the same layout in the request and in the reply.
struct BiosRegs {
    uint32_t status; // reply: 0xFFFFFFFF when the BIOS call failed
    uint32_t eax;    // AH = 0x96, AL = function group
    uint32_t ebx;    // BL = function number, BH = sub-function or value
    uint32_t ecx;
    uint32_t edx;
    uint32_t esi; // parameter, or the address of a caller buffer
    uint32_t edi;
    uint32_t reserved[3];
    uint8_t control[2]; // both 0 in every request
    uint8_t pad[2];
};

static_assert(sizeof(BiosRegs) == 44, "the driver exchanges exactly 44 bytes");
static_assert(offsetof(BiosRegs, status) == 0 && offsetof(BiosRegs, eax) == 4 &&
                  offsetof(BiosRegs, ebx) == 8 && offsetof(BiosRegs, ecx) == 12 &&
                  offsetof(BiosRegs, edx) == 16 && offsetof(BiosRegs, esi) == 20 &&
                  offsetof(BiosRegs, edi) == 24 && offsetof(BiosRegs, reserved) == 28 &&
                  offsetof(BiosRegs, control) == 40 && offsetof(BiosRegs, pad) == 42,
              "register block layout is fixed by the driver");

constexpr uint32_t kBiosCallFailed = 0xFFFFFFFFu;
constexpr uint32_t kBiosIoctl =
    0x222000u; // FILE_DEVICE_UNKNOWN, 0x800, METHOD_BUFFERED, ANY_ACCESS

// Register part accessors (AL, AH, AX, ...), used to fill and decode blocks.
inline uint8_t LowByte(uint32_t reg) {
    return static_cast<uint8_t>(reg & 0xFF);
}
inline uint8_t HighByte(uint32_t reg) {
    return static_cast<uint8_t>((reg >> 8) & 0xFF);
}
inline uint16_t LowWord(uint32_t reg) {
    return static_cast<uint16_t>(reg & 0xFFFF);
}
inline uint32_t MakeWord(uint8_t high, uint8_t low) {
    return (static_cast<uint32_t>(high) << 8) | low;
}
