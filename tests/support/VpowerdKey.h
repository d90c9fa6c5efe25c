// The power driver's key in the registry as a test leaves it: created or deleted,
// value set or not, and put back as it was afterwards.
#pragma once

#include "VpowerdFlags.h"

#include <windows.h>

#include <cstdio>
#include <string>

class VpowerdKey {
public:
    VpowerdKey() {
        HKEY key = nullptr;
        m_bExisted = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, KEY_READ, &key) == 0;
        if (m_bExisted) {
            m_size = sizeof m_saved;
            m_bHadValue =
                RegQueryValueExA(key, kVpowerdFlagsValue, nullptr, &m_type, m_saved, &m_size) == 0;
            RegCloseKey(key);
        }
    }
    ~VpowerdKey() {
        if (!m_bExisted) {
            Delete();
        } else if (m_bHadValue) {
            Set(m_type, m_saved, m_size);
        } else {
            Create();
            DeleteValue();
        }
    }
    static void Create() {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegCloseKey(key);
    }
    static void Delete() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kVpowerdKey); }
    static void DeleteValue() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, KEY_SET_VALUE, &key) == 0) {
            RegDeleteValueA(key, kVpowerdFlagsValue);
            RegCloseKey(key);
        }
    }
    static void Set(DWORD type, const void* bytes, DWORD size) {
        Create();
        HKEY key = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, KEY_SET_VALUE, &key);
        RegSetValueExA(key, kVpowerdFlagsValue, 0, type, static_cast<const BYTE*>(bytes), size);
        RegCloseKey(key);
    }
    static void SetFlags(DWORD flags) { Set(REG_DWORD, &flags, sizeof flags); }
    // "missing key", "missing value", or the value's type and bytes: "4: 2f 00 00 00".
    static std::string Describe() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, KEY_READ, &key) != 0)
            return "missing key";
        BYTE bytes[16];
        DWORD size = sizeof bytes;
        DWORD type = 0;
        const LONG read = RegQueryValueExA(key, kVpowerdFlagsValue, nullptr, &type, bytes, &size);
        RegCloseKey(key);
        if (read != 0)
            return "missing value";
        std::string text = std::to_string(type) + ":";
        for (DWORD i = 0; i < size; ++i) {
            char byte[4];
            std::snprintf(byte, sizeof byte, " %02x", bytes[i]);
            text += byte;
        }
        return text;
    }

private:
    bool m_bExisted = false;
    bool m_bHadValue = false;
    DWORD m_type = 0;
    BYTE m_saved[64] = {};
    DWORD m_size = 0;
};
