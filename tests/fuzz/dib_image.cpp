// The bitmap parser on any bytes: an accepted bitmap's colour table and rows must lie
// inside the bytes given, and the copy rule must take any sizes.
#include "DibImage.h"
#include "FuzzBios.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly size bytes, so reading past the end is an overflow.
    uint8_t* copy = new uint8_t[size ? size : 1];
    if (size)
        std::memcpy(copy, data, size);
    DibLayout layout;
    if (ParseDib(copy, size, layout) == DibError::None) {
        if (layout.bitsOffset > size || layout.imageBytes > size - layout.bitsOffset)
            Finding("accepted rows run past the end");
        volatile uint8_t last =
            layout.imageBytes ? copy[layout.bitsOffset + layout.imageBytes - 1] : 0;
        (void)last;
        const std::vector<DibPaletteEntry> palette = DibPaletteEntries(copy, layout);
        if (palette.size() != layout.colorCount && layout.bitCount <= 8)
            Finding("palette size differs from the colour count");
    }
    delete[] copy;
    if (size >= 16) {
        int32_t sizes[4];
        std::memcpy(sizes, data, sizeof sizes);
        ChoosePictureCopy(sizes[0], sizes[1], sizes[2], sizes[3]);
    }
    return 0;
}
