#include "DataExchange.h"

#include "Wnd.h"

void DDX_Control(CDataExchange* pDX, int controlId, CWnd& control) {
    if (!pDX)
        return;
    HWND item = ::GetDlgItem(pDX->m_hDialog, controlId);
    if (!item || control.m_hWnd == item)
        return;
    control.SubclassWindow(item);
}
