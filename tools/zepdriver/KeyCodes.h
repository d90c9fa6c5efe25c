// The keys the driver types, as a PC keyboard reports them: the virtual-key code and the
// set-1 scan code of the main-block key that produces a character. Pure table, no Win32.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct KeyStroke {
    uint8_t virtualKey;
    uint8_t scanCode;
};

// Letters (either case), digits, space, '\b' (Backspace), '\r' (Enter) and '\x1b'
// (Escape). False for anything else.
bool KeyForCharacter(char c, KeyStroke& key);
// The key strokes of every character of text, in order; false (strokes unchanged) when
// one has no key.
bool KeyStrokesFor(const std::string& text, std::vector<KeyStroke>& strokes);

// The scan codes of a string of letters and digits, in order; the keys a user presses
// to type it. Characters without a key are left out.
std::vector<uint8_t> ScanCodesOf(const std::string& text);

} // namespace e2e
