#include "DibImage.h"

#include <cstring>

namespace {

uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

int32_t ReadI32(const uint8_t* p) {
    const uint32_t u = ReadU32(p);
    int32_t value;
    std::memcpy(&value, &u, sizeof value);
    return value;
}

uint16_t ReadU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

bool IsValidBitCount(uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Header field offsets.
constexpr size_t kSize = 0, kWidth = 4, kHeight = 8, kPlanes = 12, kBitCount = 14,
                 kCompression = 16, kClrUsed = 32;
constexpr uint32_t kUncompressed = 0;

} // namespace

DibError ParseDib(const void* data, size_t size, DibLayout& layout) {
    if (!data || size < kDibHeaderSize)
        return DibError::TooShort;
    const uint8_t* p = static_cast<const uint8_t*>(data);
    if (ReadU32(p + kSize) != kDibHeaderSize)
        return DibError::HeaderSize;
    const int32_t width = ReadI32(p + kWidth);
    const int32_t height = ReadI32(p + kHeight);
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return DibError::BadSize;
    if (ReadU16(p + kPlanes) != 1)
        return DibError::Planes;
    const uint16_t bits = ReadU16(p + kBitCount);
    if (!IsValidBitCount(bits))
        return DibError::BitCount;
    if (ReadU32(p + kCompression) != kUncompressed)
        return DibError::Compressed;
    if (ReadU32(p + kClrUsed) != 0)
        return DibError::ColorsUsed;

    const uint32_t colors = bits <= 8 ? (1u << bits) : 0;
    const uint64_t bitsOffset = kDibHeaderSize + 4ull * colors;
    if (size < bitsOffset)
        return DibError::TruncatedTable;
    const uint64_t rows = height < 0 ? -static_cast<int64_t>(height) : height;
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    const uint64_t imageBytes = rowBytes * rows;
    if (imageBytes > size - bitsOffset)
        return DibError::TruncatedRows;

    layout.width = width;
    layout.height = height;
    layout.bitCount = bits;
    layout.colorCount = colors;
    layout.bitsOffset = static_cast<uint32_t>(bitsOffset);
    layout.rowBytes = static_cast<uint32_t>(rowBytes);
    layout.imageBytes = static_cast<uint32_t>(imageBytes);
    return DibError::None;
}

const char* DibErrorName(DibError error) {
    switch (error) {
    case DibError::None:
        return "accepted";
    case DibError::TooShort:
        return "shorter than its header";
    case DibError::HeaderSize:
        return "header size is not 40";
    case DibError::BadSize:
        return "width or height out of range";
    case DibError::Planes:
        return "planes is not 1";
    case DibError::BitCount:
        return "unsupported bits per pixel";
    case DibError::Compressed:
        return "compressed rows";
    case DibError::ColorsUsed:
        return "colour count set";
    case DibError::TruncatedTable:
        return "colour table cut short";
    case DibError::TruncatedRows:
        return "pixel rows cut short";
    }
    return "unknown";
}

std::vector<DibPaletteEntry> DibPaletteEntries(const void* data, const DibLayout& layout) {
    std::vector<DibPaletteEntry> entries;
    const uint8_t* table = static_cast<const uint8_t*>(data) + kDibHeaderSize;
    entries.reserve(layout.colorCount);
    for (uint32_t i = 0; i < layout.colorCount; ++i) {
        const uint8_t* quad = table + 4 * i;
        entries.push_back(DibPaletteEntry{quad[2], quad[1], quad[0], 0});
    }
    return entries;
}

PictureCopy ChoosePictureCopy(int windowWidth, int windowHeight, int pictureWidth,
                              int pictureHeight) {
    // windowWidth > 1.2 * pictureWidth, in whole numbers.
    const bool muchWider = 5ll * windowWidth > 6ll * pictureWidth;
    if (muchWider || windowWidth < pictureWidth)
        return PictureCopy{true, windowWidth, windowHeight};
    return PictureCopy{false, pictureWidth, pictureHeight};
}
