#include "ScanCodeRules.h"

namespace {

bool IsDigitOrLetterKey(uint32_t virtualKey) {
    return (virtualKey >= 0x30 && virtualKey <= 0x39) || (virtualKey >= 0x41 && virtualKey <= 0x5A);
}

bool IsControlCharacter(uint32_t character) {
    return character < 0x20 || character == 0x7F;
}

} // namespace

KeyVerdict JudgeChar(PasswordEntry& entry, uint32_t character, uint8_t scanCode,
                     ScanCodeTranslator toVirtualKey) {
    const int32_t count = ValidLength(entry);
    if (count > 0 && character == kBackspaceChar) {
        entry.modified = 1;
        entry.length = count - 1;
        return KeyVerdict::PassOn;
    }
    if (count >= MaxPasswordLength)
        return KeyVerdict::BeepAndDrop;

    entry.modified = 1;
    const uint32_t virtualKey = toVirtualKey ? toVirtualKey(scanCode) : 0;
    if (!IsDigitOrLetterKey(virtualKey) || IsControlCharacter(character))
        return KeyVerdict::BeepAndDrop;
    entry.codes[count] = scanCode;
    entry.length = count + 1;
    return KeyVerdict::PassOn;
}

bool IsRefusedKey(uint32_t virtualKey) {
    switch (virtualKey) {
    case 0x10: // Shift
    case 0x11: // Ctrl
    case 0x13: // Pause
    case 0x14: // Caps Lock
    case 0x2C: // Print Screen
    case 0x2D: // Insert
    case 0x90: // Num Lock
    case 0x91: // Scroll Lock
        return true;
    default:
        return virtualKey >= 0x21 && virtualKey <= 0x28; // Page Up .. Down arrow
    }
}

KeyVerdict JudgeKeyDown(uint32_t virtualKey) {
    return IsRefusedKey(virtualKey) ? KeyVerdict::BeepAndDrop : KeyVerdict::PassOn;
}

KeyVerdict JudgeKeyUp(uint32_t virtualKey) {
    return IsRefusedKey(virtualKey) ? KeyVerdict::Drop : KeyVerdict::PassOn;
}
