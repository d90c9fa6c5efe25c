// CPasswordPromptDlg: the start-up prompt for the setup password (template 220),
// titled like the sheet so that a second copy of the program finds it. The BIOS
// judges what was typed; the third refusal ends the prompt with Cancel.
#pragma once

#include "Dialog.h"
#include "ScanCodeEdit.h"

class CPasswordPromptDlg : public CDialog {
public:
    // parent nullptr: the prompt has no owner.
    explicit CPasswordPromptDlg(HWND parent = nullptr);

    // Runs the prompt modally; true when it ended with IDOK (the BIOS accepted the
    // password). DoModal gives IDOK or IDCANCEL the same way.
    bool AskForPassword();

    // Refused attempts so far.
    int32_t Failures() const { return m_nFailures; }

protected:
    // Binds the masked field.
    void DoDataExchange(CDataExchange* pDX) override;
    // Return TRUE (the field is the first tab stop). Sets the caption and texts.
    BOOL OnInitDialog() override;
    // Lets the BIOS check the typed codes, then wipes them. Ends with OK on a match;
    // otherwise reports the refusal and, on the third, ends with Cancel.
    void OnOK() override;
    // Ends with Cancel at once; not counted as a refusal.
    void OnCancel() override;

private:
    CScanCodeEdit m_edit;
    int32_t m_nFailures = 0;
};
