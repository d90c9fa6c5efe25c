#include "DisplayPage.h"

#include "BiosCatalogue.h"
#include "DisplaySwitch.h"
#include "PageFactories.h"
#include "PlaceholderText.h"
#include "WinApp.h"
#include "page_display_ids.h"

namespace {

// Label texts: string-table texts of at most 255 characters.
constexpr int kTextSize = 256;

void SetUpSlider(CSliderCtrl& slider, const LevelRange& range) {
    slider.SetRange(range.min, range.max, TRUE);
    slider.SetTicFreq(kLevelTickFrequency);
    slider.SetPageSize(kLevelPageSize);
    slider.SetLineSize(kLevelLineSize);
}

} // namespace

CDisplayPage::CDisplayPage() : CMyPropertyPage(IDD_PAGE_DISPLAY, IDS_DISPLAY_CAPTION) {}

void CDisplayPage::DoDataExchange(CDataExchange* pDX) {
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DISPLAY_PICTURE, m_picture);
    DDX_Control(pDX, IDC_BRIGHTNESS_SLIDER, m_brightnessSlider);
    DDX_Control(pDX, IDC_CONTRAST_SLIDER, m_contrastSlider);
}

BOOL CDisplayPage::OnInitDialog() {
    CMyPropertyPage::OnInitDialog();
    m_picture.LoadBitmaps(IDB_DISPLAY_PICTURE, IDB_DISPLAY_PICTURE_MASK);
    SetTitleFromResource(kPageTitleControl, IDS_DISPLAY_CAPTION);
    SetItemTextFromResource(IDC_BOOT_DISPLAY_GROUP, IDS_BOOT_DISPLAY_GROUP);
    SetItemTextFromResource(IDC_BOOT_DISPLAY_AUTO, IDS_DISPLAY_AUTO);
    SetItemTextFromResource(IDC_BOOT_DISPLAY_BOTH, IDS_DISPLAY_BOTH);
    SetItemTextFromResource(IDC_SWITCH_GROUP, IDS_SWITCH_GROUP);
    SetItemTextFromResource(IDC_SWITCH_LCD, IDS_SWITCH_LCD);
    SetItemTextFromResource(IDC_SWITCH_EXTERNAL, IDS_SWITCH_EXTERNAL);
    SetItemTextFromResource(IDC_SWITCH_BOTH, IDS_DISPLAY_BOTH);
    SetItemTextFromResource(IDC_BRIGHTNESS_LABEL, IDS_BRIGHTNESS);
    SetItemTextFromResource(IDC_CONTRAST_LABEL, IDS_CONTRAST);
    ReadFromBios();
    return TRUE;
}

bool CDisplayPage::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED)
        return CMyPropertyPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_BOOT_DISPLAY_AUTO:
        m_bootDisplay.Choose(kBootDisplayAuto);
        SetPageModified(TRUE);
        return true;
    case IDC_BOOT_DISPLAY_BOTH:
        m_bootDisplay.Choose(kBootDisplayBoth);
        SetPageModified(TRUE);
        return true;
    case IDC_SWITCH_LCD:
        SetDisplayDevice(kDisplayLcd);
        RefreshLevels();
        return true;
    case IDC_SWITCH_EXTERNAL:
        SwitchWithMonitor(IDC_SWITCH_EXTERNAL, kDisplayExternal);
        return true;
    case IDC_SWITCH_BOTH:
        SwitchWithMonitor(IDC_SWITCH_BOTH, kDisplayBoth);
        return true;
    default:
        return CMyPropertyPage::OnCommand(id, code, control);
    }
}

bool CDisplayPage::OnHScroll(UINT code, UINT position, HWND bar) {
    if (bar && bar == m_brightnessSlider.m_hWnd) {
        const uint8_t level = LevelFromPosition(m_brightnessSlider.GetPos());
        ShowLevel(IDC_BRIGHTNESS_LABEL, m_brightnessSlider, IDS_BRIGHTNESS_LEVEL, level);
        SetDisplayBrightness(level);
        return true;
    }
    if (bar && bar == m_contrastSlider.m_hWnd) {
        const uint8_t level = LevelFromPosition(m_contrastSlider.GetPos());
        ShowLevel(IDC_CONTRAST_LABEL, m_contrastSlider, IDS_CONTRAST_LEVEL, level);
        SetDisplayContrast(level);
        return true;
    }
    return CMyPropertyPage::OnHScroll(code, position, bar);
}

int CDisplayPage::ApplySettings() {
    const int result = m_bootDisplay.ApplyPending(m_bModified);
    SetPageModified(FALSE);
    return result;
}

void CDisplayPage::RestorePreviousSettings() {
    if (!HasWindow())
        return;
    m_bootDisplay.WriteApplied();
    ReloadBootDisplay();
}

