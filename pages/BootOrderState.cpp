#include "BootOrderState.h"

bool ReadBootChoices(BootChoices& choices) {
    BootSequence list = EmptyBootList();
    if (!GetBootSeq(&list))
        return false;
    choices = BootChoicesFromList(list);
    return true;
}

bool BootOrderState::Apply(const BootSequence& list) {
    if (!HasDriveEntry(list)) {
        m_nPendingCdrom = kNoBootValue;
        m_nPendingSequence = kNoBootValue;
        return false;
    }
    // SetBootSeq takes the list by address; the BIOS gets a copy, never our record.
    BootSequence sent = list;
    SetBootSeq(&sent);
    m_appliedList = list;
    m_bHasAppliedList = true;
    if (m_nPendingCdrom != kNoBootValue) {
        m_nAppliedCdrom = m_nPendingCdrom;
        m_nPendingCdrom = kNoBootValue;
    }
    if (m_nPendingSequence != kNoBootValue) {
        m_nAppliedSequence = m_nPendingSequence;
        m_nPendingSequence = kNoBootValue;
    }
    return true;
}

void BootOrderState::WriteApplied() const {
    if (!m_bHasAppliedList)
        return;
    BootSequence sent = m_appliedList;
    SetBootSeq(&sent);
}

void BootOrderState::Forget() {
    m_nAppliedCdrom = kNoBootValue;
    m_nAppliedSequence = kNoBootValue;
    m_nPendingCdrom = kNoBootValue;
    m_nPendingSequence = kNoBootValue;
    m_bHasAppliedList = false;
    m_appliedList = EmptyBootList();
}
