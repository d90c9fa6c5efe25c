// CAboutDlg: the product name, the version line and the rights notice.
#pragma once

#include "Dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(HWND parent = nullptr);

protected:
    // Return TRUE. Fills every text from the string table and the version resource.
    BOOL OnInitDialog() override;
};
