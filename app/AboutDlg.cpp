#include "AboutDlg.h"

#include "VersionText.h"
#include "WinApp.h"
#include "app_ids.h"

CAboutDlg::CAboutDlg(HWND parent) : CDialog(IDD_ABOUT, parent) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    char text[256];
    LoadResourceString(IDS_PRODUCT_NAME, text, sizeof text);
    SetDlgItemText(IDC_ABOUT_PRODUCT, text);
    LoadResourceString(IDS_ABOUT_TITLE, text, sizeof text);
    SetWindowText(text);
    BuildVersionText(text, sizeof text);
    SetDlgItemText(IDC_ABOUT_VERSION, text);
    LoadResourceString(IDS_RIGHTS, text, sizeof text);
    SetDlgItemText(IDC_ABOUT_RIGHTS, text);
    LoadResourceString(IDS_OK, text, sizeof text);
    SetDlgItemText(IDOK, text);
    return TRUE;
}
