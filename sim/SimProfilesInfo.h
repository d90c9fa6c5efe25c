// More named machines, for the Information Viewer: several processor makers and speed
// codes, both interface layouts, every drive type, the ports in every mode and state,
// caches on, off and absent, and every pointing-device kind. The stock machines
// ("default", "bare", ...) live in SimProfiles.h.
#pragma once

#include "SimBios.h"

namespace sim {

uint32_t InfoProfileCount();
// nullptr past the end.
const char* InfoProfileName(uint32_t index);
// Copies the named machine into profile; false (profile untouched) for an unknown name.
bool FindInfoProfile(const char* name, MachineProfile& profile);

} // namespace sim
