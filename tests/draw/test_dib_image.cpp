// Reading packed bitmaps from hand-written bytes: what is accepted, where its parts
// are, and that every malformed header is refused before anything reads past the end.
#include "DibImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 1-bit, 2 x 2 packed bitmap written out byte by byte: header, two-entry table
// (black, then a blue-green-red entry 10 20 30 with a stray reserved byte), two rows.
const uint8_t kTinyMonochrome[] = {
    40,   0,  0,  0,                // header size
    2,    0,  0,  0,                // width
    2,    0,  0,  0,                // height
    1,    0,                        // planes
    1,    0,                        // bits per pixel
    0,    0,  0,  0,                // uncompressed
    8,    0,  0,  0,                // image bytes
    0,    0,  0,  0,    0, 0, 0, 0, // resolution
    0,    0,  0,  0,                // colours used
    0,    0,  0,  0,                // colours important
    0,    0,  0,  0,                // entry 0: black
    30,   20, 10, 0xAA,             // entry 1: blue 30, green 20, red 10
    0x40, 0,  0,  0,                // bottom row
    0x80, 0,  0,  0,                // top row
};

struct HeaderFields {
    uint32_t size = 40;
    int32_t width = 3;
    int32_t height = 2;
    uint16_t planes = 1;
    uint16_t bits = 8;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
};

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t value) {
    out[at] = static_cast<uint8_t>(value);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
}

// A header with these fields followed by `rest` zero bytes (table and rows).
std::vector<uint8_t> Dib(const HeaderFields& f, size_t rest) {
    std::vector<uint8_t> out(40 + rest, 0);
    Put32(out, 0, f.size);
    Put32(out, 4, static_cast<uint32_t>(f.width));
    Put32(out, 8, static_cast<uint32_t>(f.height));
    Put16(out, 12, f.planes);
    Put16(out, 14, f.bits);
    Put32(out, 16, f.compression);
    Put32(out, 32, f.colorsUsed);
    return out;
}

DibError Parse(const std::vector<uint8_t>& bytes) {
    DibLayout layout;
    return ParseDib(bytes.data(), bytes.size(), layout);
}

} // namespace

TEST(DibImage, ReadsAHandWrittenMonochromeBitmap) {
    DibLayout layout;
    ASSERT_EQ(DibError::None, ParseDib(kTinyMonochrome, sizeof kTinyMonochrome, layout));
    EXPECT_EQ(2, layout.width);
    EXPECT_EQ(2, layout.height);
    EXPECT_EQ(1u, layout.bitCount);
    EXPECT_EQ(2u, layout.colorCount);
    EXPECT_EQ(48u, layout.bitsOffset);
    EXPECT_EQ(4u, layout.rowBytes);
    EXPECT_EQ(8u, layout.imageBytes);

    const std::vector<DibPaletteEntry> entries = DibPaletteEntries(kTinyMonochrome, layout);
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(0, entries[0].red + entries[0].green + entries[0].blue);
    // Blue, green, red in the table become red, green, blue; the reserved byte is dropped.
    EXPECT_EQ(10, entries[1].red);
    EXPECT_EQ(20, entries[1].green);
    EXPECT_EQ(30, entries[1].blue);
    EXPECT_EQ(0, entries[1].flags);
}

