// One BIOS option between the user's choice and the BIOS: a pending byte (chosen on
// the page, written at the next apply) and an applied byte (last written in this
// run, written again by Load Previous). Free of <windows.h>.
#pragma once

#include <cstdint>

// A pending or applied byte that holds no value.
constexpr uint8_t kNoValue = 0xFF;

class BiosOption {
public:
    // The user chose value (never kNoValue).
    void Choose(uint8_t value) { m_nPending = value; }

    bool HasPending() const { return m_nPending != kNoValue; }
    bool HasApplied() const { return m_nApplied != kNoValue; }
    uint8_t Pending() const { return m_nPending; }
    uint8_t Applied() const { return m_nApplied; }

    // Called when the pending value is written: it becomes the applied one and
    // nothing is pending any more. Returns the value to write.
    uint8_t TakePending() {
        m_nApplied = m_nPending;
        m_nPending = kNoValue;
        return m_nApplied;
    }
    // Drops the pending value; the applied one stays.
    void DropPending() { m_nPending = kNoValue; }
    // Nothing pending, nothing remembered.
    void Forget() { m_nPending = m_nApplied = kNoValue; }

    // When a value is pending: write(value) with it, and it becomes the applied one.
    // write is the option's BIOS set operation; its result is not judged.
    template <class Write> void WritePending(Write write) {
        if (HasPending())
            write(TakePending());
    }
    // When a value was applied: write(value) with it again.
    template <class Write> void WriteApplied(Write write) const {
        if (HasApplied())
            write(Applied());
    }

private:
    uint8_t m_nPending = kNoValue;
    uint8_t m_nApplied = kNoValue;
};
