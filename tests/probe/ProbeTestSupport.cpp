#include "ProbeTestSupport.h"

#include <windows.h>

#include <cstring>

std::string RecordingSink::Text(uint32_t id) const {
    HMODULE module = GetModuleHandleA(nullptr);
    // String ids are kept in blocks of 16: block id / 16 + 1, each string counted UTF-16.
    HRSRC block = FindResourceExA(module, reinterpret_cast<LPCSTR>(RT_STRING),
                                  MAKEINTRESOURCEA(id / 16 + 1), language_);
    const WCHAR* entry =
        block ? static_cast<const WCHAR*>(LockResource(LoadResource(module, block))) : nullptr;
    if (!entry)
        return "";
    for (uint32_t skip = id % 16; skip > 0; --skip)
        entry += 1 + *entry;
    char converted[1024];
    const int size = WideCharToMultiByte(language_ == kJapanese ? 932 : 1252, 0, entry + 1, *entry,
                                         converted, sizeof converted, nullptr, nullptr);
    return std::string(converted, size > 0 ? size : 0);
}

void RecordingSink::LoadText(uint32_t id, char* text, size_t size) const {
    if (size == 0)
        return;
    const std::string loaded = Text(id);
    const size_t length = loaded.size() < size - 1 ? loaded.size() : size - 1;
    std::memcpy(text, loaded.data(), length);
    text[length] = '\0';
}

DeviceMatch ScriptedPorts::FindDevice(DeviceClass deviceClass, const char* fragment,
                                      uint32_t* problem) const {
    ++lookups_;
    *problem = 0;
    for (const Device& device : devices_) {
        if (device.deviceClass != deviceClass ||
            !DeviceIdMatches(device.instanceId.c_str(), fragment))
            continue;
        if (!device.statusReadable)
            return DeviceMatch::StatusUnknown;
        *problem = device.problem;
        return DeviceMatch::Found;
    }
    return DeviceMatch::NotFound;
}
