// The boot device list the BIOS keeps, and the two choices the Boot Sequence page
// shows for it: whether the CD-ROM boots first, and one of four orders of drive A
// and drive C. Free of <windows.h>.
#pragma once

#include "BiosCatalogue.h"

#include <cstdint>

// Device codes of a boot list.
constexpr uint8_t kBootDriveA = 0;
constexpr uint8_t kBootDriveC = 1;
constexpr uint8_t kBootCdrom = 2;
constexpr uint8_t kBootEnd = 0xFF; // empty slot; the list ends at the first one

// The four drive orders, in the order the sequence list shows them.
enum BootOrder : uint8_t {
    kOrderAThenC = 0,
    kOrderAOnly = 1,
    kOrderCOnly = 2,
    kOrderCThenA = 3,
};
constexpr uint8_t kBootOrderCount = 4;
// A sequence choice byte that names no order (nothing selected).
constexpr uint8_t kNoBootOrder = 0xFF;

// What a list means to the page.
struct BootChoices {
    bool cdromFirst; // the list starts with the CD-ROM
    uint8_t order;   // a BootOrder, or kNoBootOrder when the drives form none of the four
};

// A list of 16 empty slots.
BootSequence EmptyBootList();

// The list for the two choices: the CD-ROM first when asked, then the drive entries
// of order. An order outside the four adds no drive entry.
BootSequence BootListFromChoices(bool cdromFirst, uint8_t order);

// The choices a list holds. A leading CD-ROM sets cdromFirst whatever follows it;
// order is kNoBootOrder unless the drive entries after it are exactly one of the
// four orders followed by the end of the list.
BootChoices BootChoicesFromList(const BootSequence& list);

// True when the list names drive A or drive C before its end.
bool HasDriveEntry(const BootSequence& list);
