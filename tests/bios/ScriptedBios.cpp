#include "ScriptedBios.h"

#include "DriverChannel.h"
#include "TestDriver.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

ScriptedBios* g_bios = nullptr;

bool Open() {
    return true;
}

bool Control(const BiosRegs& request, BiosRegs& reply) {
    return g_bios != nullptr && g_bios->Control(request, reply);
}

const TestDriver kScripted = {Open, Control};

} // namespace

ScriptedBios::ScriptedBios() {
    if (g_bios != nullptr)
        ADD_FAILURE() << "one ScriptedBios at a time";
    g_bios = this;
    PlaceTestDriver(&kScripted);
    OpenDriver();
}

ScriptedBios::~ScriptedBios() {
    CloseDriver();
    PlaceTestDriver(nullptr);
    g_bios = nullptr;
}

bool ScriptedBios::Control(const BiosRegs& request, BiosRegs& reply) {
    const std::size_t index = answered_++;
    requests_.push_back(request);
    if (failTransport_)
        return false;
    if (replies_.empty())
        std::memset(&reply, 0, sizeof reply);
    else
        reply = replies_[index < replies_.size() ? index : replies_.size() - 1];
    return true;
}

BiosRegs Block(uint32_t status, uint32_t eax, uint32_t ebx, uint32_t ecx, uint32_t edx,
               uint32_t esi, uint32_t edi) {
    return BiosRegs{status, eax, ebx, ecx, edx, esi, edi, {}, {}, {}};
}

bool operator==(const BiosRegs& a, const BiosRegs& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
