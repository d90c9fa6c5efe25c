// A test's stand-in for the BIOS service driver. Once placed, the driver channel's
// OpenDriver, CallBios and CloseDriver reach it: through the device calls on the
// Windows build, directly on the native build. The channel answers only between a
// successful OpenDriver and the next CloseDriver.
#pragma once

#include "BiosRegs.h"

#include <cstdint>

struct TestDriver {
    bool (*open)();                                            // true: the device opened
    bool (*control)(const BiosRegs& request, BiosRegs& reply); // false: transport failure
};

// Puts driver in the system driver's place; nullptr puts the system driver back.
void PlaceTestDriver(const TestDriver* driver);

// The caller buffer that esi names, reached as a driver reaches it: nullptr when
// size bytes at address cannot be read (or written).
const void* ReadableCallerBuffer(uint32_t address, uint32_t size);
void* WritableCallerBuffer(uint32_t address, uint32_t size);
