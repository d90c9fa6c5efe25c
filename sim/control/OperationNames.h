// Names the BIOS operation behind a logged request from its AX and BX, for people
// reading the simulated notebook's request log.
#pragma once

#include <cstdint>

// "?" when no operation sends this AX and BX.
const char* OperationName(uint32_t eax, uint32_t ebx);
