#include "PasswordChanges.h"

#include "BiosCatalogue.h"

#include <cstring>

PasswordEntry ReadPasswordState(PasswordKind kind) {
    PasswordEntry entry;
    WipeEntry(entry);
    uint8_t code = 0; // the answer code adds nothing to the result
    entry.enabled = (kind == PowerOn ? AskPowerOnPasswd(&code) : AskSetupPasswd(&code)) ? 1 : 0;
    return entry;
}

bool WritePassword(PasswordKind kind, const PasswordEntry& entry) {
    uint8_t code = 0;
    const int32_t length = ValidLength(entry);
    if (entry.enabled != 1 || length == 0) {
        return (kind == PowerOn ? DisablePowerOnPasswd(&code) : DisableSetupPasswd(&code)) != 0;
    }
    // The catalogue takes a writable buffer; it gets a copy that is wiped afterwards.
    uint8_t codes[kPasswordCodeBytes];
    std::memcpy(codes, entry.codes, sizeof codes);
    const uint16_t count = static_cast<uint16_t>(length);
    const int stored = kind == PowerOn ? SetChkPowerOnPasswd(&code, 2, codes, count)
                                       : SetChkSetupPasswd(&code, 2, codes, count);
    WipeBytes(codes, sizeof codes);
    return stored != 0;
}

PasswordChanges::PasswordChanges() {
    WipeEntry(m_appliedPowerOn);
    WipeEntry(m_appliedSetup);
    WipeEntry(m_pendingPowerOn);
    WipeEntry(m_pendingSetup);
}

PasswordChanges::~PasswordChanges() {
    Forget();
}

void PasswordChanges::MarkChanged(PasswordKind kind) {
    if (kind == PowerOn)
        m_bPowerOnChanged = 1;
    else
        m_bSetupChanged = 1;
}

PasswordWriteResult PasswordChanges::Apply(int32_t modified, const PasswordEntry& powerOn,
                                           const PasswordEntry& setup) {
    PasswordWriteResult result{0, false, false};
    if (modified != 1)
        return result;
    if (m_bPowerOnChanged == 1) {
        m_pendingPowerOn = powerOn;
        m_appliedPowerOn = powerOn;
        result.powerOnRefused = !WritePassword(PowerOn, m_pendingPowerOn);
        WipeEntry(m_pendingPowerOn);
        m_bPowerOnApplied = 1;
        m_bPowerOnChanged = 0;
        result.restart = 1;
    }
    if (m_bSetupChanged == 1) {
        m_pendingSetup = setup;
        m_appliedSetup = setup;
        result.setupRefused = !WritePassword(Setup, m_pendingSetup);
        WipeEntry(m_pendingSetup);
        m_bSetupApplied = 1;
        m_bSetupChanged = 0;
    }
    return result;
}

PasswordWriteResult PasswordChanges::WriteApplied() {
    PasswordWriteResult result{0, false, false};
    if (m_bPowerOnApplied == 1)
        result.powerOnRefused = !WritePassword(PowerOn, m_appliedPowerOn);
    if (m_bSetupApplied == 1)
        result.setupRefused = !WritePassword(Setup, m_appliedSetup);
    return result;
}

void PasswordChanges::Forget() {
    m_bPowerOnApplied = 0;
    m_bSetupApplied = 0;
    m_bPowerOnChanged = 0;
    m_bSetupChanged = 0;
    WipeEntry(m_appliedPowerOn);
    WipeEntry(m_appliedSetup);
    WipeEntry(m_pendingPowerOn);
    WipeEntry(m_pendingSetup);
}
