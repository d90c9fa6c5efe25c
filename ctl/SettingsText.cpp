#include "SettingsText.h"

#include "MachineFacts.h"
#include "SettingsTable.h"

#include <cstdio>

namespace {

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (u < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", u);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// The setting's value as text; false when the BIOS gives none.
bool CurrentText(MachineFacts& facts, const SettingRow& row, std::string& text) {
    SettingValue value = ZeroValue();
    if (!facts.Current(row, value))
        return false;
    char formatted[kSettingTextSize];
    row.format(value, formatted, sizeof formatted);
    text = formatted;
    return true;
}

} // namespace

std::string SettingsIni(MachineFacts& facts, const std::vector<InfoRow>* info) {
    std::string text;
    if (info) {
        text += "[Information]\n";
        std::string label;
        for (const InfoRow& row : *info) {
            if (!row.label.empty())
                label = row.label;
            text += label + " = " + row.value + "\n";
        }
        text += "\n";
    }
    const char* section = nullptr;
    for (size_t i = 0; i < SettingCount(); ++i) {
        const SettingRow& row = SettingAt(i);
        if (!section || std::string(section) != row.section) {
            text += section ? "\n[" : "[";
            text += std::string(row.section) + "]\n";
            section = row.section;
        }
        std::string value;
        if (CurrentText(facts, row, value))
            text += std::string(row.key) + " = " + value + "\n";
        else
            text += std::string("; ") + row.key + ": not offered by this machine's BIOS\n";
    }
    return text;
}

std::string SettingsJson(MachineFacts& facts, const std::vector<InfoRow>& info) {
    std::string text = "{\n  \"information\": [";
    std::string label;
    for (size_t i = 0; i < info.size(); ++i) {
        if (!info[i].label.empty())
            label = info[i].label;
        text += i ? ",\n    " : "\n    ";
        text += "{\"device\": " + JsonString(label) +
                ", \"configuration\": " + JsonString(info[i].value) + "}";
    }
    text += info.empty() ? "],\n  \"settings\": {" : "\n  ],\n  \"settings\": {";
    const char* section = nullptr;
    for (size_t i = 0; i < SettingCount(); ++i) {
        const SettingRow& row = SettingAt(i);
        const bool newSection = !section || std::string(section) != row.section;
        if (newSection) {
            text += section ? "\n    },\n    " : "\n    ";
            text += JsonString(row.section) + ": {\n      ";
            section = row.section;
        } else {
            text += ",\n      ";
        }
        std::string value;
        text += JsonString(row.key) + ": ";
        text += CurrentText(facts, row, value) ? JsonString(value) : std::string("null");
    }
    text += section ? "\n    }\n  }\n}\n" : "}\n}\n";
    return text;
}
