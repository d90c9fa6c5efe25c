// Resource numbers of the application shell: the sheet's icon and menu, the
// confirmation, restart and About dialogs, and the shell's texts.
// Plain #defines: read by the resource compiler and by C++ alike.
#ifndef TARVELL_APP_IDS_H
#define TARVELL_APP_IDS_H

// Controls that are never addressed
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Icons
#define IDI_PROGRAM 128          // the program and sheet icon
#define IDI_QUESTION_ART 225     // beside the confirmation and restart messages
#define IDI_SETUP_PASSWORD 301   // the setup password
#define IDI_POWERON_PASSWORD 302 // the power-on password

// Right-click menu of the sheet and its commands
#define IDM_SHEET_CONTEXT 303
#define ID_LOAD_DEFAULT 32786
#define ID_LOAD_PREVIOUS 32787
#define ID_APP_ABOUT 32789

// Dialogs and their controls
#define IDD_LOAD_SETTINGS 301
#define IDC_LOAD_MESSAGE 1316
#define IDD_RESTART 293
#define IDC_RESTART_MESSAGE 1300
#define IDD_ABOUT 309
#define IDC_ABOUT_PRODUCT 1318
#define IDC_ABOUT_VERSION 1319
#define IDC_ABOUT_RIGHTS 1320

// Texts
#define IDS_PRODUCT_NAME 230     // "Tarvell": product name, sheet caption, prompt caption
#define IDS_NO_SERVICE 339       // driver missing
#define IDS_BAD_BIOS_VERSION 244 // BIOS without the call interface
#define IDS_LOAD_DEFAULT 303     // menu text and confirmation title
#define IDS_LOAD_PREVIOUS 304    // menu text and confirmation title
#define IDS_CONFIRM_DEFAULT 305
#define IDS_CONFIRM_PREVIOUS 306
#define IDS_SETTINGS_CHANGE 308 // restart prompt title
#define IDS_RESTART_QUESTION 248
#define IDS_YES 328
#define IDS_NO 329
#define IDS_NOT_IMPLEMENTED 330 // LoadSetupDefault failed
#define IDS_ABOUT_MENU 332
#define IDS_ABOUT_TITLE 333
#define IDS_VERSION 334
#define IDS_RIGHTS 340
#define IDS_OK 258     // shared by every dialog's OK button
#define IDS_CANCEL 259 // shared by every dialog's Cancel button

#endif
