// One factory per settings page: each creates its page on the heap. The sheet's
// page table (app/SheetPages.cpp) lists them in tab order and owns what they create.
#pragma once

class CMyPropertyPage;

CMyPropertyPage* CreateInfoViewerPage(); // template 131, tab "Information Viewer"
CMyPropertyPage* CreatePostPage();       // template 130, tab "POST"
CMyPropertyPage* CreateStartupPage();    // template 136, tab "Boot Sequence"
CMyPropertyPage* CreatePasswordPage();   // template 135, tab "Password"
CMyPropertyPage* CreatePowerSavePage();  // template 134, tab "Power Management" (six-page build)
CMyPropertyPage* CreateDisplayPage();    // template 138, tab "Display Device"
