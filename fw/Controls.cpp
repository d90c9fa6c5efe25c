#include "Controls.h"

HBITMAP CButton::SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(
        SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

void CEdit::SetSel(int first, int last, BOOL noScroll) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(first), last);
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

int CComboBox::AddString(const char* text) {
    return static_cast<int>(
        SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : "")));
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width) {
    LVCOLUMNA header = {};
    header.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    header.fmt = format;
    header.cx = width;
    header.pszText = const_cast<char*>(heading ? heading : "");
    header.iSubItem = column;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                        reinterpret_cast<LPARAM>(&header)));
}

int CListCtrl::InsertItem(int index, const char* text) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(text ? text : "");
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int item, int subItem, const char* text) {
    LVITEMA cell = {};
    cell.iSubItem = subItem;
    cell.pszText = const_cast<char*>(text ? text : "");
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell)));
}

int CListCtrl::GetItemText(int item, int subItem, char* text, int size) const {
    if (!text || size <= 0)
        return 0;
    text[0] = '\0';
    LVITEMA cell = {};
    cell.iSubItem = subItem;
    cell.pszText = text;
    cell.cchTextMax = size;
    const int length = static_cast<int>(
        SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell)));
    text[size - 1] = '\0';
    return length;
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
    SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int CSpinButtonCtrl::SetPos(int position) {
    return static_cast<int>(SendMessage(UDM_SETPOS32, 0, position));
}

int CSpinButtonCtrl::GetPos(BOOL* error) const {
    BOOL failed = FALSE;
    const int position =
        static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (error)
        *error = failed;
    return position;
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw) {
    SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
    SendMessage(TBM_SETRANGEMAX, redraw, maximum);
}
