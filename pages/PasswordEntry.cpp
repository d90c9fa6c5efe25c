#include "PasswordEntry.h"

#include <cstring>

void WipeBytes(void* bytes, size_t size) {
    volatile uint8_t* p = static_cast<volatile uint8_t*>(bytes);
    for (size_t i = 0; i < size; ++i)
        p[i] = 0;
}

void WipeEntry(PasswordEntry& entry) {
    WipeBytes(&entry, sizeof entry);
}

int32_t ValidLength(const PasswordEntry& entry) {
    if (entry.length < 0)
        return 0;
    if (entry.length > MaxPasswordLength)
        return MaxPasswordLength;
    return entry.length;
}

bool SameCodes(const PasswordEntry& a, const PasswordEntry& b) {
    if (a.length != b.length || ValidLength(a) != a.length)
        return false;
    return std::memcmp(a.codes, b.codes, static_cast<size_t>(a.length)) == 0;
}
