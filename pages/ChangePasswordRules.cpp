#include "ChangePasswordRules.h"

ChangeOutcome JudgeChangeOk(const PasswordEntry& newEntry, const PasswordEntry& confirmEntry,
                            int32_t checkTouched, PasswordEntry& entry) {
    if (newEntry.modified == 0 && checkTouched == 0)
        return ChangeOutcome::Cancel;
    if (newEntry.enabled == 0) {
        entry = newEntry;
        return ChangeOutcome::Ok;
    }
    if (!SameCodes(newEntry, confirmEntry))
        return ChangeOutcome::Mismatch;
    entry = newEntry;
    if (entry.length == 0)
        entry.enabled = 0;
    return ChangeOutcome::Ok;
}

PasswordEntry EmptyEntry(int32_t enabled) {
    PasswordEntry entry{};
    entry.enabled = enabled;
    return entry;
}
