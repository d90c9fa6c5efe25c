// One probe per catalogue operation: calls the real function by its name, with every
// output pointing into one Outputs block, so a test can run all 54 operations alike.
#pragma once

#include "BiosCatalogue.h"

#include <cstddef>
#include <cstdint>

// Every variable an operation can write into; no padding, so bytes compare exactly.
struct Outputs {
    uint8_t code;
    uint8_t bytes[5];
    uint16_t words[2];
    uint32_t size;
    BootSequence list;
    uint8_t password[8];
};
static_assert(sizeof(Outputs) == 40, "Outputs has no padding");

struct Probe {
    const char* name;
    // Calls the operation; `arg` goes to the argument that the operation sends in BH
    // (ignored by operations whose BH is fixed). Returns what the operation returned.
    int (*call)(Outputs& out, uint8_t arg);
};

extern const Probe kProbes[];
extern const std::size_t kProbeCount;

// The probe named `name`, or nullptr.
const Probe* FindProbe(const char* name);
