#include "SystemMemory.h"

#include <windows.h>

namespace {

bool g_overridden = false;
uint64_t g_overrideBytes = 0;

} // namespace

uint64_t TotalPhysicalMemoryBytes() {
    if (g_overridden)
        return g_overrideBytes;
    MEMORYSTATUS status;
    ZeroMemory(&status, sizeof status);
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return status.dwTotalPhys;
}

void SetTotalPhysicalMemoryOverride(const uint64_t* bytes) {
    g_overridden = bytes != nullptr;
    g_overrideBytes = bytes ? *bytes : 0;
}
