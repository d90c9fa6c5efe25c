// The Boot Sequence page's dealings with the BIOS: reading the boot list, writing
// the list the user chose, and what Load Previous writes back. Free of
// <windows.h>: the check box and the sequence list stay with the page.
#pragma once

#include "BiosOption.h"
#include "BootList.h"

#include <cstdint>

// GetBootSeq into a list of empty slots; true and choices filled when it answered.
bool ReadBootChoices(BootChoices& choices);

// The CD-ROM choice and the drive order between the page and the BIOS. The BIOS
// takes both as one list, so a change to either control makes both choices pending.
class BootOrderState {
public:
    // The user changed the box or the selection: cdromFirst and order (kNoBootOrder
    // when nothing is selected) are what the two controls now show.
    void Choose(bool cdromFirst, uint8_t order);

    // Writes the pending choices as one list with SetBootSeq; they become the
    // applied ones. A list with no drive entry (no order pending) is never written:
    // it would leave the machine nothing to start from. Then nothing is sent, the
    // pending choices are dropped, what the last apply wrote is kept, and the answer
    // is false so the page can show the BIOS's list again. The write's own result is
    // not judged.
    bool Apply();
    // Sends the list the last apply wrote again; nothing when no apply wrote one.
    void WriteApplied() const;
    // Nothing pending, nothing remembered.
    void Forget();

    const BiosOption& Cdrom() const { return m_cdrom; }
    const BiosOption& Sequence() const { return m_sequence; }

private:
    BiosOption m_cdrom;    // 1 when the CD-ROM boots first
    BiosOption m_sequence; // a BootOrder
};
