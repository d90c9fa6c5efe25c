// The Display Device page's BIOS codes, and its one setting that waits for Apply:
// the boot display device. Free of <windows.h>.
#pragma once

#include "BiosOption.h"

#include <cstdint>

// Boot display device (GetBootDisplay, SetBootDisplay).
constexpr uint8_t kBootDisplayBoth = 2; // external CRT monitor and LCD panel
constexpr uint8_t kBootDisplayAuto = 3; // detected at start

// Switching display device (GetDisplayDevice, SetDisplayDevice).
constexpr uint8_t kDisplayExternal = 0;
constexpr uint8_t kDisplayLcd = 1;
constexpr uint8_t kDisplayBoth = 2;

// The boot display code between the user's choice and the BIOS.
class BootDisplayState {
public:
    // The user picked kBootDisplayAuto or kBootDisplayBoth.
    void Choose(uint8_t code) { m_bootDisplay.Choose(code); }

    // When modified is 1: writes the pending code if there is one and answers 1 (a
    // boot display change wants a restart). Otherwise writes nothing and answers 0.
    // The write's result is not judged.
    int ApplyPending(int32_t modified);
    // Writes the applied code again, if there is one.
    void WriteApplied() const;
    // Nothing pending, nothing remembered.
    void Forget() { m_bootDisplay.Forget(); }

    const BiosOption& BootDisplay() const { return m_bootDisplay; }

private:
    BiosOption m_bootDisplay;
};
