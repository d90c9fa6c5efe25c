// One setting's value as zepctl carries it between the BIOS, the file and the plan:
// the bytes the BIOS operation takes (an on/off byte, a level, a code, a boot list).
// Free of <windows.h>.
#pragma once

#include <cstdint>
#include <cstring>

struct SettingValue {
    uint8_t bytes[16];
};

inline SettingValue ZeroValue() {
    SettingValue value;
    std::memset(value.bytes, 0, sizeof value.bytes);
    return value;
}

inline bool SameValue(const SettingValue& a, const SettingValue& b) {
    return std::memcmp(a.bytes, b.bytes, sizeof a.bytes) == 0;
}