TEST(DibImage, TableLengthAndRowsFollowTheBitDepth) {
    struct Case {
        uint16_t bits;
        int32_t width;
        uint32_t colors;
        uint32_t bitsOffset;
        uint32_t rowBytes;
    };
    const Case cases[] = {
        {4, 16, 16, 40 + 64, 8},   // 16 entries: rows start 64 bytes after the header
        {8, 3, 256, 40 + 1024, 4}, // 3 bytes padded to a whole word
        {8, 235, 256, 1064, 236},  // the Information Viewer picture
        {24, 5, 0, 40, 16},        // no table: rows straight after the header
        {32, 3, 0, 40, 12},        {16, 3, 0, 40, 8},
    };
    for (const Case& c : cases) {
        HeaderFields f;
        f.bits = c.bits;
        f.width = c.width;
        f.height = 3;
        const std::vector<uint8_t> bytes = Dib(f, c.bitsOffset - 40 + 3 * c.rowBytes);
        DibLayout layout;
        ASSERT_EQ(DibError::None, ParseDib(bytes.data(), bytes.size(), layout)) << c.bits;
        EXPECT_EQ(c.colors, layout.colorCount) << c.bits;
        EXPECT_EQ(c.bitsOffset, layout.bitsOffset) << c.bits;
        EXPECT_EQ(c.rowBytes, layout.rowBytes) << c.bits;
        EXPECT_EQ(3 * c.rowBytes, layout.imageBytes) << c.bits;
        EXPECT_EQ(c.colors, DibPaletteEntries(bytes.data(), layout).size()) << c.bits;
    }
}

TEST(DibImage, TopDownRowsCountByTheirNumber) {
    HeaderFields f;
    f.height = -2;
    const std::vector<uint8_t> bytes = Dib(f, 1024 + 2 * 4);
    DibLayout layout;
    ASSERT_EQ(DibError::None, ParseDib(bytes.data(), bytes.size(), layout));
    EXPECT_EQ(-2, layout.height);
    EXPECT_EQ(8u, layout.imageBytes);
    EXPECT_EQ(DibError::TruncatedRows, Parse(std::vector<uint8_t>(bytes.begin(), bytes.end() - 1)));
}

TEST(DibImage, RefusesMalformedHeaders) {
    struct Case {
        const char* what;
        HeaderFields fields;
        DibError expected;
    };
    auto with = [](auto change) {
        HeaderFields f;
        change(f);
        return f;
    };
    const Case cases[] = {
        {"core header", with([](HeaderFields& f) { f.size = 12; }), DibError::HeaderSize},
        {"version 5 header", with([](HeaderFields& f) { f.size = 124; }), DibError::HeaderSize},
        {"zero width", with([](HeaderFields& f) { f.width = 0; }), DibError::BadSize},
        {"negative width", with([](HeaderFields& f) { f.width = -3; }), DibError::BadSize},
        {"zero height", with([](HeaderFields& f) { f.height = 0; }), DibError::BadSize},
        {"most negative height", with([](HeaderFields& f) { f.height = INT32_MIN; }),
         DibError::BadSize},
        {"two planes", with([](HeaderFields& f) { f.planes = 2; }), DibError::Planes},
        {"0 bits", with([](HeaderFields& f) { f.bits = 0; }), DibError::BitCount},
        {"2 bits", with([](HeaderFields& f) { f.bits = 2; }), DibError::BitCount},
        {"7 bits", with([](HeaderFields& f) { f.bits = 7; }), DibError::BitCount},
        {"64 bits", with([](HeaderFields& f) { f.bits = 64; }), DibError::BitCount},
        {"run-length rows", with([](HeaderFields& f) { f.compression = 1; }), DibError::Compressed},
        {"bit-field masks", with([](HeaderFields& f) {
             f.bits = 32;
             f.compression = 3;
         }),
         DibError::Compressed},
        {"short table", with([](HeaderFields& f) { f.colorsUsed = 16; }), DibError::ColorsUsed},
        {"full table counted", with([](HeaderFields& f) { f.colorsUsed = 256; }),
         DibError::ColorsUsed},
        {"colour count above 8 bits", with([](HeaderFields& f) {
             f.bits = 24;
             f.colorsUsed = 4;
         }),
         DibError::ColorsUsed},
    };
    for (const Case& c : cases) {
        // Enough bytes for any table and rows, so only the header can be at fault.
        const std::vector<uint8_t> bytes = Dib(c.fields, 4096);
        DibLayout layout;
        layout.width = 1234;
        EXPECT_EQ(c.expected, ParseDib(bytes.data(), bytes.size(), layout)) << c.what;
        EXPECT_EQ(1234, layout.width) << c.what << ": a refusal leaves the layout alone";
    }
}

