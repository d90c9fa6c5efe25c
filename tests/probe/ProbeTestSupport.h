// A sink for the row-builder tests that records rows as the list would show them, with
// the texts of the program's own string table in a chosen language.
#pragma once

#include "SystemProbe.h"

#include <windows.h>

#include <cstdint>
#include <string>

constexpr uint16_t kEnglish = 0x0409;
constexpr uint16_t kJapanese = 0x0411;

// Records rows with the texts of one language's table, converted to its ANSI code
// page (1252 or 932).
class RecordingSink : public RowSink {
public:
    explicit RecordingSink(uint16_t language = kEnglish) : language_(language) {}
    void LoadText(uint32_t id, char* text, size_t size) const override {
        if (size > 0)
            text[Text(id).copy(text, size - 1)] = '\0';
    }
    void AddRow(uint32_t labelId, uint32_t valueId) override {
        AddRow(labelId, Text(valueId).c_str());
    }
    void AddRow(uint32_t labelId, const char* value) override {
        AddRow(labelId ? Text(labelId).c_str() : "", value);
    }
    void AddRow(const char* label, const char* value) override {
        rows_ += (rows_.empty() ? "" : "; ") + std::string(label) + "=" + value;
    }

    // The rows as "label=value", joined by "; ".
    const std::string& Rows() const { return rows_; }

    // String id, or "" when missing. Strings are kept in blocks of 16 (block id / 16 + 1),
    // each counted in UTF-16 units.
    std::string Text(uint32_t id) const {
        HMODULE module = GetModuleHandleA(nullptr);
        HRSRC block = FindResourceExA(module, reinterpret_cast<LPCSTR>(RT_STRING),
                                      MAKEINTRESOURCEA(id / 16 + 1), language_);
        const WCHAR* entry =
            block ? static_cast<const WCHAR*>(LockResource(LoadResource(module, block))) : nullptr;
        if (!entry)
            return "";
        for (uint32_t skip = id % 16; skip > 0; --skip)
            entry += 1 + *entry;
        char converted[1024];
        const int size = WideCharToMultiByte(language_ == kJapanese ? 932 : 1252, 0, entry + 1,
                                             *entry, converted, sizeof converted, nullptr, nullptr);
        return std::string(converted, size > 0 ? size : 0);
    }

private:
    uint16_t language_;
    std::string rows_;
};
