// Small text helpers for the settings file and the command line. Free of <windows.h>.
#pragma once

#include <cstddef>

// ASCII letters compared without case.
bool EqualsIgnoreCase(const char* a, const char* b);
// The first length characters of source without leading and trailing blanks, cut to
// size - 1 characters; always terminated when size is not 0.
void CopyTrimmed(const char* source, size_t length, char* text, size_t size);
// Decimal digits only, at most five of them.
bool ParseSmallNumber(const char* text, unsigned& number);
