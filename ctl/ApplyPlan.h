// What an import or a set changes, and writing it the way the settings sheet applies:
// hot-key button off, the changes in Apply order, the CMOS checksum, hot-key button
// on again. Unlike the sheet, every write's answer is checked. Free of <windows.h>.
#pragma once

#include "SettingsFile.h"

#include <cstddef>
#include <vector>

struct Change {
    const SettingRow* row;
    SettingValue from; // the BIOS's value before
    SettingValue to;
};

// The settings whose value differs from the BIOS's, in the order of settings.
std::vector<Change> PlanChanges(const std::vector<FileSetting>& settings, MachineFacts& facts);

struct ApplyResult {
    size_t written;      // changes the BIOS took, from the first on
    bool refused;        // the BIOS refused changes[written]; nothing after it was sent
    bool checksumFailed; // the CMOS checksum request failed
    bool restartNeeded;  // a written change takes effect only at the next start
};

// Nothing is sent for an empty plan. Otherwise SetHotkeyButton(0), each change until
// the BIOS refuses one, CMOSChecksum (mode 1) when anything was written, and always
// SetHotkeyButton(1) at the end.
ApplyResult ApplyChanges(const std::vector<Change>& changes);
