#include "Wnd.h"

namespace {

// Window properties of a routed window: the bound object, and the procedure that
// RoutingProc replaced and passes messages on to. The procedure stays on the window
// as long as RoutingProc is installed, so a subclass installed later on top of ours
// keeps a working chain after the object lets go.
const char kObjectProperty[] = "Tarvell.CWnd";
const char kSuperProcProperty[] = "Tarvell.SuperProc";

WNDPROC SuperProcOf(HWND window) {
    return reinterpret_cast<WNDPROC>(::GetPropA(window, kSuperProcProperty));
}

POINT PointFromLParam(LPARAM lParam) {
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return point;
}

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

CWnd::~CWnd() {
    if (m_bSubclassed)
        UnsubclassWindow();
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    if (m_bSubclassed)
        UnsubclassWindow();
    m_hWnd = nullptr;
    return window;
}

bool CWnd::SubclassWindow(HWND window) {
    if (!window || !::IsWindow(window))
        return false;
    if (m_bSubclassed)
        return m_hWnd == window;
    if (!InstallRouting(window) || !::SetPropA(window, kObjectProperty, this))
        return false;
    m_hWnd = window;
    m_bSubclassed = true;
    return true;
}

bool CWnd::SubclassDlgItem(int controlId, HWND parent) {
    return SubclassWindow(::GetDlgItem(parent, controlId));
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (m_bSubclassed && window && ::GetPropA(window, kObjectProperty) == this) {
        ::RemovePropA(window, kObjectProperty);
        RemoveRoutingIfOnTop(window);
    }
    m_bSubclassed = false;
    m_hWnd = nullptr;
    return window;
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    if (!window || !SuperProcOf(window))
        return nullptr;
    return static_cast<CWnd*>(::GetPropA(window, kObjectProperty));
}

bool CWnd::InstallRouting(HWND window) {
    if (SuperProcOf(window))
        return true; // installed before and still in the chain
    const LONG_PTR super =
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RoutingProc));
    if (!super)
        return false;
    if (!::SetPropA(window, kSuperProcProperty, reinterpret_cast<HANDLE>(super))) {
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, super);
        return false;
    }
    return true;
}

void CWnd::RemoveRoutingIfOnTop(HWND window) {
    // Under a later subclass our procedure cannot come off without cutting that one's
    // chain: it stays and passes every message on.
    if (::GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(RoutingProc))
        return;
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SuperProcOf(window)));
    ::RemovePropA(window, kSuperProcProperty);
}

LRESULT CALLBACK CWnd::RoutingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC super = SuperProcOf(window);
    CWnd* self = static_cast<CWnd*>(::GetPropA(window, kObjectProperty));
    if (!self) {
        // Left in place under a later subclass: pass on.
        const LRESULT result = super ? ::CallWindowProcA(super, window, message, wParam, lParam)
                                     : ::DefWindowProcA(window, message, wParam, lParam);
        if (message == WM_NCDESTROY)
            ::RemovePropA(window, kSuperProcProperty);
        return result;
    }
    if (message == WM_NCDESTROY) {
        // The window goes away: let it finish, then forget it.
        const LRESULT result = ::CallWindowProcA(super, window, message, wParam, lParam);
        self->UnsubclassWindow();
        ::RemovePropA(window, kSuperProcProperty);
        return result;
    }
    const CurrentMessage saved = self->m_current;
    self->m_current = {message, wParam, lParam};
    const LRESULT result = self->WindowProc(message, wParam, lParam);
    self->m_current = saved;
    return result;
}

