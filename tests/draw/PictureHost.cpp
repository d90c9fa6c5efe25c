#include "PictureHost.h"

const COLORREF kColumnColours[16] = {
    RGB(0, 0, 0),       RGB(200, 30, 30),   RGB(30, 160, 40),   RGB(30, 60, 200),
    RGB(230, 200, 20),  RGB(150, 40, 180),  RGB(20, 180, 190),  RGB(250, 130, 20),
    RGB(100, 100, 100), RGB(120, 60, 20),   RGB(60, 120, 60),   RGB(200, 120, 160),
    RGB(20, 60, 90),    RGB(170, 220, 110), RGB(240, 180, 170), RGB(255, 255, 255),
};

namespace {

const char kHostClass[] = "TarvellPictureHost";

void RegisterHostClass() {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = ::CreateSolidBrush(kHostColour);
    wc.lpszClassName = kHostClass;
    registered = ::RegisterClassA(&wc) != 0;
}

} // namespace

PictureHost::PictureHost() {
    RegisterHostClass();
    m_hWnd = ::CreateWindowExA(WS_EX_TOPMOST, kHostClass, "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                               nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::UpdateWindow(m_hWnd);
}

PictureHost::~PictureHost() {
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

HWND PictureHost::AddPlaceholder(int width, int height) {
    HWND button =
        ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, 10,
                          10, width, height, m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::UpdateWindow(m_hWnd);
    return button;
}

void PictureHost::Blank(HWND placeholder) {
    HDC dc = ::GetDC(placeholder);
    RECT client;
    ::GetClientRect(placeholder, &client);
    HBRUSH brush = ::CreateSolidBrush(kHostColour);
    ::FillRect(dc, &client, brush);
    ::DeleteObject(brush);
    ::ReleaseDC(placeholder, dc);
    ::ValidateRect(placeholder, nullptr);
}

void PictureHost::Repaint(HWND placeholder) {
    Blank(placeholder);
    ::RedrawWindow(placeholder, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

COLORREF PictureHost::PixelAt(HWND placeholder, int x, int y) const {
    HDC dc = ::GetDC(placeholder);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(placeholder, dc);
    return colour;
}
