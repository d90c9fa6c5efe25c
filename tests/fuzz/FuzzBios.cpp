#include "FuzzBios.h"

#include "DriverChannel.h"
#include "TestDriver.h"

#include <cstdio>
#include <cstdlib>

namespace {

FuzzBios* g_bios = nullptr;

bool Open() {
    return true;
}

bool Control(const BiosRegs& request, BiosRegs& reply) {
    return g_bios != nullptr && g_bios->Answer(request, reply);
}

const TestDriver kFuzzDriver = {Open, Control};

bool IsGetBootSeq(const BiosRegs& request) {
    return LowWord(request.eax) == 0x9610 && LowByte(request.ebx) == 0x17 &&
           HighByte(request.ebx) == 0x00;
}

} // namespace

FuzzBios::FuzzBios(FuzzBytes& bytes, Check check) : bytes_(bytes), check_(check) {
    g_bios = this;
    PlaceTestDriver(&kFuzzDriver);
    OpenDriver();
}

FuzzBios::~FuzzBios() {
    CloseDriver();
    PlaceTestDriver(nullptr);
    g_bios = nullptr;
}

bool FuzzBios::Answer(const BiosRegs& request, BiosRegs& reply) {
    if (check_)
        check_(request);
    if (bytes_.Byte() % 16 == 0)
        return false;
    bytes_.Fill(&reply, sizeof reply);
    if (IsGetBootSeq(request)) {
        if (void* list = WritableCallerBuffer(request.esi, 16))
            bytes_.Fill(list, 16);
    }
    return true;
}

const uint8_t* RequestBuffer(const BiosRegs& request, uint32_t size) {
    return static_cast<const uint8_t*>(ReadableCallerBuffer(request.esi, size));
}

void Finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}
