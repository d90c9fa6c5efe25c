// Judges one run of the program against the rules every run must keep, whatever the
// BIOS answered: no crash, no hang, the hot-key button on at the end, no BIOS setting
// but the user's choice or its value before, a boot list with a drive entry, and only
// the messages the program is meant to show.
#pragma once

#include "SimBios.h"

#include <windows.h>

#include <string>
#include <vector>

namespace sweep {

struct RunResult {
    bool reachedSheet = false;
    bool drove = false; // every step of the scenario could be done
    bool hung = false;  // still running at the deadline
    DWORD exitCode = 0;
    std::vector<std::string> messages;
    sim::BiosSettings before{}, after{};
};

// The one request a run failed, if any.
struct FaultedRequest {
    bool any = false;
    uint32_t kind = 0;
    uint32_t eax = 0, ebx = 0;
};

// Each bad outcome as a line of text; empty for a good run. chosen holds the settings a
// run without faults ended with: what the user chose.
std::vector<std::string> Judge(const RunResult& run, const sim::BiosSettings& chosen,
                               const FaultedRequest& fault);

} // namespace sweep
