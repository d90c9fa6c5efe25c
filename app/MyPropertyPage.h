// CMyPropertyPage: the base of every settings page. The sheet drives the pages
// through the three operations below; the base also gives each page the
// context-help style, a 30-unit title font made from the dialog's own font, and
// helpers that put string-table texts into controls.
#pragma once

#include "Font.h"
#include "PropertyPage.h"

#include <cstdint>

// Control id of the title static at the top of a page.
constexpr int kPageTitleControl = 1308;
// Height of the title font in logical units.
constexpr LONG kTitleFontHeight = 30;

class CMyPropertyPage : public CPropertyPage {
public:
    // captionId: string id of the tab text.
    CMyPropertyPage(UINT templateId, UINT captionId);

    // Writes the pending changes to the BIOS. Return 1 when what was written needs a
    // restart to take effect, else 0. Base: writes nothing, returns 0.
    virtual int ApplySettings();
    // Writes again what this page last applied, then reloads the page from the BIOS.
    // Does nothing while the page window does not exist. Base: does nothing.
    virtual void RestorePreviousSettings();
    // Records whether the page has unapplied changes and tells the sheet with
    // SetModified (which enables Apply).
    void SetPageModified(BOOL modified);
    // 1 while the page has changes that Apply has not written yet.
    int32_t IsPageModified() const { return m_bModified; }

    // Text of control controlId of this page = string stringId (at most 255 characters).
    void SetItemTextFromResource(int controlId, UINT stringId);
    // The same for a control of any window.
    static void SetDlgItemTextFromResource(HWND window, int controlId, UINT stringId);
    // Text of the title control = string stringId, in the title font, redrawn at once.
    void SetTitleFromResource(int controlId, UINT stringId);

    // The title font (nullptr before the page window was initialised).
    HFONT GetTitleFont() const { return m_titleFont.GetSafeHandle(); }

protected:
    // Return TRUE. Runs the framework's initialisation (control binding), adds the
    // context-help style and creates the title font. Pages call it first.
    BOOL OnInitDialog() override;
    // The framework's exchange; pages add their bindings after calling it.
    void DoDataExchange(CDataExchange* pDX) override;

    CFont m_titleFont;
    int32_t m_bModified = 0;
    LOGFONTA m_titleLogFont = {};
};
