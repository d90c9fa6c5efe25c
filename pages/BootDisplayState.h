// The Display Device page's BIOS codes, and its one setting that waits for Apply:
// the boot display device. Free of <windows.h>.
#pragma once

#include <cstdint>

// Boot display device (GetBootDisplay, SetBootDisplay).
constexpr uint8_t kBootDisplayBoth = 2; // external CRT monitor and LCD panel
constexpr uint8_t kBootDisplayAuto = 3; // detected at start

// Switching display device (GetDisplayDevice, SetDisplayDevice).
constexpr uint8_t kDisplayExternal = 0;
constexpr uint8_t kDisplayLcd = 1;
constexpr uint8_t kDisplayBoth = 2;

// A pending or applied byte that holds no value.
constexpr uint8_t kNoDisplayValue = 0xFF;

// A pending boot display code (written at the next apply) and the applied one (last
// written in this run).
class BootDisplayState {
public:
    // The user picked kBootDisplayAuto or kBootDisplayBoth.
    void Choose(uint8_t code) { m_nPendingBootDisplay = code; }

    // When modified is 1: writes the pending code if there is one, remembers it as
    // applied, clears it, and answers 1 (a boot display change wants a restart).
    // Otherwise writes nothing and answers 0. The write's result is not judged.
    int ApplyPending(int32_t modified);
    // Writes the applied code again, if there is one.
    void WriteApplied() const;
    // Nothing pending, nothing remembered.
    void Forget();

    uint8_t Applied() const { return m_nAppliedBootDisplay; }
    uint8_t Pending() const { return m_nPendingBootDisplay; }

private:
    uint8_t m_nAppliedBootDisplay = kNoDisplayValue;
    uint8_t m_nPendingBootDisplay = kNoDisplayValue;
};
