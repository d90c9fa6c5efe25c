// A simulated BIOS with a small caller buffer, and the register parts the tests read.
#pragma once

#include "SimBios.h"
#include "SimProfiles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace simtest {

// A register part: which 32-bit word of the block, and where in that word.
struct Part {
    int word, shift;
    uint32_t mask;
};
constexpr Part kAl{1, 0, 0xFF}, kAh{1, 8, 0xFF}, kBh{2, 8, 0xFF}, kBx{2, 0, 0xFFFF};
constexpr Part kCl{3, 0, 0xFF}, kCh{3, 8, 0xFF}, kCx{3, 0, 0xFFFF}, kDl{4, 0, 0xFF};
constexpr Part kDh{4, 8, 0xFF}, kSi{5, 0, 0xFFFF}, kDi{6, 0, 0xFFFF};

inline uint32_t Get(const sim::Regs& r, Part part) {
    uint32_t words[sizeof r / 4];
    std::memcpy(words, &r, sizeof words);
    return (words[part.word] >> part.shift) & part.mask;
}
inline int Ah(const sim::Regs& r) {
    return static_cast<int>(Get(r, kAh));
}
inline bool Failed(const sim::Regs& r) {
    return r.status == sim::kStatusFailed;
}
// The call completed and the BIOS accepted it.
inline bool Accepted(const sim::Regs& r) {
    return !Failed(r) && Ah(r) == 0;
}

inline sim::Regs Request(uint16_t ax, uint16_t bx, uint32_t ecx = 0, uint32_t edx = 0,
                         uint32_t esi = 0, uint32_t edi = 0) {
    return sim::Regs{0, ax, bx, ecx, edx, esi, edi, {}, {}, {}};
}

// The caller's buffer as the simulator addresses it.
constexpr uint32_t kBufferAddress = 0x00401000;

class SimTest : public ::testing::Test {
protected:
    void SetUp() override {
        bios_.Reset();
        std::memset(buffer_, 0xEE, sizeof buffer_);
    }
    // Sends a request; the transport must succeed.
    sim::Regs Ask(uint16_t ax, uint16_t bx, uint32_t ecx = 0, uint32_t edx = 0, uint32_t esi = 0,
                  uint32_t edi = 0) {
        sim::Regs reply;
        EXPECT_TRUE(bios_.Handle(Request(ax, bx, ecx, edx, esi, edi), reply, memory_));
        return reply;
    }
    sim::Regs AskWithBuffer(uint16_t ax, uint16_t bx, uint32_t ecx = 0) {
        return Ask(ax, bx, ecx, 0, kBufferAddress);
    }
    void LoadProfile(const char* name) { ASSERT_TRUE(sim::LoadNamedProfile(bios_, name)) << name; }

    sim::SimBios bios_;
    uint8_t buffer_[32];
    bool bufferFails_ = false;

private:
    // The size bytes at address inside buffer_, or nullptr.
    static uint8_t* Reach(void* context, uint32_t address, uint32_t size) {
        SimTest* self = static_cast<SimTest*>(context);
        if (self->bufferFails_ || address < kBufferAddress ||
            address - kBufferAddress + size > sizeof self->buffer_)
            return nullptr;
        return self->buffer_ + (address - kBufferAddress);
    }
    static bool Read(void* context, uint32_t address, void* to, uint32_t size) {
        const uint8_t* from = Reach(context, address, size);
        return from && std::memcpy(to, from, size);
    }
    static bool Write(void* context, uint32_t address, const void* from, uint32_t size) {
        uint8_t* to = Reach(context, address, size);
        return to && std::memcpy(to, from, size);
    }

protected:
    const sim::CallerMemory memory_ = {this, Read, Write};
};

} // namespace simtest
