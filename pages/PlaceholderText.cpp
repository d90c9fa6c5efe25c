#include "PlaceholderText.h"

#include <cstdio>

namespace {

// The first "%d" or "%s" of pattern, or nullptr.
const char* FindPlaceholder(const char* pattern) {
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && (p[1] == 'd' || p[1] == 's'))
            return p;
    }
    return nullptr;
}

} // namespace

void FillPlaceholder(const char* pattern, const char* value, char* text, size_t size) {
    if (size == 0)
        return;
    if (!pattern)
        pattern = "";
    if (!value)
        value = "";
    const char* slot = FindPlaceholder(pattern);
    if (!slot) {
        std::snprintf(text, size, "%s", pattern);
        return;
    }
    std::snprintf(text, size, "%.*s%s%s", static_cast<int>(slot - pattern), pattern, value,
                  slot + 2);
}

void FillNumberPlaceholder(const char* pattern, int number, char* text, size_t size) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", number);
    FillPlaceholder(pattern, digits, text, size);
}
