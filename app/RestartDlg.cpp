#include "RestartDlg.h"

#include "WinApp.h"
#include "app_ids.h"

CRestartDlg::CRestartDlg(HWND parent) : CDialog(IDD_RESTART, parent) {}

BOOL CRestartDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    char text[512];
    LoadResourceString(IDS_SETTINGS_CHANGE, text, sizeof text);
    SetWindowText(text);
    LoadResourceString(IDS_RESTART_QUESTION, text, sizeof text);
    SetDlgItemText(IDC_RESTART_MESSAGE, text);
    LoadResourceString(IDS_YES, text, sizeof text);
    SetDlgItemText(IDOK, text);
    LoadResourceString(IDS_NO, text, sizeof text);
    SetDlgItemText(IDCANCEL, text);
    return TRUE;
}
