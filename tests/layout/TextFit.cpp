#include "TextFit.h"

#include <algorithm>
#include <cstdio>

namespace layout {

namespace {

// A device context of control with the control's own font selected.
class ControlDc {
public:
    explicit ControlDc(HWND control, HFONT font = nullptr) : m_control(control) {
        m_dc = GetDC(control);
        if (font == nullptr)
            font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
        m_old = SelectObject(m_dc, font ? font : GetStockObject(SYSTEM_FONT));
    }
    ~ControlDc() {
        SelectObject(m_dc, m_old);
        ReleaseDC(m_control, m_dc);
    }
    ControlDc(const ControlDc&) = delete;
    ControlDc& operator=(const ControlDc&) = delete;
    HDC dc() const { return m_dc; }

    // Width and height of text drawn on one line.
    SIZE Line(const std::string& text, UINT prefix = 0) const {
        RECT r = {0, 0, 0, 0};
        DrawTextA(m_dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | prefix);
        return {r.right, r.bottom};
    }
    // The rectangle text needs when wrapped at width.
    RECT Wrapped(const std::string& text, int width, UINT prefix = 0) const {
        RECT r = {0, 0, width, 0};
        DrawTextA(m_dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | prefix);
        return r;
    }

private:
    HWND m_control;
    HDC m_dc;
    HGDIOBJ m_old;
};

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Adds text of control to clips when it needs more room than it has (heights of 0
// for a width alone).
void Report(std::vector<Clip>& clips, int controlId, const std::string& text, int needW, int hasW,
            int needH = 0, int hasH = 0) {
    if (needW <= hasW && needH <= hasH)
        return;
    char detail[96];
    std::snprintf(detail, sizeof detail, "needs %dx%d px, has %dx%d", needW, needH, hasW, hasH);
    clips.push_back({controlId, text, detail});
}

int Dpi(HDC dc) {
    return GetDeviceCaps(dc, LOGPIXELSX);
}

void CheckStatic(HWND control, std::vector<Clip>& clips) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG type = style & SS_TYPEMASK;
    const std::string text = TextOf(control);
    if (text.empty() || (type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP))
        return;
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    RECT has;
    GetClientRect(control, &has);
    ControlDc dc(control);
    RECT need;
    if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) {
        const SIZE line = dc.Line(text, prefix);
        need = {0, 0, line.cx, line.cy};
    } else {
        need = dc.Wrapped(text, has.right, prefix);
    }
    Report(clips, GetDlgCtrlID(control), text, need.right, has.right, need.bottom, has.bottom);
}

void CheckButton(HWND control, std::vector<Clip>& clips) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    const std::string text = TextOf(control);
    if (text.empty() || (style & (BS_BITMAP | BS_ICON)) || type == BS_OWNERDRAW)
        return;
    RECT has;
    GetClientRect(control, &has);
    ControlDc dc(control);
    const SIZE line = dc.Line(text);
    int needW = line.cx;
    int needH = line.cy;
    switch (type) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        // The 3-D edge and the focus rectangle on each side.
        needW += 2 * (GetSystemMetrics(SM_CXEDGE) + 1);
        needH += 2 * GetSystemMetrics(SM_CYEDGE);
        break;
    case BS_GROUPBOX: {
        // The caption starts one average character in and is framed on the right.
        TEXTMETRICA metrics = {};
        GetTextMetricsA(dc.dc(), &metrics);
        needW += metrics.tmAveCharWidth + 2 * GetSystemMetrics(SM_CXEDGE);
        needH = 0;
        break;
    }
    default: {
        // Check boxes and radio buttons: the glyph, half a digit's width, the text,
        // and the focus rectangle around it.
        const int glyph = 12 * Dpi(dc.dc()) / 96 + 1;
        int digit = 0;
        GetCharWidth32A(dc.dc(), '0', '0', &digit);
        needW += glyph + digit / 2 + 1;
        needH = std::max<int>(needH, glyph);
        break;
    }
    }
    Report(clips, GetDlgCtrlID(control), text, needW, has.right, needH, has.bottom);
}

