// CDialog: a modal dialog from a dialog template of the program's resources. One
// dialog procedure (DialogProc) serves every dialog: it binds the object at
// WM_INITDIALOG and hands messages to the On... handlers of CWnd and those below.
#pragma once

#include "DataExchange.h"
#include "Wnd.h"

class CDialog : public CWnd {
public:
    // parent nullptr: the application's main window (if any) owns the dialog.
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    CDialog(UINT templateId, CWnd* parent);

    // Runs the dialog modally; returns what EndDialog was given (IDOK, IDCANCEL, ...),
    // or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Ends the modal run with result.
    void EndDialog(int result);
    // Runs DoDataExchange; save TRUE takes the controls' state into the members.
    BOOL UpdateData(BOOL save = TRUE);
    UINT GetTemplateId() const { return m_nTemplateId; }

protected:
    // Return TRUE to let the system focus the first tab stop, FALSE after setting the
    // focus yourself. Base: binds the controls (UpdateData(FALSE)) and returns TRUE.
    virtual BOOL OnInitDialog();
    // Bindings with DDX_Control. Base: none.
    virtual void DoDataExchange(CDataExchange* pDX);
    // OK button (IDOK). Base: UpdateData(TRUE), then EndDialog(IDOK).
    virtual void OnOK();
    // Cancel button, Esc or the close box (IDCANCEL). Base: EndDialog(IDCANCEL).
    virtual void OnCancel();
    // Return true when handled. Base: IDOK to OnOK, IDCANCEL to OnCancel, help to the app.
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Return true when handled. Base: passes the request to the application's help.
    bool OnHelpInfo(HELPINFO* info) override;
    // A dialog has no "original procedure" to call: declining a message is its Default.
    LRESULT Default() override { return 0; }

    // The dialog procedure's work for one message; returns the value DialogProc returns.
    INT_PTR HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nTemplateId;
    HWND m_hParent;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
