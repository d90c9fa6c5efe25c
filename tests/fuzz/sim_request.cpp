// The simulated BIOS's request handling: optionally a machine profile and a fault,
// then requests, each a 16-byte caller buffer followed by the 44-byte block. The log
// must count every request and keep no buffer larger than the one reached.
#include "FuzzBios.h"
#include "SimBios.h"

// The caller buffer lives at esi 0x1000..0x100F; any other address is unreachable.
static uint8_t* Reach(void* buffer, uint32_t address, uint32_t size) {
    const uint32_t offset = address - 0x1000;
    const bool inside = address >= 0x1000 && size <= 16 && offset <= 16 - size;
    return inside ? static_cast<uint8_t*>(buffer) + offset : nullptr;
}

static bool Read(void* buffer, uint32_t address, void* to, uint32_t size) {
    const uint8_t* from = Reach(buffer, address, size);
    return from && std::memcpy(to, from, size);
}

static bool Write(void* buffer, uint32_t address, const void* from, uint32_t size) {
    uint8_t* to = Reach(buffer, address, size);
    return to && std::memcpy(to, from, size);
}

void Fuzz(FuzzBytes& bytes) {
    static sim::SimBios bios; // too large for the stack, as in the driver
    bios.Reset();
    const uint8_t setup = bytes.Byte();
    if (setup & 1)
        bios.LoadProfile(bytes.Take<sim::MachineProfile>());
    if (setup & 2)
        bios.ArmFault(bytes.Take<sim::Fault>());
    uint8_t buffer[16];
    const sim::CallerMemory memory = {buffer, Read, Write};
    uint32_t handled = 0;
    for (; bytes.Left(); ++handled) {
        bytes.Fill(buffer, sizeof buffer);
        sim::Regs request = bytes.Take<sim::Regs>(), reply;
        bios.Handle(request, setup & 4 ? request : reply, memory); // one block, or two
    }
    const uint32_t count = bios.LogCount();
    const sim::LogEntry& last = bios.LogAt(count ? count - 1 : 0);
    Expect(count == (handled < sim::kLogCapacity ? handled : sim::kLogCapacity) &&
               last.sequence == handled,
           "the log lost count of the requests");
    Expect(last.bufferSize <= sizeof buffer, "the log keeps a buffer larger than the one reached");
    Expect(bios.LogAt(count).sequence == 0, "an index past the log's end gives an entry");
}
