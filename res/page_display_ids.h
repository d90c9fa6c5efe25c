// Resource numbers of the Display Device page: its template, controls, picture and texts.
// Plain #defines: read by the resource compiler and by C++ alike.
#ifndef TARVELL_PAGE_DISPLAY_IDS_H
#define TARVELL_PAGE_DISPLAY_IDS_H

#define IDD_PAGE_DISPLAY 138
#define IDC_DISPLAY_PICTURE 1144 // disabled button that carries the picture
#define IDC_BOOT_DISPLAY_GROUP 1229
#define IDC_BOOT_DISPLAY_AUTO 1155 // radio: detect at start (code 3)
#define IDC_BOOT_DISPLAY_BOTH 1157 // radio: monitor and panel (code 2)
#define IDC_SWITCH_GROUP 1230
#define IDC_SWITCH_LCD 1033      // radio: panel only (device 1)
#define IDC_SWITCH_EXTERNAL 1034 // radio: external monitor only (device 0)
#define IDC_SWITCH_BOTH 1035     // radio: both (device 2)
#define IDC_BRIGHTNESS_LABEL 1150
#define IDC_BRIGHTNESS_SLIDER 1124
#define IDC_CONTRAST_LABEL 1151
#define IDC_CONTRAST_SLIDER 1123

#define IDB_DISPLAY_PICTURE 148
#define IDB_DISPLAY_PICTURE_MASK 235

#define IDS_DISPLAY_CAPTION 219 // tab text and page title
#define IDS_BOOT_DISPLAY_GROUP 194
#define IDS_DISPLAY_AUTO 260
#define IDS_DISPLAY_BOTH 235 // both radio buttons named "Both"
#define IDS_SWITCH_GROUP 195
#define IDS_SWITCH_LCD 196
#define IDS_SWITCH_EXTERNAL 197
#define IDS_BRIGHTNESS 198
#define IDS_CONTRAST 199
#define IDS_BRIGHTNESS_LEVEL 241 // "... (%d)"
#define IDS_CONTRAST_LEVEL 242
#define IDS_NO_MONITOR 254

#endif
