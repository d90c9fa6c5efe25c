// The shell's dialogs as the user meets them: texts from the string table (never the
// template's), Yes = IDOK, No and the close box = IDCANCEL.
#include "AboutDlg.h"
#include "LoadSettingsDlg.h"
#include "RestartDlg.h"

#include "ShellTestSupport.h"
#include "app_ids.h"

#include <gtest/gtest.h>

#include <string>

using namespace shelltest;

namespace {

CDialog* g_dialog = nullptr;

std::string TextOf(HWND window) {
    char text[600] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string Title() {
    return TextOf(g_dialog->m_hWnd);
}
std::string Item(int id) {
    return TextOf(GetDlgItem(g_dialog->m_hWnd, id));
}

// What the dialog showed, read from inside its modal run.
struct Shown {
    std::string title, message, yes, no;
};
Shown g_shown;
int g_messageId = 0;

void ReadAndPressNo() {
    g_shown = {Title(), Item(g_messageId), Item(IDOK), Item(IDCANCEL)};
    SendMessageA(GetDlgItem(g_dialog->m_hWnd, IDCANCEL), BM_CLICK, 0, 0);
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanCreateWindows())
            GTEST_SKIP() << "no display: dialogs cannot be created";
        g_shown = {};
    }
    void TearDown() override { g_dialog = nullptr; }

    INT_PTR Run(CDialog& dialog, int messageId, void (*step)() = ReadAndPressNo) {
        g_dialog = &dialog;
        g_messageId = messageId;
        RunInsideModalLoop(step);
        return dialog.DoModal();
    }
};

TEST_F(DialogTest, LoadSettingsInModeZeroAsksAboutTheDefaults) {
    CLoadSettingsDlg dialog;
    dialog.SetMode(0);

    EXPECT_EQ(IDCANCEL, Run(dialog, IDC_LOAD_MESSAGE));

    EXPECT_EQ("Load Default BIOS Settings", g_shown.title);
    EXPECT_EQ(0u, g_shown.message.rfind(
                      "The system must reboot after loading default BIOS settings.\n", 0));
    EXPECT_EQ("Yes", g_shown.yes);
    EXPECT_EQ("No", g_shown.no);
}

TEST_F(DialogTest, LoadSettingsInAnyOtherModeAsksAboutThePreviousSettings) {
    for (uint8_t mode : {1, 2, 255}) {
        CLoadSettingsDlg dialog;
        dialog.SetMode(mode);
        Run(dialog, IDC_LOAD_MESSAGE);
        EXPECT_EQ("Load Previous BIOS Settings", g_shown.title) << "mode " << int(mode);
        EXPECT_EQ(0u, g_shown.message.rfind("Loading Previous Settings restore", 0));
    }
}

TEST_F(DialogTest, YesEndsWithOkAndTheCloseBoxWithCancel) {
    CLoadSettingsDlg dialog;
    EXPECT_EQ(IDOK, Run(dialog, IDC_LOAD_MESSAGE,
                        [] { SendMessageA(GetDlgItem(g_dialog->m_hWnd, IDOK), BM_CLICK, 0, 0); }));
    CRestartDlg restart;
    EXPECT_EQ(IDCANCEL, Run(restart, IDC_RESTART_MESSAGE,
                            [] { PostMessageA(g_dialog->m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }));
}

TEST_F(DialogTest, RestartPromptShowsTheQuestionWithYesAndNo) {
    CRestartDlg dialog;

    EXPECT_EQ(IDCANCEL, Run(dialog, IDC_RESTART_MESSAGE));

    EXPECT_EQ("BIOS Settings Change", g_shown.title);
    EXPECT_EQ(0u, g_shown.message.rfind("Do you want to restart your computer", 0));
    EXPECT_EQ("Yes", g_shown.yes);
    EXPECT_EQ("No", g_shown.no);
}

TEST_F(DialogTest, AboutBoxShowsNameVersionLineAndNotice) {
    CAboutDlg dialog;

    Run(dialog, IDC_ABOUT_VERSION, [] {
        EXPECT_EQ("About Tarvell", Title());
        EXPECT_EQ("Tarvell", Item(IDC_ABOUT_PRODUCT));
        const std::string version = Item(IDC_ABOUT_VERSION);
        EXPECT_EQ(0u, version.rfind("Version", 0));
        EXPECT_EQ(std::string::npos, version.find("xxx"))
            << "the template's placeholder is replaced";
        EXPECT_NE("Rights", Item(IDC_ABOUT_RIGHTS));
        EXPECT_EQ("OK", Item(IDOK));
        SendMessageA(GetDlgItem(g_dialog->m_hWnd, IDOK), BM_CLICK, 0, 0);
    });
}

} // namespace
