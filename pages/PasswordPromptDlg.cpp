#include "PasswordPromptDlg.h"

#include "MyPropertyPage.h"
#include "PromptCheck.h"
#include "WinApp.h"
#include "app_ids.h"
#include "password_ids.h"

CPasswordPromptDlg::CPasswordPromptDlg(HWND parent) : CDialog(IDD_PASSWORD_PROMPT, parent) {}

bool CPasswordPromptDlg::AskForPassword() {
    return DoModal() == IDOK;
}

void CPasswordPromptDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROMPT_PASSWORD, m_edit);
}

BOOL CPasswordPromptDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    char caption[256];
    LoadResourceString(IDS_PRODUCT_NAME, caption, sizeof caption);
    SetWindowText(caption);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDOK, IDS_OK);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDCANCEL, IDS_CANCEL);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDC_PROMPT_MESSAGE, IDS_PROMPT_MESSAGE);
    CMyPropertyPage::SetDlgItemTextFromResource(m_hWnd, IDC_PROMPT_LABEL, IDS_PASSWORD_LABEL);
    return TRUE;
}

void CPasswordPromptDlg::OnOK() {
    PasswordEntry entry;
    m_edit.GetEntry(entry);
    m_edit.Clear(); // the copy being checked is the only one left
    switch (JudgePromptAttempt(entry, m_nFailures)) {
    case PromptVerdict::Accepted:
        EndDialog(IDOK);
        break;
    case PromptVerdict::TryAgain:
        AfxMessageBox(IDS_INVALID_PASSWORD, MB_OK);
        break;
    case PromptVerdict::GiveUp:
        AfxMessageBox(IDS_INVALID_PASSWORD, MB_OK);
        AfxMessageBox(IDS_PASSWORD_TRIES_OVER, MB_OK);
        EndDialog(IDCANCEL);
        break;
    }
}

void CPasswordPromptDlg::OnCancel() {
    EndDialog(IDCANCEL);
}
