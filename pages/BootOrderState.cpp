#include "BootOrderState.h"

namespace {

// SetBootSeq takes the list by address; the BIOS gets a copy, never the caller's.
void SendList(BootSequence list) {
    SetBootSeq(&list);
}

} // namespace

bool ReadBootChoices(BootChoices& choices) {
    BootSequence list = EmptyBootList();
    if (!GetBootSeq(&list))
        return false;
    choices = BootChoicesFromList(list);
    return true;
}

void BootOrderState::Choose(bool cdromFirst, uint8_t order) {
    m_cdrom.Choose(cdromFirst ? 1 : 0);
    if (order < kBootOrderCount)
        m_sequence.Choose(order);
    else
        m_sequence.DropPending();
}

bool BootOrderState::Apply() {
    // No order pending (kNoValue) gives a list without drive entries.
    const BootSequence list = BootListFromChoices(m_cdrom.Pending() == 1, m_sequence.Pending());
    if (!HasDriveEntry(list)) {
        m_cdrom.DropPending();
        m_sequence.DropPending();
        return false;
    }
    SendList(list);
    m_cdrom.TakePending();
    m_sequence.TakePending();
    return true;
}

void BootOrderState::WriteApplied() const {
    if (m_sequence.HasApplied())
        SendList(BootListFromChoices(m_cdrom.Applied() == 1, m_sequence.Applied()));
}

void BootOrderState::Forget() {
    m_cdrom.Forget();
    m_sequence.Forget();
}
