#include "PasswordPage.h"

#include "PageFactories.h"
#include "PlaceholderText.h"
#include "WinApp.h"
#include "page_password_ids.h"

namespace {

// Loaded and formatted texts: string-table texts of at most 255 characters.
constexpr int kTextSize = 256;

// The dialogs open over the sheet, the program's main window.
constexpr CWnd* kOverTheSheet = nullptr;

} // namespace

CPasswordPage::CPasswordPage()
    : CMyPropertyPage(IDD_PAGE_PASSWORD, IDS_PASSWORD_CAPTION), m_setupDlg(kOverTheSheet),
      m_powerOnDlg(kOverTheSheet) {}

void CPasswordPage::DoDataExchange(CDataExchange* pDX) {
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PASSWORD_PICTURE, m_picture);
}

BOOL CPasswordPage::OnInitDialog() {
    CMyPropertyPage::OnInitDialog();
    m_picture.LoadBitmaps(IDB_PASSWORD_PICTURE, 0);
    SetTitleFromResource(kPageTitleControl, IDS_PASSWORD_CAPTION);
    SetItemTextFromResource(IDC_POWERON_GROUP, IDS_POWERON_GROUP);
    SetItemTextFromResource(IDC_POWERON_HINT, IDS_POWERON_HINT);
    SetItemTextFromResource(IDC_CHANGE_POWERON, IDS_CHANGE_POWERON_BUTTON);
    SetItemTextFromResource(IDC_SETUP_GROUP, IDS_SETUP_GROUP);
    SetItemTextFromResource(IDC_SETUP_HINT, IDS_SETUP_HINT);
    SetItemTextFromResource(IDC_CHANGE_SETUP, IDS_CHANGE_SETUP_BUTTON);
    ReadFromBios();
    return TRUE;
}

bool CPasswordPage::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED && id == IDC_CHANGE_POWERON) {
        OnChangePowerOnPassword();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_CHANGE_SETUP) {
        OnChangeSetupPassword();
        return true;
    }
    return CMyPropertyPage::OnCommand(id, code, control);
}

void CPasswordPage::OnChangePowerOnPassword() {
    RunChangeDialog(m_powerOnDlg, PowerOn);
}

void CPasswordPage::OnChangeSetupPassword() {
    RunChangeDialog(m_setupDlg, Setup);
}

void CPasswordPage::RunChangeDialog(CChangePasswordDlg& dialog, PasswordKind kind) {
    dialog.SetKind(kind);
    if (dialog.DoModal() != IDOK)
        return;
    SetPageModified(TRUE);
    m_changes.MarkChanged(kind);
}

int CPasswordPage::ApplySettings() {
    PasswordEntry powerOn;
    PasswordEntry setup;
    m_powerOnDlg.GetEntry(powerOn);
    m_setupDlg.GetEntry(setup);
    const PasswordWriteResult result = m_changes.Apply(m_bModified, powerOn, setup);
    WipeEntry(powerOn);
    WipeEntry(setup);
    SetPageModified(FALSE);
    ReportRefusals(result);
    return result.restart;
}

void CPasswordPage::RestorePreviousSettings() {
    if (!HasWindow())
        return;
    ReportRefusals(m_changes.WriteApplied());
    ReloadFromBios();
}

void CPasswordPage::ReadFromBios() {
    PasswordEntry entry = ReadPasswordState(PowerOn);
    m_powerOnDlg.SetEntry(entry);
    entry = ReadPasswordState(Setup);
    m_setupDlg.SetEntry(entry);
}

void CPasswordPage::ReloadFromBios() {
    if (!HasWindow())
        return;
    ReadFromBios();
    SetPageModified(FALSE);
    m_changes.Forget();
}

void CPasswordPage::ReportRefusals(const PasswordWriteResult& result) {
    char format[kTextSize];
    char name[kTextSize];
    char text[kTextSize];
    const struct {
        bool refused;
        UINT nameId;
    } reports[] = {{result.powerOnRefused, IDS_POWERON_GROUP},
                   {result.setupRefused, IDS_SETUP_GROUP}};
    for (const auto& report : reports) {
        if (!report.refused)
            continue;
        LoadResourceString(IDS_PASSWORD_REFUSED, format, sizeof format);
        LoadResourceString(report.nameId, name, sizeof name);
        FillPlaceholder(format, name, text, sizeof text);
        AfxMessageBox(text, MB_OK);
    }
}

CMyPropertyPage* CreatePasswordPage() {
    return new CPasswordPage();
}
