// The BIOS service driver played in-process: the driver channel's requests
// are answered by a simulated BIOS that reaches esi buffers in this process's own
// memory. Lets catalogue and page tests run against a whole simulated notebook.
#pragma once

#include "SimBios.h"

namespace simdevice {

// The simulator behind the device.
sim::SimBios& Bios();

// Resets the simulator (default machine, empty log, no faults) and puts the
// device in the driver channel's place.
void Install();
// Puts the system's device calls back.
void Remove();

// While set, opening \\.\vovudo fails as when the driver is not installed.
void SetOpenFails(bool fails);
// While set, every esi buffer counts as unreachable.
void SetBufferAccessFails(bool fails);

// Install() for the lifetime of a test.
class ScopedSimDevice {
public:
    ScopedSimDevice() { Install(); }
    ~ScopedSimDevice() { Remove(); }
    ScopedSimDevice(const ScopedSimDevice&) = delete;
    ScopedSimDevice& operator=(const ScopedSimDevice&) = delete;
    sim::SimBios& bios() { return Bios(); }
};

} // namespace simdevice
