// Reading the packed device-independent bitmaps that the program keeps as bitmap
// resources: a 40-byte header, the colour table, then the pixel rows. Nothing here
// trusts the header: every size is checked against the bytes actually present.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Why a packed bitmap was refused.
enum class DibError {
    None,
    TooShort,       // fewer bytes than the 40-byte header
    HeaderSize,     // the header does not say it is 40 bytes long
    BadSize,        // width not positive, or height zero
    Planes,         // more than one plane
    BitCount,       // not 1, 4, 8, 16, 24 or 32 bits per pixel
    Compressed,     // rows that are not stored plainly
    ColorsUsed,     // a colour count is given, so the table is not the full 2^bits
    TruncatedTable, // the colour table runs past the end
    TruncatedRows,  // the pixel rows run past the end
};

// Where the parts of an accepted packed bitmap are, counted from its first byte.
struct DibLayout {
    int32_t width = 0;
    int32_t height = 0; // as stored: negative when the rows run top-down
    uint16_t bitCount = 0;
    uint32_t colorCount = 0; // table entries: 2^bitCount up to 8 bits, none above
    uint32_t bitsOffset = 0; // the first pixel row
    uint32_t rowBytes = 0;   // one row, padded to whole 32-bit words
    uint32_t imageBytes = 0; // all rows
};

constexpr uint32_t kDibHeaderSize = 40;

// Checks the header of the size bytes at data and fills layout. Anything but
// DibError::None leaves layout untouched; data may then be anything, even null.
DibError ParseDib(const void* data, size_t size, DibLayout& layout);

// A short English description of an error, for test and diagnostic output.
const char* DibErrorName(DibError error);

// One logical palette entry, in the order the system keeps them.
struct DibPaletteEntry {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t flags;
};

// The colour table of a bitmap accepted by ParseDib as palette entries (flags 0);
// empty above 8 bits per pixel. The table stores blue, green, red, unused per entry.
std::vector<DibPaletteEntry> DibPaletteEntries(const void* data, const DibLayout& layout);

// How a picture is copied into a window: at its own size into the top-left corner,
// or stretched over the whole window.
struct PictureCopy {
    bool stretch;
    int width; // the destination, from (0, 0)
    int height;
};

// A window up to a fifth wider than the picture shows it at its own size; a wider
// window, or one narrower than the picture, gets it stretched over all of it.
// Only the widths decide.
PictureCopy ChoosePictureCopy(int windowWidth, int windowHeight, int pictureWidth,
                              int pictureHeight);
