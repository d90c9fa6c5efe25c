// The program's start-up, from the single-instance check to closing the driver. The
// steps and their BIOS requests are here; what the user sees comes through StartupUi.
#pragma once

#include "Win32.h"

class StartupUi {
public:
    virtual ~StartupUi() = default;
    // The window of a running copy: a dialog-class window titled exactly title, or nullptr.
    virtual HWND FindRunningCopy(const char* title) = 0;
    // Shows window in its normal state and makes it the foreground window.
    virtual void BringForward(HWND window) = 0;
    // Message box with string stringId and an OK button.
    virtual void ShowMessage(UINT stringId) = 0;
    // Runs the setup-password prompt; true only when the user gave the right password.
    virtual bool AskForSetupPassword() = 0;
    // Switches three-dimensional drawing on for the program's dialogs.
    virtual void EnableControls3d() = 0;
    // Runs the settings sheet modally with title as its caption.
    virtual void RunSheet(const char* title) = 0;
};

// Runs start-up: refuses a second copy, opens the driver, checks the BIOS interface,
// asks for the setup password when the BIOS wants it, turns the hot-key button off
// for the sheet's run and on again, and closes the driver. Always FALSE: the program
// has no message loop beyond the sheet's.
BOOL RunStartup(StartupUi& ui);
