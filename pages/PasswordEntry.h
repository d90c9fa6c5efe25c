// A BIOS password as the program carries it: the keyboard scan codes of the keys
// the user pressed, never characters. Free of <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>

// An entry holds at most seven codes although its buffer has eight bytes.
constexpr int MaxPasswordLength = 7;
constexpr size_t kPasswordCodeBytes = 8;

enum PasswordKind : uint16_t {
    PowerOn = 1,
    Setup = 2,
};

struct PasswordEntry {
    int32_t enabled;  // 1: the password is (to be) set; 0: none, or to be removed
    int32_t modified; // 1: a key was accepted or removed since the entry was loaded
    int32_t length;   // valid bytes in codes, 0 to MaxPasswordLength
    uint8_t codes[kPasswordCodeBytes]; // bytes past length carry no meaning
};

// Overwrites memory that held password codes so no copy outlives its use; the
// writes are volatile so the compiler cannot drop them as dead stores.
void WipeBytes(void* bytes, size_t size);

// enabled, modified, length and every code byte to 0, through WipeBytes.
void WipeEntry(PasswordEntry& entry);

// True when both entries hold the same number of codes and the same codes up to
// that number; enabled, modified and the bytes past length play no part.
bool SameCodes(const PasswordEntry& a, const PasswordEntry& b);

// length brought into 0..MaxPasswordLength, so a damaged entry can never make a
// reader step past the code buffer.
int32_t ValidLength(const PasswordEntry& entry);
