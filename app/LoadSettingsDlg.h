// CLoadSettingsDlg: asks before the sheet loads the BIOS defaults (mode 0) or writes
// back the settings last applied (any other mode). Yes ends with IDOK, No and the
// close box with IDCANCEL.
#pragma once

#include "Dialog.h"

#include <cstdint>

class CLoadSettingsDlg : public CDialog {
public:
    explicit CLoadSettingsDlg(HWND parent = nullptr);
    void SetMode(uint8_t mode) { m_nMode = mode; }

protected:
    // Return TRUE. Puts the mode's title and message and the Yes/No texts in place.
    BOOL OnInitDialog() override;

private:
    uint8_t m_nMode = 0;
};