LRESULT CWnd::Default() {
    return CallOwnProcedure(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::CallOwnProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC super = m_hWnd ? SuperProcOf(m_hWnd) : nullptr;
    return super ? ::CallWindowProcA(super, m_hWnd, message, wParam, lParam) : 0;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (DispatchToHandler(message, wParam, lParam, result))
        return result;
    return Default();
}

bool CWnd::DispatchToHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (IsCtlColorMessage(message)) {
        HBRUSH brush = nullptr;
        if (!OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                        message - WM_CTLCOLORMSGBOX, brush))
            return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    switch (message) {
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam), result);
    case WM_CONTEXTMENU:
        return OnContextMenu(reinterpret_cast<HWND>(wParam), PointFromLParam(lParam));
    case WM_HELP:
        if (OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam))) {
            result = TRUE;
            return true;
        }
        return false;
    case WM_HSCROLL:
        return OnHScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                         reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
        return OnPaint();
    case kReflectedDrawItem:
        if (OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) {
            result = TRUE;
            return true;
        }
        return false;
    case WM_CHAR:
        return OnChar(static_cast<UINT>(wParam), lParam);
    case WM_KEYDOWN:
        return OnKeyDown(static_cast<UINT>(wParam), lParam);
    case WM_KEYUP:
        return OnKeyUp(static_cast<UINT>(wParam), lParam);
    case WM_SETFOCUS:
        return OnSetFocus(reinterpret_cast<HWND>(wParam));
    case WM_LBUTTONDOWN:
        return OnLButtonDown(static_cast<UINT>(wParam), PointFromLParam(lParam));
    case WM_PALETTECHANGED:
        return OnPaletteChanged(reinterpret_cast<HWND>(wParam));
    case WM_QUERYNEWPALETTE:
        return OnQueryNewPalette(result);
    case WM_QUERYENDSESSION: {
        BOOL allow = TRUE;
        if (!OnQueryEndSession(allow))
            return false;
        result = allow;
        return true;
    }
    case WM_ENDSESSION:
        return OnEndSession(static_cast<BOOL>(wParam));
    case WM_QUERYDRAGICON: {
        HICON icon = nullptr;
        if (!OnQueryDragIcon(icon))
            return false;
        result = reinterpret_cast<LRESULT>(icon);
        return true;
    }
    case WM_DESTROY:
        return OnDestroy();
    default:
        return OnMessage(message, wParam, lParam, result);
    }
}

bool CWnd::OnCommand(UINT, UINT, HWND) {
    return false;
}
bool CWnd::OnNotify(NMHDR*, LRESULT&) {
    return false;
}
bool CWnd::OnContextMenu(HWND, POINT) {
    return false;
}
bool CWnd::OnHelpInfo(HELPINFO*) {
    return false;
}
bool CWnd::OnHScroll(UINT, UINT, HWND) {
    return false;
}
bool CWnd::OnCtlColor(HDC, HWND, UINT, HBRUSH&) {
    return false;
}
bool CWnd::OnPaint() {
    return false;
}
bool CWnd::OnDrawItem(DRAWITEMSTRUCT*) {
    return false;
}
bool CWnd::OnChar(UINT, LPARAM) {
    return false;
}
bool CWnd::OnKeyDown(UINT, LPARAM) {
    return false;
}
bool CWnd::OnKeyUp(UINT, LPARAM) {
    return false;
}
bool CWnd::OnSetFocus(HWND) {
    return false;
}
bool CWnd::OnLButtonDown(UINT, POINT) {
    return false;
}
bool CWnd::OnPaletteChanged(HWND) {
    return false;
}
bool CWnd::OnQueryNewPalette(LRESULT&) {
    return false;
}
bool CWnd::OnQueryEndSession(BOOL&) {
    return false;
}
bool CWnd::OnEndSession(BOOL) {
    return false;
}
bool CWnd::OnQueryDragIcon(HICON&) {
    return false;
}
bool CWnd::OnDestroy() {
    return false;
}
bool CWnd::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::SetWindowText(const char* text) {
    return ::SetWindowTextA(m_hWnd, text ? text : "");
}

int CWnd::GetWindowText(char* text, int size) const {
    if (!text || size <= 0)
        return 0;
    text[0] = '\0';
    return ::GetWindowTextA(m_hWnd, text, size);
}

BOOL CWnd::SetDlgItemText(int controlId, const char* text) {
    return ::SetDlgItemTextA(m_hWnd, controlId, text ? text : "");
}

UINT CWnd::GetDlgItemInt(int controlId, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, controlId, translated, isSigned);
}

void CWnd::CheckDlgButton(int controlId, UINT check) {
    ::CheckDlgButton(m_hWnd, controlId, check);
}

UINT CWnd::IsDlgButtonChecked(int controlId) const {
    return ::IsDlgButtonChecked(m_hWnd, controlId);
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}
BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}
HWND CWnd::SetFocus() {
    return ::SetFocus(m_hWnd);
}

void CWnd::SetFont(HFONT font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(redraw, 0));
}

HFONT CWnd::GetFont() const {
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}
void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::GetWindowRect(RECT* rect) const {
    if (rect && !::GetWindowRect(m_hWnd, rect))
        *rect = RECT{0, 0, 0, 0};
}

void CWnd::GetClientRect(RECT* rect) const {
    if (rect && !::GetClientRect(m_hWnd, rect))
        *rect = RECT{0, 0, 0, 0};
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
}
DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE));
}
