// CPropertyPage: one page of a CPropertySheet, from a dialog template, with its tab
// text from the string table. The sheet creates the page window the first time the
// page is shown; until then HasWindow() is false. One page procedure (PageProc)
// serves every page and works like CDialog's.
#pragma once

#include "Dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    // captionId: string-table id of the tab text (0: the template's caption).
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);

    // Tells the sheet whether this page has unapplied changes (the sheet enables its
    // Apply button while any page has). Without a page window there is nothing to tell.
    void SetModified(BOOL changed = TRUE);
    // The sheet this page was added to, or nullptr.
    CPropertySheet* GetSheet() const { return m_pSheet; }
    UINT GetCaptionId() const { return m_nCaptionId; }

    // Pages run inside their sheet, never on their own: always -1.
    INT_PTR DoModal() override { return -1; }

    // Filled for the sheet by CPropertySheet (flags, template, tab text, procedure).
    const PROPSHEETPAGEA& BuildPageHeader(bool hasHelp);

protected:
    // Return true when handled. Base: PSN_HELP (the sheet's Help button) goes to the
    // application's help; the other page notifications are declined.
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    // Pages are ended by their sheet: OK and Cancel reach the sheet, never the page.
    void OnOK() override {}
    void OnCancel() override {}

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nCaptionId;
    CPropertySheet* m_pSheet = nullptr;
    char m_szCaption[256] = {};
    PROPSHEETPAGEA m_psp = {};
};
