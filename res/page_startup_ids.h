// Resource numbers of the Boot Sequence page: its template, controls, picture and texts.
// Plain #defines: read by the resource compiler and by C++ alike.
#ifndef TARVELL_PAGE_STARTUP_IDS_H
#define TARVELL_PAGE_STARTUP_IDS_H

#define IDD_PAGE_STARTUP 136
#define IDC_STARTUP_PICTURE 1136 // disabled button that carries the picture
#define IDC_CDROM_FIRST 1182     // check box: the CD-ROM boots first
#define IDC_SEQUENCE_LIST 1183   // drop-down list of the four drive orders
#define IDC_BOOT_DEVICE_GROUP 1225
#define IDC_SEQUENCE_LABEL 1226

#define IDB_STARTUP_PICTURE 229

#define IDS_STARTUP_CAPTION 215 // tab text and page title
#define IDS_CDROM_FIRST 158
#define IDS_BOOT_DEVICE_GROUP 159
#define IDS_SEQUENCE_LABEL 234
#define IDS_ORDER_A_THEN_C 261 // the four orders, in list order
#define IDS_ORDER_A_ONLY 262
#define IDS_ORDER_C_ONLY 263
#define IDS_ORDER_C_THEN_A 264

#endif
