#include "SettingsTable.h"

#include "AlarmSetting.h"
#include "BootDisplayState.h"
#include "BootList.h"
#include "DisplaySwitch.h"
#include "MachineFacts.h"
#include "PostOptionBytes.h"
#include "PowerSettings.h"
#include "TextMatch.h"

#include <cstdio>
#include <cstring>

namespace {

// A word a setting's value may be, with the byte it stands for.
struct NamedCode {
    const char* name;
    uint8_t code;
};

bool FindCode(const NamedCode* names, size_t count, const char* text, uint8_t& code) {
    for (size_t i = 0; i < count; ++i) {
        if (EqualsIgnoreCase(names[i].name, text)) {
            code = names[i].code;
            return true;
        }
    }
    return false;
}

// The name of code, or the code as a number when it has none (a reply outside the
// codes the pages know).
void FormatCode(const NamedCode* names, size_t count, uint8_t code, char* text, size_t size) {
    for (size_t i = 0; i < count; ++i) {
        if (names[i].code == code) {
            std::snprintf(text, size, "%s", names[i].name);
            return;
        }
    }
    std::snprintf(text, size, "%u", static_cast<unsigned>(code));
}

// ---- on/off options ----

const NamedCode kSwitchNames[] = {{"On", 1}, {"Off", 0}};

template <int (*Get)(uint8_t*)> bool ReadSwitch(MachineFacts&, SettingValue& value) {
    return ReadOptionByte(Get, value.bytes[0]);
}

bool ParseSwitch(const char* text, MachineFacts&, const SettingValue&, SettingValue& value,
                 char* reason, size_t reasonSize) {
    if (FindCode(kSwitchNames, 2, text, value.bytes[0]))
        return true;
    std::snprintf(reason, reasonSize, "'%s' is not On or Off", text);
    return false;
}

void FormatSwitch(const SettingValue& value, char* text, size_t size) {
    FormatCode(kSwitchNames, 2, value.bytes[0], text, size);
}

template <int (*Enable)(int)> int WriteSwitch(const SettingValue& value) {
    return Enable(value.bytes[0]);
}

template <int (*Get)(uint8_t*), int (*Enable)(int)>
constexpr SettingRow SwitchRow(const char* section, const char* key, bool restart) {
    return {section,         key,         "On | Off",   restart,
            ReadSwitch<Get>, ParseSwitch, FormatSwitch, WriteSwitch<Enable>};
}

// ---- the boot list ----

const NamedCode kBootDevices[] = {{"CD-ROM", kBootCdrom}, {"A", kBootDriveA}, {"C", kBootDriveC}};
constexpr size_t kBootDeviceCount = sizeof kBootDevices / sizeof kBootDevices[0];

BootSequence ListOf(const SettingValue& value) {
    BootSequence list;
    std::memcpy(list.devices, value.bytes, sizeof list.devices);
    return list;
}

bool ReadBootList(MachineFacts&, SettingValue& value) {
    BootSequence list = EmptyBootList();
    if (!GetBootSeq(&list))
        return false;
    std::memcpy(value.bytes, list.devices, sizeof list.devices);
    return true;
}

// "CD-ROM, A, C": the devices in boot order. Only the lists the Boot Sequence page can
// write are taken: an optional leading CD-ROM, then A, C, "A, C" or "C, A".
bool ParseBootList(const char* text, MachineFacts&, const SettingValue&, SettingValue& value,
                   char* reason, size_t reasonSize) {
    BootSequence list = EmptyBootList();
    size_t count = 0;
    for (const char* item = text; *item;) {
        const char* comma = std::strchr(item, ',');
        const size_t length = comma ? static_cast<size_t>(comma - item) : std::strlen(item);
        char word[kSettingTextSize];
        CopyTrimmed(item, length, word, sizeof word);
        uint8_t device = 0;
        if (!FindCode(kBootDevices, kBootDeviceCount, word, device)) {
            std::snprintf(reason, reasonSize, "'%s' is not a boot device (A, C or CD-ROM)", word);
            return false;
        }
        if (count == sizeof list.devices) {
            std::snprintf(reason, reasonSize, "a boot list holds at most 16 devices");
            return false;
        }
        list.devices[count++] = device;
        item = comma ? comma + 1 : item + length;
    }
    const BootChoices choices = BootChoicesFromList(list);
    if (!HasDriveEntry(list)) {
        std::snprintf(reason, reasonSize, "the boot list names neither drive A nor drive C");
        return false;
    }
    if (choices.order == kNoBootOrder) {
        std::snprintf(reason, reasonSize,
                      "the Boot Sequence page cannot write this list; use an optional CD-ROM "
                      "followed by A, C, \"A, C\" or \"C, A\"");
        return false;
    }
    const BootSequence written = BootListFromChoices(choices.cdromFirst, choices.order);
    std::memcpy(value.bytes, written.devices, sizeof written.devices);
    return true;
}

void FormatBootList(const SettingValue& value, char* text, size_t size) {
    if (size == 0)
        return;
    text[0] = '\0';
    size_t used = 0;
    for (uint8_t device : value.bytes) {
        if (device == kBootEnd)
            break;
        char name[kSettingTextSize];
        FormatCode(kBootDevices, kBootDeviceCount, device, name, sizeof name);
        const int added = std::snprintf(text + used, size - used, "%s%s", used ? ", " : "", name);
        if (added < 0 || static_cast<size_t>(added) >= size - used)
            break;
        used += static_cast<size_t>(added);
    }
}

int WriteBootList(const SettingValue& value) {
    BootSequence list = ListOf(value);
    return SetBootSeq(&list);
}

// ---- display ----

const NamedCode kBootDisplays[] = {{"Auto", kBootDisplayAuto}, {"Both", kBootDisplayBoth}};
const NamedCode kDisplayDevices[] = {
    {"LCD", kDisplayLcd}, {"External", kDisplayExternal}, {"Both", kDisplayBoth}};

bool ReadBootDisplay(MachineFacts&, SettingValue& value) {
    return GetBootDisplay(&value.bytes[0]) != 0;
}

bool ParseBootDisplay(const char* text, MachineFacts&, const SettingValue&, SettingValue& value,
                      char* reason, size_t reasonSize) {
    if (FindCode(kBootDisplays, 2, text, value.bytes[0]))
        return true;
    std::snprintf(reason, reasonSize, "'%s' is not Auto or Both", text);
    return false;
}

void FormatBootDisplay(const SettingValue& value, char* text, size_t size) {
    FormatCode(kBootDisplays, 2, value.bytes[0], text, size);
}

int WriteBootDisplay(const SettingValue& value) {
    return SetBootDisplay(value.bytes[0]);
}

bool ReadDisplayDevice(MachineFacts&, SettingValue& value) {
    return GetDisplayDevice(&value.bytes[0]) != 0;
}

// A switch to a device that needs an external monitor is refused without one, as on
// the page; staying on such a device is no switch and needs no check.
bool ParseDisplayDevice(const char* text, MachineFacts&, const SettingValue& current,
                        SettingValue& value, char* reason, size_t reasonSize) {
    if (!FindCode(kDisplayDevices, 3, text, value.bytes[0])) {
        std::snprintf(reason, reasonSize, "'%s' is not LCD, External or Both", text);
        return false;
    }
    if (value.bytes[0] != current.bytes[0] && MonitorMissingFor(value.bytes[0])) {
        std::snprintf(reason, reasonSize, "no external monitor is connected");
        return false;
    }
    return true;
}

void FormatDisplayDevice(const SettingValue& value, char* text, size_t size) {
    FormatCode(kDisplayDevices, 3, value.bytes[0], text, size);
}

int WriteDisplayDevice(const SettingValue& value) {
    return SetDisplayDevice(value.bytes[0]);
}

// The levels exist only where the page shows their sliders: with a range from the
// BIOS, and for the contrast only on a panel whose contrast can be set.
const LevelRange* BrightnessRange(MachineFacts& facts) {
    const DisplayRanges* ranges = facts.Ranges();
    return ranges ? &ranges->brightness : nullptr;
}

const LevelRange* ContrastRange(MachineFacts& facts) {
    const DisplayRanges* ranges = facts.Ranges();
    return ranges && facts.PanelHasContrast() ? &ranges->contrast : nullptr;
}

template <const LevelRange* (*Range)(MachineFacts&), int (*Get)(uint8_t*)>
bool ReadLevelRow(MachineFacts& facts, SettingValue& value) {
    const LevelRange* range = Range(facts);
    return range && ReadLevel(Get, range, value.bytes[0]);
}

template <const LevelRange* (*Range)(MachineFacts&)>
bool ParseLevelRow(const char* text, MachineFacts& facts, const SettingValue&, SettingValue& value,
                   char* reason, size_t reasonSize) {
    const LevelRange* range = Range(facts);
    unsigned level = 0;
    if (!ParseSmallNumber(text, level)) {
        std::snprintf(reason, reasonSize, "'%s' is not a level (a whole number)", text);
        return false;
    }
    if (!range || level > 0xFF || !range->Contains(static_cast<uint8_t>(level))) {
        std::snprintf(reason, reasonSize, "%u is outside the BIOS's range %u to %u", level,
                      range ? range->min : 0u, range ? range->max : 0u);
        return false;
    }
    value.bytes[0] = static_cast<uint8_t>(level);
    return true;
}

void FormatLevel(const SettingValue& value, char* text, size_t size) {
    std::snprintf(text, size, "%u", static_cast<unsigned>(value.bytes[0]));
}

template <int (*Set)(uint8_t)> int WriteLevel(const SettingValue& value) {
    return Set(value.bytes[0]);
}

// ---- power ----

template <PowerOption Option> bool ReadPowerRow(MachineFacts&, SettingValue& value) {
    return ReadPowerOption(Option, value.bytes[0]);
}

template <PowerOption Option> int WritePowerRow(const SettingValue& value) {
    return WritePowerOption(Option, value.bytes[0]);
}

// The page's options take effect at once: no restart.
template <PowerOption Option> constexpr SettingRow PowerRow(const char* key) {
    return {"Power",     key,          "On | Off",           false, ReadPowerRow<Option>,
            ParseSwitch, FormatSwitch, WritePowerRow<Option>};
}

// Apply order. The power options and the resume alarm of the Power Management page
// go between [Boot] and [Display], where that page sits in the sheet.
const SettingRow kSettings[] = {
    SwitchRow<GetSilentBoot, EnableSilentBoot>("POST", "SilentBoot", true),
    SwitchRow<GetMemoryTest, EnableMemoryTest>("POST", "MemoryTest", true),
    {"Boot", "Sequence", "[CD-ROM,] A, C | A | C | C, A", true, ReadBootList, ParseBootList,
     FormatBootList, WriteBootList},
    PowerRow<kPmuOption>("PowerManagement"),
    PowerRow<kDisplayOnOption>("DisplayAlwaysOn"),
    PowerRow<kHotkeyBeepOption>("HotkeyBeep"),
    PowerRow<kModemRingOption>("ModemRingResume"),
    PowerRow<kBattLowBeepOption>("BatteryLowBeep"),
    PowerRow<kSleepOnBattLowOption>("SleepOnBatteryLow"),
    {"Power", "ResumeAlarm", "Off | YYYY-MM-DD hh:mm:ss (a time turns the timer on)", false,
     ReadAlarm, ParseAlarm, FormatAlarm, WriteAlarm},
    {"Display", "BootDisplay", "Auto | Both", true, ReadBootDisplay, ParseBootDisplay,
     FormatBootDisplay, WriteBootDisplay},
    {"Display", "SwitchingDevice", "LCD | External | Both (External and Both need a monitor)",
     false, ReadDisplayDevice, ParseDisplayDevice, FormatDisplayDevice, WriteDisplayDevice},
    {"Display", "Brightness", "a level in the BIOS's brightness range", false,
     ReadLevelRow<BrightnessRange, GetDisplayBrightness>, ParseLevelRow<BrightnessRange>,
     FormatLevel, WriteLevel<SetDisplayBrightness>},
    {"Display", "Contrast", "a level in the BIOS's contrast range (panels that have one)", false,
     ReadLevelRow<ContrastRange, GetDisplayContrast>, ParseLevelRow<ContrastRange>, FormatLevel,
     WriteLevel<SetDisplayContrast>},
};
constexpr size_t kSettingCount = sizeof kSettings / sizeof kSettings[0];

} // namespace

size_t SettingCount() {
    return kSettingCount;
}

const SettingRow& SettingAt(size_t index) {
    return kSettings[index < kSettingCount ? index : 0];
}

size_t IndexOfSetting(const SettingRow& row) {
    return static_cast<size_t>(&row - kSettings);
}

const SettingRow* FindSetting(const char* section, const char* key) {
    for (const SettingRow& row : kSettings) {
        if (EqualsIgnoreCase(row.section, section) && EqualsIgnoreCase(row.key, key))
            return &row;
    }
    return nullptr;
}

const SettingRow* FindSetting(const char* dottedName) {
    const char* dot = std::strchr(dottedName, '.');
    if (!dot)
        return nullptr;
    char section[kSettingTextSize];
    CopyTrimmed(dottedName, static_cast<size_t>(dot - dottedName), section, sizeof section);
    return FindSetting(section, dot + 1);
}

bool IsSettingsSection(const char* section) {
    for (const SettingRow& row : kSettings) {
        if (EqualsIgnoreCase(row.section, section))
            return true;
    }
    return false;
}
