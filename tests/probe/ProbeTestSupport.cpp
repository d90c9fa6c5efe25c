#include "ProbeTestSupport.h"

#include <windows.h>

#include <cstring>

bool LoadTableString(uint16_t language, uint32_t id, std::string& text) {
    text.clear();
    HMODULE module = GetModuleHandleA(nullptr);
    // String ids are kept in blocks of 16: block id / 16 + 1, each string counted UTF-16.
    HRSRC block = FindResourceExA(module, reinterpret_cast<LPCSTR>(RT_STRING),
                                  MAKEINTRESOURCEA(id / 16 + 1), language);
    if (!block)
        return false;
    const WCHAR* entry = static_cast<const WCHAR*>(LockResource(LoadResource(module, block)));
    if (!entry)
        return false;
    for (uint32_t skip = id % 16; skip > 0; --skip)
        entry += 1 + *entry;
    const int length = *entry;
    if (length == 0)
        return false;
    const UINT codePage = language == kJapanese ? 932 : 1252;
    char converted[1024];
    const int size = WideCharToMultiByte(codePage, 0, entry + 1, length, converted,
                                         sizeof converted, nullptr, nullptr);
    if (size <= 0)
        return false;
    text.assign(converted, size);
    return true;
}

void PrintTo(const Row& row, std::ostream* out) {
    *out << "{\"" << row.label << "\", \"" << row.value << "\"}";
}

std::string RecordingSink::Text(uint32_t id) const {
    std::string text;
    LoadTableString(language_, id, text);
    return text;
}

void RecordingSink::LoadText(uint32_t id, char* text, size_t size) const {
    if (size == 0)
        return;
    const std::string loaded = Text(id);
    const size_t length = loaded.size() < size - 1 ? loaded.size() : size - 1;
    std::memcpy(text, loaded.data(), length);
    text[length] = '\0';
}

void RecordingSink::AddRow(uint32_t labelId, uint32_t valueId) {
    rows_.push_back({labelId ? Text(labelId) : std::string(), Text(valueId)});
}

void RecordingSink::AddRow(uint32_t labelId, const char* value) {
    rows_.push_back({labelId ? Text(labelId) : std::string(), value});
}

void RecordingSink::AddRow(const char* label, const char* value) {
    rows_.push_back({label, value});
}

DeviceMatch ScriptedPorts::FindDevice(DeviceClass deviceClass, const char* fragment,
                                      uint32_t* problem) const {
    ++lookups_;
    *problem = 0;
    for (const Device& device : devices_) {
        if (device.deviceClass != deviceClass)
            continue;
        if (!DeviceIdMatches(device.instanceId.c_str(), fragment))
            continue;
        if (!device.statusReadable)
            return DeviceMatch::StatusUnknown;
        *problem = device.problem;
        return DeviceMatch::Found;
    }
    return DeviceMatch::NotFound;
}
