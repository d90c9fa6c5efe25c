#include "PromptCheck.h"

#include "BiosCatalogue.h"

namespace {
constexpr uint8_t kCheckPasswordMode = 3;
}

bool SetupPasswordMatches(PasswordEntry& entry) {
    const int32_t length = ValidLength(entry);
    if (length == 0)
        return false;
    uint8_t code = 0;
    return SetChkSetupPasswd(&code, kCheckPasswordMode, entry.codes,
                             static_cast<uint16_t>(length)) == 1;
}

PromptVerdict JudgePromptAttempt(PasswordEntry& entry, int32_t& failures) {
    const bool matches = SetupPasswordMatches(entry);
    WipeEntry(entry);
    if (matches)
        return PromptVerdict::Accepted;
    ++failures;
    return failures >= kPromptTries ? PromptVerdict::GiveUp : PromptVerdict::TryAgain;
}
