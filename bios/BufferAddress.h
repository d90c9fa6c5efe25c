// The address a caller buffer travels under in esi. The driver reads and writes the
// buffer in the caller's address space while the request is in flight.
#pragma once

#include <cstdint>

// The esi value that names buffer; 0 for nullptr.
uint32_t BufferAddress(const void* buffer);
