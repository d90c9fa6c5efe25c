// What OK in the change-password dialog makes of the two typed entries.
// Free of <windows.h>.
#pragma once

#include "PasswordEntry.h"

enum class ChangeOutcome {
    Cancel,   // nothing was changed: end as if cancelled
    Ok,       // the dialog's entry now holds the result: end with OK
    Mismatch, // the two fields differ: tell the user and stay open
};

// Judges OK. newEntry and confirmEntry are the two fields' entries; checkTouched is
// 1 when the enable check box was clicked during this run. On Ok, entry becomes the
// new entry, with enabled 0 when the box is clear or both fields are empty (an
// enabled but empty password means no password). Otherwise entry is unchanged.
// Keys typed only into the confirmation field do not count as a change.
ChangeOutcome JudgeChangeOk(const PasswordEntry& newEntry, const PasswordEntry& confirmEntry,
                            int32_t checkTouched, PasswordEntry& entry);

// An entry with the given enabled and nothing typed: count, modified and codes 0.
PasswordEntry EmptyEntry(int32_t enabled);
