// CPowerSavePage: the "Power Management" page (six-page build). Six on/off power
// options and the resume timer with its alarm, read when the page is first shown,
// kept as pending until the sheet applies them, and written again on "Load Previous
// BIOS Settings". Writing the modem-ring option also updates the power driver's flags.
#pragma once

#include "BitmapButton.h"
#include "MyPropertyPage.h"
#include "PaletteBitmap.h"
#include "PowerSettings.h"
#include "ResumeTimeText.h"

class CPowerSavePage : public CMyPropertyPage {
public:
    CPowerSavePage();

    // Writes what is pending: the options in page order, then the timer. Return 0:
    // nothing here needs a restart.
    int ApplySettings() override;
    // Writes the last applied values again, then reloads the page. Nothing while the
    // page was never shown.
    void RestorePreviousSettings() override;

protected:
    // Binds the picture control.
    void DoDataExchange(CDataExchange* pDX) override;
    // Return TRUE. Picture, title, texts, everything from the BIOS, then the ALARM button.
    BOOL OnInitDialog() override;
    // Return true when handled: the seven check boxes and the ALARM button.
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // The timer's box was clicked: pending on/off, timer block enabled by it.
    void OnTimerEnableClicked();
    // Runs the resume time dialog; on OK its time becomes pending and is shown.
    void OnAlarm();
    // Shows the options and the timer as the BIOS has them now.
    void ReadFromBios();
    // Reads the page again: nothing pending or remembered afterwards.
    void ReloadFromBios();
    // Group box, alarm text and ALARM button follow the timer's on/off.
    void EnableTimerBlock(BOOL enable);
    void ShowTimeText(const ResumeTime& time, bool known, ClockDigits digits);

    CPaletteBitmap m_picture;
    CBitmapButton m_alarmButton;
    PowerSettings m_settings;
    char m_timePlaceholder[64] = ""; // the template's alarm text, shown until a read succeeds
};
