// Resource numbers of the Power Management page: its template, controls, picture,
// ALARM button and texts. Plain #defines: read by the resource compiler and by C++ alike.
#ifndef TARVELL_PAGE_POWER_IDS_H
#define TARVELL_PAGE_POWER_IDS_H

#define IDD_PAGE_POWER 134
#define IDC_PMU 1044 // check boxes of the six options
#define IDC_DISPLAY_ALWAYS_ON 1045
#define IDC_HOTKEY_BEEP 1321
#define IDC_MODEM_RING 1024
#define IDC_BATT_LOW_BEEP 1006
#define IDC_SLEEP_ON_BATT_LOW 1026
#define IDC_RESUME_TIMER 1056     // check box: the resume timer on or off
#define IDC_RESUME_GROUP 1263     // group box of the timer block
#define IDC_RESUME_TIME_TEXT 1187 // the alarm as text
#define IDC_ALARM 1085            // bitmap button; its caption names the ALARM pictures
#define IDC_POWER_PICTURE 1140    // disabled button that carries the picture

#define IDB_POWER_PICTURE 160

#define IDS_POWER_CAPTION 218 // tab text and page title
#define IDS_PMU 331
#define IDS_DISPLAY_ALWAYS_ON 336
#define IDS_HOTKEY_BEEP 338
#define IDS_MODEM_RING 178
#define IDS_BATT_LOW_BEEP 179
#define IDS_SLEEP_ON_BATT_LOW 180
#define IDS_RESUME_TIMER 181
#define IDS_RESUME_GROUP 229

#endif
