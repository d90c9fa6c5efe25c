// The pictures, masks, button images and icons the program ships, linked into this
// test under the numbers the program uses: their format, their sizes, and masks that
// draw the way the picture control expects.
#include "DibImage.h"
#include "PaletteBitmap.h"
#include "draw_test_ids.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct ShippedPicture {
    const char* window;
    WORD picture;
    int width;
    int height;
    WORD mask; // 0: none
};

const ShippedPicture kPictures[] = {
    {"Information viewer", IDB_INFO_PICTURE, 235, 290, 0},
    {"POST", IDB_POST_PICTURE, 410, 206, IDB_POST_MASK},
    {"Boot sequence", IDB_BOOT_PICTURE, 195, 249, 0},
    {"Password", IDB_PASSWORD_PICTURE, 151, 230, 0},
    {"Display", IDB_DISPLAY_PICTURE, 140, 121, IDB_DISPLAY_MASK},
    {"Power management", IDB_POWER_PICTURE, 480, 93, 0},
    {"Resume time", IDB_CLOCK_PICTURE, 140, 141, IDB_CLOCK_MASK},
};

// A bitmap resource of this program, parsed.
struct Dib {
    const uint8_t* bytes = nullptr;
    DibLayout layout;
    DibError error = DibError::TooShort;

    explicit Dib(WORD id) {
        HMODULE module = ::GetModuleHandleA(nullptr);
        HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP);
        if (!found)
            return;
        bytes = static_cast<const uint8_t*>(::LockResource(::LoadResource(module, found)));
        error = ParseDib(bytes, ::SizeofResource(module, found), layout);
    }
    // Colour of pixel (x, y), y from the top, of an accepted 8-bit bitmap.
    DibPaletteEntry At(int x, int y) const {
        const int row = layout.height > 0 ? layout.height - 1 - y : y;
        const uint8_t index = bytes[layout.bitsOffset + row * layout.rowBytes + x];
        const uint8_t* quad = bytes + kDibHeaderSize + 4 * index;
        return DibPaletteEntry{quad[2], quad[1], quad[0], 0};
    }
};

bool IsWhite(const DibPaletteEntry& c) {
    return c.red == 255 && c.green == 255 && c.blue == 255;
}
bool IsBlack(const DibPaletteEntry& c) {
    return c.red == 0 && c.green == 0 && c.blue == 0;
}

} // namespace

TEST(ShippedArt, PicturesAre256ColourBitmapsOfTheirWindowsSizes) {
    for (const ShippedPicture& p : kPictures) {
        for (WORD id : {p.picture, p.mask}) {
            if (id == 0)
                continue;
            const Dib dib(id);
            ASSERT_EQ(DibError::None, dib.error)
                << p.window << " " << id << ": " << DibErrorName(dib.error);
            EXPECT_EQ(8, dib.layout.bitCount) << p.window << " " << id;
            EXPECT_EQ(256u, dib.layout.colorCount) << p.window << " " << id;
            EXPECT_EQ(p.width, dib.layout.width) << p.window << " " << id;
            EXPECT_EQ(p.height, dib.layout.height) << p.window << " " << id;
        }
    }
}

TEST(ShippedArt, MasksShareTheTableAndCoverExactlyTheDrawnPixels) {
    for (const ShippedPicture& p : kPictures) {
        if (p.mask == 0)
            continue;
        const Dib picture(p.picture), mask(p.mask);
        ASSERT_EQ(DibError::None, picture.error) << p.window;
        ASSERT_EQ(DibError::None, mask.error) << p.window;
        EXPECT_EQ(0, std::memcmp(picture.bytes + kDibHeaderSize, mask.bytes + kDibHeaderSize, 1024))
            << p.window << ": picture and mask tables differ";

        int shown = 0, through = 0, wrong = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const DibPaletteEntry m = mask.At(x, y);
                if (IsWhite(m)) {
                    ++shown;
                } else if (IsBlack(m)) {
                    ++through;
                    // Drawn with AND over the background: anything but white would tint it.
                    wrong += IsWhite(picture.At(x, y)) ? 0 : 1;
                } else {
                    ++wrong;
                }
            }
        EXPECT_EQ(0, wrong) << p.window;
        EXPECT_GT(shown, p.width * p.height / 4) << p.window << ": mostly hidden";
        EXPECT_GT(through, 0) << p.window << ": nothing shows through";
    }
}

TEST(ShippedArt, TheControlLoadsEveryPictureWithAFullPalette) {
    for (const ShippedPicture& p : kPictures) {
        CPaletteBitmap control;
        control.LoadBitmaps(p.picture, p.mask);
        ASSERT_TRUE(control.Picture()) << p.window;
        BITMAP info = {};
        ::GetObjectA(control.Picture(), sizeof info, &info);
        EXPECT_EQ(p.width, info.bmWidth) << p.window;
        EXPECT_EQ(p.height, info.bmHeight) << p.window;
        EXPECT_EQ(256, ::GetPaletteEntries(control.Palette(), 0, 0, nullptr)) << p.window;
        EXPECT_EQ(p.mask != 0, control.Mask() != nullptr) << p.window;
    }
}

TEST(ShippedArt, AlarmButtonHasFourImagesOfOneSize) {
    SIZE first = {};
    for (const char* name : {"ALARMU", "ALARMD", "ALARMF", "ALARMX"}) {
        HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), name);
        ASSERT_TRUE(bitmap) << name;
        BITMAP info = {};
        ::GetObjectA(bitmap, sizeof info, &info);
        if (first.cx == 0)
            first = SIZE{info.bmWidth, info.bmHeight};
        EXPECT_EQ(first.cx, info.bmWidth) << name;
        EXPECT_EQ(first.cy, info.bmHeight) << name;
        EXPECT_GT(info.bmWidth, info.bmHeight) << name;
        ::DeleteObject(bitmap);
    }
}

TEST(ShippedArt, IconsHaveLargeAndSmallImages) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    for (WORD id : {IDI_PROGRAM, IDI_CONFIRM, IDI_SETUP_PASSWORD, IDI_POWER_PASSWORD}) {
        // The icon group lists an image of each size itself, not one to be scaled.
        HRSRC group = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
        ASSERT_TRUE(group) << id;
        const BYTE* dir = static_cast<const BYTE*>(::LockResource(::LoadResource(module, group)));
        const int count = dir[4] | (dir[5] << 8);
        bool has32 = false, has16 = false;
        for (int i = 0; i < count; ++i) {
            const BYTE width = dir[6 + 14 * i];
            has32 = has32 || width == 32;
            has16 = has16 || width == 16;
        }
        EXPECT_TRUE(has32 && has16) << id;

        for (int size : {32, 16}) {
            HICON icon = static_cast<HICON>(
                ::LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_TRUE(icon) << id << " at " << size;
            ICONINFO info = {};
            ASSERT_TRUE(::GetIconInfo(icon, &info));
            BITMAP mask = {};
            ::GetObjectA(info.hbmMask, sizeof mask, &mask);
            EXPECT_EQ(size, mask.bmWidth) << id;
            ::DeleteObject(info.hbmMask);
            if (info.hbmColor)
                ::DeleteObject(info.hbmColor);
            ::DestroyIcon(icon);
        }
    }
}
