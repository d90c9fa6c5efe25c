// CWnd: a C++ object bound to one window. Windows created elsewhere (dialog
// controls, the property sheet) are subclassed: their window procedure is replaced
// by RoutingProc, which calls WindowProc on the bound object (kept in a window
// property), which hands the common messages to the virtual On... handlers below.
// Plain window-procedure subclassing: it works with every common-controls version.
#pragma once

#include "Win32.h"

class CWnd {
public:
    CWnd() = default;
    // Unsubclasses a window that is still bound; the window itself is left alone.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The bound window, or nullptr.
    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // True while the object is bound to a window that exists.
    bool HasWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }
    operator HWND() const { return m_hWnd; }

    // Binds without routing messages (the object only sends requests to the window).
    void Attach(HWND window) { m_hWnd = window; }
    HWND Detach();
    // Binds and routes the window's messages through WindowProc until the window is
    // destroyed or UnsubclassWindow is called. Binding the window already bound is a
    // no-op; false when the window does not exist or the object is bound elsewhere.
    bool SubclassWindow(HWND window);
    // SubclassWindow on the child control with this id of parent.
    bool SubclassDlgItem(int controlId, HWND parent);
    // Stops routing and unbinds; returns the window.
    HWND UnsubclassWindow();
    // The object that routes this window's messages, or nullptr.
    static CWnd* FromHandlePermanent(HWND window);

    // Thin requests to the bound window (each is the Win32 call of the same name).
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL SetWindowText(const char* text);
    int GetWindowText(char* text, int size) const; // always terminated when size > 0
    HWND GetDlgItem(int controlId) const { return ::GetDlgItem(m_hWnd, controlId); }
    BOOL SetDlgItemText(int controlId, const char* text);
    UINT GetDlgItemInt(int controlId, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int controlId, UINT check);
    UINT IsDlgButtonChecked(int controlId) const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    HWND SetFocus();
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    void SetFont(HFONT font, BOOL redraw = TRUE);
    HFONT GetFont() const;
    void Invalidate(BOOL erase = TRUE);
    // Stops (FALSE) or resumes (TRUE) the window's redrawing, so that many changes cost
    // one layout and one paint.
    void SetRedraw(BOOL redraw = TRUE) { SendMessage(WM_SETREDRAW, redraw); }
    void GetWindowRect(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;

protected:
    // Return the message's result. The base hands the messages below to their On...
    // handlers and everything else (and every handler that declines) to Default().
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's own procedure on the message being handled; returns its result.
    // Only for subclassed windows: a dialog procedure gets the system's handling by
    // declining (returning false from the handler).
    virtual LRESULT Default();
    // The window's own procedure on another message (subclassed windows only).
    LRESULT CallOwnProcedure(UINT message, WPARAM wParam, LPARAM lParam);

    // Handlers. Each returns true when it handled the message (its answer in the
    // out-parameter where there is one); false gives the message to the window's own
    // handling. A handler may call Default() first and then add to it.

    // WM_COMMAND: a menu command, accelerator or control notification.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    // WM_NOTIFY from a child control; result is the message's answer.
    virtual bool OnNotify(NMHDR* header, LRESULT& result);
    // WM_CONTEXTMENU; point is in screen coordinates (-1,-1 for the keyboard).
    virtual bool OnContextMenu(HWND window, POINT point);
    // WM_HELP (F1, or a click in context-help mode).
    virtual bool OnHelpInfo(HELPINFO* info);
    // WM_HSCROLL from a trackbar or a scroll bar control.
    virtual bool OnHScroll(UINT code, UINT position, HWND bar);
    // WM_CTLCOLOR...: kind is CTLCOLOR_EDIT, CTLCOLOR_STATIC, ... ; set brush for own colours.
    virtual bool OnCtlColor(HDC dc, HWND control, UINT kind, HBRUSH& brush);
    // WM_PAINT.
    virtual bool OnPaint();
    // WM_DRAWITEM reflected to the owner-drawn control itself.
    virtual bool OnDrawItem(DRAWITEMSTRUCT* item);
    // WM_CHAR; keyData holds repeat count, scan code (bits 16-23) and flags. true drops the key.
    virtual bool OnChar(UINT character, LPARAM keyData);
    // WM_KEYDOWN; true drops the key.
    virtual bool OnKeyDown(UINT virtualKey, LPARAM keyData);
    // WM_KEYUP; true drops the key.
    virtual bool OnKeyUp(UINT virtualKey, LPARAM keyData);
    // WM_SETFOCUS; previous may be nullptr.
    virtual bool OnSetFocus(HWND previous);
    // WM_LBUTTONDOWN; point in client coordinates.
    virtual bool OnLButtonDown(UINT keys, POINT point);
    // WM_PALETTECHANGED; changer is the window that realised its palette.
    virtual bool OnPaletteChanged(HWND changer);
    // WM_QUERYNEWPALETTE; result TRUE when this window realised a palette.
    virtual bool OnQueryNewPalette(LRESULT& result);
    // WM_QUERYENDSESSION; allow FALSE refuses the end of the session.
    virtual bool OnQueryEndSession(BOOL& allow);
    // WM_ENDSESSION; ending TRUE when the session ends now.
    virtual bool OnEndSession(BOOL ending);
    // WM_QUERYDRAGICON; icon is the picture shown while dragging a minimised window.
    virtual bool OnQueryDragIcon(HICON& icon);
    // WM_DESTROY.
    virtual bool OnDestroy();
    // Any other message; result is the message's answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Runs the handler that belongs to message; false when there is none or it declined.
    bool DispatchToHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Message being handled, for Default(); saved and restored around nested messages.
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current = {0, 0, 0};

private:
    static LRESULT CALLBACK RoutingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Puts RoutingProc in front of the window's procedure unless it is there already.
    static bool InstallRouting(HWND window);
    static void RemoveRoutingIfOnTop(HWND window);
    bool m_bSubclassed = false;
};

// Reflected owner-draw message: the dialog sends WM_DRAWITEM back to the control.
constexpr UINT kReflectedDrawItem = WM_USER + 0x1C00 + WM_DRAWITEM;
