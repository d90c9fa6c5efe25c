// Resource numbers of the resume alarm dialog and of the alarm's texts, which the
// Power Management page shares. Plain #defines: read by the resource compiler and by
// C++ alike.
#ifndef TARVELL_RESUME_TIME_IDS_H
#define TARVELL_RESUME_TIME_IDS_H

#define IDD_RESUME_TIME 178
#define IDC_DATE_GROUP 1223
#define IDC_TIME_GROUP 1224
#define IDC_MONTH 1199 // drop-down combo of the twelve month names
#define IDC_YEAR 1201  // the year spin's buddy
#define IDC_YEAR_SPIN 1202
#define IDC_DAY 1203 // the day spin's buddy, in the large day font
#define IDC_DAY_SPIN 1198
#define IDC_HOUR 1125
#define IDC_HOUR_SEPARATOR 1317 // read-only ":" between hour and minute
#define IDC_MINUTE 1130
#define IDC_MINUTE_SEPARATOR 1318 // read-only ":" between minute and second
#define IDC_SECOND 1131
#define IDC_CLOCK_PICTURE 1139 // disabled button that carries the clock picture

#define IDB_CLOCK_PICTURE 172
#define IDB_CLOCK_MASK 275

#define IDS_RESUME_TITLE 231
#define IDS_DATE_GROUP 232
#define IDS_TIME_GROUP 233
#define IDS_INVALID_ALARM 317
#define IDS_JANUARY 182      // "January" ... 193 "December ", in order
#define IDS_DAY_SUFFIX 257   // after the day of the month; "Day" stands for none
#define IDS_UNKNOWN_TIME 122 // "Unknown", shared with the Information Viewer page

#endif
