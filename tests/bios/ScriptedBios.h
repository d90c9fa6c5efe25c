// A scripted stand-in for the BIOS service driver, for catalogue tests: it answers each
// request with the next hand-written reply and keeps every request it was sent. It sits
// in the driver's place for as long as it lives.
#pragma once

#include "BiosRegs.h"

#include <cstddef>
#include <vector>

class ScriptedBios {
public:
    ScriptedBios();  // takes the driver's place and opens the driver
    ~ScriptedBios(); // closes the driver and puts the system device back
    ScriptedBios(const ScriptedBios&) = delete;
    ScriptedBios& operator=(const ScriptedBios&) = delete;

    // Queues a reply. Requests take the queued replies in order; once they are used up,
    // the last one answers every further request. Nothing queued: an all-zero reply.
    void Answer(const BiosRegs& reply) { replies_.push_back(reply); }
    // DeviceIoControl fails (the request is still recorded).
    void FailTransport() { failTransport_ = true; }

    const std::vector<BiosRegs>& Requests() const { return requests_; }

    // The device's DeviceIoControl (public only for the C callback).
    bool Control(const BiosRegs& request, BiosRegs& reply);

private:
    std::vector<BiosRegs> replies_;
    std::vector<BiosRegs> requests_;
    std::size_t answered_ = 0;
    bool failTransport_ = false;
};

// A register block in field order; the reserved words, control and pad bytes are 0.
BiosRegs Block(uint32_t status, uint32_t eax, uint32_t ebx = 0, uint32_t ecx = 0, uint32_t edx = 0,
               uint32_t esi = 0, uint32_t edi = 0);

// All 44 bytes compared.
bool operator==(const BiosRegs& a, const BiosRegs& b);
