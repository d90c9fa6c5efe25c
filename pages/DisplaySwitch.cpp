#include "DisplaySwitch.h"

#include "BiosCatalogue.h"
#include "BootDisplayState.h"

bool NeedsMonitor(uint8_t device) {
    return device == kDisplayExternal || device == kDisplayBoth;
}

bool MonitorMissingFor(uint8_t device) {
    return NeedsMonitor(device) && !CheckMonitorConnected();
}
