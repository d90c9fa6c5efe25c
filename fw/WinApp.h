// CWinApp: the one application object, a global of the program. AfxWinMain (called
// from the program's WinMain) runs InitInstance, the message loop when it answered
// TRUE, and ExitInstance, whose answer becomes the process exit code.
#pragma once

#include "Wnd.h"

// The standard help command.
constexpr UINT ID_HELP = 57670;
// Help context ids of dialog templates: base + template id.
constexpr DWORD HID_BASE_RESOURCE = 0x20000;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Return TRUE to run the message loop, FALSE to go straight to ExitInstance.
    virtual BOOL InitInstance();
    // Return the process exit code. Base: the exit code of the message loop (0 if none).
    virtual int ExitInstance();
    // The message loop; returns WM_QUIT's exit code.
    virtual int Run();
    // Return true when the command was handled. Base: none is.
    virtual bool OnCommand(UINT id);
    // Asks the help viewer for data (HELP_CONTEXT: a context id) in the program's help file.
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);
    // Standard help: WinHelp with the context last requested (AfxRequestHelp), or the
    // help file's contents when there is none.
    void OnHelp();
    // Three-dimensional control drawing: the platform always draws controls in 3-D, so
    // there is nothing to switch on. Always TRUE.
    BOOL Enable3dControls() { return TRUE; }
    // An icon resource of the program, at the system's large icon size.
    HICON LoadIcon(UINT iconId) const;

    HINSTANCE m_hInstance = nullptr;
    // The window that owns the program's dialogs and message boxes (may be nullptr).
    CWnd* m_pMainWnd = nullptr;
    // The program file's name without folder and extension ("zep"): message box captions.
    char m_szAppName[64] = {};
    // The program file's path with the extension ".HLP".
    char m_szHelpFilePath[MAX_PATH] = {};
    int m_nExitCode = 0;
    // Help context of the last help request (HID_BASE_RESOURCE + template id), or 0.
    DWORD m_dwHelpContext = 0;

    // Fills the names above from the program file. Called by AfxWinMain.
    void InitNames(HINSTANCE instance);
};

// The application object (nullptr before it is constructed).
CWinApp* AfxGetApp();
// The module holding the program's resources.
HINSTANCE AfxGetResourceHandle();
// The application's main window handle, or nullptr.
HWND AfxGetMainWndHandle();
// Entry: runs the application object's life. Call from WinMain.
int AfxWinMain(HINSTANCE instance, int showCommand);

// A dialog or page asks for help: records context and sends ID_HELP to the application.
// True when the application handled the command.
bool AfxRequestHelp(DWORD context);

// Loads string resource id into text (size bytes, always terminated; empty when the
// string is missing). Returns the number of characters copied.
int LoadResourceString(UINT id, char* text, int size);
// Message box over the main window: the text, the application name as caption, and
// when type names no icon, the warning icon for OK and OK/Cancel boxes and the question
// icon for Yes/No boxes. Returns the button pressed.
int AfxMessageBox(const char* text, UINT type = MB_OK);
// The same with the text of string resource id (at most 255 characters).
int AfxMessageBox(UINT id, UINT type = MB_OK);
