#include "FuzzBios.h"

#include "DriverChannel.h"

#include <cstdio>
#include <cstdlib>

static FuzzBytes* g_bytes = nullptr;
static void (*g_check)(const BiosRegs& request) = nullptr;

static bool Answer(const BiosRegs& request, BiosRegs& reply) {
    if (g_check)
        g_check(request);
    if (g_bytes->Byte() % 16 == 0)
        return false;
    g_bytes->Fill(&reply, sizeof reply);
    const bool getBootSeq = Call(request) == 0x961017 && HighByte(request.ebx) == 0;
    if (void* list = getBootSeq ? WritableCallerBuffer(request.esi, 16) : nullptr)
        g_bytes->Fill(list, 16);
    return true;
}

static const TestDriver kFuzzDriver = {[] { return true; }, Answer};

FuzzBios::FuzzBios(FuzzBytes& bytes, void (*check)(const BiosRegs& request)) {
    g_bytes = &bytes;
    g_check = check;
    PlaceTestDriver(&kFuzzDriver);
    OpenDriver();
}

FuzzBios::~FuzzBios() {
    CloseDriver();
    PlaceTestDriver(nullptr);
}

void Expect(bool ok, const char* what) {
    if (ok)
        return;
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes bytes(data, size);
    Fuzz(bytes);
    return 0;
}
