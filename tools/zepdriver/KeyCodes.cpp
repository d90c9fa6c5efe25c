#include "KeyCodes.h"

#include <cstring>
#include <utility>

namespace e2e {

namespace {

// Each keyboard row's characters and the scan code of its first key.
struct KeyRow {
    const char* characters;
    uint8_t firstScanCode;
};

const KeyRow kRows[] = {
    {"1234567890", 0x02},
    {"qwertyuiop", 0x10},
    {"asdfghjkl", 0x1E},
    {"zxcvbnm", 0x2C},
};

} // namespace

bool KeyForCharacter(char c, KeyStroke& key) {
    switch (c) {
    case ' ':
        key = {0x20, 0x39};
        return true;
    case '\b':
        key = {0x08, 0x0E};
        return true;
    case '\r':
        key = {0x0D, 0x1C};
        return true;
    case '\x1b':
        key = {0x1B, 0x01};
        return true;
    default:
        break;
    }
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == '\0')
        return false;
    for (const KeyRow& row : kRows) {
        const char* at = std::strchr(row.characters, lower);
        if (at == nullptr)
            continue;
        key.scanCode = static_cast<uint8_t>(row.firstScanCode + (at - row.characters));
        // Virtual keys of letters and digits are their upper-case characters.
        key.virtualKey =
            static_cast<uint8_t>((lower >= 'a' && lower <= 'z') ? lower - 'a' + 'A' : lower);
        return true;
    }
    return false;
}

bool KeyStrokesFor(const std::string& text, std::vector<KeyStroke>& strokes) {
    std::vector<KeyStroke> keys;
    for (char c : text) {
        KeyStroke key;
        if (!KeyForCharacter(c, key))
            return false;
        keys.push_back(key);
    }
    strokes = std::move(keys);
    return true;
}

std::vector<uint8_t> ScanCodesOf(const std::string& text) {
    std::vector<uint8_t> codes;
    for (char c : text) {
        KeyStroke key;
        if (KeyForCharacter(c, key))
            codes.push_back(key.scanCode);
    }
    return codes;
}

} // namespace e2e
