// CSetupApp: the application object. Start-up runs the settings sheet once; every
// way out turns the notebook's hot-key button back on.
#pragma once

#include "WinApp.h"

class CSetupApp : public CWinApp {
public:
    // Saves the cursor shown at start, restored at exit.
    CSetupApp();

    // Always FALSE: runs the whole program (see RunStartup).
    BOOL InitInstance() override;
    // Turns the hot-key button on, restores the saved cursor; returns the exit code.
    int ExitInstance() override;
    // Return true when handled: the help command opens the program's help.
    bool OnCommand(UINT id) override;
    // The platform's help, with the arguments unchanged.
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT) override;

private:
    HCURSOR m_hSavedCursor;
};
