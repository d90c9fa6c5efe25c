// Keeps the simulated machine (its profile and its BIOS settings) in the driver's own
// registry key, so that changes outlast the program, the driver and the Wine session the
// way a BIOS's setup memory outlasts a restart.
#pragma once

#include "KernelHeaders.h"

#include "SimBios.h"

// Opens (creating it if needed) the Parameters subkey of the driver's service key.
NTSTATUS OpenSettingsStore(PUNICODE_STRING serviceKey);
void CloseSettingsStore();

// Puts the saved profile and settings into bios; a value that is missing or of another
// size (an older layout) leaves the default in place.
void LoadMachine(sim::SimBios& bios);
void SaveMachine(const sim::SimBios& bios);
