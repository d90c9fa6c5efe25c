#include "TextFit.h"

#include <algorithm>

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

    // The rectangle text needs drawn with flags: on one line, or wrapped at width.
    RECT Need(const std::string& text, UINT flags, int width = 0) const {
        RECT r = {0, 0, width, 0};
        DrawTextA(m_dc, text.c_str(), -1, &r, DT_CALCRECT | flags);
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

// Adds text of control to clips when it needs more room than it has (heights of 0
// for a width alone).
void Report(std::vector<Clip>& clips, int controlId, const std::string& text, int needW, int hasW,
            int needH = 0, int hasH = 0) {
    const auto size = [](int w, int h) { return std::to_string(w) + "x" + std::to_string(h); };
    if (needW > hasW || needH > hasH)
        clips.push_back(
            {controlId, text, "needs " + size(needW, needH) + " px, has " + size(hasW, hasH)});
}

// A static or button control of this style, text and client rectangle.
void CheckStatic(HWND control, LONG style, const std::string& text, const RECT& has,
                 std::vector<Clip>& clips) {
    const LONG type = style & SS_TYPEMASK;
    if (type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP)
        return;
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    ControlDc dc(control);
    const RECT need = type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP
                          ? dc.Need(text, DT_SINGLELINE | prefix)
                          : dc.Need(text, DT_WORDBREAK | DT_EXPANDTABS | prefix, has.right);
    Report(clips, GetDlgCtrlID(control), text, need.right, has.right, need.bottom, has.bottom);
}

void CheckButton(HWND control, LONG style, const std::string& text, const RECT& has,
                 std::vector<Clip>& clips) {
    const LONG type = style & BS_TYPEMASK;
    if ((style & (BS_BITMAP | BS_ICON)) || type == BS_OWNERDRAW)
        return;
    ControlDc dc(control);
    const RECT line = dc.Need(text, DT_SINGLELINE);
    int needW = line.right;
    int needH = line.bottom;
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
        const int glyph = 12 * GetDeviceCaps(dc.dc(), LOGPIXELSX) / 96 + 1;
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
        // The focus rectangle takes a pixel on each side.
        Report(clips, GetDlgCtrlID(control), text,
               dc.Need(text, DT_SINGLELINE | DT_NOPREFIX).right + 2, has);
    }
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
        const int titleNeeds = headerDc.Need(title, DT_SINGLELINE | DT_NOPREFIX).right +
                               6 * GetSystemMetrics(SM_CXEDGE);
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
        ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE);
        const int margin = ListView_GetColumnWidth(list, column) - widest;
        ListView_SetColumnWidth(list, column, has);
        for (const auto& cell : cells) {
            if (!cell.empty())
                Report(clips, GetDlgCtrlID(list), cell,
                       ListView_GetStringWidth(list, cell.c_str()) + margin, has);
        }
    }
}

} // namespace

std::vector<Clip> FindClippedTexts(HWND window) {
    std::vector<Clip> clips;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[64] = "";
        GetClassNameA(child, className, sizeof className);
        const std::string name = className, text = TextOf(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        RECT has;
        GetClientRect(child, &has);
        if (name == "Static" && !text.empty())
            CheckStatic(child, style, text, has, clips);
        else if (name == "Button" && !text.empty())
            CheckButton(child, style, text, has, clips);
        else if (name == "ComboBox")
            CheckComboItems(child, clips);
        else if (name == WC_LISTVIEWA)
            CheckListColumns(child, clips);
    }
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
        needs = dc.Need(text, DT_SINGLELINE | DT_NOPREFIX).right + metrics.iCaptionWidth +
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
