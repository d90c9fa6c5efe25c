// Texts for the information rows: where string-table texts come from, and bounded
// formatting into the caller's fixed buffers. Free of <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>

// Every loaded or formatted row text fits in this many characters, terminator included.
constexpr size_t kProbeTextSize = 256;

// Gives string-table texts by number.
class TextSource {
public:
    virtual ~TextSource() = default;
    // Copies string `id` into text: at most size - 1 characters, always terminated;
    // an unknown id gives the empty text.
    virtual void LoadText(uint32_t id, char* text, size_t size) const = 0;
};

// Copies source into text, cut to size - 1 characters; nothing when size is 0.
void CopyText(const char* source, char* text, size_t size);
