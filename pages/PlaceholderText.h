// Texts from the string table with one value put in: "Brightness for LCD Panel (%d)".
// The pattern is never handed to printf, so a damaged or retranslated pattern can
// not make the formatting read arguments that are not there. Free of <windows.h>.
#pragma once

#include <cstddef>

// Copies pattern into text with its first "%d" or "%s" replaced by value; every
// other character, '%' included, stays as it is. At most size - 1 characters,
// always terminated; nothing when size is 0. A null pattern or value counts as "".
void FillPlaceholder(const char* pattern, const char* value, char* text, size_t size);

// FillPlaceholder with number in decimal.
void FillNumberPlaceholder(const char* pattern, int number, char* text, size_t size);
