// The pictures, masks, button images and icons of the program's own resources,
// linked into this test: each loads as its window expects it, and each mask draws
// the way the picture control expects.
#include "DibImage.h"
#include "PaletteBitmap.h"
#include "app_ids.h"
#include "page_display_ids.h"
#include "page_info_ids.h"
#include "page_password_ids.h"
#include "page_post_ids.h"
#include "page_power_ids.h"
#include "page_startup_ids.h"
#include "resume_time_ids.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The sizes are those of the windows' placeholders: a wrong or swapped file shows.
const struct {
    const char* window;
    WORD picture;
    int width, height;
    WORD mask; // 0: none
} kPictures[] = {
    {"Information viewer", IDB_INFO_PICTURE, 235, 290, 0},
    {"POST", IDB_POST_PICTURE, 410, 206, IDB_POST_PICTURE_MASK},
    {"Boot sequence", IDB_STARTUP_PICTURE, 195, 249, 0},
    {"Password", IDB_PASSWORD_PICTURE, 151, 230, 0},
    {"Display", IDB_DISPLAY_PICTURE, 140, 121, IDB_DISPLAY_PICTURE_MASK},
    {"Power management", IDB_POWER_PICTURE, 480, 93, 0},
    {"Resume time", IDB_CLOCK_PICTURE, 140, 141, IDB_CLOCK_MASK},
};

// A 256-colour bitmap resource of this program, parsed.
struct Dib {
    const uint8_t* bytes = nullptr;
    DibLayout layout;

    explicit Dib(WORD id) {
        HMODULE module = ::GetModuleHandleA(nullptr);
        HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP);
        bytes = static_cast<const uint8_t*>(::LockResource(::LoadResource(module, found)));
        EXPECT_EQ(DibError::None, ParseDib(bytes, ::SizeofResource(module, found), layout)) << id;
        EXPECT_EQ(8, layout.bitCount) << id;
    }
    // Red, green, blue of pixel (x, y), y from the top: 0xFFFFFF is white.
    uint32_t At(int x, int y) const {
        const int row = layout.height > 0 ? layout.height - 1 - y : y;
        const uint8_t* quad =
            bytes + kDibHeaderSize + 4 * bytes[layout.bitsOffset + row * layout.rowBytes + x];
        return quad[2] << 16 | quad[1] << 8 | quad[0];
    }
};

} // namespace

TEST(ShippedArt, TheControlLoadsEveryPictureAtItsSizeWithAFullPalette) {
    for (const auto& p : kPictures) {
        CPaletteBitmap control;
        control.LoadBitmaps(p.picture, p.mask);
        ASSERT_TRUE(control.Picture()) << p.window;
        BITMAP info = {};
        ::GetObjectA(control.Picture(), sizeof info, &info);
        EXPECT_EQ(p.width, info.bmWidth) << p.window;
        EXPECT_EQ(p.height, info.bmHeight) << p.window;
        EXPECT_EQ(256u, ::GetPaletteEntries(control.Palette(), 0, 0, nullptr)) << p.window;
        EXPECT_EQ(p.mask != 0, control.Mask() != nullptr) << p.window;
    }
}

// The mask is white where the picture shows and black where the background shows
// through; drawn with AND there, anything but white in the picture would tint it.
TEST(ShippedArt, MasksShareTheTableAndCoverExactlyTheDrawnPixels) {
    for (const auto& p : kPictures) {
        if (p.mask == 0)
            continue;
        const Dib picture(p.picture), mask(p.mask);
        ASSERT_EQ(p.width, mask.layout.width) << p.window;
        ASSERT_EQ(p.height, mask.layout.height) << p.window;
        EXPECT_EQ(0, std::memcmp(picture.bytes + kDibHeaderSize, mask.bytes + kDibHeaderSize, 1024))
            << p.window << ": picture and mask tables differ";
        int shown = 0, through = 0, wrong = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const uint32_t m = mask.At(x, y);
                shown += m == 0xFFFFFF;
                through += m == 0;
                wrong += (m != 0xFFFFFF && m != 0) || (m == 0 && picture.At(x, y) != 0xFFFFFF);
            }
        EXPECT_EQ(0, wrong) << p.window;
        EXPECT_GT(shown, p.width * p.height / 4) << p.window << ": mostly hidden";
        EXPECT_GT(through, 0) << p.window << ": nothing shows through";
    }
}

TEST(ShippedArt, AlarmButtonHasFourImagesOfOneWideSize) {
    BITMAP first = {};
    for (const char* name : {"ALARMU", "ALARMD", "ALARMF", "ALARMX"}) {
        HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), name);
        BITMAP info = {};
        ASSERT_TRUE(::GetObjectA(bitmap, sizeof info, &info)) << name;
        ::DeleteObject(bitmap);
        if (first.bmWidth == 0)
            first = info;
        EXPECT_EQ(first.bmWidth, info.bmWidth) << name;
        EXPECT_EQ(first.bmHeight, info.bmHeight) << name;
        EXPECT_GT(info.bmWidth, info.bmHeight) << name;
    }
}

// Each icon has its own large and small image, not one to be scaled: its directory
// lists a 32 and a 16 pixel wide image.
TEST(ShippedArt, IconsHaveLargeAndSmallImages) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    for (WORD id : {IDI_PROGRAM, IDI_QUESTION_ART, IDI_SETUP_PASSWORD, IDI_POWERON_PASSWORD}) {
        HRSRC group = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
        ASSERT_TRUE(group) << id;
        const BYTE* dir = static_cast<const BYTE*>(::LockResource(::LoadResource(module, group)));
        int widths = 0; // bit 0: 16, bit 1: 32 pixels wide
        for (int i = 0; i < (dir[4] | dir[5] << 8); ++i)
            widths |= (dir[6 + 14 * i] == 16) | (dir[6 + 14 * i] == 32) << 1;
        EXPECT_EQ(3, widths) << id;
    }
}
