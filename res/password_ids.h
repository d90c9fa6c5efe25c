// Resource numbers of the password dialogs: the change-password dialog and the
// start-up prompt, their controls and their texts.
// Plain #defines: read by the resource compiler and by C++ alike.
#ifndef TARVELL_PASSWORD_IDS_H
#define TARVELL_PASSWORD_IDS_H

// Change-password dialog
#define IDD_CHANGE_PASSWORD 300
#define IDC_CONFIRM_PASSWORD 1301 // masked edit: the confirmation
#define IDC_NEW_PASSWORD_LABEL 1302
#define IDC_CONFIRM_PASSWORD_LABEL 1303
#define IDC_NEW_PASSWORD 1304     // masked edit: the new password
#define IDC_PASSWORD_FIELDS 1305  // group box around labels and fields
#define IDC_PASSWORD_PURPOSE 1306 // what the password guards
#define IDC_PASSWORD_ICON 1307
#define IDC_PASSWORD_ENABLE 1267 // check box: the password is set

// Start-up password prompt
#define IDD_PASSWORD_PROMPT 220
#define IDC_PROMPT_PASSWORD 1154 // masked edit
#define IDC_PROMPT_MESSAGE 1227
#define IDC_PROMPT_LABEL 1228

// Texts
#define IDS_INVALID_PASSWORD 104
#define IDS_PASSWORDS_DIFFER 108
#define IDS_PASSWORD_LABEL 164
#define IDS_PROMPT_MESSAGE 239
#define IDS_ENABLE_SETUP_PASSWORD 309
#define IDS_ENABLE_POWERON_PASSWORD 310
#define IDS_NEW_PASSWORD 311
#define IDS_CONFIRM_PASSWORD 312
#define IDS_CHANGE_POWERON_PASSWORD 313
#define IDS_CHANGE_SETUP_PASSWORD 314
#define IDS_POWERON_PASSWORD_PURPOSE 315
#define IDS_SETUP_PASSWORD_PURPOSE 316
#define IDS_PASSWORD_TRIES_OVER 318

#endif
