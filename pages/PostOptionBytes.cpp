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
    m_silentBoot.WritePending(EnableSilentBoot);
    m_memTest.WritePending(EnableMemoryTest);
    return 1;
}

void PostOptionBytes::WriteApplied() const {
    m_memTest.WriteApplied(EnableMemoryTest);
    m_silentBoot.WriteApplied(EnableSilentBoot);
}

void PostOptionBytes::Forget() {
    m_memTest.Forget();
    m_silentBoot.Forget();
}
