// Dialog data exchange: "bind this control id to this object". Dialogs and pages
// list their bindings in DoDataExchange; the framework runs it when the dialog is
// initialised and whenever UpdateData is called.
#pragma once

#include "Win32.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(HWND dialog, BOOL saveAndValidate)
        : m_hDialog(dialog), m_bSaveAndValidate(saveAndValidate) {}
    HWND m_hDialog;          // the dialog or page whose controls are bound
    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
};

// Binds control controlId of the dialog to control (subclassing it, so the object's
// On... handlers see its messages). Binding again to the same window is a no-op, so
// UpdateData may run any number of times. A missing control leaves the object unbound.
void DDX_Control(CDataExchange* pDX, int controlId, CWnd& control);
