// Every setting zepctl reads and writes, one row each, in the order the settings
// sheet writes them on Apply: POST (silent boot before memory test), Boot Sequence,
// Power Management (six options, then the resume alarm), then Display Device. Each row reads,
// parses, shows and writes its value through the pages' own rules. Free of <windows.h>.
#pragma once

#include "SettingValue.h"

#include <cstddef>

class MachineFacts;

struct SettingRow {
    const char* section; // [POST], [Boot], [Power], [Display]
    const char* key;
    const char* values; // what --help lists
    bool restart;       // a change takes effect only at the next start
    // The BIOS's value now; false when the BIOS gives none.
    bool (*read)(MachineFacts& facts, SettingValue& value);
    // value from text; false with reason filled when this machine cannot take it.
    // current is the BIOS's value now (a check may depend on whether it changes).
    bool (*parse)(const char* text, MachineFacts& facts, const SettingValue& current,
                  SettingValue& value, char* reason, size_t reasonSize);
    void (*format)(const SettingValue& value, char* text, size_t size);
    // Sends value; 1 when the BIOS took it.
    int (*write)(const SettingValue& value);
};

constexpr size_t kSettingTextSize = 64;
constexpr size_t kReasonSize = 160;

size_t SettingCount();
const SettingRow& SettingAt(size_t index);
size_t IndexOfSetting(const SettingRow& row);

// By section and key, case-insensitive; null when there is no such setting.
const SettingRow* FindSetting(const char* section, const char* key);
// By "Section.Key", case-insensitive.
const SettingRow* FindSetting(const char* dottedName);
// True when some row lives in this section (case-insensitive).
bool IsSettingsSection(const char* section);
