// CPaletteBitmap: the picture beside a page's controls. It takes over a disabled
// placeholder button of the dialog template, loads a 256-colour picture (and
// optionally a mask for transparent drawing) from the program's resources with a
// logical palette made from the picture's colour table, paints it, and realises the
// palette again when the system palette changes hands.
//
// The mask is white where the picture shows and black where the dialog shows
// through; the picture itself is white wherever the mask is black.
#pragma once

#include "Controls.h"

class CPaletteBitmap : public CButton {
public:
    CPaletteBitmap() = default;
    // Deletes the picture, the mask and the palette that are loaded.
    ~CPaletteBitmap() override;

    // Loads picture pictureId and, unless maskId is 0, mask maskId from the program's
    // resources, replacing what was loaded before. A missing or malformed picture
    // leaves the control blank; a missing or malformed mask draws the picture opaque.
    // Always returns 0.
    int LoadBitmaps(WORD pictureId, WORD maskId);

    // Bitmap resource id of module as a screen-compatible bitmap, made with the
    // bitmap's own palette realised. The palette made from the bitmap's colour table
    // (nullptr above 8 bits per pixel) replaces the one in palette, which is deleted.
    // Returns nullptr, and leaves palette alone, when the resource is missing or is
    // not a well-formed uncompressed bitmap with a full colour table.
    static HBITMAP LoadDibResource(HMODULE module, WORD id, HPALETTE& palette);

    // A logical palette with one entry per colour-table entry of the packed bitmap at
    // dib (colourCount is set to that number), or nullptr above 8 bits per pixel or
    // when dib is not a well-formed bitmap of size bytes.
    static HPALETTE CreateDibPalette(const void* dib, size_t size, UINT& colorCount);

    HBITMAP Picture() const { return m_hBitmap; }
    HBITMAP Mask() const { return m_hMask; }
    HPALETTE Palette() const { return m_hPalette; }

protected:
    // Draws the picture (through the mask when there is one) and nothing else.
    bool OnPaint() override;
    // Realises the palette over the system's when another window changed it.
    bool OnPaletteChanged(HWND changer) override;
    // Realises the palette and repaints; result is the window's own answer.
    bool OnQueryNewPalette(LRESULT& result) override;

private:
    void DrawPicture(HDC dc);
    void DeleteBitmaps();

    HBITMAP m_hBitmap = nullptr;
    HBITMAP m_hMask = nullptr;
    HPALETTE m_hPalette = nullptr;
};
