// What the row-builder tests need: a sink that records rows as the list would show
// them, with the texts of the program's own string table in a chosen language, and a
// port source with a scripted device manager.
#pragma once

#include "SystemProbe.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

constexpr uint16_t kEnglish = 0x0409;
constexpr uint16_t kJapanese = 0x0411;

// Records rows with the texts of one language's table, converted to its ANSI code
// page (1252 or 932).
class RecordingSink : public RowSink {
public:
    explicit RecordingSink(uint16_t language = kEnglish) : language_(language) {}
    void LoadText(uint32_t id, char* text, size_t size) const override;
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
    std::string Text(uint32_t id) const; // string `id`, or "" when missing

private:
    uint16_t language_;
    std::string rows_;
};

// A port source whose device manager holds scripted devices.
class ScriptedPorts : public PortSource {
public:
    struct Device {
        DeviceClass deviceClass;
        std::string instanceId;
        uint32_t problem;
        bool statusReadable;
    };
    ScriptedPorts(bool windows5OrLater, std::vector<Device> devices = {})
        : windows5OrLater_(windows5OrLater), devices_(std::move(devices)) {}
    bool IsWindows5OrLater() const override { return windows5OrLater_; }
    DeviceMatch FindDevice(DeviceClass deviceClass, const char* fragment,
                           uint32_t* problem) const override;
    int Lookups() const { return lookups_; }

private:
    bool windows5OrLater_;
    std::vector<Device> devices_;
    mutable int lookups_ = 0;
};
