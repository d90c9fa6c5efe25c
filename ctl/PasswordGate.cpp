#include "PasswordGate.h"

#include "BiosCatalogue.h"
#include "KeyboardLayout.h"
#include "PromptCheck.h"
#include "ScanCodeRules.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT kVirtualKeyToScanCode = 0;
constexpr char kEscape = 0x1B;
constexpr char kCtrlC = 0x03;

// The scan code of the key that types character on this keyboard layout; 0 when no
// key does.
uint8_t ScanCodeOfCharacter(char character) {
    const SHORT key = ::VkKeyScanA(character);
    if (key == -1)
        return 0;
    return static_cast<uint8_t>(::MapVirtualKeyA(key & 0xFF, kVirtualKeyToScanCode));
}

// One line of standard input as keys; false at the end of input.
bool ReadStdinEntry(PasswordEntry& entry) {
    int c = std::getchar();
    if (c == EOF)
        return false;
    for (; c != EOF && c != '\n'; c = std::getchar()) {
        if (c == '\r')
            continue;
        const char character = static_cast<char>(c);
        JudgeChar(entry, static_cast<unsigned char>(character), ScanCodeOfCharacter(character),
                  TranslateScanCode);
    }
    return true;
}

// Keys typed at the console until Enter, nothing echoed; false when the user gave up
// (Escape or Ctrl+C) or the console could not be read.
bool ReadConsoleEntry(PasswordEntry& entry) {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!::GetConsoleMode(input, &mode))
        return false;
    ::SetConsoleMode(input,
                     mode & ~(ENABLE_ECHO_INPUT | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT));
    std::fputs("Setup password: ", stderr);
    bool entered = false;
    for (;;) {
        INPUT_RECORD record;
        DWORD read = 0;
        if (!::ReadConsoleInputA(input, &record, 1, &read) || read == 0)
            break;
        if (record.EventType != KEY_EVENT || !record.Event.KeyEvent.bKeyDown)
            continue;
        const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
        const char character = key.uChar.AsciiChar;
        if (character == '\r') {
            entered = true;
            break;
        }
        if (character == kEscape || character == kCtrlC)
            break;
        // As in the entry control: refused keys beep on key-down; keys that type a
        // character are judged by their scan code.
        if (JudgeKeyDown(key.wVirtualKeyCode) == KeyVerdict::BeepAndDrop) {
            ::MessageBeep(MB_ICONEXCLAMATION);
            continue;
        }
        if (character == '\0')
            continue;
        const KeyVerdict verdict =
            JudgeChar(entry, static_cast<unsigned char>(character),
                      static_cast<uint8_t>(key.wVirtualScanCode), TranslateScanCode);
        if (verdict == KeyVerdict::BeepAndDrop)
            ::MessageBeep(MB_ICONEXCLAMATION);
    }
    std::fputs("\n", stderr);
    ::SetConsoleMode(input, mode);
    return entered;
}

} // namespace

bool PassSetupPasswordGate(bool fromStdin) {
    uint8_t code = 0;
    if (!AskSetupPasswd(&code))
        return true;
    int32_t failures = 0;
    for (;;) {
        PasswordEntry entry = {};
        const bool given = fromStdin ? ReadStdinEntry(entry) : ReadConsoleEntry(entry);
        if (!given) {
            WipeEntry(entry);
            std::fputs("zepctl: no setup password given; nothing written\n", stderr);
            return false;
        }
        switch (JudgePromptAttempt(entry, failures)) {
        case PromptVerdict::Accepted:
            return true;
        case PromptVerdict::TryAgain:
            std::fputs("zepctl: Invalid password.\n", stderr);
            break;
        case PromptVerdict::GiveUp:
            std::fputs("zepctl: Invalid password.\n"
                       "zepctl: Password incorrect over 3 times; nothing written\n",
                       stderr);
            return false;
        }
    }
}
