// The password rules on damaged entries and any BIOS answers: typing, the change
// dialog's outcome, the start-up prompt and the Password page's writes. A password
// request never names more than seven codes, and the prompt wipes what was typed.
#include "ChangePasswordRules.h"
#include "FuzzBios.h"
#include "PasswordChanges.h"
#include "PromptCheck.h"
#include "ScanCodeRules.h"

namespace {

bool IsPasswordCode(const BiosRegs& request) {
    const uint8_t function = LowByte(request.ebx);
    const uint8_t mode = HighByte(request.ebx);
    return LowWord(request.eax) == 0x9610 && (function == 0x07 || function == 0x08) &&
           (mode == 2 || mode == 3);
}

void CheckRequest(const BiosRegs& request) {
    if (!IsPasswordCode(request))
        return;
    const uint32_t length = request.ecx;
    if (length > MaxPasswordLength)
        Finding("a password request names more than seven codes");
    if (length && !RequestBuffer(request, length))
        Finding("a password request names no buffer");
}

// Any spread of digit, letter and other keys over the scan codes.
uint32_t Translate(uint8_t scanCode) {
    return (scanCode * 37u) % 0x70;
}

PasswordEntry EntryFrom(FuzzBytes& bytes) {
    PasswordEntry entry;
    bytes.Fill(&entry, sizeof entry);
    return entry;
}

void CheckLength(const PasswordEntry& entry) {
    if (entry.length < 0 || entry.length > MaxPasswordLength)
        Finding("an entry's length left 0..7");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes bytes(data, size);
    PasswordEntry typed = EmptyEntry(1);
    PasswordEntry confirm = EmptyEntry(1);
    const uint8_t keys = bytes.Byte() % 24;
    for (uint8_t i = 0; i < keys; ++i) {
        PasswordEntry& field = i % 3 ? typed : confirm;
        const uint32_t character = bytes.Byte();
        JudgeChar(field, character, bytes.Byte(), Translate);
        CheckLength(field);
        JudgeKeyDown(character);
        JudgeKeyUp(character);
    }

    PasswordEntry result = EntryFrom(bytes);
    const PasswordEntry damaged = EntryFrom(bytes);
    if (ValidLength(damaged) < 0 || ValidLength(damaged) > MaxPasswordLength)
        Finding("ValidLength left 0..7");
    SameCodes(damaged, typed);
    const bool changed =
        JudgeChangeOk(typed, confirm, bytes.Byte() & 1, result) == ChangeOutcome::Ok;
    if (changed)
        CheckLength(result);

    FuzzBios bios(bytes, CheckRequest);
    int32_t failures = 0;
    for (int attempt = 0; attempt < kPromptTries; ++attempt) {
        PasswordEntry prompt = typed;
        JudgePromptAttempt(prompt, failures);
        if (prompt.length != 0 || prompt.codes[0] != 0)
            Finding("the prompt kept the typed codes");
    }
    ReadPasswordState(PowerOn);
    ReadPasswordState(Setup);
    WritePassword(Setup, typed);
    PasswordChanges changes;
    changes.MarkChanged(PowerOn);
    changes.MarkChanged(Setup);
    changes.Apply(1, typed, changed ? result : confirm);
    changes.WriteApplied();
    changes.Forget();
    return 0;
}
