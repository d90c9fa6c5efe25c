// The Password page's dealings with the BIOS: whether each password is set, the
// changes the two dialogs confirmed, what Apply writes (power-on first) and what
// Load Previous writes again. Free of <windows.h>: the dialogs stay with the page.
#pragma once

#include "PasswordEntry.h"

// What one apply or restore did.
struct PasswordWriteResult {
    int restart;         // 1 when a power-on password change was written, else 0
    bool powerOnRefused; // the BIOS refused to store or remove the power-on password
    bool setupRefused;   // the same for the setup password
};

// Whether a password of kind is set (AskPowerOnPasswd / AskSetupPasswd), as an entry
// with nothing typed: enabled 1 when set, 0 when not set or the request failed.
PasswordEntry ReadPasswordState(PasswordKind kind);

// Stores the entry's codes (mode 2, with its length) when enabled is 1 and it holds
// at least one code; otherwise removes the password, sending no code. True when the
// BIOS accepted the request.
bool WritePassword(PasswordKind kind, const PasswordEntry& entry);

class PasswordChanges {
public:
    PasswordChanges();
    ~PasswordChanges();
    PasswordChanges(const PasswordChanges&) = delete;
    PasswordChanges& operator=(const PasswordChanges&) = delete;

    // The dialog for kind ended with OK: its entry is to be written at the next apply.
    void MarkChanged(PasswordKind kind);

    // When modified is 1: for each kind marked changed, power-on first, writes the
    // dialog's entry (powerOn or setup), keeps it for WriteApplied and clears the
    // mark. restart is 1 when the power-on password was written. Nothing is written
    // when modified is not 1.
    PasswordWriteResult Apply(int32_t modified, const PasswordEntry& powerOn,
                              const PasswordEntry& setup);
    // Writes again each entry an apply wrote in this run, power-on first. restart is
    // always 0: Load Previous makes its own restart offer.
    PasswordWriteResult WriteApplied();
    // Every mark and flag 0, every kept entry wiped.
    void Forget();

    bool Changed(PasswordKind kind) const {
        return kind == PowerOn ? m_bPowerOnChanged : m_bSetupChanged;
    }
    bool Applied(PasswordKind kind) const {
        return kind == PowerOn ? m_bPowerOnApplied : m_bSetupApplied;
    }
    const PasswordEntry& AppliedEntry(PasswordKind kind) const {
        return kind == PowerOn ? m_appliedPowerOn : m_appliedSetup;
    }

private:
    int32_t m_bPowerOnApplied = 0;
    int32_t m_bSetupApplied = 0;
    PasswordEntry m_appliedPowerOn;
    PasswordEntry m_appliedSetup;
    int32_t m_bPowerOnChanged = 0;
    int32_t m_bSetupChanged = 0;
    PasswordEntry m_pendingPowerOn; // working copies while an entry is written
    PasswordEntry m_pendingSetup;
};
