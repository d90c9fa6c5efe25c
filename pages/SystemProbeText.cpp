#include "SystemProbeText.h"

#include <cstdio>
#include <cstring>

void CopyText(const char* source, char* text, size_t size) {
    if (size == 0)
        return;
    std::snprintf(text, size, "%s", source ? source : "");
}

void FormatNumberText(const char* pattern, long number, char* text, size_t size) {
    if (size == 0)
        return;
    if (!pattern)
        pattern = "";
    const char* slot = std::strstr(pattern, "%d");
    if (!slot) {
        CopyText(pattern, text, size);
        return;
    }
    std::snprintf(text, size, "%.*s%ld%s", static_cast<int>(slot - pattern), pattern, number,
                  slot + 2);
}
