// The power driver's key in the registry as a test leaves it: created or deleted,
// value set or not, and put back as it was afterwards.
#pragma once

#include "VpowerdFlags.h"

#include <windows.h>

#include <string>

class VpowerdKey {
public:
    VpowerdKey() : m_saved(Read(m_type, m_bytes, m_size)) {}
    ~VpowerdKey() {
        if (m_saved < 0)
            Delete();
        else if (m_saved > 0)
            Set(m_type, m_bytes, m_size);
        else
            DeleteValue();
    }
    static void Create() { RegCloseKey(Open()); }
    static void Delete() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kVpowerdKey); }
    // Leaves the key, created if missing, without the value.
    static void DeleteValue() {
        HKEY key = Open();
        RegDeleteValueA(key, kVpowerdFlagsValue);
        RegCloseKey(key);
    }
    static void Set(DWORD type, const void* bytes, DWORD size) {
        HKEY key = Open();
        RegSetValueExA(key, kVpowerdFlagsValue, 0, type, static_cast<const BYTE*>(bytes), size);
        RegCloseKey(key);
    }
    static void SetFlags(DWORD flags) { Set(REG_DWORD, &flags, sizeof flags); }
    // "missing key", "missing value", or the value's type and bytes: "4: 2f 00 00 00".
    static std::string Describe() {
        DWORD type = 0, size = 0;
        BYTE bytes[64];
        const int read = Read(type, bytes, size);
        if (read <= 0)
            return read < 0 ? "missing key" : "missing value";
        std::string text = std::to_string(type) + ":";
        for (DWORD i = 0; i < size; ++i)
            text += {' ', "0123456789abcdef"[bytes[i] >> 4], "0123456789abcdef"[bytes[i] & 15]};
        return text;
    }

private:
    static HKEY Open() {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        return key;
    }
    // -1: no key; 0: no value (or more than 64 bytes); 1: the value read.
    static int Read(DWORD& type, BYTE (&bytes)[64], DWORD& size) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, KEY_READ, &key) != 0)
            return -1;
        size = sizeof bytes;
        const bool read =
            RegQueryValueExA(key, kVpowerdFlagsValue, nullptr, &type, bytes, &size) == 0;
        RegCloseKey(key);
        return read;
    }

    DWORD m_type = 0, m_size = 0;
    BYTE m_bytes[64] = {};
    int m_saved; // as Read tells it
};
