// CResumeTimeDlg: picks the date and time at which the BIOS resume timer wakes the
// notebook. Opens on the local date and time, keeps the day within the chosen month,
// refuses times that are already past, and hands the result back with GetTime. The
// time shows as cyan digits on black across the middle of a clock picture.
#pragma once

#include "Controls.h"
#include "Dialog.h"
#include "Font.h"
#include "LocalClock.h"
#include "PaletteBitmap.h"
#include "ResumeTime.h"

class CResumeTimeDlg : public CDialog {
public:
    // Starts on the local date and time.
    explicit CResumeTimeDlg(HWND parent = nullptr);

    // The chosen alarm, month 1-12; meaningful after the dialog ended with OK.
    void GetTime(uint16_t& year, uint8_t& month, uint8_t& day, uint8_t& hour, uint8_t& minute,
                 uint8_t& second) const;

protected:
    // Binds every control of the dialog.
    void DoDataExchange(CDataExchange* pDX) override;
    // Return FALSE: the month has the focus. Texts, month list, picture, ranges, fields,
    // fonts, then the time strip laid out over the clock picture.
    BOOL OnInitDialog() override;
    // Ends with OK when the fields make a valid alarm; otherwise says so and stays open.
    void OnOK() override;
    // Return true when handled: year field changes, month choices.
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Return true when handled: cyan on black for the edit fields and the separators.
    bool OnCtlColor(HDC dc, HWND control, UINT kind, HBRUSH& brush) override;

private:
    // The year field changed: take the spin's year and fit the day to the month.
    void OnYearChange();
    // Another month was picked (index 0-11, or -1 for none).
    void OnMonthChange(int index);
    // The month the combo names: the item its text names, else the last one chosen,
    // which the combo then shows again.
    int ChosenMonthIndex();
    // The day spin's range becomes the days of the month; a later day is cut to it.
    void FitDayToMonth();
    // Places hour, separators, minute and second as one strip over the clock picture.
    void LayOutTimeStrip();
    // The number in a field; an empty field reads as 0.
    int FieldNumber(int controlId) const;

    CEdit m_separator2;
    CEdit m_separator1;
    CSpinButtonCtrl m_yearSpin;
    CEdit m_yearEdit;
    CComboBox m_monthCombo;
    CSpinButtonCtrl m_daySpin;
    CEdit m_dayEdit;
    CEdit m_hourEdit;
    CEdit m_minuteEdit;
    CEdit m_secondEdit;
    CPaletteBitmap m_picture;
    int m_year;
    int m_monthIndex; // 0-11
    int m_day;
    int m_hour;
    int m_minute;
    int m_second;
    CFont m_digitFont;
    CFont m_dayFont;
    int32_t m_bInitialized = 0;
};
