// The reply decoding of all 54 operations: the fuzzer picks operations and answers
// each request. An operation that reports failure must leave its outputs alone
// (the `code` output and a list the driver filled during the call excepted).
#include "CatalogueProbes.h"
#include "FuzzBios.h"
#include "SystemMemory.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const uint64_t kMemoryBytes = 96ull << 20;
    SetTotalPhysicalMemoryOverride(&kMemoryBytes);
    FuzzBytes bytes(data, size);
    FuzzBios bios(bytes);
    while (!bytes.Empty()) {
        const Probe& probe = kProbes[bytes.Byte() % kProbeCount];
        Outputs out;
        std::memset(&out, 0xA5, sizeof out);
        const Outputs before = out;
        const int result = probe.call(out, bytes.Byte());
        if (result == 0) {
            out.code = before.code;
            out.list = before.list;
            if (std::memcmp(&out, &before, sizeof out) != 0)
                Finding(probe.name);
        }
    }
    return 0;
}
