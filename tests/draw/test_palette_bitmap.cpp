// The picture control on real windows: what it loads and owns, how it refuses bad
// resources, and what it paints, read back pixel by pixel from the screen.
#include "PictureHost.h"
#include "draw_test_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

HMODULE Module() {
    return ::GetModuleHandleA(nullptr);
}

// True while handle names a live GDI object (deleted ones report no type).
bool Alive(HGDIOBJ handle) {
    return handle && ::GetObjectType(handle) != 0;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    ::GetObjectA(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

int PaletteSize(HPALETTE palette) {
    return ::GetPaletteEntries(palette, 0, 0, nullptr);
}

HPALETTE OneEntryPalette() {
    LOGPALETTE logical = {0x300, 1, {{1, 2, 3, 0}}};
    return ::CreatePalette(&logical);
}

std::string Hex(COLORREF c) {
    char text[16];
    wsprintfA(text, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

#define EXPECT_COLOUR(expected, actual) EXPECT_EQ(Hex(expected), Hex(actual))

class PaletteBitmapTest : public ::testing::Test {
protected:
    // The control over a placeholder of this size, with these bitmaps loaded.
    HWND Show(int width, int height, WORD picture, WORD mask) {
        HWND placeholder = m_host.AddPlaceholder(width, height);
        EXPECT_TRUE(m_picture.SubclassWindow(placeholder));
        EXPECT_EQ(0, m_picture.LoadBitmaps(picture, mask));
        m_host.Repaint(placeholder);
        return placeholder;
    }

    COLORREF Pixel(int x, int y) { return m_host.PixelAt(m_picture.m_hWnd, x, y); }

    PictureHost m_host;
    CPaletteBitmap m_picture;
};

} // namespace

TEST_F(PaletteBitmapTest, FourBitPictureGetsItsSixteenColoursAsPalette) {
    m_picture.LoadBitmaps(IDB_TEST_COLUMNS, 0);
    ASSERT_TRUE(m_picture.Picture());
    EXPECT_EQ(nullptr, m_picture.Mask());
    const SIZE size = BitmapSize(m_picture.Picture());
    EXPECT_EQ(kColumnsWidth, size.cx);
    EXPECT_EQ(kColumnsHeight, size.cy);

    PALETTEENTRY entries[16] = {};
    ASSERT_EQ(16, PaletteSize(m_picture.Palette()));
    ASSERT_EQ(16u, ::GetPaletteEntries(m_picture.Palette(), 0, 16, entries));
    for (int i = 0; i < 16; ++i) {
        EXPECT_COLOUR(kColumnColours[i],
                      RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue));
        EXPECT_EQ(0, entries[i].peFlags) << i;
    }
}

TEST_F(PaletteBitmapTest, MissingOrBrokenResourcesLeaveTheControlBlank) {
    m_picture.LoadBitmaps(IDB_TEST_MISSING, IDB_TEST_COLUMNS_MASK);
    EXPECT_EQ(nullptr, m_picture.Picture());
    // The mask was found; it alone is of no use but does no harm either.
    EXPECT_TRUE(m_picture.Mask());

    for (WORD broken : {IDB_TEST_SHORT_TABLE, IDB_TEST_TRUNCATED}) {
        CPaletteBitmap control;
        control.LoadBitmaps(broken, 0);
        EXPECT_EQ(nullptr, control.Picture()) << broken;
        EXPECT_EQ(nullptr, control.Palette()) << broken;
    }
}

TEST_F(PaletteBitmapTest, MissingOrBrokenMaskDrawsThePictureOpaque) {
    for (WORD mask : {WORD(0), WORD(IDB_TEST_MISSING), WORD(IDB_TEST_SHORT_TABLE)}) {
        CPaletteBitmap control;
        control.LoadBitmaps(IDB_TEST_COLUMNS, mask);
        EXPECT_TRUE(control.Picture()) << mask;
        EXPECT_EQ(nullptr, control.Mask()) << mask;
        // The picture's palette stays: the refused mask made none to replace it.
        EXPECT_EQ(16, PaletteSize(control.Palette())) << mask;
    }
}

TEST_F(PaletteBitmapTest, LoadDibResourceRefusalsLeaveThePaletteSlotAlone) {
    HPALETTE slot = OneEntryPalette();
    const HPALETTE before = slot;
    for (WORD id : {IDB_TEST_MISSING, IDB_TEST_SHORT_TABLE, IDB_TEST_TRUNCATED}) {
        EXPECT_EQ(nullptr, CPaletteBitmap::LoadDibResource(Module(), id, slot)) << id;
        EXPECT_EQ(before, slot) << id;
        EXPECT_TRUE(Alive(slot)) << id;
    }
    ::DeleteObject(slot);
}

TEST_F(PaletteBitmapTest, TrueColourPictureLoadsWithoutPalette) {
    HPALETTE slot = OneEntryPalette();
    const HPALETTE before = slot;
    HBITMAP bitmap = CPaletteBitmap::LoadDibResource(Module(), IDB_TEST_TRUE_COLOUR, slot);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(2, BitmapSize(bitmap).cx);
    // The slot takes the (absent) palette of this bitmap; the old one is deleted.
    EXPECT_EQ(nullptr, slot);
    EXPECT_FALSE(Alive(before));
    ::DeleteObject(bitmap);

    HRSRC found = ::FindResourceA(Module(), MAKEINTRESOURCEA(IDB_TEST_TRUE_COLOUR), RT_BITMAP);
    UINT count = 99;
    EXPECT_EQ(nullptr,
              CPaletteBitmap::CreateDibPalette(::LockResource(::LoadResource(Module(), found)),
                                               ::SizeofResource(Module(), found), count));
    EXPECT_EQ(0u, count);
}

TEST_F(PaletteBitmapTest, OwnsItsHandlesAndDeletesThemOnce) {
    HBITMAP picture, mask;
    HPALETTE palette;
    {
        CPaletteBitmap control;
        control.LoadBitmaps(IDB_TEST_MASKED_COLUMNS, IDB_TEST_COLUMNS_MASK);
        picture = control.Picture();
        mask = control.Mask();
        palette = control.Palette();
        ASSERT_TRUE(Alive(picture) && Alive(mask) && Alive(palette));

        // Loading again replaces everything: nothing of the first load is left over.
        control.LoadBitmaps(IDB_TEST_TRUE_COLOUR, 0);
        EXPECT_FALSE(Alive(picture));
        EXPECT_FALSE(Alive(mask));
        EXPECT_FALSE(Alive(palette));
        picture = control.Picture();
        EXPECT_TRUE(Alive(picture));
        EXPECT_EQ(nullptr, control.Mask());
        EXPECT_EQ(nullptr, control.Palette());
    }
    EXPECT_FALSE(Alive(picture));
}

TEST_F(PaletteBitmapTest, PaintsAtOwnSizeInTheTopLeftCornerWhenAlmostAsWide) {
    // 19 <= 1.2 x 16: own size; the extra columns and rows are not painted.
    Show(19, 12, IDB_TEST_COLUMNS, 0);
    for (int y = 0; y < kColumnsHeight; ++y)
        for (int x = 0; x < kColumnsWidth; ++x)
            EXPECT_COLOUR(kColumnColours[ColumnIndex(x, y)], Pixel(x, y)) << x << "," << y;
    EXPECT_COLOUR(kHostColour, Pixel(16, 0));
    EXPECT_COLOUR(kHostColour, Pixel(18, 11));
    EXPECT_COLOUR(kHostColour, Pixel(0, 8));
}

TEST_F(PaletteBitmapTest, StretchesOverTheWholeWindowWhenMuchWider) {
    Show(32, 16, IDB_TEST_COLUMNS, 0);
    for (int y = 0; y < kColumnsHeight; ++y)
        for (int x = 0; x < kColumnsWidth; ++x) {
            const COLORREF want = kColumnColours[ColumnIndex(x, y)];
            EXPECT_COLOUR(want, Pixel(2 * x, 2 * y)) << x << "," << y;
            EXPECT_COLOUR(want, Pixel(2 * x + 1, 2 * y + 1)) << x << "," << y;
        }
}

TEST_F(PaletteBitmapTest, ShrinksIntoANarrowerWindow) {
    Show(8, 8, IDB_TEST_COLUMNS, 0);
    // At its own size column 7 would show colour 7; squeezed, the last column shows
    // what is at the picture's right edge.
    const COLORREF right = Pixel(7, 0);
    EXPECT_TRUE(right == kColumnColours[14] || right == kColumnColours[15]) << Hex(right);
}

TEST_F(PaletteBitmapTest, MaskLetsTheBackgroundShowThrough) {
    Show(16, 8, IDB_TEST_MASKED_COLUMNS, IDB_TEST_COLUMNS_MASK);
    for (int y = 0; y < kColumnsHeight; ++y)
        for (int x = 0; x < kColumnsWidth; ++x) {
            const COLORREF want = x < 4 ? kHostColour : kColumnColours[ColumnIndex(x, y)];
            EXPECT_COLOUR(want, Pixel(x, y)) << x << "," << y;
        }
}

TEST_F(PaletteBitmapTest, TrueColourPicturePaintsWithoutPalette) {
    Show(2, 2, IDB_TEST_TRUE_COLOUR, 0);
    EXPECT_COLOUR(RGB(255, 0, 0), Pixel(0, 0));
    EXPECT_COLOUR(RGB(0, 255, 0), Pixel(1, 0));
    EXPECT_COLOUR(RGB(0, 0, 255), Pixel(0, 1));
    EXPECT_COLOUR(RGB(255, 255, 255), Pixel(1, 1));
}

TEST_F(PaletteBitmapTest, BlankControlPaintsNothing) {
    HWND placeholder = Show(16, 8, IDB_TEST_MISSING, 0);
    EXPECT_COLOUR(kHostColour, Pixel(0, 0));
    EXPECT_COLOUR(kHostColour, Pixel(15, 7));
    // Nothing else of the button is drawn over the picture either.
    m_picture.LoadBitmaps(IDB_TEST_COLUMNS, 0);
    m_host.Repaint(placeholder);
    EXPECT_COLOUR(kColumnColours[0], Pixel(0, 0));
    EXPECT_COLOUR(kColumnColours[0], Pixel(15, 7));
}

TEST_F(PaletteBitmapTest, NewSystemPaletteRepaintsAtOnce) {
    HWND placeholder = Show(16, 8, IDB_TEST_COLUMNS, 0);
    m_host.Blank(placeholder);
    ::SendMessageA(placeholder, WM_QUERYNEWPALETTE, 0, 0);
    EXPECT_COLOUR(kColumnColours[ColumnIndex(5, 1)], Pixel(5, 1));
}

TEST_F(PaletteBitmapTest, PaletteChangesOnlyRealiseWithoutRepainting) {
    HWND placeholder = Show(16, 8, IDB_TEST_COLUMNS, 0);
    m_host.Blank(placeholder);
    ::SendMessageA(placeholder, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(placeholder), 0);
    ::SendMessageA(placeholder, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(m_host.m_hWnd), 0);
    ::SendMessageA(placeholder, WM_PALETTECHANGED, 0, 0);
    ::UpdateWindow(placeholder);
    EXPECT_COLOUR(kHostColour, Pixel(5, 1));
}
