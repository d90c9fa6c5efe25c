// The picture control on real windows: what it loads and owns, how it refuses bad
// resources, and what it paints, read back pixel by pixel from the screen. The
// hand-made bitmaps of draw_test.rc have known pixels: in IDB_TEST_COLUMNS, pixel x of
// the top four rows has colour x, of the bottom four colour 15 - x.
#include "PaletteBitmap.h"
#include "draw_test_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The 16 table colours of the hand-made 4-bit bitmaps.
const COLORREF kColumnColours[16] = {
    RGB(0, 0, 0),       RGB(200, 30, 30),   RGB(30, 160, 40),   RGB(30, 60, 200),
    RGB(230, 200, 20),  RGB(150, 40, 180),  RGB(20, 180, 190),  RGB(250, 130, 20),
    RGB(100, 100, 100), RGB(120, 60, 20),   RGB(60, 120, 60),   RGB(200, 120, 160),
    RGB(20, 60, 90),    RGB(170, 220, 110), RGB(240, 180, 170), RGB(255, 255, 255),
};
// What the host shows where nothing else is drawn; no test bitmap uses it.
constexpr COLORREF kHostColour = RGB(255, 0, 255);

// Colour of pixel (x, y) of IDB_TEST_COLUMNS, y from the top; the host's outside it.
COLORREF Column(int x, int y) {
    return x < 16 && y < 8 ? kColumnColours[y < 4 ? x : 15 - x] : kHostColour;
}

const HMODULE kModule = ::GetModuleHandleA(nullptr);

// True while handle names a live GDI object (deleted ones report no type).
bool Alive(HGDIOBJ handle) {
    return handle && ::GetObjectType(handle) != 0;
}

std::string Hex(COLORREF c) {
    char text[16];
    wsprintfA(text, "#%02x%02x%02x", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// A window on the screen in the host colour, holding a placeholder button for the
// control as the templates do: visible and disabled, at (10, 10).
class PaletteBitmapTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = kModule;
        wc.hbrBackground = hostBrush_;
        wc.lpszClassName = "TarvellPictureHost";
        ::RegisterClassA(&wc);
        host_ = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  640, 480, nullptr, nullptr, kModule, nullptr);
        ::UpdateWindow(host_);
    }
    void TearDown() override { ::DestroyWindow(host_); }

    // The control over a placeholder of this size, these bitmaps loaded, painted.
    HWND Show(int width, int height, WORD picture, WORD mask) {
        HWND placeholder =
            ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON,
                              10, 10, width, height, host_, nullptr, kModule, nullptr);
        ::UpdateWindow(host_);
        EXPECT_TRUE(picture_.SubclassWindow(placeholder));
        EXPECT_EQ(0, picture_.LoadBitmaps(picture, mask));
        Blank();
        ::RedrawWindow(placeholder, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return placeholder;
    }
    // Covers the placeholder with the host colour and marks it painted, so that only
    // what the control draws afterwards changes it.
    void Blank() {
        HDC dc = ::GetDC(picture_.m_hWnd);
        RECT client;
        ::GetClientRect(picture_.m_hWnd, &client);
        ::FillRect(dc, &client, hostBrush_);
        ::ReleaseDC(picture_.m_hWnd, dc);
        ::ValidateRect(picture_.m_hWnd, nullptr);
    }
    std::string Pixel(int x, int y) {
        HDC dc = ::GetDC(picture_.m_hWnd);
        const COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(picture_.m_hWnd, dc);
        return Hex(colour);
    }

    HBRUSH hostBrush_ = ::CreateSolidBrush(kHostColour); // the class keeps the first test's
    HWND host_ = nullptr;
    CPaletteBitmap picture_;
};

} // namespace

TEST_F(PaletteBitmapTest, FourBitPictureGetsItsSixteenColoursAsPalette) {
    picture_.LoadBitmaps(IDB_TEST_COLUMNS, 0);
    ASSERT_TRUE(picture_.Picture());
    EXPECT_EQ(nullptr, picture_.Mask());
    BITMAP info = {};
    ::GetObjectA(picture_.Picture(), sizeof info, &info);
    EXPECT_EQ(16, info.bmWidth);
    EXPECT_EQ(8, info.bmHeight);
    PALETTEENTRY entries[16] = {};
    ASSERT_EQ(16u, ::GetPaletteEntries(picture_.Palette(), 0, 0, nullptr));
    ASSERT_EQ(16u, ::GetPaletteEntries(picture_.Palette(), 0, 16, entries));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Hex(kColumnColours[i]),
                  Hex(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue)));
        EXPECT_EQ(0, entries[i].peFlags) << i;
    }
}

