// What zepctl asks the BIOS once per run and then remembers: the level ranges, whether
// the panel's contrast can be set, and the current value of each setting. Each is asked only when
// first needed, so a command sends no request it does not use. Also the computer's clock
// at the start of the run, which a new resume alarm must not be before. Free of <windows.h>.
#pragma once

#include "DisplayLevels.h"
#include "ResumeTime.h"
#include "SettingValue.h"

#include <cstddef>

struct SettingRow;

class MachineFacts {
public:
    explicit MachineFacts(const ResumeTime& now) : now_(now) {}

    const ResumeTime& Now() const { return now_; }
    // Null when the BIOS gives no usable ranges (the sliders would be hidden).
    const DisplayRanges* Ranges();
    bool PanelHasContrast();
    // The setting's value in the BIOS now; false when the BIOS gives none.
    bool Current(const SettingRow& row, SettingValue& value);

private:
    enum class Fact : uint8_t { Unasked, Yes, No };
    static bool Known(Fact fact) { return fact == Fact::Yes; }

    ResumeTime now_;
    Fact ranges_ = Fact::Unasked;
    DisplayRanges rangeValues_ = {};
    Fact contrast_ = Fact::Unasked;
    static constexpr size_t kMaxRows = 32;
    Fact current_[kMaxRows] = {};
    SettingValue currentValues_[kMaxRows] = {};
};
