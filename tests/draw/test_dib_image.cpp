// Reading packed bitmaps from hand-written bytes: what is accepted, where its parts
// are, and that every malformed header is refused before anything reads past the end.
#include "DibImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Offsets of the header's fields.
constexpr size_t kSize = 0, kWidth = 4, kHeight = 8, kPlanes = 12, kBits = 14, kCompression = 16,
                 kColors = 32;

// A version 3 header of this depth and size, little-endian, with the field at `at`
// then set to value, followed by `rest` zero bytes (table and rows).
std::vector<uint8_t> Dib(uint16_t bits, int32_t width, int32_t height, size_t rest,
                         size_t at = kSize, uint32_t value = 40) {
    std::vector<uint8_t> out(40 + rest, 0);
    const auto put = [&out](size_t offset, uint32_t number) {
        for (size_t i = 0; i < (offset == kPlanes || offset == kBits ? 2u : 4u); ++i)
            out[offset + i] = static_cast<uint8_t>(number >> (8 * i));
    };
    put(kSize, 40);
    put(kWidth, static_cast<uint32_t>(width));
    put(kHeight, static_cast<uint32_t>(height));
    put(kPlanes, 1);
    put(kBits, bits);
    put(at, value);
    return out;
}

DibError Parse(const std::vector<uint8_t>& bytes) {
    DibLayout layout;
    return ParseDib(bytes.data(), bytes.size(), layout);
}

} // namespace

TEST(DibImage, ReadsTheColourTableAndRefusesShortBuffers) {
    // 2 x 2: a two-entry table (black, then blue 30 green 20 red 10 with a stray
    // reserved byte) and two rows.
    std::vector<uint8_t> bytes = Dib(1, 2, 2, 8 + 8);
    const uint8_t entry[] = {30, 20, 10, 0xAA};
    std::copy(entry, entry + 4, bytes.begin() + 44);
    DibLayout layout;
    ASSERT_EQ(DibError::None, ParseDib(bytes.data(), bytes.size(), layout));
    const std::vector<DibPaletteEntry> entries = DibPaletteEntries(bytes.data(), layout);
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(0, entries[0].red + entries[0].green + entries[0].blue);
    // Blue, green, red in the table become red, green, blue; the reserved byte is dropped.
    EXPECT_EQ(10, entries[1].red);
    EXPECT_EQ(20, entries[1].green);
    EXPECT_EQ(30, entries[1].blue);
    EXPECT_EQ(0, entries[1].flags);

    EXPECT_EQ(DibError::TooShort, ParseDib(nullptr, 100, layout));
    EXPECT_EQ(DibError::TooShort, ParseDib(bytes.data(), 39, layout));
    EXPECT_EQ(DibError::TruncatedTable, ParseDib(bytes.data(), 47, layout));
    for (DibError e :
         {DibError::None, DibError::TooShort, DibError::TruncatedTable, DibError::TruncatedRows})
        EXPECT_STRNE("unknown", DibErrorName(e));
}

// The table holds 2^bits entries up to 8 bits and none above; rows are padded to
// whole 32-bit words.
TEST(DibImage, TableLengthAndRowsFollowTheBitDepth) {
    const struct {
        uint16_t bits;
        int32_t width;
        uint32_t colors, bitsOffset, rowBytes;
    } cases[] = {
        {1, 2, 2, 48, 4},   {4, 16, 16, 104, 8}, {8, 3, 256, 1064, 4}, {8, 235, 256, 1064, 236},
        {24, 5, 0, 40, 16}, {32, 3, 0, 40, 12},  {16, 3, 0, 40, 8},
    };
    for (const auto& c : cases) {
        const std::vector<uint8_t> bytes =
            Dib(c.bits, c.width, 3, c.bitsOffset - 40 + 3 * c.rowBytes);
        DibLayout layout;
        ASSERT_EQ(DibError::None, ParseDib(bytes.data(), bytes.size(), layout)) << c.bits;
        EXPECT_EQ(c.width, layout.width) << c.bits;
        EXPECT_EQ(3, layout.height) << c.bits;
        EXPECT_EQ(c.bits, layout.bitCount) << c.bits;
        EXPECT_EQ(c.colors, layout.colorCount) << c.bits;
        EXPECT_EQ(c.bitsOffset, layout.bitsOffset) << c.bits;
        EXPECT_EQ(c.rowBytes, layout.rowBytes) << c.bits;
        EXPECT_EQ(3 * c.rowBytes, layout.imageBytes) << c.bits;
        EXPECT_EQ(c.colors, DibPaletteEntries(bytes.data(), layout).size()) << c.bits;
        EXPECT_EQ(DibError::TruncatedRows, Parse({bytes.begin(), bytes.end() - 1})) << c.bits;
    }
    // Top-down rows count by their number.
    const std::vector<uint8_t> topDown = Dib(8, 3, -2, 1024 + 2 * 4);
    DibLayout layout;
    ASSERT_EQ(DibError::None, ParseDib(topDown.data(), topDown.size(), layout));
    EXPECT_EQ(-2, layout.height);
    EXPECT_EQ(8u, layout.imageBytes);
    EXPECT_EQ(DibError::TruncatedRows, Parse({topDown.begin(), topDown.end() - 1}));
    EXPECT_EQ(DibError::TruncatedTable, Parse(Dib(8, 3, 2, 1023)));
}

