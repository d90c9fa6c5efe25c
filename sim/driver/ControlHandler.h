// Answers the private control request against the simulated BIOS. Free of kernel
// headers: the driver supplies the buffers and turns the result into a completion.
#pragma once

#include "ControlProtocol.h"

namespace sim {

enum class ControlStatus {
    kOk,
    kBadRequest,     // unknown command, or input of the wrong size
    kBufferTooSmall, // the answer does not fit in the output buffer
    kRefused,        // the simulator refused it (no fault slot, unknown profile, bad ranges)
};

struct ControlResult {
    ControlStatus status;
    uint32_t replySize;  // bytes written to the output buffer
    bool machineChanged; // the profile or the settings changed: save them
};

// input and output may be the same buffer (buffered I/O): the input is read in full
// before anything is written.
ControlResult HandleControl(SimBios& bios, const void* input, uint32_t inputSize, void* output,
                            uint32_t outputSize);

} // namespace sim
