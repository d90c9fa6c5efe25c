// The boot list rules on lists the BIOS gives: conversions both ways, and the Boot
// Sequence page's apply, which must never write a list without a drive entry.
#include "BootOrderState.h"
#include "FuzzBios.h"

static void CheckRequest(const BiosRegs& request) {
    if (Call(request) != 0x961017 || HighByte(request.ebx) != 1) // SetBootSeq
        return;
    const auto* sent = static_cast<const BootSequence*>(ReadableCallerBuffer(request.esi, 16));
    Expect(HasDriveEntry(*sent), "a boot list without a drive entry was written");
}

void Fuzz(FuzzBytes& bytes) {
    const BootChoices choices = BootChoicesFromList(bytes.Take<BootSequence>());
    if (choices.order != kNoBootOrder) {
        const BootChoices again =
            BootChoicesFromList(BootListFromChoices(choices.cdromFirst, choices.order));
        Expect(again.cdromFirst == choices.cdromFirst && again.order == choices.order,
               "choices change on their way through a list");
    }

    FuzzBios bios(bytes, CheckRequest);
    BootChoices read;
    ReadBootChoices(read);
    BootOrderState state;
    bytes.Steps([&](uint8_t step) { state.Choose(step & 0x10, bytes.Byte()); },
                [&](uint8_t) { state.Apply(); }, [&](uint8_t) { state.WriteApplied(); },
                [&](uint8_t) { state.Forget(); });
}
