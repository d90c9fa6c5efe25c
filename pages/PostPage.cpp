#include "PostPage.h"

#include "PageFactories.h"
#include "page_post_ids.h"

CPostPage::CPostPage() : CMyPropertyPage(IDD_PAGE_POST, IDS_POST_CAPTION) {}

void CPostPage::DoDataExchange(CDataExchange* pDX) {
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_POST_PICTURE, m_picture);
}

BOOL CPostPage::OnInitDialog() {
    CMyPropertyPage::OnInitDialog();
    m_picture.LoadBitmaps(IDB_POST_PICTURE, IDB_POST_PICTURE_MASK);
    SetTitleFromResource(kPageTitleControl, IDS_POST_CAPTION);
    SetItemTextFromResource(IDC_SILENT_BOOT, IDS_SILENT_BOOT);
    SetItemTextFromResource(IDC_MEMORY_TEST, IDS_MEMORY_TEST);
    ReadFromBios();
    return TRUE;
}

bool CPostPage::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED && id == IDC_MEMORY_TEST) {
        SetPageModified(TRUE);
        m_options.ChooseMemTest(IsDlgButtonChecked(IDC_MEMORY_TEST) != BST_UNCHECKED);
        return true;
    }
    if (code == BN_CLICKED && id == IDC_SILENT_BOOT) {
        SetPageModified(TRUE);
        m_options.ChooseSilentBoot(IsDlgButtonChecked(IDC_SILENT_BOOT) != BST_UNCHECKED);
        return true;
    }
    return CMyPropertyPage::OnCommand(id, code, control);
}

int CPostPage::ApplySettings() {
    const int result = m_options.ApplyPending(m_bModified);
    SetPageModified(FALSE);
    return result;
}

void CPostPage::RestorePreviousSettings() {
    if (!HasWindow())
        return;
    m_options.WriteApplied();
    ReloadFromBios();
}

void CPostPage::ReadFromBios() {
    const PostReading reading = ReadPostOptions();
    if (reading.memTestRead)
        CheckDlgButton(IDC_MEMORY_TEST, reading.memTest);
    if (reading.silentBootRead)
        CheckDlgButton(IDC_SILENT_BOOT, reading.silentBoot);
}

void CPostPage::ReloadFromBios() {
    if (!HasWindow())
        return;
    ReadFromBios();
    SetPageModified(FALSE);
    m_options.Forget();
}

CMyPropertyPage* CreatePostPage() {
    return new CPostPage();
}