// A missing picture leaves the control blank (a malformed one is refused as in
// LoadDibResource); a missing or malformed mask draws the picture opaque, and the
// picture's palette stays.
TEST_F(PaletteBitmapTest, MissingOrBrokenResources) {
    picture_.LoadBitmaps(IDB_TEST_MISSING, IDB_TEST_COLUMNS_MASK);
    EXPECT_EQ(nullptr, picture_.Picture());
    EXPECT_TRUE(picture_.Mask()) << "the mask alone is of no use but does no harm";
    for (WORD mask : {WORD(0), WORD(IDB_TEST_MISSING), WORD(IDB_TEST_SHORT_TABLE)}) {
        CPaletteBitmap control;
        control.LoadBitmaps(IDB_TEST_COLUMNS, mask);
        EXPECT_TRUE(control.Picture()) << mask;
        EXPECT_EQ(nullptr, control.Mask()) << mask;
        EXPECT_EQ(16u, ::GetPaletteEntries(control.Palette(), 0, 0, nullptr)) << mask;
    }
}

TEST_F(PaletteBitmapTest, LoadDibResourceReplacesThePaletteOnlyWhenItLoads) {
    LOGPALETTE logical = {0x300, 1, {{1, 2, 3, 0}}};
    HPALETTE slot = ::CreatePalette(&logical);
    const HPALETTE before = slot;
    for (WORD id : {IDB_TEST_MISSING, IDB_TEST_SHORT_TABLE, IDB_TEST_TRUNCATED}) {
        EXPECT_EQ(nullptr, CPaletteBitmap::LoadDibResource(kModule, id, slot)) << id;
        EXPECT_EQ(before, slot) << id;
        EXPECT_TRUE(Alive(slot)) << id;
    }
    // A true-colour bitmap has no palette: the slot takes none, the old one is deleted.
    HBITMAP bitmap = CPaletteBitmap::LoadDibResource(kModule, IDB_TEST_TRUE_COLOUR, slot);
    BITMAP info = {};
    ASSERT_TRUE(::GetObjectA(bitmap, sizeof info, &info));
    EXPECT_EQ(2, info.bmWidth);
    EXPECT_EQ(nullptr, slot);
    EXPECT_FALSE(Alive(before));
    ::DeleteObject(bitmap);

    HRSRC found = ::FindResourceA(kModule, MAKEINTRESOURCEA(IDB_TEST_TRUE_COLOUR), RT_BITMAP);
    UINT count = 99;
    EXPECT_EQ(nullptr,
              CPaletteBitmap::CreateDibPalette(::LockResource(::LoadResource(kModule, found)),
                                               ::SizeofResource(kModule, found), count));
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
        EXPECT_FALSE(Alive(picture) || Alive(mask) || Alive(palette));
        picture = control.Picture();
        EXPECT_TRUE(Alive(picture));
        EXPECT_EQ(nullptr, control.Mask());
        EXPECT_EQ(nullptr, control.Palette());
    }
    EXPECT_FALSE(Alive(picture));
}

// A window up to a fifth wider shows the picture at its own size in the top-left
// corner; a much wider one stretches it over all of it (as a narrower one squeezes it,
// through the same copy).
TEST_F(PaletteBitmapTest, PaintsEveryPixel) {
    const struct {
        const char* what;
        int width, height;
        WORD picture, mask;
        COLORREF (*expected)(int x, int y);
    } cases[] = {
        {"own size", 19, 12, IDB_TEST_COLUMNS, 0, Column},
        {"stretched", 32, 16, IDB_TEST_COLUMNS, 0,
         [](int x, int y) { return Column(x / 2, y / 2); }},
        {"masked", 16, 8, IDB_TEST_MASKED_COLUMNS, IDB_TEST_COLUMNS_MASK,
         [](int x, int y) { return x < 4 ? kHostColour : Column(x, y); }},
        {"true colour", 2, 2, IDB_TEST_TRUE_COLOUR, 0,
         [](int x, int y) {
             const COLORREF kPixels[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), 0xFFFFFF};
             return kPixels[2 * y + x];
         }},
        {"blank", 16, 8, IDB_TEST_MISSING, 0, [](int, int) { return kHostColour; }},
    };
    for (const auto& c : cases) {
        HWND placeholder = Show(c.width, c.height, c.picture, c.mask);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                ASSERT_EQ(Hex(c.expected(x, y)), Pixel(x, y)) << c.what << " " << x << "," << y;
        picture_.UnsubclassWindow();
        ::DestroyWindow(placeholder);
    }
}

TEST_F(PaletteBitmapTest, NewSystemPaletteRepaintsAtOnceOtherChangesOnlyRealise) {
    HWND placeholder = Show(16, 8, IDB_TEST_COLUMNS, 0);
    Blank();
    for (WPARAM changer : {WPARAM(placeholder), WPARAM(host_), WPARAM(0)})
        ::SendMessageA(placeholder, WM_PALETTECHANGED, changer, 0);
    ::UpdateWindow(placeholder);
    EXPECT_EQ(Hex(kHostColour), Pixel(5, 1));
    ::SendMessageA(placeholder, WM_QUERYNEWPALETTE, 0, 0);
    EXPECT_EQ(Hex(Column(5, 1)), Pixel(5, 1));
}
