#include "BootList.h"

namespace {

// The drive entries of each order; kBootEnd pads the orders with one drive.
constexpr uint8_t kOrderDrives[kBootOrderCount][2] = {
    {kBootDriveA, kBootDriveC}, // kOrderAThenC
    {kBootDriveA, kBootEnd},    // kOrderAOnly
    {kBootDriveC, kBootEnd},    // kOrderCOnly
    {kBootDriveC, kBootDriveA}, // kOrderCThenA
};

} // namespace

BootSequence EmptyBootList() {
    BootSequence list;
    for (uint8_t& device : list.devices)
        device = kBootEnd;
    return list;
}

BootSequence BootListFromChoices(bool cdromFirst, uint8_t order) {
    BootSequence list = EmptyBootList();
    int next = 0;
    if (cdromFirst)
        list.devices[next++] = kBootCdrom;
    if (order < kBootOrderCount) {
        for (uint8_t drive : kOrderDrives[order]) {
            if (drive != kBootEnd)
                list.devices[next++] = drive;
        }
    }
    return list;
}

BootChoices BootChoicesFromList(const BootSequence& list) {
    BootChoices choices{false, kNoBootOrder};
    int first = 0;
    if (list.devices[0] == kBootCdrom) {
        choices.cdromFirst = true;
        first = 1;
    }
    // An order of one drive ends right after it; an order of two ends after both.
    const uint8_t e0 = list.devices[first];
    const uint8_t e1 = list.devices[first + 1];
    const uint8_t e2 = list.devices[first + 2];
    for (uint8_t order = 0; order < kBootOrderCount; ++order) {
        const uint8_t* drives = kOrderDrives[order];
        const bool oneDrive = drives[1] == kBootEnd;
        const bool matches = oneDrive ? (e0 == drives[0] && e1 == kBootEnd)
                                      : (e0 == drives[0] && e1 == drives[1] && e2 == kBootEnd);
        if (matches) {
            choices.order = order;
            break;
        }
    }
    return choices;
}

bool HasDriveEntry(const BootSequence& list) {
    for (uint8_t device : list.devices) {
        if (device == kBootEnd)
            return false;
        if (device == kBootDriveA || device == kBootDriveC)
            return true;
    }
    return false;
}
