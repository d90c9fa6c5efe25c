// The Display Device and POST pages' rules on any BIOS answers: a range or level
// that is reported as read must be one a slider can show, an option reported as
// read is 0 or 1, and the pages only ever write the values they hold.
#include "BiosCatalogue.h"
#include "BootDisplayState.h"
#include "DisplayLevels.h"
#include "FuzzBios.h"
#include "PostOptionBytes.h"

namespace {

void CheckRequest(const BiosRegs& request) {
    const uint16_t group = LowWord(request.eax);
    const uint8_t function = LowByte(request.ebx);
    const uint8_t bh = HighByte(request.ebx);
    const bool postWrite = group == 0x9610 && (function == 0x15 || function == 0x16) && bh != 2;
    if (postWrite && bh > 1)
        Finding("a POST option write that is neither on nor off");
    const bool bootDisplayWrite = group == 0x9612 && function == 0x0A && bh == 1;
    const uint8_t device = LowByte(request.ecx);
    if (bootDisplayWrite && device != kBootDisplayBoth && device != kBootDisplayAuto)
        Finding("a boot display write the user never chose");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes bytes(data, size);
    int32_t position;
    bytes.Fill(&position, sizeof position);
    LevelFromPosition(position);

    FuzzBios bios(bytes, CheckRequest);
    DisplayRanges ranges;
    if (ReadDisplayRanges(ranges)) {
        if (ranges.brightness.min > ranges.brightness.max ||
            ranges.contrast.min > ranges.contrast.max)
            Finding("a range that runs backwards was read");
        uint8_t level = 0;
        if (ReadLevel(GetDisplayBrightness, &ranges.brightness, level) &&
            !ranges.brightness.Contains(level))
            Finding("a brightness outside its range was read");
        if (ReadLevel(GetDisplayContrast, &ranges.contrast, level) &&
            !ranges.contrast.Contains(level))
            Finding("a contrast outside its range was read");
    }
    const PostReading post = ReadPostOptions();
    if ((post.memTestRead && post.memTest > 1) || (post.silentBootRead && post.silentBoot > 1))
        Finding("a POST option that is neither on nor off was read");

    BootDisplayState display;
    PostOptionBytes options;
    while (!bytes.Empty()) {
        const uint8_t step = bytes.Byte();
        switch (step % 4) {
        case 0:
            display.Choose(step & 0x10 ? kBootDisplayAuto : kBootDisplayBoth);
            options.ChooseMemTest(step & 0x20);
            options.ChooseSilentBoot(step & 0x40);
            break;
        case 1:
            display.ApplyPending(step >> 7);
            options.ApplyPending(step >> 7);
            break;
        case 2:
            display.WriteApplied();
            options.WriteApplied();
            break;
        default:
            display.Forget();
            options.Forget();
        }
    }
    return 0;
}
