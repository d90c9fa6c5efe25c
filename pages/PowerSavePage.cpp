#include "PowerSavePage.h"

#include "PageFactories.h"
#include "ResumeTimeDlg.h"
#include "WinApp.h"
#include "page_power_ids.h"

#include <initializer_list>

namespace {

// Check box, text and option, in page order.
struct OptionControl {
    int controlId;
    UINT textId;
    PowerOption option;
};

constexpr OptionControl kOptionControls[kPowerOptionCount] = {
    {IDC_PMU, IDS_PMU, kPmuOption},
    {IDC_DISPLAY_ALWAYS_ON, IDS_DISPLAY_ALWAYS_ON, kDisplayOnOption},
    {IDC_HOTKEY_BEEP, IDS_HOTKEY_BEEP, kHotkeyBeepOption},
    {IDC_MODEM_RING, IDS_MODEM_RING, kModemRingOption},
    {IDC_BATT_LOW_BEEP, IDS_BATT_LOW_BEEP, kBattLowBeepOption},
    {IDC_SLEEP_ON_BATT_LOW, IDS_SLEEP_ON_BATT_LOW, kSleepOnBattLowOption},
};

} // namespace

CPowerSavePage::CPowerSavePage()
    : CMyPropertyPage(IDD_PAGE_POWER, IDS_POWER_CAPTION), m_settings(LocalTimeNow()) {}

void CPowerSavePage::DoDataExchange(CDataExchange* pDX) {
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_POWER_PICTURE, m_picture);
}

BOOL CPowerSavePage::OnInitDialog() {
    CMyPropertyPage::OnInitDialog();
    m_picture.LoadBitmaps(IDB_POWER_PICTURE, 0);
    SetTitleFromResource(kPageTitleControl, IDS_POWER_CAPTION);
    for (const OptionControl& control : kOptionControls)
        SetItemTextFromResource(control.controlId, control.textId);
    SetItemTextFromResource(IDC_RESUME_TIMER, IDS_RESUME_TIMER);
    SetItemTextFromResource(IDC_RESUME_GROUP, IDS_RESUME_GROUP);
    ::GetDlgItemTextA(m_hWnd, IDC_RESUME_TIME_TEXT, m_timePlaceholder, sizeof m_timePlaceholder);
    ReadFromBios();
    m_alarmButton.AutoLoad(IDC_ALARM, m_hWnd);
    return TRUE;
}

bool CPowerSavePage::OnCommand(UINT id, UINT code, HWND control) {
    if (code == BN_CLICKED) {
        for (const OptionControl& option : kOptionControls) {
            if (static_cast<int>(id) != option.controlId)
                continue;
            SetPageModified(TRUE);
            m_settings.ChooseOption(option.option, IsDlgButtonChecked(option.controlId) != 0);
            return true;
        }
        if (id == IDC_RESUME_TIMER) {
            OnTimerEnableClicked();
            return true;
        }
        if (id == IDC_ALARM) {
            OnAlarm();
            return true;
        }
    }
    return CMyPropertyPage::OnCommand(id, code, control);
}

void CPowerSavePage::OnTimerEnableClicked() {
    const bool on = IsDlgButtonChecked(IDC_RESUME_TIMER) != 0;
    m_settings.ChooseTimer(on);
    EnableTimerBlock(on);
    SetPageModified(TRUE);
}

void CPowerSavePage::OnAlarm() {
    CResumeTimeDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    ResumeTime time = {};
    dialog.GetTime(time.year, time.month, time.day, time.hour, time.minute, time.second);
    m_settings.ChooseTime(time);
    ShowTimeText(time, true, ClockDigits::TwoDigits);
    SetPageModified(TRUE);
}

int CPowerSavePage::ApplySettings() {
    m_settings.ApplyPending(m_bModified);
    SetPageModified(FALSE);
    return 0;
}

void CPowerSavePage::RestorePreviousSettings() {
    if (!HasWindow())
        return;
    m_settings.WriteApplied();
    ReloadFromBios();
}

void CPowerSavePage::ReadFromBios() {
    // A failed read shows what the template shows: box clear, timer block disabled
    // with its placeholder. The same holds when a reload fails.
    const PowerReading reading = ReadPowerOptions();
    for (const OptionControl& control : kOptionControls) {
        const bool ticked = reading.optionRead[control.option] && reading.option[control.option];
        CheckDlgButton(control.controlId, ticked ? BST_CHECKED : BST_UNCHECKED);
    }
    if (!reading.timerRead) {
        m_settings.ForgetTimerReading(LocalTimeNow());
        CheckDlgButton(IDC_RESUME_TIMER, BST_UNCHECKED);
        ::EnableWindow(GetDlgItem(IDC_RESUME_GROUP), TRUE);
        ::EnableWindow(GetDlgItem(IDC_RESUME_TIME_TEXT), FALSE);
        ::EnableWindow(GetDlgItem(IDC_ALARM), FALSE);
        SetDlgItemText(IDC_RESUME_TIME_TEXT, m_timePlaceholder);
        return;
    }
    m_settings.TakeTimerReading(reading.timerOn, reading.time);
    CheckDlgButton(IDC_RESUME_TIMER, reading.timerOn ? BST_CHECKED : BST_UNCHECKED);
    EnableTimerBlock(reading.timerOn);
    ShowTimeText(reading.time, reading.timeKnown, ClockDigits::AsRead);
}

void CPowerSavePage::ReloadFromBios() {
    if (!HasWindow())
        return;
    ReadFromBios();
    SetPageModified(FALSE);
    m_settings.Forget();
}

void CPowerSavePage::EnableTimerBlock(BOOL enable) {
    for (int id : {IDC_RESUME_GROUP, IDC_RESUME_TIME_TEXT, IDC_ALARM})
        ::EnableWindow(GetDlgItem(id), enable);
}

void CPowerSavePage::ShowTimeText(const ResumeTime& time, bool known, ClockDigits digits) {
    char text[256];
    FormatResumeTime(LoadResourceString, time, known, digits, text, sizeof text);
    SetDlgItemText(IDC_RESUME_TIME_TEXT, text);
}

CMyPropertyPage* CreatePowerSavePage() {
    return new CPowerSavePage();
}
