// CPropertySheet: a tabbed sheet of CPropertyPage objects with OK, Cancel, Apply
// (and Help with PSH_HASHELP). DoModal runs it modally with the framework's own
// loop: the sheet ends with IDOK or IDCANCEL exactly when EndDialog says so or the
// platform closes it (Cancel, the close box), and no page ever receives PSN_APPLY
// unless the OK or Apply command is passed on to the platform. The sheet window
// is subclassed as soon as it exists, so WindowProc and the On... handlers see its
// commands (12321 Apply, IDOK, IDCANCEL) before the platform does.
#pragma once

#include "PropertyPage.h"

#include <vector>

// The Apply button's command id.
constexpr UINT kApplyNowCommand = 0x3021;

class CPropertySheet : public CWnd {
public:
    // caption: the window title; selectPage: index of the page shown first.
    CPropertySheet(const char* caption, HWND parent = nullptr, UINT selectPage = 0);

    // Pages are shown in the order added. The sheet does not own them.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    // The page shown now (valid while the sheet window exists), or nullptr.
    CPropertyPage* GetActivePage() const;

    // Runs the sheet; returns IDOK or IDCANCEL, or -1 when it could not be created.
    INT_PTR DoModal();
    // Closes the sheet; DoModal returns result.
    virtual void EndDialog(int result);

    // The header PropertySheetA receives: add flags (PSH_HASHELP, PSH_USEHICON) and
    // the icon here before DoModal. DoModal fills in the pages and the callback.
    PROPSHEETHEADERA m_psh;

protected:
    // Return the message's result. Dispatches like CWnd, then wakes the modal loop when
    // the platform closed the sheet inside a message sent from another thread or process.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Called once the sheet window exists and is subclassed (the first page's window
    // exists too). Return value unused by the platform; base returns TRUE.
    virtual BOOL OnInitDialog();
    // Adjust the sheet window's styles before it is created. Base: no context-help
    // button in the caption (WS_EX_CONTEXTHELP and DS_CONTEXTHELP removed).
    virtual void PreCreateWindow(DWORD& style, DWORD& exStyle);
    // Return true when handled. Base declines everything, so the platform handles
    // OK, Cancel and Apply (OK and Apply then send PSN_APPLY to the pages).
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Base: when the session ends, runs the application's ExitInstance.
    bool OnEndSession(BOOL ending) override;
    // Base: passes the request to the application's help.
    bool OnHelpInfo(HELPINFO* info) override;

private:
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    void RunModalLoop();

    char m_szCaption[256];
    std::vector<CPropertyPage*> m_pages;
    std::vector<PROPSHEETPAGEA> m_pageHeaders;
    int m_nResult = IDCANCEL;
    int m_nClosingResult = IDCANCEL; // what a platform close means (IDOK after OK passed on)
    bool m_bEnded = false;
};
