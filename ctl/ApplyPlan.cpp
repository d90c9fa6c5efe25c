#include "ApplyPlan.h"

#include "BiosCatalogue.h"
#include "MachineFacts.h"

namespace {
constexpr uint8_t kHotkeyButtonOff = 0;
constexpr uint8_t kHotkeyButtonOn = 1;
constexpr uint8_t kChecksumAfterWrite = 1;
} // namespace

std::vector<Change> PlanChanges(const std::vector<FileSetting>& settings, MachineFacts& facts) {
    std::vector<Change> changes;
    for (const FileSetting& setting : settings) {
        SettingValue current = ZeroValue();
        if (facts.Current(*setting.row, current) && SameValue(current, setting.value))
            continue;
        changes.push_back(Change{setting.row, current, setting.value});
    }
    return changes;
}

ApplyResult ApplyChanges(const std::vector<Change>& changes) {
    ApplyResult result{0, false, false, false};
    if (changes.empty())
        return result;
    SetHotkeyButton(kHotkeyButtonOff);
    for (const Change& change : changes) {
        if (change.row->write(change.to) != 1) {
            result.refused = true;
            break;
        }
        ++result.written;
        result.restartNeeded = result.restartNeeded || change.row->restart;
    }
    if (result.written > 0) {
        uint8_t code = 0;
        result.checksumFailed = CMOSChecksum(&code, kChecksumAfterWrite) != 1;
    }
    SetHotkeyButton(kHotkeyButtonOn);
    return result;
}
