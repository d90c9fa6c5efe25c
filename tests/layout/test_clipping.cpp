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

// "ja at 120 DPI": what this run measures under.
std::string Session() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const bool japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
    return std::string(japanese ? "ja" : "en") + " at " + std::to_string(dpi) + " DPI";
}

std::vector<std::string> g_clips;

void Collect(const char* where, const std::vector<layout::Clip>& clips) {
    for (const auto& clip : clips)
        g_clips.push_back(std::string(where) + ": control " + std::to_string(clip.controlId) +
                          " \"" + clip.text + "\" " + clip.detail);
}

// Measures the window that is modal at the time, then closes it.
void (*g_measure)(HWND) = nullptr;

void CALLBACK MeasureModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    g_measure(GetActiveWindow());
}

void MeasureDialog(HWND dialog) {
    Collect("dialog", layout::FindClippedCaption(dialog));
    Collect("dialog", layout::FindClippedTexts(dialog));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void MeasurePages(HWND sheet) {
    const int pages = TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet));
    for (int i = 0; i < pages; ++i) {
        PropSheet_SetCurSel(sheet, nullptr, i);
        const std::string where = "page " + std::to_string(i + 1);
        Collect(where.c_str(), layout::FindClippedTexts(PropSheet_GetCurrentPageHwnd(sheet)));
    }
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
}

template <class Dialog> void RunMeasured(Dialog& dialog, void (*measure)(HWND)) {
    g_measure = measure;
    SetTimer(nullptr, 0, 10, MeasureModal);
    dialog.DoModal();
}

// Every page of both configurations, in the six-page order.
const PageFactory kAllPages[] = {CreateInfoViewerPage, CreatePostPage,      CreateStartupPage,
                                 CreatePasswordPage,   CreatePowerSavePage, CreateDisplayPage};

// A dialog as prepare leaves it, shown modally and measured.
template <class Dialog> void Measured(void (*prepare)(Dialog&)) {
    Dialog dialog;
    prepare(dialog);
    RunMeasured(dialog, MeasureDialog);
}

struct DialogCase {
    const char* name;
    void (*run)();
};

// The resume time dialog is template 178 in the variant of the session's language.
const DialogCase kDialogs[] = {
    {"load default settings", [] { Measured<CLoadSettingsDlg>([](auto& d) { d.SetMode(0); }); }},
    {"load previous settings", [] { Measured<CLoadSettingsDlg>([](auto& d) { d.SetMode(1); }); }},
    {"restart", [] { Measured<CRestartDlg>([](auto&) {}); }},
    {"about", [] { Measured<CAboutDlg>([](auto&) {}); }},
    {"change power-on password",
     [] { Measured<CChangePasswordDlg>([](auto& d) { d.SetKind(PowerOn); }); }},
    {"change setup password",
     [] { Measured<CChangePasswordDlg>([](auto& d) { d.SetKind(Setup); }); }},
    {"password prompt", [] { Measured<CPasswordPromptDlg>([](auto&) {}); }},
    {"resume time", [] { Measured<CResumeTimeDlg>([](auto&) {}); }},
};

class Clipping : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        ASSERT_TRUE(OpenDriver());
        g_clips.clear();
    }
    void TearDown() override { CloseDriver(); }

    simdevice::ScopedSimDevice m_sim;
};

TEST_F(Clipping, EveryPageShowsItsTextsWhole) {
    CAllControlsSheet sheet("Tarvell", nullptr, 0, {kAllPages, 6});
    RunMeasured(sheet, MeasurePages);
    for (const auto& clip : g_clips)
        ADD_FAILURE() << Session() << ", " << clip;
}

TEST_F(Clipping, EveryDialogShowsItsTextsWhole) {
    for (const auto& dialog : kDialogs) {
        g_clips.clear();
        dialog.run();
        for (const auto& clip : g_clips)
            ADD_FAILURE() << Session() << ", " << dialog.name << " " << clip;
    }
}

} // namespace
