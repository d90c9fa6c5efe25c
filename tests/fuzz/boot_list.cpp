// The boot list rules on lists the BIOS gives: conversions both ways, and the Boot
// Sequence page's apply, which must never write a list without a drive entry.
#include "BootList.h"
#include "BootOrderState.h"
#include "FuzzBios.h"

namespace {

bool IsSetBootSeq(const BiosRegs& request) {
    return LowWord(request.eax) == 0x9610 && LowByte(request.ebx) == 0x17 &&
           HighByte(request.ebx) == 0x01;
}

void CheckRequest(const BiosRegs& request) {
    if (!IsSetBootSeq(request))
        return;
    const uint8_t* sent = RequestBuffer(request, sizeof(BootSequence));
    BootSequence list;
    std::memcpy(list.devices, sent, sizeof list.devices);
    if (!HasDriveEntry(list))
        Finding("a boot list without a drive entry was written");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes bytes(data, size);
    BootSequence list;
    bytes.Fill(list.devices, sizeof list.devices);
    const BootChoices choices = BootChoicesFromList(list);
    if (choices.order != kNoBootOrder) {
        const BootChoices again =
            BootChoicesFromList(BootListFromChoices(choices.cdromFirst, choices.order));
        if (again.cdromFirst != choices.cdromFirst || again.order != choices.order)
            Finding("choices change on their way through a list");
    }

    FuzzBios bios(bytes, CheckRequest);
    BootChoices read;
    ReadBootChoices(read);
    BootOrderState state;
    while (!bytes.Empty()) {
        const uint8_t step = bytes.Byte();
        switch (step % 4) {
        case 0:
            state.ChooseCdrom(step & 0x10);
            state.ChooseOrder(bytes.Byte());
            break;
        case 1: {
            BootSequence shown;
            bytes.Fill(shown.devices, sizeof shown.devices);
            state.Apply(shown);
            break;
        }
        case 2:
            state.WriteApplied();
            break;
        default:
            state.Forget();
        }
    }
    return 0;
}
