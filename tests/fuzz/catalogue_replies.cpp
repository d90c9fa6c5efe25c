// The reply decoding of all 54 operations: the fuzzer picks operations and answers
// each request. An operation that reports failure must leave its outputs alone
// (the `code` output and a list the driver filled during the call excepted).
#include "CatalogueProbes.h"
#include "FuzzBios.h"
#include "SystemMemory.h"

void Fuzz(FuzzBytes& bytes) {
    static const uint64_t kMemoryBytes = 96ull << 20;
    SetTotalPhysicalMemoryOverride(&kMemoryBytes);
    FuzzBios bios(bytes);
    while (bytes.Left()) {
        const Probe& probe = kProbes[bytes.Byte() % kProbeCount];
        Outputs out;
        std::memset(&out, 0xA5, sizeof out);
        const Outputs before = out;
        if (probe.call(out, bytes.Byte()) == 0) {
            out.code = before.code;
            out.list = before.list;
            Expect(std::memcmp(&out, &before, sizeof out) == 0, probe.name);
        }
    }
}
