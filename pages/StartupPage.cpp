#include "StartupPage.h"

#include "PageFactories.h"
#include "WinApp.h"
#include "page_startup_ids.h"

namespace {

// The sequence list's items, in BootOrder order.
constexpr UINT kOrderTexts[kBootOrderCount] = {IDS_ORDER_A_THEN_C, IDS_ORDER_A_ONLY,
                                               IDS_ORDER_C_ONLY, IDS_ORDER_C_THEN_A};

} // namespace

CStartupPage::CStartupPage() : CMyPropertyPage(IDD_PAGE_STARTUP, IDS_STARTUP_CAPTION) {}

void CStartupPage::DoDataExchange(CDataExchange* pDX) {
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SEQUENCE_LIST, m_sequenceCombo);
    DDX_Control(pDX, IDC_STARTUP_PICTURE, m_picture);
}

BOOL CStartupPage::OnInitDialog() {
    CMyPropertyPage::OnInitDialog();
    m_picture.LoadBitmaps(IDB_STARTUP_PICTURE, 0);
    SetTitleFromResource(kPageTitleControl, IDS_STARTUP_CAPTION);
    SetItemTextFromResource(IDC_CDROM_FIRST, IDS_CDROM_FIRST);
    SetItemTextFromResource(IDC_BOOT_DEVICE_GROUP, IDS_BOOT_DEVICE_GROUP);
    SetItemTextFromResource(IDC_SEQUENCE_LABEL, IDS_SEQUENCE_LABEL);
    char text[256];
    for (UINT id : kOrderTexts) {
        LoadResourceString(id, text, sizeof text);
        m_sequenceCombo.AddString(text);
    }
    ReadFromBios();
    return TRUE;
}

bool CStartupPage::OnCommand(UINT id, UINT code, HWND control) {
    const bool changed = (id == IDC_CDROM_FIRST && code == BN_CLICKED) ||
                         (id == IDC_SEQUENCE_LIST && code == CBN_SELCHANGE);
    if (!changed)
        return CMyPropertyPage::OnCommand(id, code, control);
    SetPageModified(TRUE);
    // No selection reads as 0xFF, which names no order.
    m_state.Choose(IsDlgButtonChecked(IDC_CDROM_FIRST) != BST_UNCHECKED,
                   static_cast<uint8_t>(m_sequenceCombo.GetCurSel()));
    return true;
}

int CStartupPage::ApplySettings() {
    int result = 0;
    if (m_bModified == 1) {
        if (m_state.Apply())
            result = 1;
        else
            ReadFromBios(); // the BIOS keeps its list: show it again
    }
    SetPageModified(FALSE);
    return result;
}

void CStartupPage::RestorePreviousSettings() {
    if (!HasWindow())
        return;
    m_state.WriteApplied();
    ReadFromBios();
    SetPageModified(FALSE);
    m_state.Forget();
}

void CStartupPage::ReadFromBios() {
    BootChoices choices{};
    if (!ReadBootChoices(choices))
        return;
    CheckDlgButton(IDC_CDROM_FIRST, choices.cdromFirst ? BST_CHECKED : BST_UNCHECKED);
    if (choices.order != kNoBootOrder)
        m_sequenceCombo.SetCurSel(choices.order);
}

CMyPropertyPage* CreateStartupPage() {
    return new CStartupPage();
}
