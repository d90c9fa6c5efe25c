#include "SetupApp.h"

#include "AllControlsSheet.h"
#include "BiosCatalogue.h"
#include "PasswordPromptDlg.h"
#include "SheetPages.h"
#include "Startup.h"

namespace {

// Start-up's user interface: the real windows and dialogs.
class SetupUi : public StartupUi {
public:
    explicit SetupUi(CSetupApp& app) : m_app(app) {}

    HWND FindRunningCopy(const char* title) override { return ::FindWindowA("#32770", title); }

    void BringForward(HWND window) override {
        ::ShowWindow(window, SW_SHOWNORMAL);
        ::SetForegroundWindow(window);
    }

    void ShowMessage(UINT stringId) override { AfxMessageBox(stringId, MB_OK); }

    bool AskForSetupPassword() override {
        CPasswordPromptDlg prompt(nullptr);
        return prompt.AskForPassword();
    }

    void EnableControls3d() override { m_app.Enable3dControls(); }

    void RunSheet(const char* title) override {
        CAllControlsSheet sheet(title, nullptr, 0, SheetPages());
        m_app.m_pMainWnd = &sheet;
        sheet.m_psh.dwFlags |= PSH_HASHELP | PSH_USEHICON;
        sheet.DoModal();
        m_app.m_pMainWnd = nullptr;
    }

private:
    CSetupApp& m_app;
};

} // namespace

CSetupApp::CSetupApp() : m_hSavedCursor(::GetCursor()) {}

BOOL CSetupApp::InitInstance() {
    SetupUi ui(*this);
    return RunStartup(ui);
}

int CSetupApp::ExitInstance() {
    SetHotkeyButton(1);
    ::SetCursor(m_hSavedCursor);
    return CWinApp::ExitInstance();
}

bool CSetupApp::OnCommand(UINT id) {
    if (id == ID_HELP) {
        OnHelp();
        return true;
    }
    return CWinApp::OnCommand(id);
}

void CSetupApp::WinHelp(DWORD_PTR data, UINT command) {
    CWinApp::WinHelp(data, command);
}
