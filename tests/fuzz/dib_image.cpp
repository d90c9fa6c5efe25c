// The bitmap parser on any bytes: an accepted bitmap's colour table and rows must lie
// inside the bytes given, and the copy rule must take any sizes (the input's first 16).
#include "DibImage.h"
#include "FuzzBios.h"

#include <vector>

void Fuzz(FuzzBytes& bytes) {
    std::vector<uint8_t> copy(bytes.Left()); // reading past its end is an overflow
    bytes.Fill(copy.data(), copy.size());
    const size_t size = copy.size();
    DibLayout layout;
    if (ParseDib(copy.data(), size, layout) == DibError::None) {
        Expect(layout.bitsOffset <= size && layout.imageBytes <= size - layout.bitsOffset,
               "accepted rows run past the end");
        Expect(DibPaletteEntries(copy.data(), layout).size() == layout.colorCount ||
                   layout.bitCount > 8,
               "palette size differs from the colour count");
    }
    int32_t sizes[4];
    FuzzBytes(copy.data(), size).Fill(sizes, sizeof sizes);
    ChoosePictureCopy(sizes[0], sizes[1], sizes[2], sizes[3]);
}