void CDisplayPage::ReadFromBios() {
    m_bRangesKnown = ReadDisplayRanges(m_ranges);
    if (m_bRangesKnown) {
        SetUpSlider(m_brightnessSlider, m_ranges.brightness);
        SetUpSlider(m_contrastSlider, m_ranges.contrast);
    } else {
        ShowLevelControls(true, true, SW_HIDE);
    }

    uint8_t bootDisplay = 0;
    if (GetBootDisplay(&bootDisplay)) {
        if (bootDisplay == kBootDisplayBoth)
            CheckOnly(IDC_BOOT_DISPLAY_BOTH, {IDC_BOOT_DISPLAY_AUTO});
        else if (bootDisplay == kBootDisplayAuto)
            CheckOnly(IDC_BOOT_DISPLAY_AUTO, {IDC_BOOT_DISPLAY_BOTH});
    }

    uint8_t device = 0;
    if (GetDisplayDevice(&device)) {
        switch (device) {
        case kDisplayExternal:
            CheckOnly(IDC_SWITCH_EXTERNAL, {IDC_SWITCH_LCD, IDC_SWITCH_BOTH});
            EnableLevelControls(FALSE);
            break;
        case kDisplayLcd:
            CheckOnly(IDC_SWITCH_LCD, {IDC_SWITCH_EXTERNAL, IDC_SWITCH_BOTH});
            RefreshLevels();
            break;
        case kDisplayBoth:
            CheckOnly(IDC_SWITCH_BOTH, {IDC_SWITCH_LCD, IDC_SWITCH_EXTERNAL});
            RefreshLevels();
            break;
        default:
            break;
        }
    }

    if (!PanelHasContrast())
        ShowLevelControls(false, true, SW_HIDE);
}

void CDisplayPage::ReloadBootDisplay() {
    if (!HasWindow())
        return;
    uint8_t bootDisplay = 0;
    if (GetBootDisplay(&bootDisplay)) {
        int focusId = 0;
        if (bootDisplay == kBootDisplayAuto) {
            CheckOnly(IDC_BOOT_DISPLAY_AUTO, {IDC_BOOT_DISPLAY_BOTH});
            focusId = IDC_BOOT_DISPLAY_AUTO;
        } else if (bootDisplay == kBootDisplayBoth) {
            CheckOnly(IDC_BOOT_DISPLAY_BOTH, {IDC_BOOT_DISPLAY_AUTO});
            focusId = IDC_BOOT_DISPLAY_BOTH;
        }
        // The focus follows the choice only on the page in view; a hidden page must
        // not take the keyboard away from the one the user sees.
        if (focusId && IsWindowVisible())
            ::SetFocus(GetDlgItem(focusId));
    }
    SetPageModified(FALSE);
    m_bootDisplay.Forget();
}

void CDisplayPage::RefreshLevels() {
    EnableLevelControls(TRUE);
    const LevelRange* brightnessRange = m_bRangesKnown ? &m_ranges.brightness : nullptr;
    const LevelRange* contrastRange = m_bRangesKnown ? &m_ranges.contrast : nullptr;
    uint8_t level = 0;
    if (ReadLevel(GetDisplayBrightness, brightnessRange, level))
        ShowLevel(IDC_BRIGHTNESS_LABEL, m_brightnessSlider, IDS_BRIGHTNESS_LEVEL, level);
    if (ReadLevel(GetDisplayContrast, contrastRange, level))
        ShowLevel(IDC_CONTRAST_LABEL, m_contrastSlider, IDS_CONTRAST_LEVEL, level);
}

void CDisplayPage::ShowLevel(int labelId, CSliderCtrl& slider, UINT formatId, uint8_t level) {
    char format[kTextSize];
    char text[kTextSize];
    LoadResourceString(formatId, format, sizeof format);
    FillNumberPlaceholder(format, level, text, sizeof text);
    SetDlgItemText(labelId, text);
    if (slider.GetPos() != level)
        slider.SetPos(level, TRUE);
}

void CDisplayPage::ShowLevelControls(bool brightness, bool contrast, int command) {
    if (brightness) {
        ::ShowWindow(GetDlgItem(IDC_BRIGHTNESS_LABEL), command);
        ::ShowWindow(GetDlgItem(IDC_BRIGHTNESS_SLIDER), command);
    }
    if (contrast) {
        ::ShowWindow(GetDlgItem(IDC_CONTRAST_LABEL), command);
        ::ShowWindow(GetDlgItem(IDC_CONTRAST_SLIDER), command);
    }
}

void CDisplayPage::EnableLevelControls(BOOL enable) {
    for (int id :
         {IDC_BRIGHTNESS_LABEL, IDC_BRIGHTNESS_SLIDER, IDC_CONTRAST_LABEL, IDC_CONTRAST_SLIDER})
        ::EnableWindow(GetDlgItem(id), enable);
}

void CDisplayPage::SwitchWithMonitor(int buttonId, uint8_t device) {
    if (IsDlgButtonChecked(buttonId) != BST_CHECKED)
        return;
    if (!MonitorMissingFor(device)) {
        SetDisplayDevice(device);
        if (device == kDisplayExternal)
            EnableLevelControls(FALSE);
        else
            RefreshLevels();
        return;
    }
    // Back to the panel: checked before it takes the focus, so the panel button never
    // holds the focus unchecked, which radio-group keyboard handling takes as a choice
    // (and a choice here would switch the display after all).
    CheckOnly(IDC_SWITCH_LCD, {buttonId});
    ::SetFocus(GetDlgItem(IDC_SWITCH_LCD));
    AfxMessageBox(IDS_NO_MONITOR, MB_OK);
}

void CDisplayPage::CheckOnly(int checkedId, std::initializer_list<int> clearedIds) {
    CheckDlgButton(checkedId, BST_CHECKED);
    for (int id : clearedIds)
        CheckDlgButton(id, BST_UNCHECKED);
}

CMyPropertyPage* CreateDisplayPage() {
    return new CDisplayPage();
}
