#include "LoadSettingsDlg.h"

#include "WinApp.h"
#include "app_ids.h"

CLoadSettingsDlg::CLoadSettingsDlg(HWND parent) : CDialog(IDD_LOAD_SETTINGS, parent) {}

BOOL CLoadSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const bool loadDefault = m_nMode == 0;
    char text[512];
    LoadResourceString(loadDefault ? IDS_LOAD_DEFAULT : IDS_LOAD_PREVIOUS, text, sizeof text);
    SetWindowText(text);
    LoadResourceString(loadDefault ? IDS_CONFIRM_DEFAULT : IDS_CONFIRM_PREVIOUS, text, sizeof text);
    SetDlgItemText(IDC_LOAD_MESSAGE, text);
    LoadResourceString(IDS_YES, text, sizeof text);
    SetDlgItemText(IDOK, text);
    LoadResourceString(IDS_NO, text, sizeof text);
    SetDlgItemText(IDCANCEL, text);
    return TRUE;
}
