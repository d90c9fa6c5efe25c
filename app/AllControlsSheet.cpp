#include "AllControlsSheet.h"

#include "AboutDlg.h"
#include "BiosCatalogue.h"
#include "LoadSettingsDlg.h"
#include "RestartDlg.h"
#include "RestartWindows.h"
#include "WindowsVersion.h"
#include "WinApp.h"
#include "app_ids.h"

namespace {

constexpr uint8_t kChecksumMode = 1;
constexpr uint8_t kLoadDefaultMode = 0;
constexpr uint8_t kLoadPreviousMode = 1;

// The menu's commands and the strings that name them.
struct MenuText {
    UINT command;
    UINT stringId;
};
constexpr MenuText kMenuTexts[] = {
    {ID_LOAD_DEFAULT, IDS_LOAD_DEFAULT},
    {ID_LOAD_PREVIOUS, IDS_LOAD_PREVIOUS},
    {ID_APP_ABOUT, IDS_ABOUT_MENU},
};

void UpdateChecksum() {
    uint8_t code = 0;
    CMOSChecksum(&code, kChecksumMode);
}

} // namespace

CAllControlsSheet::CAllControlsSheet(const char* caption, HWND parent, UINT selectPage,
                                     PageTable pages)
    : CPropertySheet(caption, parent, selectPage) {
    m_bRestartPending = 0;
    m_bWindows5OrLater = 0;
    DetectWindowsVersion();

    CWinApp* app = AfxGetApp();
    m_hIcon = app ? app->LoadIcon(IDI_PROGRAM)
                  : ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_PROGRAM));
    m_psh.hIcon = m_hIcon;
    m_psh.dwFlags |= PSH_USEHICON;

    for (int i = 0; i < pages.count && pages.factories && m_nPageCount < kMaxSheetPages; ++i) {
        CMyPropertyPage* page = pages.factories[i] ? pages.factories[i]() : nullptr;
        if (page)
            m_pPages[m_nPageCount++] = page;
    }
    for (int i = 0; i < m_nPageCount; ++i)
        AddPage(m_pPages[i]);
}

CAllControlsSheet::~CAllControlsSheet() {
    for (int i = 0; i < m_nPageCount; ++i) {
        delete m_pPages[i];
        m_pPages[i] = nullptr;
    }
}

void CAllControlsSheet::DetectWindowsVersion() {
    m_bWindows5OrLater = IsWindows5OrLaterSystem() ? 1 : 0;
}

CMyPropertyPage* CAllControlsSheet::GetSettingsPage(int index) const {
    return index >= 0 && index < m_nPageCount ? m_pPages[index] : nullptr;
}

int CAllControlsSheet::ApplyAllPages() {
    int result = 0;
    for (int i = 0; i < m_nPageCount; ++i) {
        if (m_pPages[i]->ApplySettings() != 0)
            result = 1;
    }
    UpdateChecksum();
    return result;
}

void CAllControlsSheet::OnApplyNow() {
    if (ApplyAllPages())
        m_bRestartPending = 1;
}

void CAllControlsSheet::OnOK() {
    if (ApplyAllPages() || m_bRestartPending) {
        m_bRestartPending = 1;
        if (RunRestartDlg() == IDOK)
            RunRestartWindows();
    }
    EndDialog(IDOK);
}

void CAllControlsSheet::OnLoadDefault() {
    if (RunLoadSettingsDlg(kLoadDefaultMode) != IDOK)
        return;
    if (LoadSetupDefault() != 1) {
        ShowMessage(IDS_NOT_IMPLEMENTED);
        return;
    }
    // The defaults take effect at the next start. After a successful restart request
    // the sheet stays open until the system closes the program.
    if (RunRestartDlg() != IDOK || !RunRestartWindows())
        EndDialog(IDCANCEL);
}

void CAllControlsSheet::OnLoadPrevious() {
    if (RunLoadSettingsDlg(kLoadPreviousMode) != IDOK)
        return;
    // The sheet takes the activation back before the pages reload, so that its own
    // restoring of the focus it had cannot undo the focus a page gives its choice.
    ::SetActiveWindow(m_hWnd);
    for (int i = 0; i < m_nPageCount; ++i)
        m_pPages[i]->RestorePreviousSettings();
    UpdateChecksum();
}

void CAllControlsSheet::OnAbout() {
    RunAboutDlg();
}

INT_PTR CAllControlsSheet::RunLoadSettingsDlg(uint8_t mode) {
    CLoadSettingsDlg dialog;
    dialog.SetMode(mode);
    return dialog.DoModal();
}

INT_PTR CAllControlsSheet::RunRestartDlg() {
    CRestartDlg dialog;
    return dialog.DoModal();
}

int CAllControlsSheet::RunRestartWindows() {
    return RestartWindows();
}

void CAllControlsSheet::ShowMessage(UINT stringId) {
    AfxMessageBox(stringId, MB_OK);
}

void CAllControlsSheet::RunAboutDlg() {
    CAboutDlg dialog;
    dialog.DoModal();
}

BOOL CAllControlsSheet::OnInitDialog() {
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return CPropertySheet::OnInitDialog();
}

void CAllControlsSheet::PreCreateWindow(DWORD& style, DWORD& exStyle) {
    CPropertySheet::PreCreateWindow(style, exStyle);
    exStyle |= WS_EX_CONTEXTHELP;
}

bool CAllControlsSheet::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case kApplyNowCommand:
        OnApplyNow();
        return true;
    case IDOK:
        OnOK();
        return true;
    case ID_LOAD_DEFAULT:
        OnLoadDefault();
        return true;
    case ID_LOAD_PREVIOUS:
        OnLoadPrevious();
        return true;
    case ID_APP_ABOUT:
        OnAbout();
        return true;
    default:
        return CPropertySheet::OnCommand(id, code, control);
    }
}

bool CAllControlsSheet::OnContextMenu(HWND, POINT point) {
    HMENU menu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDM_SHEET_CONTEXT));
    if (!menu)
        return true;
    HMENU popup = ::GetSubMenu(menu, 0);
    if (popup) {
        char text[256];
        for (const MenuText& item : kMenuTexts) {
            LoadResourceString(item.stringId, text, sizeof text);
            ::ModifyMenuA(popup, item.command, MF_BYCOMMAND | MF_STRING, item.command, text);
        }
        HWND owner = AfxGetMainWndHandle();
        ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, point.x, point.y, 0, owner ? owner : m_hWnd,
                         nullptr);
    }
    ::DestroyMenu(menu);
    return true;
}

bool CAllControlsSheet::OnQueryEndSession(BOOL& allow) {
    if (!Default()) {
        allow = FALSE;
        return true;
    }
    SetHotkeyButton(1);
    allow = TRUE;
    return true;
}

bool CAllControlsSheet::OnQueryDragIcon(HICON& icon) {
    icon = m_hIcon;
    return true;
}
