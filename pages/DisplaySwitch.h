// Which switching display devices need an external monitor, and the check the
// Display Device page makes before it switches to one. Free of <windows.h>.
#pragma once

#include <cstdint>

// True for the devices that show on an external monitor: external only and both.
bool NeedsMonitor(uint8_t device);

// True when device needs an external monitor and CheckMonitorConnected reports none;
// such a switch must not be sent. Asks the BIOS only for a device that needs one.
bool MonitorMissingFor(uint8_t device);
