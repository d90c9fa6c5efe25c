// The simulated BIOS settings by name, as simctl reads and writes them:
// numbers ("1", "0x1999"), lists of bytes ("1,2,0" for the boot order) and
// passwords as scan codes ("1e,30" or "none").
#pragma once

#include "SimBios.h"

#include <string>

enum class SettingKind {
    kNumber,   // 1, 2 or 4 bytes
    kList,     // a byte array; a shorter list is filled up with 0xFF (end of list)
    kPassword, // a scan-code array and its length byte
};

struct SettingField {
    const char* name;
    SettingKind kind;
    size_t offset;       // of the value in BiosSettings
    size_t size;         // bytes of the value
    size_t lengthOffset; // kPassword: of the length byte
};

const SettingField* SettingFieldsBegin();
const SettingField* SettingFieldsEnd();
// nullptr for an unknown name.
const SettingField* FindSettingField(const std::string& name);

std::string FormatSetting(const sim::BiosSettings& settings, const SettingField& field);
// False (settings untouched) when the text is not a valid value for the field.
bool ParseSetting(const std::string& text, const SettingField& field, sim::BiosSettings& settings);
