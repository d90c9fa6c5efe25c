// The yardstick of the start-up benchmark: a modal property sheet with one empty page
// and nothing else, started the way zep.exe starts its sheet.
#include <windows.h>

#include <commctrl.h>

namespace {

// A page template: an empty 250 x 150 dialog, built in memory so the yardstick carries
// no resources of its own.
struct PageTemplate {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
};

INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    static PageTemplate page = {};
    page.dialog.style = WS_CHILD | DS_3DLOOK | DS_CONTROL;
    page.dialog.cx = 250;
    page.dialog.cy = 150;

    PROPSHEETPAGEA pageHeader = {};
    pageHeader.dwSize = sizeof pageHeader;
    pageHeader.dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    pageHeader.hInstance = instance;
    pageHeader.pResource = &page.dialog;
    pageHeader.pszTitle = "Page";
    pageHeader.pfnDlgProc = PageProc;

    PROPSHEETHEADERA sheet = {};
    sheet.dwSize = sizeof sheet;
    sheet.dwFlags = PSH_PROPSHEETPAGE;
    sheet.hInstance = instance;
    sheet.pszCaption = "Bare sheet";
    sheet.nPages = 1;
    sheet.ppsp = &pageHeader;
    return PropertySheetA(&sheet) < 0 ? 1 : 0;
}
