// CAllControlsSheet: the program's one window. It owns the settings pages, runs the
// write-back protocol (Apply and OK call every page's ApplySettings in tab order,
// then the CMOS checksum), offers a restart when an applied change needs one, and
// carries the right-click menu: Load Default, Load Previous and About.
#pragma once

#include "MyPropertyPage.h"
#include "PropertySheet.h"

#include <cstdint>

// Creates one page on the heap.
using PageFactory = CMyPropertyPage* (*)();
// The pages of the sheet in tab order.
struct PageTable {
    const PageFactory* factories;
    int count;
};
constexpr int kMaxSheetPages = 6;

class CAllControlsSheet : public CPropertySheet {
public:
    // Creates the pages of pages (at most kMaxSheetPages; a factory answering nullptr
    // adds no page) and loads the program icon.
    CAllControlsSheet(const char* caption, HWND parent, UINT selectPage, PageTable pages);
    // Deletes the pages in tab order.
    ~CAllControlsSheet() override;

    // 1 when the operating system's major version is greater than 4, else 0.
    BOOL IsWindows5OrLater() const { return m_bWindows5OrLater; }
    // Calls every page's ApplySettings in tab order, then CMOSChecksum (mode 1).
    // Returns 1 when some page asked for a restart, else 0.
    int ApplyAllPages();
    // 1 once an Apply in this run wrote a change that needs a restart.
    BOOL IsRestartPending() const { return m_bRestartPending; }
    CMyPropertyPage* GetSettingsPage(int index) const;
    int GetSettingsPageCount() const { return m_nPageCount; }

protected:
    // Apply button: applies every page; a restart is remembered, not offered.
    void OnApplyNow();
    // OK button: applies every page, offers a restart when this or an earlier Apply
    // asked for one, and closes the sheet with IDOK.
    void OnOK();
    // Loads the BIOS defaults after confirmation and offers the restart they need.
    void OnLoadDefault();
    // Writes back what every page last applied, after confirmation.
    void OnLoadPrevious();
    void OnAbout();

    // The sheet's dialogs and the restart, each behind one call.
    // Load-settings confirmation for mode (0 default, 1 previous); IDOK means Yes.
    virtual INT_PTR RunLoadSettingsDlg(uint8_t mode);
    // Restart question; IDOK means Yes.
    virtual INT_PTR RunRestartDlg();
    // Asks the system to reboot; 1 when requested, 0 without the right to.
    virtual int RunRestartWindows();
    // Message box with string stringId and an OK button.
    virtual void ShowMessage(UINT stringId);
    virtual void RunAboutDlg();

    // Return TRUE. Sets the window's large and small icons, then the base's set-up.
    BOOL OnInitDialog() override;
    // Keeps the context-help button in the caption.
    void PreCreateWindow(DWORD& style, DWORD& exStyle) override;
    // Apply, OK and the menu commands are handled here; the rest goes to the base.
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Shows the right-click menu at point.
    bool OnContextMenu(HWND window, POINT point) override;
    // Allows the end of the session when the default handling does, and then turns
    // the hot-key button back on.
    bool OnQueryEndSession(BOOL& allow) override;
    // The program icon.
    bool OnQueryDragIcon(HICON& icon) override;

private:
    void DetectWindowsVersion();

    uint8_t m_bWindows5OrLater = 0;
    int32_t m_bRestartPending = 0;
    CMyPropertyPage* m_pPages[kMaxSheetPages] = {};
    int m_nPageCount = 0;
    HICON m_hIcon = nullptr;
};
