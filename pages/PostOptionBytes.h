// The POST page's two BIOS options, memory test and silent boot, between reading,
// applying and restoring. Free of <windows.h>: the check boxes stay with the page.
#pragma once

#include "BiosOption.h"

#include <cstdint>

// Both options as the BIOS reported them. A failed read, or a reply that is neither
// 0 (off) nor 1 (on), leaves its flag false and its box as it was.
struct PostReading {
    bool memTestRead;
    uint8_t memTest;
    bool silentBootRead;
    uint8_t silentBoot;
};

// One on/off option with get (GetMemoryTest, GetSilentBoot ...). False when the
// request failed or the reply is neither 0 nor 1 (a damaged reply counts as none).
bool ReadOptionByte(int (*get)(uint8_t*), uint8_t& value);

// GetMemoryTest, then GetSilentBoot.
PostReading ReadPostOptions();

class PostOptionBytes {
public:
    // The box now shows a tick (any nonzero check state) or not.
    void ChooseMemTest(bool ticked) { m_memTest.Choose(ticked ? 1 : 0); }
    void ChooseSilentBoot(bool ticked) { m_silentBoot.Choose(ticked ? 1 : 0); }

    // When modified is 1: writes each pending value, silent boot first, and answers 1
    // (any change here wants a restart). Otherwise writes nothing and answers 0.
    // Write results are not judged.
    int ApplyPending(int32_t modified);
    // Writes each applied value again, memory test first.
    void WriteApplied() const;
    // Nothing pending, nothing remembered.
    void Forget();

    const BiosOption& MemTest() const { return m_memTest; }
    const BiosOption& SilentBoot() const { return m_silentBoot; }

private:
    BiosOption m_memTest;
    BiosOption m_silentBoot;
};
