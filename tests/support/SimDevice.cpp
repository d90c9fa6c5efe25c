#include "SimDevice.h"

#include "BiosRegs.h"
#include "TestDriver.h"

#include <cstring>

namespace simdevice {

namespace {

static_assert(sizeof(BiosRegs) == sizeof(sim::Regs), "the simulator answers the driver's block");

sim::SimBios g_bios;
bool g_openFails = false;
bool g_bufferFails = false;

bool ReadMemory(void*, uint32_t address, void* to, uint32_t size) {
    const void* from = g_bufferFails ? nullptr : ReadableCallerBuffer(address, size);
    if (!from)
        return false;
    std::memcpy(to, from, size);
    return true;
}

bool WriteMemory(void*, uint32_t address, const void* from, uint32_t size) {
    void* to = g_bufferFails ? nullptr : WritableCallerBuffer(address, size);
    if (!to)
        return false;
    std::memcpy(to, from, size);
    return true;
}

const sim::CallerMemory kProcessMemory = {nullptr, ReadMemory, WriteMemory};

bool OpenDevice() {
    return !g_openFails;
}

bool ControlDevice(const BiosRegs& request, BiosRegs& reply) {
    sim::Regs simRequest;
    sim::Regs simReply;
    std::memcpy(&simRequest, &request, sizeof simRequest);
    if (!g_bios.Handle(simRequest, simReply, kProcessMemory))
        return false;
    std::memcpy(&reply, &simReply, sizeof reply);
    return true;
}

const TestDriver kSimDriver = {OpenDevice, ControlDevice};

} // namespace

sim::SimBios& Bios() {
    return g_bios;
}

void Install() {
    g_bios.Reset();
    g_openFails = false;
    g_bufferFails = false;
    PlaceTestDriver(&kSimDriver);
}

void Remove() {
    PlaceTestDriver(nullptr);
}

void SetOpenFails(bool fails) {
    g_openFails = fails;
}
void SetBufferAccessFails(bool fails) {
    g_bufferFails = fails;
}

} // namespace simdevice
