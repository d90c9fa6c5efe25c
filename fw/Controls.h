// Thin wrappers of the standard and common controls the pages use. Each binds to a
// control of a dialog with DDX_Control (or Attach) and sends the control's requests.
#pragma once

#include "Wnd.h"

class CButton : public CWnd {
public:
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    HBITMAP SetBitmap(HBITMAP bitmap);
};

class CEdit : public CWnd {
public:
    // Selects characters first..last-1; (0, -1) selects all. Unless noScroll, the caret is
    // scrolled into view.
    void SetSel(int first, int last, BOOL noScroll = FALSE);
    void LimitText(int maxCharacters) {
        SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxCharacters));
    }
    void SetReadOnly(BOOL readOnly = TRUE) { SendMessage(EM_SETREADONLY, readOnly); }
    void ReplaceSel(const char* text) {
        SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }
};

class CComboBox : public CWnd {
public:
    // Index of the new item, or CB_ERR.
    int AddString(const char* text);
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    // Index of the selected item, or CB_ERR (-1) when none is.
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    // -1 clears the selection. Returns the index, or CB_ERR.
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
};

// Report-view list view.
class CListCtrl : public CWnd {
public:
    // Index of the new column, or -1. format: LVCFMT_LEFT, ...
    int InsertColumn(int column, const char* heading, int format, int width);
    // Inserts an item with column-0 text (no image, no state); index of the new item or -1.
    int InsertItem(int index, const char* text);
    BOOL SetItemText(int item, int subItem, const char* text);
    // Copies the text of item/subItem into text (always terminated); length copied.
    int GetItemText(int item, int subItem, char* text, int size) const;
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetColumnWidth(int column) const {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
    }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
};

// Up-down (spin) control.
class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int position);
    // The position; clamped into the range. error (optional) is TRUE when the buddy's
    // text was not a number in the range.
    int GetPos(BOOL* error = nullptr) const;
    HWND SetBuddy(HWND buddy) {
        return reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)));
    }
    HWND GetBuddy() const { return reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)); }
};

// Trackbar (slider).
class CSliderCtrl : public CWnd {
public:
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
    int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
    void SetPos(int position, BOOL redraw = TRUE) { SendMessage(TBM_SETPOS, redraw, position); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    void SetTicFreq(int frequency) { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(frequency)); }
    int SetPageSize(int size) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size)); }
    int SetLineSize(int size) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size)); }
};
