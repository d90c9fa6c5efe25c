// Which keys the scan-code entry control records, refuses or keeps from the edit.
// Free of <windows.h>: the key's virtual key is looked up by the caller's translator.
#pragma once

#include "PasswordEntry.h"

#include <cstdint>

// What the entry control does with a keyboard message after judging it.
enum class KeyVerdict {
    PassOn,      // the edit handles it (shows or removes a mask character)
    BeepAndDrop, // refused with the exclamation beep; the edit never sees it
    Drop,        // kept from the edit without a sound
};

// Translates a set-1 scan code to a virtual-key code (0 when there is none).
using ScanCodeTranslator = uint32_t (*)(uint8_t scanCode);

constexpr uint32_t kBackspaceChar = 8;

// A typed character (WM_CHAR) with the scan code of its key. Backspace removes the
// last code; a digit or letter key, up to seven, appends its scan code whatever
// Shift or Caps Lock made of the character. Control characters other than
// backspace (Ctrl+V paste, Ctrl+X cut, Ctrl+Z undo ...) are refused although
// their keys are letter keys: the edit would act on them instead of showing one
// mask character, and the field would no longer match the recorded codes.
KeyVerdict JudgeChar(PasswordEntry& entry, uint32_t character, uint8_t scanCode,
                     ScanCodeTranslator toVirtualKey);

// True for the keys that would move the caret or only change the state of the
// keyboard: Shift, Ctrl, Pause, Caps Lock, Page Up/Down, End, Home, the arrows,
// Print Screen, Insert, Num Lock and Scroll Lock.
bool IsRefusedKey(uint32_t virtualKey);

// WM_KEYDOWN: refused keys beep and are dropped.
KeyVerdict JudgeKeyDown(uint32_t virtualKey);
// WM_KEYUP: refused keys are dropped silently.
KeyVerdict JudgeKeyUp(uint32_t virtualKey);
