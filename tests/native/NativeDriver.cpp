// The driver channel of the native (64-bit host) build, where no driver exists: the
// channel answers through the placed test driver, and caller buffers travel in esi
// as small handles from a table, since a 64-bit pointer does not fit in 32 bits.
#include "BufferAddress.h"
#include "DriverChannel.h"
#include "TestDriver.h"

#include <cstddef>

namespace {

const TestDriver* g_driver = nullptr;
bool g_open = false;

// Requests are synchronous, so a handful of recent buffers is all a request can name.
constexpr uint32_t kFirstHandle = 0x00010000u;
constexpr uint32_t kHandleStep = 0x1000u;
constexpr size_t kSlots = 32;
const void* g_buffers[kSlots];
size_t g_nextSlot = 0;

uint32_t HandleOf(size_t slot) {
    return kFirstHandle + static_cast<uint32_t>(slot) * kHandleStep;
}

// The buffer a handle names, or nullptr for any other address.
const void* BufferAt(uint32_t address) {
    for (size_t slot = 0; slot < kSlots; ++slot) {
        if (g_buffers[slot] && HandleOf(slot) == address)
            return g_buffers[slot];
    }
    return nullptr;
}

} // namespace

uint32_t BufferAddress(const void* buffer) {
    if (!buffer)
        return 0;
    for (size_t slot = 0; slot < kSlots; ++slot) {
        if (g_buffers[slot] == buffer)
            return HandleOf(slot);
    }
    const size_t slot = g_nextSlot;
    g_nextSlot = (g_nextSlot + 1) % kSlots;
    g_buffers[slot] = buffer;
    return HandleOf(slot);
}

const void* ReadableCallerBuffer(uint32_t address, uint32_t) {
    return BufferAt(address);
}

void* WritableCallerBuffer(uint32_t address, uint32_t) {
    // The catalogue names its output buffers through the same table as its inputs.
    return const_cast<void*>(BufferAt(address));
}

void PlaceTestDriver(const TestDriver* driver) {
    g_driver = driver;
    g_open = false;
}

bool OpenDriver() {
    g_open = g_driver != nullptr && g_driver->open();
    return g_open;
}

bool CloseDriver() {
    const bool wasOpen = g_open;
    g_open = false;
    return wasOpen;
}

bool CallBios(BiosRegs request, BiosRegs& reply, const char* /*operationName*/) {
    if (!g_open || !g_driver)
        return false;
    BiosRegs answer = {};
    if (!g_driver->control(request, answer))
        return false;
    reply = answer;
    return true;
}
