#include "PropertySheet.h"

#include "WinApp.h"

#include <cstdio>
#include <cstring>

namespace {

// The sheet whose window the platform is creating now (its callback carries no object).
CPropertySheet* g_sheetInCreation = nullptr;

// Both template layouts keep a style and an extended style: DLGTEMPLATE at offsets
// 0 and 4, DLGTEMPLATEEX (signature 0xFFFF) at offsets 12 and 8.
struct TemplateStyles {
    size_t styleOffset;
    size_t exStyleOffset;
};

TemplateStyles StylesOf(const void* dialogTemplate) {
    WORD header[2];
    std::memcpy(header, dialogTemplate, sizeof header);
    if (header[1] == 0xFFFF)
        return {12, 8};
    return {0, 4};
}

} // namespace

CPropertySheet::CPropertySheet(const char* caption, HWND parent, UINT selectPage) {
    std::snprintf(m_szCaption, sizeof m_szCaption, "%s", caption ? caption : "");
    m_psh = PROPSHEETHEADERA();
    m_psh.dwSize = sizeof m_psh;
    m_psh.hwndParent = parent;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_szCaption;
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page)
        return;
    page->m_pSheet = this;
    m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount())
        return nullptr;
    return m_pages[static_cast<size_t>(index)];
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    if (!HasWindow())
        return nullptr;
    HWND current = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    for (CPropertyPage* page : m_pages) {
        if (current && page->m_hWnd == current)
            return page;
    }
    return nullptr;
}

INT_PTR CPropertySheet::DoModal() {
    if (m_pages.empty())
        return -1;
    const bool hasHelp = (m_psh.dwFlags & PSH_HASHELP) != 0;
    m_pageHeaders.clear();
    for (CPropertyPage* page : m_pages)
        m_pageHeaders.push_back(page->BuildPageHeader(hasHelp));
    // Modeless to the platform, modal to the user: the loop below is ours, so OK and
    // Cancel end the sheet only as this class decides.
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_MODELESS;
    m_psh.nPages = static_cast<UINT>(m_pageHeaders.size());
    m_psh.ppsp = m_pageHeaders.data();
    m_psh.pfnCallback = SheetCallback;
    if (m_psh.nStartPage >= m_psh.nPages)
        m_psh.nStartPage = 0;

    m_bEnded = false;
    m_nResult = IDCANCEL;
    m_nClosingResult = IDCANCEL;
    g_sheetInCreation = this;
    const INT_PTR created = ::PropertySheetA(&m_psh);
    g_sheetInCreation = nullptr;
    HWND sheet = reinterpret_cast<HWND>(created);
    if (created == 0 || created == -1 || !::IsWindow(sheet))
        return -1;
    if (!m_hWnd)
        SubclassWindow(sheet);
    if (!::IsWindowVisible(sheet))
        ::ShowWindow(sheet, SW_SHOW);

    HWND owner = m_psh.hwndParent;
    if (owner)
        ::EnableWindow(owner, FALSE);
    RunModalLoop();
    if (owner) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    if (::IsWindow(sheet))
        ::DestroyWindow(sheet);
    return m_nResult;
}

void CPropertySheet::RunModalLoop() {
    MSG msg;
    while (!m_bEnded) {
        if (!HasWindow() || !SendMessage(PSM_GETCURRENTPAGEHWND)) {
            // The platform closed the sheet (Cancel, the close box, or OK passed on).
            m_nResult = m_nClosingResult;
            return;
        }
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nResult = IDCANCEL;
            return;
        }
        if (!HasWindow() || !SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg))) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CPropertySheet::EndDialog(int result) {
    m_nResult = result;
    m_bEnded = true;
    // Wakes the loop when this runs inside a message sent from elsewhere.
    if (m_hWnd)
        PostMessage(WM_NULL);
}

int CALLBACK CPropertySheet::SheetCallback(HWND window, UINT message, LPARAM lParam) {
    CPropertySheet* self = g_sheetInCreation;
    if (!self)
        return 0;
    if (message == PSCB_PRECREATE && lParam) {
        unsigned char* bytes = reinterpret_cast<unsigned char*>(lParam);
        const TemplateStyles at = StylesOf(bytes);
        DWORD style;
        DWORD exStyle;
        std::memcpy(&style, bytes + at.styleOffset, sizeof style);
        std::memcpy(&exStyle, bytes + at.exStyleOffset, sizeof exStyle);
        self->PreCreateWindow(style, exStyle);
        std::memcpy(bytes + at.styleOffset, &style, sizeof style);
        std::memcpy(bytes + at.exStyleOffset, &exStyle, sizeof exStyle);
    } else if (message == PSCB_INITIALIZED) {
        self->SubclassWindow(window);
        self->OnInitDialog();
    }
    return 0;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    // GetMessage does not return for sent messages: a close that happened inside one
    // would otherwise wait for the next posted message.
    if ((message == WM_COMMAND || message == WM_SYSCOMMAND) && m_hWnd &&
        !SendMessage(PSM_GETCURRENTPAGEHWND))
        PostMessage(WM_NULL);
    return result;
}

BOOL CPropertySheet::OnInitDialog() {
    return TRUE;
}

void CPropertySheet::PreCreateWindow(DWORD& style, DWORD& exStyle) {
    style &= ~static_cast<DWORD>(DS_CONTEXTHELP);
    exStyle &= ~static_cast<DWORD>(WS_EX_CONTEXTHELP);
}

bool CPropertySheet::OnCommand(UINT id, UINT, HWND) {
    if (id == IDOK)
        m_nClosingResult = IDOK;
    else if (id == IDCANCEL)
        m_nClosingResult = IDCANCEL;
    return false;
}

bool CPropertySheet::OnEndSession(BOOL ending) {
    CWinApp* app = AfxGetApp();
    if (ending && app && app->m_pMainWnd == this)
        app->ExitInstance();
    return false;
}

bool CPropertySheet::OnHelpInfo(HELPINFO*) {
    CPropertyPage* page = GetActivePage();
    return AfxRequestHelp(page ? HID_BASE_RESOURCE + page->GetTemplateId() : 0);
}
