// show and export: the Information Viewer's rows and every setting, as INI text or as
// JSON. Free of <windows.h>.
#pragma once

#include <string>
#include <vector>

class MachineFacts;

// One row of the Information Viewer; an empty label continues the item above.
struct InfoRow {
    std::string label;
    std::string value;
};

// The settings as an importable file: a section per page, "Key = Value"; a setting
// the BIOS does not give is a comment line. info, when given, comes first as a
// read-only [Information] section.
std::string SettingsIni(MachineFacts& facts, const std::vector<InfoRow>* info);

// {"information": [{"device": ..., "configuration": ...}], "settings": {"POST": {...}}};
// a setting the BIOS does not give is null.
std::string SettingsJson(MachineFacts& facts, const std::vector<InfoRow>& info);
