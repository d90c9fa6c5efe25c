// The simulated BIOS's request handling: optionally a machine profile and a fault,
// then requests, each a 16-byte caller buffer followed by the 44-byte block.
#include "FuzzBytes.h"
#include "SimBios.h"

namespace {

// The caller buffer lives at esi 0x1000..0x100F; any other address is unreachable.
constexpr uint32_t kBufferAddress = 0x1000;
constexpr uint32_t kBufferSize = 16;

bool Reaches(uint32_t address, uint32_t size) {
    return address >= kBufferAddress && size <= kBufferSize &&
           address - kBufferAddress <= kBufferSize - size;
}

bool Read(void* context, uint32_t address, void* to, uint32_t size) {
    if (!Reaches(address, size))
        return false;
    std::memcpy(to, static_cast<uint8_t*>(context) + (address - kBufferAddress), size);
    return true;
}

bool Write(void* context, uint32_t address, const void* from, uint32_t size) {
    if (!Reaches(address, size))
        return false;
    std::memcpy(static_cast<uint8_t*>(context) + (address - kBufferAddress), from, size);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static sim::SimBios bios; // too large for the stack, as in the driver
    bios.Reset();
    FuzzBytes bytes(data, size);
    const uint8_t setup = bytes.Byte();
    if (setup & 1) {
        sim::MachineProfile profile;
        bytes.Fill(&profile, sizeof profile);
        bios.LoadProfile(profile);
    }
    if (setup & 2) {
        sim::Fault fault;
        bytes.Fill(&fault, sizeof fault);
        bios.ArmFault(fault);
    }
    uint8_t buffer[kBufferSize];
    const sim::CallerMemory memory = {buffer, Read, Write};
    while (!bytes.Empty()) {
        bytes.Fill(buffer, sizeof buffer);
        sim::Regs request;
        bytes.Fill(&request, sizeof request);
        if (setup & 4) {
            bios.Handle(request, request, memory); // request and reply may be one block
        } else {
            sim::Regs reply;
            bios.Handle(request, reply, memory);
        }
    }
    const uint32_t count = bios.LogCount();
    volatile uint8_t seen = bios.LogAt(count ? count - 1 : 0).bufferSize;
    seen = bios.LogAt(count).bufferSize;
    (void)seen;
    return 0;
}
