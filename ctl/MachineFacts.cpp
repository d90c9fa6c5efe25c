#include "MachineFacts.h"

#include "SettingsTable.h"

const DisplayRanges* MachineFacts::Ranges() {
    if (ranges_ == Fact::Unasked)
        ranges_ = ReadDisplayRanges(rangeValues_) ? Fact::Yes : Fact::No;
    return Known(ranges_) ? &rangeValues_ : nullptr;
}

bool MachineFacts::PanelHasContrast() {
    if (contrast_ == Fact::Unasked)
        contrast_ = ::PanelHasContrast() ? Fact::Yes : Fact::No;
    return Known(contrast_);
}

bool MachineFacts::Current(const SettingRow& row, SettingValue& value) {
    const size_t index = IndexOfSetting(row);
    if (index >= kMaxRows)
        return false;
    if (current_[index] == Fact::Unasked) {
        currentValues_[index] = ZeroValue();
        current_[index] = row.read(*this, currentValues_[index]) ? Fact::Yes : Fact::No;
    }
    value = currentValues_[index];
    return Known(current_[index]);
}
