// The one operating-system fact the catalogue needs: total physical memory, for
// GetSystemRam on old BIOS interfaces. Kept behind this function so the catalogue
// stays free of <windows.h> and a test can substitute the byte count.
#pragma once

#include <cstdint>

// Total physical memory in bytes as GlobalMemoryStatus reports it (or the override).
uint64_t TotalPhysicalMemoryBytes();

// Tests only: report *bytes instead of asking the system; nullptr asks the system again.
void SetTotalPhysicalMemoryOverride(const uint64_t* bytes);
