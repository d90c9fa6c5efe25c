// Named machines a test or the stand-in driver can switch the simulator to:
// "default", "old-interface", "no-vesk", "bare", "monitor" and "no-pmu".
#pragma once

#include "SimBios.h"

namespace sim {

uint32_t NamedProfileCount();
// nullptr past the end.
const char* NamedProfileName(uint32_t index);
// False for an unknown name; the machine is then left as it was.
bool LoadNamedProfile(SimBios& bios, const char* name);

} // namespace sim
