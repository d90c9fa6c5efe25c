// CChangePasswordDlg: enables or disables one BIOS password and takes the new one,
// typed twice as scan codes. Its entry is the result for the owner and survives
// between runs of the same dialog object.
#pragma once

#include "Dialog.h"
#include "PasswordEntry.h"
#include "ScanCodeEdit.h"

class CChangePasswordDlg : public CDialog {
public:
    explicit CChangePasswordDlg(CWnd* parent = nullptr);
    // Wipes the entry (the two fields wipe their own).
    ~CChangePasswordDlg() override;

    // PowerOn or Setup; any other kind shows the setup texts. Set before each run.
    void SetKind(PasswordKind kind) { m_kind = kind; }
    // Takes enabled, length and codes; modified = 0.
    void SetEntry(const PasswordEntry& entry);
    // Copies the entry out.
    void GetEntry(PasswordEntry& entry) const { entry = m_entry; }

protected:
    // Binds the two masked fields.
    void DoDataExchange(CDataExchange* pDX) override;
    // Return TRUE. Texts of the kind, the check box from the entry, both fields
    // loaded with the entry behind an empty text, fields enabled by the check box.
    BOOL OnInitDialog() override;
    // Ends with Cancel when nothing was changed, with OK when the entry holds the
    // result, or reports a mismatch and stays open with both fields emptied.
    void OnOK() override;
    // Undoes a click on the check box, then ends with Cancel.
    void OnCancel() override;
    // Return true when handled: clicks on the check box go to OnEnableClicked.
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // The check box was clicked: both fields start empty, enabled by the box.
    void OnEnableClicked();

private:
    // Both fields: nothing typed, enabled as the check box shows, empty text.
    void EmptyFields();
    // The group box, the two labels and the two fields, by the check box.
    void EnableFields(BOOL enable);
    void FocusNewPassword();

    CScanCodeEdit m_confirmEdit;
    CScanCodeEdit m_newEdit;
    PasswordEntry m_entry;
    int32_t m_bInitialEnabled = 0;
    PasswordKind m_kind = Setup;
    int32_t m_bCheckTouched = 0;
};
