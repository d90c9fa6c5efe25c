// The password rules on damaged entries and any BIOS answers: typing, the change
// dialog's outcome, the start-up prompt and the Password page's writes. A password
// request never names more than seven codes, and the prompt wipes what was typed.
#include "ChangePasswordRules.h"
#include "FuzzBios.h"
#include "PasswordChanges.h"
#include "PromptCheck.h"
#include "ScanCodeRules.h"

static void CheckRequest(const BiosRegs& request) {
    const uint32_t call = Call(request);
    const uint8_t mode = HighByte(request.ebx);
    if ((call != 0x961007 && call != 0x961008) || (mode != 2 && mode != 3)) // codes sent
        return;
    Expect(request.ecx <= MaxPasswordLength, "a password request names more than seven codes");
    Expect(!request.ecx || ReadableCallerBuffer(request.esi, request.ecx),
           "a password request names no buffer");
}

void Fuzz(FuzzBytes& bytes) {
    const auto inRange = [](int32_t length) { return length >= 0 && length <= MaxPasswordLength; };
    PasswordEntry typed = EmptyEntry(1), confirm = EmptyEntry(1);
    for (uint8_t i = 0, keys = bytes.Byte() % 24; i < keys; ++i) {
        PasswordEntry& field = i % 3 ? typed : confirm;
        const uint32_t character = bytes.Byte();
        // Any spread of digit, letter and other keys over the scan codes.
        JudgeChar(field, character, bytes.Byte(), [](uint8_t code) { return code * 37u % 0x70; });
        Expect(inRange(field.length), "an entry's length left 0..7");
        JudgeKeyDown(character);
        JudgeKeyUp(character);
    }

    PasswordEntry result = bytes.Take<PasswordEntry>();
    const PasswordEntry damaged = bytes.Take<PasswordEntry>();
    Expect(inRange(ValidLength(damaged)), "ValidLength left 0..7");
    SameCodes(damaged, typed);
    const bool changed =
        JudgeChangeOk(typed, confirm, bytes.Byte() & 1, result) == ChangeOutcome::Ok;
    Expect(!changed || inRange(result.length), "a changed entry's length left 0..7");

    FuzzBios bios(bytes, CheckRequest);
    int32_t failures = 0;
    for (int attempt = 0; attempt < kPromptTries; ++attempt) {
        PasswordEntry prompt = typed;
        JudgePromptAttempt(prompt, failures);
        Expect(prompt.length == 0 && prompt.codes[0] == 0, "the prompt kept the typed codes");
    }
    PasswordChanges changes;
    const auto kind = [](uint8_t step) { return step & 0x10 ? PowerOn : Setup; };
    bytes.Steps([&](uint8_t step) { ReadPasswordState(kind(step)); },
                [&](uint8_t step) { WritePassword(kind(step), typed); },
                [&](uint8_t step) { changes.MarkChanged(kind(step)); },
                [&](uint8_t step) { changes.Apply(step >> 7, typed, changed ? result : confirm); },
                [&](uint8_t) { changes.WriteApplied(); }, [&](uint8_t) { changes.Forget(); });
}
