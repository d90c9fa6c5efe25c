#include "MyPropertyPage.h"

#include "WinApp.h"

CMyPropertyPage::CMyPropertyPage(UINT templateId, UINT captionId)
    : CPropertyPage(templateId, captionId) {}

int CMyPropertyPage::ApplySettings() {
    return 0;
}

void CMyPropertyPage::RestorePreviousSettings() {}

void CMyPropertyPage::SetPageModified(BOOL modified) {
    SetModified(modified);
    m_bModified = modified;
}

BOOL CMyPropertyPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    ::SetWindowLongA(m_hWnd, GWL_EXSTYLE,
                     ::GetWindowLongA(m_hWnd, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);

    // The title font: the dialog's own font, 30 units high, natural width.
    HFONT dialogFont = GetFont();
    if (!dialogFont)
        dialogFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (::GetObjectA(dialogFont, sizeof m_titleLogFont, &m_titleLogFont) != sizeof m_titleLogFont)
        m_titleLogFont = LOGFONTA();
    m_titleLogFont.lfHeight = kTitleFontHeight;
    m_titleLogFont.lfWidth = 0;
    m_titleFont.CreateFontIndirect(&m_titleLogFont);
    return TRUE;
}

void CMyPropertyPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
}

void CMyPropertyPage::SetItemTextFromResource(int controlId, UINT stringId) {
    SetDlgItemTextFromResource(m_hWnd, controlId, stringId);
}

void CMyPropertyPage::SetDlgItemTextFromResource(HWND window, int controlId, UINT stringId) {
    char text[256];
    LoadResourceString(stringId, text, sizeof text);
    ::SetDlgItemTextA(window, controlId, text);
}

void CMyPropertyPage::SetTitleFromResource(int controlId, UINT stringId) {
    SetItemTextFromResource(controlId, stringId);
    HWND title = GetDlgItem(controlId);
    if (title && m_titleFont.GetSafeHandle())
        ::SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.GetSafeHandle()),
                       TRUE);
}
