#include "ChangePasswordDlg.h"

#include "ChangePasswordRules.h"
#include "MyPropertyPage.h"
#include "WinApp.h"
#include "app_ids.h"
#include "password_ids.h"

namespace {

// Texts and icon that differ between the two kinds of password.
struct KindTexts {
    UINT caption;
    UINT purpose;
    UINT enable;
    UINT icon;
};

KindTexts TextsFor(PasswordKind kind) {
    if (kind == PowerOn)
        return {IDS_CHANGE_POWERON_PASSWORD, IDS_POWERON_PASSWORD_PURPOSE,
                IDS_ENABLE_POWERON_PASSWORD, IDI_POWERON_PASSWORD};
    return {IDS_CHANGE_SETUP_PASSWORD, IDS_SETUP_PASSWORD_PURPOSE, IDS_ENABLE_SETUP_PASSWORD,
            IDI_SETUP_PASSWORD};
}

} // namespace

CChangePasswordDlg::CChangePasswordDlg(CWnd* parent) : CDialog(IDD_CHANGE_PASSWORD, parent) {
    WipeEntry(m_entry);
}

CChangePasswordDlg::~CChangePasswordDlg() {
    WipeEntry(m_entry);
}

void CChangePasswordDlg::SetEntry(const PasswordEntry& entry) {
    m_entry.enabled = entry.enabled;
    m_entry.length = ValidLength(entry);
    for (size_t i = 0; i < kPasswordCodeBytes; ++i)
        m_entry.codes[i] = entry.codes[i];
    m_entry.modified = 0;
}

void CChangePasswordDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONFIRM_PASSWORD, m_confirmEdit);
    DDX_Control(pDX, IDC_NEW_PASSWORD, m_newEdit);
}

BOOL CChangePasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_bCheckTouched = 0;

    const KindTexts texts = TextsFor(m_kind);
    char caption[256];
    LoadResourceString(texts.caption, caption, sizeof caption);
    SetWindowText(caption);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDC_PASSWORD_PURPOSE, texts.purpose);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDC_PASSWORD_ENABLE, texts.enable);
    if (HICON icon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(texts.icon)))
        ::SendDlgItemMessageA(m_hWnd, IDC_PASSWORD_ICON, STM_SETICON,
                              reinterpret_cast<WPARAM>(icon), 0);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDC_NEW_PASSWORD_LABEL, IDS_NEW_PASSWORD);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDC_CONFIRM_PASSWORD_LABEL,
                                                IDS_CONFIRM_PASSWORD);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDOK, IDS_OK);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDCANCEL, IDS_CANCEL);

    CheckDlgButton(IDC_PASSWORD_ENABLE, m_entry.enabled ? BST_CHECKED : BST_UNCHECKED);
    m_entry.enabled = IsDlgButtonChecked(IDC_PASSWORD_ENABLE) ? 1 : 0;
    m_newEdit.SetEntry(m_entry);
    m_confirmEdit.SetEntry(m_entry);
    EnableFields(m_entry.enabled);
    FocusNewPassword();
    m_bInitialEnabled = m_entry.enabled;
    return TRUE;
}

bool CChangePasswordDlg::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_PASSWORD_ENABLE && code == BN_CLICKED) {
        OnEnableClicked();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CChangePasswordDlg::OnEnableClicked() {
    m_bCheckTouched = 1;
    m_entry.enabled = IsDlgButtonChecked(IDC_PASSWORD_ENABLE) ? 1 : 0;
    EmptyFields();
    EnableFields(m_entry.enabled);
    FocusNewPassword();
}

void CChangePasswordDlg::OnOK() {
    PasswordEntry newEntry;
    PasswordEntry confirmEntry;
    m_newEdit.GetEntry(newEntry);
    m_confirmEdit.GetEntry(confirmEntry);
    switch (JudgeChangeOk(newEntry, confirmEntry, m_bCheckTouched, m_entry)) {
    case ChangeOutcome::Cancel:
        EndDialog(IDCANCEL);
        break;
    case ChangeOutcome::Ok:
        EndDialog(IDOK);
        break;
    case ChangeOutcome::Mismatch:
        AfxMessageBox(IDS_PASSWORDS_DIFFER, MB_OK);
        EmptyFields();
        FocusNewPassword();
        break;
    }
    WipeEntry(newEntry);
    WipeEntry(confirmEntry);
}

void CChangePasswordDlg::OnCancel() {
    m_entry.enabled = m_bInitialEnabled;
    EndDialog(IDCANCEL);
}

void CChangePasswordDlg::EmptyFields() {
    const PasswordEntry empty = EmptyEntry(m_entry.enabled);
    m_newEdit.SetEntry(empty);
    m_confirmEdit.SetEntry(empty);
    SetDlgItemText(IDC_NEW_PASSWORD, "");
    SetDlgItemText(IDC_CONFIRM_PASSWORD, "");
}

void CChangePasswordDlg::EnableFields(BOOL enable) {
    const int controls[] = {IDC_PASSWORD_FIELDS, IDC_NEW_PASSWORD, IDC_CONFIRM_PASSWORD,
                            IDC_NEW_PASSWORD_LABEL, IDC_CONFIRM_PASSWORD_LABEL};
    for (int id : controls)
        ::EnableWindow(GetDlgItem(id), enable);
}

void CChangePasswordDlg::FocusNewPassword() {
    ::SetFocus(GetDlgItem(IDC_NEW_PASSWORD));
}
