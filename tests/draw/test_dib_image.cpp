// Reading packed bitmaps from hand-written bytes: what is accepted, where its parts
// are, and that every malformed header is refused before anything reads past the end.
#include "DibImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct HeaderFields {
    uint32_t size = 40;
    int32_t width = 3;
    int32_t height = 2;
    uint16_t planes = 1;
    uint16_t bits = 8;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
};

// A header with these fields, little-endian at their offsets, followed by `rest` zero
// bytes (table and rows).
std::vector<uint8_t> Dib(const HeaderFields& f, size_t rest) {
    std::vector<uint8_t> out(40 + rest, 0);
    const struct {
        size_t at, size;
        uint32_t value;
    } fields[] = {{0, 4, f.size},
                  {4, 4, static_cast<uint32_t>(f.width)},
                  {8, 4, static_cast<uint32_t>(f.height)},
                  {12, 2, f.planes},
                  {14, 2, f.bits},
                  {16, 4, f.compression},
                  {32, 4, f.colorsUsed}};
    for (const auto& field : fields)
        for (size_t i = 0; i < field.size; ++i)
            out[field.at + i] = static_cast<uint8_t>(field.value >> (8 * i));
    return out;
}

DibError Parse(const std::vector<uint8_t>& bytes) {
    DibLayout layout;
    return ParseDib(bytes.data(), bytes.size(), layout);
}

HeaderFields With(uint16_t bits, int32_t width, int32_t height) {
    HeaderFields f;
    f.bits = bits;
    f.width = width;
    f.height = height;
    return f;
}

} // namespace

TEST(DibImage, ReadsAMonochromeBitmapAndItsTable) {
    // 2 x 2: a two-entry table (black, then blue 30 green 20 red 10 with a stray
    // reserved byte) and two rows.
    std::vector<uint8_t> bytes = Dib(With(1, 2, 2), 8 + 8);
    const uint8_t entry[] = {30, 20, 10, 0xAA};
    std::copy(entry, entry + 4, bytes.begin() + 44);
    DibLayout layout;
    ASSERT_EQ(DibError::None, ParseDib(bytes.data(), bytes.size(), layout));
    EXPECT_EQ(2, layout.width);
    EXPECT_EQ(2, layout.height);
    EXPECT_EQ(1u, layout.bitCount);
    EXPECT_EQ(2u, layout.colorCount);
    EXPECT_EQ(48u, layout.bitsOffset);
    EXPECT_EQ(4u, layout.rowBytes);
    EXPECT_EQ(8u, layout.imageBytes);
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
    EXPECT_EQ(DibError::TruncatedRows, ParseDib(bytes.data(), bytes.size() - 1, layout));
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
        {4, 16, 16, 104, 8}, {8, 3, 256, 1064, 4}, {8, 235, 256, 1064, 236},
        {24, 5, 0, 40, 16},  {32, 3, 0, 40, 12},   {16, 3, 0, 40, 8},
    };
    for (const auto& c : cases) {
        const std::vector<uint8_t> bytes =
            Dib(With(c.bits, c.width, 3), c.bitsOffset - 40 + 3 * c.rowBytes);
        DibLayout layout;
        ASSERT_EQ(DibError::None, ParseDib(bytes.data(), bytes.size(), layout)) << c.bits;
        EXPECT_EQ(c.colors, layout.colorCount) << c.bits;
        EXPECT_EQ(c.bitsOffset, layout.bitsOffset) << c.bits;
        EXPECT_EQ(c.rowBytes, layout.rowBytes) << c.bits;
        EXPECT_EQ(3 * c.rowBytes, layout.imageBytes) << c.bits;
        EXPECT_EQ(c.colors, DibPaletteEntries(bytes.data(), layout).size()) << c.bits;
        EXPECT_EQ(DibError::TruncatedRows, Parse({bytes.begin(), bytes.end() - 1})) << c.bits;
    }
    // Top-down rows count by their number.
    const std::vector<uint8_t> topDown = Dib(With(8, 3, -2), 1024 + 2 * 4);
    DibLayout layout;
    ASSERT_EQ(DibError::None, ParseDib(topDown.data(), topDown.size(), layout));
    EXPECT_EQ(-2, layout.height);
    EXPECT_EQ(8u, layout.imageBytes);
    EXPECT_EQ(DibError::TruncatedRows, Parse({topDown.begin(), topDown.end() - 1}));
    EXPECT_EQ(DibError::TruncatedTable, Parse(Dib(With(8, 3, 2), 1023)));
}

// A core or version 5 header, a width not positive, a height of 0 or the most
// negative, two planes, bit depths other than 1, 4, 8, 16, 24 and 32, run-length rows
// or bit-field masks, and any colour count (short, full, or above 8 bits).
TEST(DibImage, RefusesMalformedHeaders) {
    using E = DibError;
    const struct {
        HeaderFields fields;
        DibError expected;
    } cases[] = {
        {{12, 3, 2, 1, 8, 0, 0}, E::HeaderSize},   {{124, 3, 2, 1, 8, 0, 0}, E::HeaderSize},
        {{40, 0, 2, 1, 8, 0, 0}, E::BadSize},      {{40, -3, 2, 1, 8, 0, 0}, E::BadSize},
        {{40, 3, 0, 1, 8, 0, 0}, E::BadSize},      {{40, 3, INT32_MIN, 1, 8, 0, 0}, E::BadSize},
        {{40, 3, 2, 2, 8, 0, 0}, E::Planes},       {{40, 3, 2, 1, 0, 0, 0}, E::BitCount},
        {{40, 3, 2, 1, 2, 0, 0}, E::BitCount},     {{40, 3, 2, 1, 7, 0, 0}, E::BitCount},
        {{40, 3, 2, 1, 64, 0, 0}, E::BitCount},    {{40, 3, 2, 1, 8, 1, 0}, E::Compressed},
        {{40, 3, 2, 1, 32, 3, 0}, E::Compressed},  {{40, 3, 2, 1, 8, 0, 16}, E::ColorsUsed},
        {{40, 3, 2, 1, 8, 0, 256}, E::ColorsUsed}, {{40, 3, 2, 1, 24, 0, 4}, E::ColorsUsed},
    };
    for (const auto& c : cases) {
        // Enough bytes for any table and rows, so only the header can be at fault.
        const std::vector<uint8_t> bytes = Dib(c.fields, 4096);
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
    EXPECT_EQ(DibError::TruncatedRows, Parse(Dib(With(32, 0x40000000, 4), 64)));
    EXPECT_EQ(DibError::TruncatedRows, Parse(Dib(With(32, 0x7FFFFFFF, 0x7FFFFFFF), 64)));
    EXPECT_EQ(DibError::TruncatedTable, Parse(Dib(With(1, 0x7FFFFFFF, -0x7FFFFFFF), 4)));
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
