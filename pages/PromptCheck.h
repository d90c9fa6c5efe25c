// The start-up prompt's rule: the BIOS judges the typed setup password, and the
// third refusal ends the program. Free of <windows.h>.
#pragma once

#include "PasswordEntry.h"

constexpr int32_t kPromptTries = 3;

enum class PromptVerdict {
    Accepted, // the BIOS reports a match
    TryAgain, // refused; the prompt stays open
    GiveUp,   // refused for the third time; the program ends
};

// True when the BIOS reports that entry matches the setup password. An empty entry
// is refused without a request; a failed request counts as a refusal.
bool SetupPasswordMatches(PasswordEntry& entry);

// One press of OK: asks the BIOS about entry, counts a refusal in failures, and
// wipes entry afterwards, whatever the answer.
PromptVerdict JudgePromptAttempt(PasswordEntry& entry, int32_t& failures);