TEST(DibImage, RefusesWhatEndsTooSoon) {
    DibLayout scratch;
    EXPECT_EQ(DibError::TooShort, ParseDib(nullptr, 100, scratch));
    EXPECT_EQ(DibError::TooShort, ParseDib(kTinyMonochrome, 39, scratch));
    EXPECT_EQ(DibError::TruncatedTable, ParseDib(kTinyMonochrome, 47, scratch));
    EXPECT_EQ(DibError::TruncatedRows,
              ParseDib(kTinyMonochrome, sizeof kTinyMonochrome - 1, scratch));

    HeaderFields f; // 8 bits, 3 x 2: 1024 bytes of table and two 4-byte rows
    EXPECT_EQ(DibError::TruncatedTable, Parse(Dib(f, 1023)));
    EXPECT_EQ(DibError::TruncatedRows, Parse(Dib(f, 1024)));
    EXPECT_EQ(DibError::TruncatedRows, Parse(Dib(f, 1024 + 7)));
    EXPECT_EQ(DibError::None, Parse(Dib(f, 1024 + 8)));
}

TEST(DibImage, HugeDimensionsDoNotWrapAround) {
    // Width x height x bits overflows 32 bits many times over; only the real byte
    // count may decide, so a small buffer must be refused, not accepted after a wrap.
    HeaderFields f;
    f.bits = 32;
    f.width = 0x40000000;
    f.height = 4;
    EXPECT_EQ(DibError::TruncatedRows, Parse(Dib(f, 64)));
    f.width = 0x7FFFFFFF;
    f.height = 0x7FFFFFFF;
    EXPECT_EQ(DibError::TruncatedRows, Parse(Dib(f, 64)));
    f.bits = 1;
    f.height = -0x7FFFFFFF;
    EXPECT_EQ(DibError::TruncatedTable, Parse(Dib(f, 4)));
}

TEST(DibImage, EveryErrorHasAName) {
    for (DibError e : {DibError::None, DibError::TooShort, DibError::HeaderSize, DibError::BadSize,
                       DibError::Planes, DibError::BitCount, DibError::Compressed,
                       DibError::ColorsUsed, DibError::TruncatedTable, DibError::TruncatedRows})
        EXPECT_STRNE("unknown", DibErrorName(e));
}

TEST(PictureCopy, AFifthWiderKeepsTheOwnSize) {
    // 1.2 x 100 = 120: still the picture's own size; one pixel more stretches.
    PictureCopy own = ChoosePictureCopy(120, 50, 100, 80);
    EXPECT_FALSE(own.stretch);
    EXPECT_EQ(100, own.width);
    EXPECT_EQ(80, own.height); // the window's height plays no part
    EXPECT_TRUE(ChoosePictureCopy(121, 80, 100, 80).stretch);
    // 1.2 x 151 = 181.2: 181 is within, 182 is not.
    EXPECT_FALSE(ChoosePictureCopy(181, 10, 151, 230).stretch);
    EXPECT_TRUE(ChoosePictureCopy(182, 10, 151, 230).stretch);
    // Ten pixels wider than the Information Viewer picture.
    EXPECT_FALSE(ChoosePictureCopy(245, 290, 235, 290).stretch);
}

TEST(PictureCopy, NarrowerOrMuchWiderStretchesOverTheWholeWindow) {
    PictureCopy narrow = ChoosePictureCopy(409, 300, 410, 206);
    EXPECT_TRUE(narrow.stretch);
    EXPECT_EQ(409, narrow.width);
    EXPECT_EQ(300, narrow.height);
    PictureCopy wide = ChoosePictureCopy(1000, 20, 410, 206);
    EXPECT_TRUE(wide.stretch);
    EXPECT_EQ(1000, wide.width);
    EXPECT_EQ(20, wide.height);
    EXPECT_FALSE(ChoosePictureCopy(410, 20, 410, 206).stretch);
}
