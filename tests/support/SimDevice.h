// The BIOS service driver played in-process: the driver channel's requests are
// answered by a simulated BIOS that reaches esi buffers in this process's own memory.
// Lets catalogue and page tests run against a whole simulated notebook.
#pragma once

#include "BiosRegs.h"
#include "SimBios.h"
#include "TestDriver.h"

#include <cstring>

namespace simdevice {

static_assert(sizeof(BiosRegs) == sizeof(sim::Regs), "the simulator answers the driver's block");

inline sim::SimBios g_bios;

inline bool ReadMemory(void*, uint32_t address, void* to, uint32_t size) {
    const void* from = ReadableCallerBuffer(address, size);
    return from && std::memcpy(to, from, size);
}

inline bool WriteMemory(void*, uint32_t address, const void* from, uint32_t size) {
    void* to = WritableCallerBuffer(address, size);
    return to && std::memcpy(to, from, size);
}

inline bool ControlDevice(const BiosRegs& request, BiosRegs& reply) {
    sim::Regs simRequest, simReply;
    std::memcpy(&simRequest, &request, sizeof simRequest);
    if (!g_bios.Handle(simRequest, simReply, {nullptr, ReadMemory, WriteMemory}))
        return false;
    std::memcpy(&reply, &simReply, sizeof reply);
    return true;
}

inline const TestDriver kSimDriver = {[] { return true; }, ControlDevice};

// For its lifetime: the simulator reset (default machine, empty log, no faults) in the
// driver channel's place; the system's device calls afterwards.
class ScopedSimDevice {
public:
    ScopedSimDevice() {
        g_bios.Reset();
        PlaceTestDriver(&kSimDriver);
    }
    ~ScopedSimDevice() { PlaceTestDriver(nullptr); }
    ScopedSimDevice(const ScopedSimDevice&) = delete;
    ScopedSimDevice& operator=(const ScopedSimDevice&) = delete;
    sim::SimBios& bios() { return g_bios; }
};

} // namespace simdevice
