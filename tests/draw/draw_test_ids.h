// Resource numbers of the picture control's tests. The shipped pictures keep the
// numbers the program loads them by.
#pragma once

#define IDB_INFO_PICTURE 255
#define IDB_POST_PICTURE 155
#define IDB_POST_MASK 259
#define IDB_BOOT_PICTURE 229
#define IDB_PASSWORD_PICTURE 147
#define IDB_DISPLAY_PICTURE 148
#define IDB_DISPLAY_MASK 235
#define IDB_POWER_PICTURE 160
#define IDB_CLOCK_PICTURE 172
#define IDB_CLOCK_MASK 275

#define IDI_PROGRAM 128
#define IDI_CONFIRM 225
#define IDI_SETUP_PASSWORD 301
#define IDI_POWER_PASSWORD 302

#define IDB_TEST_COLUMNS 900
#define IDB_TEST_MASKED_COLUMNS 901
#define IDB_TEST_COLUMNS_MASK 902
#define IDB_TEST_TRUE_COLOUR 903
#define IDB_TEST_SHORT_TABLE 904
#define IDB_TEST_TRUNCATED 905
#define IDB_TEST_MISSING 999
