#include "Dialog.h"

#include "WinApp.h"

namespace {

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

CDialog::CDialog(UINT templateId, HWND parent) : m_nTemplateId(templateId), m_hParent(parent) {}

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nTemplateId(templateId), m_hParent(parent ? parent->m_hWnd : nullptr) {}

INT_PTR CDialog::DoModal() {
    HWND owner = m_hParent ? m_hParent : AfxGetMainWndHandle();
    return ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nTemplateId), owner,
                             DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) {
    if (m_hWnd)
        ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL save) {
    CDataExchange exchange(m_hWnd, save);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::OnCommand(UINT id, UINT, HWND) {
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    case ID_HELP:
        return AfxRequestHelp(HID_BASE_RESOURCE + m_nTemplateId);
    default:
        return false;
    }
}

bool CDialog::OnHelpInfo(HELPINFO*) {
    return AfxRequestHelp(HID_BASE_RESOURCE + m_nTemplateId);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = window;
    } else {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self)
        return FALSE;
    return self->HandleDialogMessage(message, wParam, lParam);
}

INT_PTR CDialog::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const CurrentMessage saved = m_current;
    m_current = {message, wParam, lParam};
    INT_PTR answer = FALSE;
    LRESULT result = 0;
    if (message == WM_INITDIALOG) {
        answer = OnInitDialog();
    } else if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        m_hWnd = nullptr;
    } else if (message == WM_DRAWITEM) {
        // Owner-drawn controls draw themselves: hand the request back to the control.
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU && item->hwndItem &&
            ::SendMessageA(item->hwndItem, kReflectedDrawItem, wParam, lParam)) {
            ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, TRUE);
            answer = TRUE;
        }
    } else if (DispatchToHandler(message, wParam, lParam, result)) {
        // These messages answer through the procedure's return value, the others
        // through DWLP_MSGRESULT.
        if (IsCtlColorMessage(message) || message == WM_QUERYDRAGICON) {
            answer = static_cast<INT_PTR>(result);
        } else {
            ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            answer = TRUE;
        }
    }
    m_current = saved;
    return answer;
}
