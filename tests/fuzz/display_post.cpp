// The Display Device and POST pages' rules on any BIOS answers: a range or level
// that is reported as read must be one a slider can show, an option reported as
// read is 0 or 1, and the pages only ever write the values they hold.
#include "BiosCatalogue.h"
#include "BootDisplayState.h"
#include "DisplayLevels.h"
#include "FuzzBios.h"
#include "PostOptionBytes.h"

static void CheckRequest(const BiosRegs& request) {
    const uint32_t call = Call(request);
    const uint8_t bh = HighByte(request.ebx);
    // SetMemoryTest and SetSilentBoot (BH 2 asks instead of writing), SetBootDisplay.
    Expect((call != 0x961015 && call != 0x961016) || bh <= 2,
           "a POST option write that is neither on nor off");
    Expect(call != 0x96120A || bh != 1 || LowByte(request.ecx) == kBootDisplayBoth ||
               LowByte(request.ecx) == kBootDisplayAuto,
           "a boot display write the user never chose");
}

static void CheckLevel(int (*get)(uint8_t*), const LevelRange& range) {
    uint8_t level = 0;
    Expect(range.min <= range.max, "a range that runs backwards was read");
    Expect(!ReadLevel(get, &range, level) || range.Contains(level),
           "a level outside its range was read");
}

void Fuzz(FuzzBytes& bytes) {
    LevelFromPosition(bytes.Take<int32_t>());

    FuzzBios bios(bytes, CheckRequest);
    DisplayRanges ranges;
    if (ReadDisplayRanges(ranges)) {
        CheckLevel(GetDisplayBrightness, ranges.brightness);
        CheckLevel(GetDisplayContrast, ranges.contrast);
    }
    const PostReading post = ReadPostOptions();
    Expect((!post.memTestRead || post.memTest <= 1) &&
               (!post.silentBootRead || post.silentBoot <= 1),
           "a POST option that is neither on nor off was read");

    BootDisplayState display;
    PostOptionBytes options;
    bytes.Steps(
        [&](uint8_t step) { display.Choose(step & 0x10 ? kBootDisplayAuto : kBootDisplayBoth); },
        [&](uint8_t step) { options.ChooseMemTest(step & 0x10); },
        [&](uint8_t step) { options.ChooseSilentBoot(step & 0x10); },
        [&](uint8_t step) { display.ApplyPending(step >> 7); },
        [&](uint8_t step) { options.ApplyPending(step >> 7); },
        [&](uint8_t) { display.WriteApplied(); }, [&](uint8_t) { options.WriteApplied(); },
        [&](uint8_t) { display.Forget(); }, [&](uint8_t) { options.Forget(); });
}