void CheckComboItems(HWND control, std::vector<Clip>& clips) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(control, &info))
        return;
    const int has = info.rcItem.right - info.rcItem.left;
    ControlDc dc(control);
    const int count = static_cast<int>(SendMessageA(control, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = "";
        SendMessageA(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        const SIZE line = dc.Line(text, DT_NOPREFIX);
        // The focus rectangle takes a pixel on each side.
        Report(clips, GetDlgCtrlID(control), text, line.cx + 2, has);
    }
}

// The width the list itself asks for a column (its own cell margins), leaving the
// column as it was.
int AutoWidth(HWND list, int column, int how) {
    const int width = ListView_GetColumnWidth(list, column);
    ListView_SetColumnWidth(list, column, how);
    const int needed = ListView_GetColumnWidth(list, column);
    ListView_SetColumnWidth(list, column, width);
    return needed;
}

void CheckListColumns(HWND list, std::vector<Clip>& clips) {
    HWND header = ListView_GetHeader(list);
    const int columns = header ? Header_GetItemCount(header) : 0;
    ControlDc headerDc(header);
    for (int column = 0; column < columns; ++column) {
        char title[256] = "";
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT;
        info.pszText = title;
        info.cchTextMax = sizeof title;
        ListView_GetColumn(list, column, &info);
        const int has = ListView_GetColumnWidth(list, column);
        // A header item pads its text by three edges on each side.
        const int titleNeeds =
            headerDc.Line(title, DT_NOPREFIX).cx + 6 * GetSystemMetrics(SM_CXEDGE);
        Report(clips, GetDlgCtrlID(list), title, titleNeeds, has);
        const int rows = ListView_GetItemCount(list);
        if (rows == 0)
            continue;
        // The list's own cell margin: what its auto-sizing adds to the widest cell.
        std::vector<std::string> cells;
        int widest = 0;
        for (int row = 0; row < rows; ++row) {
            char cell[256] = "";
            ListView_GetItemText(list, row, column, cell, sizeof cell);
            cells.push_back(cell);
            widest = std::max<int>(widest, ListView_GetStringWidth(list, cell));
        }
        const int margin = AutoWidth(list, column, LVSCW_AUTOSIZE) - widest;
        for (const auto& cell : cells) {
            if (!cell.empty())
                Report(clips, GetDlgCtrlID(list), cell,
                       ListView_GetStringWidth(list, cell.c_str()) + margin, has);
        }
    }
}

BOOL CALLBACK CheckChild(HWND child, LPARAM found) {
    auto& clips = *reinterpret_cast<std::vector<Clip>*>(found);
    const std::string name = ClassOf(child);
    if (name == "Static")
        CheckStatic(child, clips);
    else if (name == "Button")
        CheckButton(child, clips);
    else if (name == "ComboBox")
        CheckComboItems(child, clips);
    else if (name == WC_LISTVIEWA)
        CheckListColumns(child, clips);
    return TRUE;
}

} // namespace

std::vector<Clip> FindClippedTexts(HWND window) {
    std::vector<Clip> clips;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        CheckChild(child, reinterpret_cast<LPARAM>(&clips));
    return clips;
}

std::vector<Clip> FindClippedCaption(HWND dialog) {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
    const std::string text = TextOf(dialog);
    int needs;
    {
        ControlDc dc(dialog, font);
        // Frame, the close box and a little room at both ends of the bar.
        needs = dc.Line(text, DT_NOPREFIX).cx + metrics.iCaptionWidth +
                4 * GetSystemMetrics(SM_CXFIXEDFRAME) + 8;
    }
    DeleteObject(font);
    RECT window;
    GetWindowRect(dialog, &window);
    std::vector<Clip> clips;
    Report(clips, 0, text, needs, window.right - window.left);
    return clips;
}

} // namespace layout
