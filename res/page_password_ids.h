// Resource numbers of the Password page: its template, controls, picture and texts.
// Plain #defines: read by the resource compiler and by C++ alike.
#ifndef TARVELL_PAGE_PASSWORD_IDS_H
#define TARVELL_PAGE_PASSWORD_IDS_H

#define IDD_PAGE_PASSWORD 135
#define IDC_PASSWORD_PICTURE 1138 // disabled button that carries the picture
#define IDC_POWERON_GROUP 1219
#define IDC_POWERON_HINT 1314
#define IDC_CHANGE_POWERON 1180 // opens the power-on password dialog
#define IDC_SETUP_GROUP 1221
#define IDC_SETUP_HINT 1315
#define IDC_CHANGE_SETUP 1181 // opens the setup password dialog

#define IDB_PASSWORD_PICTURE 147
#define IDI_PAGE_POWERON_PASSWORD 302 // the shell's icons of the two passwords
#define IDI_PAGE_SETUP_PASSWORD 301

#define IDS_PASSWORD_CAPTION 216 // tab text and page title
#define IDS_POWERON_GROUP 160    // also names the password in IDS_PASSWORD_REFUSED
#define IDS_POWERON_HINT 326
#define IDS_SETUP_GROUP 161
#define IDS_SETUP_HINT 327
// The buttons read as the titles of the password dialogs: the same strings, kept in
// the password dialogs' string table.
#define IDS_CHANGE_POWERON_BUTTON 313
#define IDS_CHANGE_SETUP_BUTTON 314
// The BIOS refused to store or remove a password; %s is IDS_POWERON_GROUP or IDS_SETUP_GROUP.
#define IDS_PASSWORD_REFUSED 350

#endif
