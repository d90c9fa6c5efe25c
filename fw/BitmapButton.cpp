#include "BitmapButton.h"

#include "WinApp.h"

#include <cstdio>
#include <initializer_list>

namespace {

HBITMAP LoadNamedBitmap(const char* name, char suffix) {
    char resource[72];
    std::snprintf(resource, sizeof resource, "%s%c", name, suffix);
    return ::LoadBitmapA(AfxGetResourceHandle(), resource);
}

} // namespace

CBitmapButton::~CBitmapButton() {
    FreeBitmaps();
}

void CBitmapButton::FreeBitmaps() {
    for (HBITMAP* bitmap : {&m_hUp, &m_hDown, &m_hFocus, &m_hDisabled}) {
        if (*bitmap) {
            ::DeleteObject(*bitmap);
            *bitmap = nullptr;
        }
    }
}

bool CBitmapButton::AutoLoad(int controlId, HWND parent) {
    if (!SubclassDlgItem(controlId, parent))
        return false;
    char name[64];
    if (GetWindowText(name, sizeof name) == 0)
        return false;
    FreeBitmaps();
    m_hUp = LoadNamedBitmap(name, 'U');
    if (!m_hUp)
        return false;
    m_hDown = LoadNamedBitmap(name, 'D');
    m_hFocus = LoadNamedBitmap(name, 'F');
    m_hDisabled = LoadNamedBitmap(name, 'X');
    SendMessage(BM_SETSTYLE, BS_OWNERDRAW, TRUE);
    BITMAP info = {};
    if (::GetObjectA(m_hUp, sizeof info, &info) == sizeof info) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, info.bmWidth, info.bmHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

bool CBitmapButton::OnDrawItem(DRAWITEMSTRUCT* item) {
    if (!item || !m_hUp)
        return false;
    HBITMAP picture = m_hUp;
    if ((item->itemState & ODS_DISABLED) && m_hDisabled)
        picture = m_hDisabled;
    else if ((item->itemState & ODS_SELECTED) && m_hDown)
        picture = m_hDown;
    else if ((item->itemState & ODS_FOCUS) && m_hFocus)
        picture = m_hFocus;
    HDC memory = ::CreateCompatibleDC(item->hDC);
    if (!memory)
        return true;
    HGDIOBJ previous = ::SelectObject(memory, picture);
    const RECT& area = item->rcItem;
    ::BitBlt(item->hDC, area.left, area.top, area.right - area.left, area.bottom - area.top, memory,
             0, 0, SRCCOPY);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    return true;
}
