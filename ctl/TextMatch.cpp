#include "TextMatch.h"

#include <cctype>
#include <cstring>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

bool EqualsIgnoreCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

void CopyTrimmed(const char* source, size_t length, char* text, size_t size) {
    if (size == 0)
        return;
    while (length > 0 && IsBlank(*source)) {
        ++source;
        --length;
    }
    while (length > 0 && IsBlank(source[length - 1]))
        --length;
    if (length > size - 1)
        length = size - 1;
    std::memcpy(text, source, length);
    text[length] = '\0';
}

bool ParseSmallNumber(const char* text, unsigned& number) {
    const size_t length = std::strlen(text);
    if (length == 0 || length > 5)
        return false;
    unsigned value = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    number = value;
    return true;
}
