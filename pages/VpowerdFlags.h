// The system power driver's configuration value that mirrors the BIOS modem-ring
// resume option: bit 4 of the DWORD "Flags" under HKEY_LOCAL_MACHINE
// System\CurrentControlSet\Services\VxD\VPOWERD, set while the option is off.
#pragma once

#include <cstdint>

constexpr char kVpowerdKey[] = "System\\CurrentControlSet\\Services\\VxD\\VPOWERD";
constexpr char kVpowerdFlagsValue[] = "Flags";
constexpr uint32_t kModemRingOffFlag = 0x10;

// Clears bit 4 of "Flags" when on is nonzero, sets it otherwise, and keeps every other
// bit. Returns 1 when the value was written back; 0, leaving the registry untouched,
// when the key cannot be opened or "Flags" is missing or not exactly 4 bytes.
int UpdateVpowerdFlags(int on);
