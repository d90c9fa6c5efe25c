// CRestartDlg: asks whether to restart the computer now so that applied settings take
// effect. Yes ends with IDOK, No and the close box with IDCANCEL.
#pragma once

#include "Dialog.h"

class CRestartDlg : public CDialog {
public:
    explicit CRestartDlg(HWND parent = nullptr);

protected:
    // Return TRUE. Puts the title, the question and the Yes/No texts in place.
    BOOL OnInitDialog() override;
};
