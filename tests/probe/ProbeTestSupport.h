// What the row-builder tests need: the program's own string tables read in a chosen
// language, a sink that records rows as the list would show them, and a port source
// with a scripted device manager.
#pragma once

#include "SystemProbe.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

constexpr uint16_t kEnglish = 0x0409;
constexpr uint16_t kJapanese = 0x0411;

// String `id` of this program's string table in `language`, converted to that language's
// ANSI code page (1252 or 932); false when the table has no such string.
bool LoadTableString(uint16_t language, uint32_t id, std::string& text);

struct Row {
    std::string label;
    std::string value;
    bool operator==(const Row& other) const { return label == other.label && value == other.value; }
};
void PrintTo(const Row& row, std::ostream* out);

// Records rows with the texts of one language's table.
class RecordingSink : public RowSink {
public:
    explicit RecordingSink(uint16_t language = kEnglish) : language_(language) {}
    void LoadText(uint32_t id, char* text, size_t size) const override;
    void AddRow(uint32_t labelId, uint32_t valueId) override;
    void AddRow(uint32_t labelId, const char* value) override;
    void AddRow(const char* label, const char* value) override;

    const std::vector<Row>& Rows() const { return rows_; }
    std::string Text(uint32_t id) const; // string `id`, or "" when missing
    void Clear() { rows_.clear(); }

private:
    uint16_t language_;
    std::vector<Row> rows_;
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
    explicit ScriptedPorts(bool windows5OrLater) : windows5OrLater_(windows5OrLater) {}
    void Add(DeviceClass deviceClass, const std::string& instanceId, uint32_t problem = 0,
             bool statusReadable = true) {
        devices_.push_back({deviceClass, instanceId, problem, statusReadable});
    }
    bool IsWindows5OrLater() const override { return windows5OrLater_; }
    DeviceMatch FindDevice(DeviceClass deviceClass, const char* fragment,
                           uint32_t* problem) const override;
    int Lookups() const { return lookups_; }

private:
    bool windows5OrLater_;
    std::vector<Device> devices_;
    mutable int lookups_ = 0;
};