// A core or version 5 header, a width not positive, a height of 0 or the most
// negative, two planes, bit depths other than 1, 4, 8, 16, 24 and 32, run-length rows
// or bit-field masks, and any colour count (short, full, or above 8 bits).
TEST(DibImage, RefusesMalformedHeaders) {
    using E = DibError;
    const struct {
        uint16_t bits;
        size_t field;
        uint32_t value;
        DibError expected;
    } cases[] = {
        {8, kSize, 12, E::HeaderSize},        {8, kSize, 124, E::HeaderSize},
        {8, kWidth, 0, E::BadSize},           {8, kWidth, uint32_t(-3), E::BadSize},
        {8, kHeight, 0, E::BadSize},          {8, kHeight, 0x80000000, E::BadSize},
        {8, kPlanes, 2, E::Planes},           {0, kSize, 40, E::BitCount},
        {2, kSize, 40, E::BitCount},          {7, kSize, 40, E::BitCount},
        {64, kSize, 40, E::BitCount},         {8, kCompression, 1, E::Compressed},
        {32, kCompression, 3, E::Compressed}, {8, kColors, 16, E::ColorsUsed},
        {8, kColors, 256, E::ColorsUsed},     {24, kColors, 4, E::ColorsUsed},
    };
    for (const auto& c : cases) {
        // Enough bytes for any table and rows, so only the header can be at fault.
        const std::vector<uint8_t> bytes = Dib(c.bits, 3, 2, 4096, c.field, c.value);
        DibLayout layout;
        layout.width = 1234;
        EXPECT_EQ(c.expected, ParseDib(bytes.data(), bytes.size(), layout))
            << DibErrorName(c.expected);
        EXPECT_EQ(1234, layout.width) << "a refusal leaves the layout alone";
        EXPECT_STRNE("unknown", DibErrorName(c.expected));
    }
}

// Width x height x bits overflows 32 bits many times over; only the real byte count
// may decide, so a small buffer must be refused, not accepted after a wrap.
TEST(DibImage, HugeDimensionsDoNotWrapAround) {
    EXPECT_EQ(DibError::TruncatedRows, Parse(Dib(32, 0x40000000, 4, 64)));
    EXPECT_EQ(DibError::TruncatedRows, Parse(Dib(32, 0x7FFFFFFF, 0x7FFFFFFF, 64)));
    EXPECT_EQ(DibError::TruncatedTable, Parse(Dib(1, 0x7FFFFFFF, -0x7FFFFFFF, 4)));
}

// A window up to a fifth wider than the picture shows it at its own size (the
// window's height plays no part); a wider or a narrower one gets it stretched over
// all of it.
TEST(PictureCopy, OwnSizeUpToAFifthWiderElseStretched) {
    const struct {
        int windowWidth, windowHeight, pictureWidth, pictureHeight;
        bool stretch;
    } cases[] = {
        {120, 50, 100, 80, false},  {121, 80, 100, 80, true},    {181, 10, 151, 230, false},
        {182, 10, 151, 230, true},  {245, 290, 235, 290, false}, {409, 300, 410, 206, true},
        {1000, 20, 410, 206, true}, {410, 20, 410, 206, false},
    };
    for (const auto& c : cases) {
        const PictureCopy copy =
            ChoosePictureCopy(c.windowWidth, c.windowHeight, c.pictureWidth, c.pictureHeight);
        EXPECT_EQ(c.stretch, copy.stretch) << c.windowWidth << " for " << c.pictureWidth;
        EXPECT_EQ(c.stretch ? c.windowWidth : c.pictureWidth, copy.width) << c.windowWidth;
        EXPECT_EQ(c.stretch ? c.windowHeight : c.pictureHeight, copy.height) << c.windowWidth;
    }
}
