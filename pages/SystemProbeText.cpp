#include "SystemProbeText.h"

#include <cstdio>

void CopyText(const char* source, char* text, size_t size) {
    if (size == 0)
        return;
    std::snprintf(text, size, "%s", source ? source : "");
}
