#include "PaletteBitmap.h"

#include "DibImage.h"
#include "WinApp.h"

#include <vector>

namespace {

const LPCSTR kBitmapResource = MAKEINTRESOURCEA(2); // RT_BITMAP, whatever the character set

// Selects palette into dc for the lifetime of the object and puts the previous one
// back afterwards, so that the palette is never left selected where it could not
// be deleted.
class SelectedPalette {
public:
    SelectedPalette(HDC dc, HPALETTE palette, BOOL background) : m_dc(dc) {
        if (dc && palette) {
            m_previous = ::SelectPalette(dc, palette, background);
            ::RealizePalette(dc);
        }
    }
    ~SelectedPalette() {
        if (m_previous)
            ::SelectPalette(m_dc, m_previous, TRUE);
    }
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;

private:
    HDC m_dc;
    HPALETTE m_previous = nullptr;
};

} // namespace

CPaletteBitmap::~CPaletteBitmap() {
    DeleteBitmaps();
    if (m_hPalette)
        ::DeleteObject(m_hPalette);
}

void CPaletteBitmap::DeleteBitmaps() {
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    if (m_hMask)
        ::DeleteObject(m_hMask);
    m_hBitmap = nullptr;
    m_hMask = nullptr;
}

int CPaletteBitmap::LoadBitmaps(WORD pictureId, WORD maskId) {
    // A second load replaces the first instead of leaking it.
    DeleteBitmaps();
    HMODULE module = AfxGetResourceHandle();
    m_hBitmap = LoadDibResource(module, pictureId, m_hPalette);
    // The mask's colour table is the picture's, so its palette may replace the picture's.
    if (maskId != 0)
        m_hMask = LoadDibResource(module, maskId, m_hPalette);
    if (HasWindow())
        Invalidate();
    return 0;
}

HPALETTE CPaletteBitmap::CreateDibPalette(const void* dib, size_t size, UINT& colorCount) {
    colorCount = 0;
    DibLayout layout;
    if (ParseDib(dib, size, layout) != DibError::None)
        return nullptr;
    colorCount = layout.colorCount;
    if (colorCount == 0)
        return nullptr;
    const std::vector<DibPaletteEntry> entries = DibPaletteEntries(dib, layout);
    std::vector<BYTE> record(sizeof(LOGPALETTE) + (colorCount - 1) * sizeof(PALETTEENTRY));
    LOGPALETTE* logical = reinterpret_cast<LOGPALETTE*>(record.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(colorCount);
    for (UINT i = 0; i < colorCount; ++i) {
        PALETTEENTRY& entry = logical->palPalEntry[i];
        entry.peRed = entries[i].red;
        entry.peGreen = entries[i].green;
        entry.peBlue = entries[i].blue;
        entry.peFlags = entries[i].flags;
    }
    return ::CreatePalette(logical);
}

HBITMAP CPaletteBitmap::LoadDibResource(HMODULE module, WORD id, HPALETTE& palette) {
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), kBitmapResource);
    if (!found)
        return nullptr;
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* dib = loaded ? ::LockResource(loaded) : nullptr;
    const size_t size = ::SizeofResource(module, found);
    DibLayout layout;
    if (ParseDib(dib, size, layout) != DibError::None)
        return nullptr;

    HDC screen = ::GetDC(nullptr);
    if (!screen)
        return nullptr;
    UINT colorCount = 0;
    HPALETTE made = CreateDibPalette(dib, size, colorCount);
    if (palette)
        ::DeleteObject(palette);
    palette = made;

    HBITMAP bitmap = nullptr;
    {
        // Made with the picture's own colours realised on the screen.
        SelectedPalette selected(screen, made, FALSE);
        const BYTE* bytes = static_cast<const BYTE*>(dib);
        bitmap = ::CreateDIBitmap(screen, reinterpret_cast<const BITMAPINFOHEADER*>(bytes),
                                  CBM_INIT, bytes + layout.bitsOffset,
                                  reinterpret_cast<const BITMAPINFO*>(bytes), DIB_RGB_COLORS);
    }
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

bool CPaletteBitmap::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (dc && m_hBitmap)
        DrawPicture(dc);
    ::EndPaint(m_hWnd, &paint);
    return true;
}

void CPaletteBitmap::DrawPicture(HDC dc) {
    RECT window;
    GetWindowRect(&window);
    const int windowWidth = window.right - window.left;
    const int windowHeight = window.bottom - window.top;

    HDC memory = ::CreateCompatibleDC(dc);
    if (!memory)
        return;
    const BOOL background = ::GetActiveWindow() != m_hWnd;
    {
        SelectedPalette onScreen(dc, m_hPalette, background);
        SelectedPalette inMemory(memory, m_hPalette, background);

        BITMAP picture = {};
        ::GetObjectA(m_hBitmap, sizeof picture, &picture);
        const PictureCopy copy =
            ChoosePictureCopy(windowWidth, windowHeight, picture.bmWidth, picture.bmHeight);

        auto copyFrom = [&](HBITMAP source, DWORD rasterOp) {
            HGDIOBJ previous = ::SelectObject(memory, source);
            if (copy.stretch)
                ::StretchBlt(dc, 0, 0, copy.width, copy.height, memory, 0, 0, picture.bmWidth,
                             picture.bmHeight, rasterOp);
            else
                ::BitBlt(dc, 0, 0, copy.width, copy.height, memory, 0, 0, rasterOp);
            ::SelectObject(memory, previous);
        };
        if (m_hMask) {
            // White mask pixels blank the picture's area; the picture, white outside
            // its shape, then keeps the background only where the mask was black.
            copyFrom(m_hMask, SRCPAINT);
            copyFrom(m_hBitmap, SRCAND);
        } else {
            copyFrom(m_hBitmap, SRCCOPY);
        }
    }
    ::DeleteDC(memory);
}

bool CPaletteBitmap::OnQueryNewPalette(LRESULT& result) {
    if (HDC dc = ::GetDC(m_hWnd)) {
        {
            SelectedPalette selected(dc, m_hPalette, FALSE);
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            ::UpdateWindow(m_hWnd);
        }
        ::ReleaseDC(m_hWnd, dc);
    }
    result = Default();
    return true;
}

bool CPaletteBitmap::OnPaletteChanged(HWND changer) {
    Default();
    // Realising again after our own change would start an endless exchange.
    if (changer == m_hWnd)
        return true;
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return true;
    {
        SelectedPalette selected(dc, m_hPalette, FALSE);
        if (m_hPalette)
            ::UpdateColors(dc);
    }
    ::ReleaseDC(m_hWnd, dc);
    return true;
}
