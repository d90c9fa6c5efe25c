// Resource numbers of the picture control's hand-made test bitmaps (draw_test.rc).
#pragma once

#define IDB_TEST_COLUMNS 900
#define IDB_TEST_MASKED_COLUMNS 901
#define IDB_TEST_COLUMNS_MASK 902
#define IDB_TEST_TRUE_COLOUR 903
#define IDB_TEST_SHORT_TABLE 904
#define IDB_TEST_TRUNCATED 905
#define IDB_TEST_MISSING 999
