// Every text of every dialog and page fits its control, as this session draws it:
// run once per language and DPI (see CMakeLists.txt). Pages and dialogs are the real
// ones, on the simulated notebook, so texts set at run time are measured too.
#include "AboutDlg.h"
#include "AllControlsSheet.h"
#include "ChangePasswordDlg.h"
#include "DriverChannel.h"
#include "LoadSettingsDlg.h"
#include "PageFactories.h"
#include "PasswordPromptDlg.h"
#include "RestartDlg.h"
#include "ResumeTimeDlg.h"
#include "SimDevice.h"
#include "TextFit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Failures name the window; the test's name tells the language and DPI.
void Collect(const std::string& where, const std::vector<layout::Clip>& clips) {
    for (const auto& clip : clips)
        ADD_FAILURE() << where << ": control " << clip.controlId << " \"" << clip.text << "\" "
                      << clip.detail;
}

// The dialog being measured; nullptr for the sheet.
const char* g_dialog = nullptr;

// Measures the window that is modal at the time, then closes it.
void CALLBACK MeasureModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND window = GetActiveWindow();
    if (g_dialog) {
        Collect(g_dialog, layout::FindClippedCaption(window));
        Collect(g_dialog, layout::FindClippedTexts(window));
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    for (int i = 0; i < TabCtrl_GetItemCount(PropSheet_GetTabControl(window)); ++i) {
        PropSheet_SetCurSel(window, nullptr, i);
        Collect("page " + std::to_string(i + 1),
                layout::FindClippedTexts(PropSheet_GetCurrentPageHwnd(window)));
    }
    PropSheet_PressButton(window, PSBTN_CANCEL);
}

template <class Dialog> void RunMeasured(Dialog& dialog, const char* name) {
    g_dialog = name;
    SetTimer(nullptr, 0, 10, MeasureModal);
    dialog.DoModal();
}

// Every page of both configurations, in the six-page order.
const PageFactory kAllPages[] = {CreateInfoViewerPage, CreatePostPage,      CreateStartupPage,
                                 CreatePasswordPage,   CreatePowerSavePage, CreateDisplayPage};

// A dialog as prepare leaves it, shown modally and measured.
template <class Dialog> void Measured(const char* name, void (*prepare)(Dialog&) = nullptr) {
    Dialog dialog;
    if (prepare)
        prepare(dialog);
    RunMeasured(dialog, name);
}

class Clipping : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        ASSERT_TRUE(OpenDriver());
    }
    void TearDown() override { CloseDriver(); }

    simdevice::ScopedSimDevice m_sim;
};

TEST_F(Clipping, EveryPageShowsItsTextsWhole) {
    CAllControlsSheet sheet("Tarvell", nullptr, 0, {kAllPages, 6});
    RunMeasured(sheet, nullptr);
}

// The resume time dialog is template 178 in the variant of the session's language.
TEST_F(Clipping, EveryDialogShowsItsTextsWhole) {
    Measured<CLoadSettingsDlg>("load default settings", [](auto& d) { d.SetMode(0); });
    Measured<CLoadSettingsDlg>("load previous settings", [](auto& d) { d.SetMode(1); });
    Measured<CRestartDlg>("restart");
    Measured<CAboutDlg>("about");
    Measured<CChangePasswordDlg>("change power-on password", [](auto& d) { d.SetKind(PowerOn); });
    Measured<CChangePasswordDlg>("change setup password", [](auto& d) { d.SetKind(::Setup); });
    Measured<CPasswordPromptDlg>("password prompt");
    Measured<CResumeTimeDlg>("resume time");
}

} // namespace
