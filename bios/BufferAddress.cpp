#include "BufferAddress.h"

// esi holds a flat 32-bit address: a 64-bit build would hand the driver a truncated
// pointer and let it write into the wrong memory.
static_assert(sizeof(void*) == 4, "Tarvell talks to the BIOS driver with 32-bit addresses: "
                                  "build for i686");

uint32_t BufferAddress(const void* buffer) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(buffer));
}
