// A window on the screen that hosts a placeholder button for the picture control
// tests, and the colours of the hand-made test bitmaps of draw_test.rc.
#pragma once

#include "PaletteBitmap.h"

// The 16 table colours of the hand-made 4-bit bitmaps.
extern const COLORREF kColumnColours[16];

// Colour index of pixel (x, y) of IDB_TEST_COLUMNS (y from the top): colour x in
// the top four rows, colour 15 - x in the bottom four.
inline int ColumnIndex(int x, int y) {
    return y < 4 ? x : 15 - x;
}
constexpr int kColumnsWidth = 16;
constexpr int kColumnsHeight = 8;

// What the host shows where nothing else is drawn; no test bitmap uses it.
constexpr COLORREF kHostColour = RGB(255, 0, 255);

class PictureHost {
public:
    PictureHost();
    ~PictureHost();
    PictureHost(const PictureHost&) = delete;
    PictureHost& operator=(const PictureHost&) = delete;

    // A visible, disabled push button of this size at (10, 10), as in the templates.
    HWND AddPlaceholder(int width, int height);
    // Covers the placeholder with the host colour and marks it painted, so that
    // only what the control draws afterwards changes it.
    void Blank(HWND placeholder);
    // Blanks, then lets the control paint itself now.
    void Repaint(HWND placeholder);
    // Colour at (x, y) of the placeholder's client area.
    COLORREF PixelAt(HWND placeholder, int x, int y) const;

    HWND m_hWnd = nullptr;
};
