#include "ScriptedBios.h"

#include "DriverChannel.h"
#include "TestDriver.h"

#include <gtest/gtest.h>

#include <cstdio>
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
    if (duringCall)
        duringCall(request);
    if (replies_.empty())
        std::memset(&reply, 0, sizeof reply);
    else
        reply = replies_[index < replies_.size() ? index : replies_.size() - 1];
    return true;
}

BiosRegs Block(uint32_t status, uint32_t eax, uint32_t ebx, uint32_t ecx, uint32_t edx,
               uint32_t esi, uint32_t edi) {
    BiosRegs regs;
    std::memset(&regs, 0, sizeof regs);
    regs.status = status;
    regs.eax = eax;
    regs.ebx = ebx;
    regs.ecx = ecx;
    regs.edx = edx;
    regs.esi = esi;
    regs.edi = edi;
    return regs;
}

bool operator==(const BiosRegs& a, const BiosRegs& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void PrintTo(const BiosRegs& r, std::ostream* out) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "{status %08X eax %08X ebx %08X ecx %08X edx %08X esi %08X edi %08X "
                  "reserved %X %X %X control %X %X pad %X %X}",
                  r.status, r.eax, r.ebx, r.ecx, r.edx, r.esi, r.edi, r.reserved[0], r.reserved[1],
                  r.reserved[2], r.control[0], r.control[1], r.pad[0], r.pad[1]);
    *out << text;
}
