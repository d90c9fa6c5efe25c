// Total physical memory on the native build: the host's, unless a test overrides it.
#include "SystemMemory.h"

#include <unistd.h>

namespace {

bool g_overridden = false;
uint64_t g_overrideBytes = 0;

} // namespace

uint64_t TotalPhysicalMemoryBytes() {
    if (g_overridden)
        return g_overrideBytes;
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? static_cast<uint64_t>(pages) * pageSize : 0;
}

void SetTotalPhysicalMemoryOverride(const uint64_t* bytes) {
    g_overridden = bytes != nullptr;
    g_overrideBytes = bytes ? *bytes : 0;
}
