#include "PropertyPage.h"

#include "WinApp.h"

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId)
    : CDialog(templateId, static_cast<HWND>(nullptr)), m_nCaptionId(captionId) {}

void CPropertyPage::SetModified(BOOL changed) {
    if (!HasWindow())
        return;
    HWND sheet = ::GetParent(m_hWnd);
    ::SendMessageA(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd),
                   0);
}

const PROPSHEETPAGEA& CPropertyPage::BuildPageHeader(bool hasHelp) {
    m_psp = PROPSHEETPAGEA();
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = MAKEINTRESOURCEA(m_nTemplateId);
    m_psp.pfnDlgProc = PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    if (m_nCaptionId != 0) {
        LoadResourceString(m_nCaptionId, m_szCaption, sizeof m_szCaption);
        m_psp.pszTitle = m_szCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
    if (hasHelp)
        m_psp.dwFlags |= PSP_HASHELP;
    return m_psp;
}

bool CPropertyPage::OnNotify(NMHDR* header, LRESULT& result) {
    if (header && header->code == static_cast<UINT>(PSN_HELP)) {
        AfxRequestHelp(HID_BASE_RESOURCE + m_nTemplateId);
        result = 0;
        return true;
    }
    return false;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CPropertyPage* self;
    if (message == WM_INITDIALOG) {
        // The platform hands the page its header; the header carries the object.
        const PROPSHEETPAGEA* header = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        self = header ? reinterpret_cast<CPropertyPage*>(header->lParam) : nullptr;
        ::SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        if (self)
            self->m_hWnd = window;
    } else {
        self = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self)
        return FALSE;
    return self->HandleDialogMessage(message, wParam, lParam);
}
