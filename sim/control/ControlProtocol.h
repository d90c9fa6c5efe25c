// The simulated notebook's private control request: tests and the run command use it
// to set up the machine and to watch what the program asked. The program never sends it.
// Shared by the driver and its user-mode client; plain fixed-size types only.
#pragma once

#include "SimBios.h"

namespace sim {

// FILE_DEVICE_UNKNOWN, function 0x801, METHOD_BUFFERED, FILE_ANY_ACCESS: one above the
// BIOS request (0x222000), still in the customer range.
constexpr uint32_t kControlIoctl = 0x222004u;

// Every control request starts with this header; the command's input follows it.
struct ControlHeader {
    uint32_t command; // a ControlCommand
    uint32_t argument;
};

enum ControlCommand : uint32_t {
    kControlReset = 1,            // default profile and settings, empty log, no faults
    kControlLoadProfile = 2,      // in: MachineProfile
    kControlLoadNamedProfile = 3, // in: ProfileName
    kControlGetProfile = 4,       // out: MachineProfile
    kControlGetSettings = 5,      // out: BiosSettings
    kControlSetSettings = 6,      // in: BiosSettings
    kControlDefaultSettings = 7,  // factory settings, passwords included
    kControlReadLog = 8,          // argument: first index; out: LogPage then its entries
    kControlClearLog = 9,
    kControlArmFault = 10, // in: Fault
    kControlClearFaults = 11,
};

constexpr uint32_t kProfileNameSize = 32;

// A profile name, NUL-terminated within the array.
struct ProfileName {
    char text[kProfileNameSize];
};

// Answer to kControlReadLog: as many entries as fit in the output buffer follow.
struct LogPage {
    uint32_t total; // entries in the log now
    uint32_t first; // index of the first entry that follows
    uint32_t count; // entries that follow
};

} // namespace sim
