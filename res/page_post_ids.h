// Resource numbers of the POST page: its template, controls, picture and texts.
// Plain #defines: read by the resource compiler and by C++ alike.
#ifndef TARVELL_PAGE_POST_IDS_H
#define TARVELL_PAGE_POST_IDS_H

#define IDD_PAGE_POST 130
#define IDC_POST_PICTURE 1141 // disabled button that carries the picture
#define IDC_SILENT_BOOT 1282  // check box
#define IDC_MEMORY_TEST 1283  // check box

#define IDB_POST_PICTURE 155
#define IDB_POST_PICTURE_MASK 259

#define IDS_POST_CAPTION 214 // tab text and page title
#define IDS_SILENT_BOOT 156
#define IDS_MEMORY_TEST 157

#endif
