// The Boot Sequence page's dealings with the BIOS: reading the boot list, writing
// the list the user chose, and what Load Previous writes back. Free of
// <windows.h>: the check box and the sequence list stay with the page.
#pragma once

#include "BootList.h"

#include <cstdint>

// A pending or applied byte that holds no value.
constexpr uint8_t kNoBootValue = 0xFF;

// GetBootSeq into a list of empty slots; true and choices filled when it answered.
bool ReadBootChoices(BootChoices& choices);

class BootOrderState {
public:
    // The user ticked or cleared the CD-ROM box.
    void ChooseCdrom(bool ticked) { m_nPendingCdrom = ticked ? 1 : 0; }
    // The user selected an order in the sequence list.
    void ChooseOrder(uint8_t order) { m_nPendingSequence = order; }

    // Writes list, the list the page's controls now show, with SetBootSeq and keeps
    // it for WriteApplied; the pending bytes become the applied ones. A list with no
    // drive entry is never written: it would leave the machine nothing to start from.
    // Then nothing is sent, the pending bytes are dropped, what the last apply wrote
    // is kept, and the answer is false so the page can show the BIOS's list again.
    // The write's own result is not judged.
    bool Apply(const BootSequence& list);
    // Sends the list the last apply wrote again; nothing when no apply wrote one.
    void WriteApplied() const;
    // Nothing pending, nothing remembered.
    void Forget();

    uint8_t AppliedCdrom() const { return m_nAppliedCdrom; }
    uint8_t AppliedSequence() const { return m_nAppliedSequence; }
    uint8_t PendingCdrom() const { return m_nPendingCdrom; }
    uint8_t PendingSequence() const { return m_nPendingSequence; }
    bool HasAppliedList() const { return m_bHasAppliedList; }
    const BootSequence& AppliedList() const { return m_appliedList; }

private:
    uint8_t m_nAppliedCdrom = kNoBootValue;
    uint8_t m_nAppliedSequence = kNoBootValue;
    uint8_t m_nPendingCdrom = kNoBootValue;
    uint8_t m_nPendingSequence = kNoBootValue;
    bool m_bHasAppliedList = false;
    BootSequence m_appliedList = EmptyBootList();
};
