// CPasswordPage: the "Password" page. Each of its two buttons opens the change
// dialog of one password; what the dialogs confirm is written on Apply, the
// power-on password before the setup password. The BIOS never reveals a password:
// the page only learns whether each one is set.
#pragma once

#include "ChangePasswordDlg.h"
#include "MyPropertyPage.h"
#include "PaletteBitmap.h"
#include "PasswordChanges.h"

class CPasswordPage : public CMyPropertyPage {
public:
    CPasswordPage();

    // Writes each password whose dialog ended with OK since the last apply. Return 1
    // when the power-on password was written (it takes effect at the next start),
    // else 0. A store or remove the BIOS refuses is reported in a message box.
    int ApplySettings() override;
    // Writes again the passwords applied in this run, then reloads the page. Nothing
    // while the page was never shown.
    void RestorePreviousSettings() override;

protected:
    // Binds the picture.
    void DoDataExchange(CDataExchange* pDX) override;
    // Return TRUE. Picture, title, texts, then whether each password is set.
    BOOL OnInitDialog() override;
    // Return true when handled: the two change buttons.
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void OnChangePowerOnPassword();
    void OnChangeSetupPassword();
    // Runs dialog for kind; OK marks the kind changed and the page modified.
    void RunChangeDialog(CChangePasswordDlg& dialog, PasswordKind kind);
    // Loads both dialogs with whether each password is set and nothing typed.
    void ReadFromBios();
    // ReadFromBios, then nothing pending or remembered.
    void ReloadFromBios();
    // One message per password the BIOS refused to store or remove.
    void ReportRefusals(const PasswordWriteResult& result);

    CPaletteBitmap m_picture;
    PasswordChanges m_changes; // changed and applied flags, the entries last written
    CChangePasswordDlg m_setupDlg;
    CChangePasswordDlg m_powerOnDlg;
};
