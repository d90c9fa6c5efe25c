#include "PostOptionBytes.h"

#include "BiosCatalogue.h"

bool ReadOptionByte(int (*get)(uint8_t*), uint8_t& value) {
    uint8_t read = kNoValue;
    if (!get(&read) || read > 1)
        return false;
    value = read;
    return true;
}

PostReading ReadPostOptions() {
    PostReading reading{};
    reading.memTestRead = ReadOptionByte(GetMemoryTest, reading.memTest);
    reading.silentBootRead = ReadOptionByte(GetSilentBoot, reading.silentBoot);
    return reading;
}

int PostOptionBytes::ApplyPending(int32_t modified) {
    if (modified != 1)
        return 0;
    if (m_nPendingSilentBoot != kNoValue) {
        EnableSilentBoot(m_nPendingSilentBoot);
        m_nAppliedSilentBoot = m_nPendingSilentBoot;
        m_nPendingSilentBoot = kNoValue;
    }
    if (m_nPendingMemTest != kNoValue) {
        EnableMemoryTest(m_nPendingMemTest);
        m_nAppliedMemTest = m_nPendingMemTest;
        m_nPendingMemTest = kNoValue;
    }
    return 1;
}

void PostOptionBytes::WriteApplied() const {
    if (m_nAppliedMemTest != kNoValue)
        EnableMemoryTest(m_nAppliedMemTest);
    if (m_nAppliedSilentBoot != kNoValue)
        EnableSilentBoot(m_nAppliedSilentBoot);
}

void PostOptionBytes::Forget() {
    m_nAppliedMemTest = kNoValue;
    m_nAppliedSilentBoot = kNoValue;
    m_nPendingMemTest = kNoValue;
    m_nPendingSilentBoot = kNoValue;
}
