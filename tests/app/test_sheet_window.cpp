// The sheet as a real window: found like a running copy, icons and context help,
// Apply and OK taken over before the platform sees them (no PSN_APPLY ever), Cancel
// writing nothing, the shut-down query turning the hot-key button on, and the page
// base's window set-up (title font, context help).
#include "AllControlsSheet.h"

#include "DriverChannel.h"
#include "WinApp.h"
#include "ShellTestSupport.h"
#include "SimDevice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace shelltest;
using Events = std::vector<std::string>;

namespace {

const PageFactory kTwoPages[] = {MakeFakePage<0>, MakeFakePage<1>};

// The real sheet whose dialogs answer No without showing themselves.
class WindowSheet : public CAllControlsSheet {
public:
    WindowSheet() : CAllControlsSheet("Tarvell", nullptr, 0, {kTwoPages, 2}) {}
    int restartPrompts = 0;

protected:
    INT_PTR RunLoadSettingsDlg(uint8_t) override { return IDCANCEL; }
    INT_PTR RunRestartDlg() override {
        ++restartPrompts;
        return IDCANCEL;
    }
};

WindowSheet* g_sheet = nullptr;

class SheetWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanCreateWindows())
            GTEST_SKIP() << "no display: the sheet window cannot be created";
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        ResetFakePages();
        ASSERT_TRUE(OpenDriver());
        simdevice::Bios().ClearLog();
        g_sheet = &m_sheet;
    }
    void TearDown() override {
        g_sheet = nullptr;
        CloseDriver();
    }

    simdevice::ScopedSimDevice m_sim;
    WindowSheet m_sheet;
};

HWND Sheet() {
    return g_sheet->m_hWnd;
}

LRESULT Command(UINT id) {
    return SendMessageA(Sheet(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

bool ApplyButtonEnabled() {
    return IsWindowEnabled(GetDlgItem(Sheet(), kApplyNowCommand)) != FALSE;
}

TEST_F(SheetWindowTest, RunningSheetIsFoundByItsTitleAndCarriesIconsAndContextHelp) {
    RunInsideModalLoop([] {
        EXPECT_EQ(Sheet(), FindWindowA("#32770", "Tarvell"));
        EXPECT_NE(0, GetWindowLongA(Sheet(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
        const LRESULT big = SendMessageA(Sheet(), WM_GETICON, ICON_BIG, 0);
        const LRESULT small = SendMessageA(Sheet(), WM_GETICON, ICON_SMALL, 0);
        EXPECT_EQ(reinterpret_cast<LRESULT>(g_sheet->m_psh.hIcon), big);
        EXPECT_EQ(big, small);
        EXPECT_EQ(big, SendMessageA(Sheet(), WM_QUERYDRAGICON, 0, 0));
        g_sheet->EndDialog(IDCANCEL);
    });

    EXPECT_EQ(IDCANCEL, m_sheet.DoModal());
    EXPECT_EQ(nullptr, m_sheet.m_hWnd);
}

TEST_F(SheetWindowTest, ApplyIsTakenOverAndKeepsTheSheetOpen) {
    RunInsideModalLoop([] {
        CMyPropertyPage* first = g_sheet->GetSettingsPage(0);
        first->SetPageModified(TRUE);
        EXPECT_TRUE(ApplyButtonEnabled());

        Command(kApplyNowCommand);

        EXPECT_EQ((Events{"apply 0", "apply 1"}), PageJournal());
        EXPECT_FALSE(ApplyButtonEnabled()) << "applying clears the modified page";
        EXPECT_TRUE(IsWindow(Sheet()));
        EXPECT_EQ((Events{"CMOSChecksum 1"}), BiosRequests());
        PageJournal().clear();
        Command(IDCANCEL);
    });

    EXPECT_EQ(IDCANCEL, m_sheet.DoModal());
    EXPECT_TRUE(PageJournal().empty()) << "Cancel applies nothing and no PSN_APPLY reaches a page";
}

TEST_F(SheetWindowTest, OkAppliesOnceAndClosesWithIdOk) {
    SetApplyAnswer(1, 1);
    RunInsideModalLoop([] { Command(IDOK); });

    EXPECT_EQ(IDOK, m_sheet.DoModal());

    EXPECT_EQ((Events{"apply 0", "apply 1"}), PageJournal());
    EXPECT_EQ((Events{"CMOSChecksum 1"}), BiosRequests());
    EXPECT_EQ(1, m_sheet.restartPrompts);
}

TEST_F(SheetWindowTest, CloseBoxCancelsWithoutWriting) {
    RunInsideModalLoop([] { PostMessageA(Sheet(), WM_SYSCOMMAND, SC_CLOSE, 0); });

    EXPECT_EQ(IDCANCEL, m_sheet.DoModal());

    EXPECT_TRUE(PageJournal().empty());
    EXPECT_TRUE(BiosRequests().empty());
}

TEST_F(SheetWindowTest, SessionEndQueryTurnsTheHotkeyButtonOn) {
    RunInsideModalLoop([] {
        EXPECT_EQ(TRUE, SendMessageA(Sheet(), WM_QUERYENDSESSION, 0, 0));
        EXPECT_EQ((Events{"SetHotkeyButton 1"}), BiosRequests());
        g_sheet->EndDialog(IDCANCEL);
    });

    m_sheet.DoModal();
}

// Counts the exit steps the sheet runs when the session ends under it.
struct ExitCountingApp : CWinApp {
    int exits = 0;
    int ExitInstance() override {
        ++exits;
        return 0;
    }
};
ExitCountingApp* g_app = nullptr;

TEST_F(SheetWindowTest, SessionEndRunsTheApplicationsExitWhileTheSheetIsOpen) {
    ExitCountingApp app;
    app.m_pMainWnd = &m_sheet;
    g_app = &app;
    RunInsideModalLoop([] {
        SendMessageA(Sheet(), WM_ENDSESSION, FALSE, 0);
        EXPECT_EQ(0, g_app->exits) << "a cancelled session end is no exit";
        SendMessageA(Sheet(), WM_ENDSESSION, TRUE, 0);
        EXPECT_EQ(1, g_app->exits);
        g_sheet->EndDialog(IDCANCEL);
    });

    m_sheet.DoModal();
    g_app = nullptr;
}

TEST_F(SheetWindowTest, PagesGetTheirWindowsWhenShownAndLoseThemWithTheSheet) {
    RunInsideModalLoop([] {
        EXPECT_TRUE(g_sheet->GetSettingsPage(0)->HasWindow());
        EXPECT_FALSE(g_sheet->GetSettingsPage(1)->HasWindow()) << "never shown, never created";
        g_sheet->EndDialog(IDOK);
    });

    EXPECT_EQ(IDOK, m_sheet.DoModal());
    EXPECT_FALSE(m_sheet.GetSettingsPage(0)->HasWindow());
}

TEST_F(SheetWindowTest, PageBaseMakesThe30UnitTitleFontFromTheDialogFont) {
    RunInsideModalLoop([] {
        CMyPropertyPage* page = g_sheet->GetSettingsPage(0);
        EXPECT_NE(0, GetWindowLongA(page->m_hWnd, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);

        LOGFONTA dialogFont = {};
        LOGFONTA titleFont = {};
        ASSERT_TRUE(GetObjectA(page->GetFont(), sizeof dialogFont, &dialogFont));
        ASSERT_TRUE(GetObjectA(page->GetTitleFont(), sizeof titleFont, &titleFont));
        EXPECT_EQ(30, titleFont.lfHeight);
        EXPECT_EQ(0, titleFont.lfWidth);
        EXPECT_STREQ(dialogFont.lfFaceName, titleFont.lfFaceName);
        EXPECT_EQ(dialogFont.lfWeight, titleFont.lfWeight);
        EXPECT_EQ(dialogFont.lfCharSet, titleFont.lfCharSet);

        // A control of the page gets a string-table text.
        HWND control = GetWindow(page->m_hWnd, GW_CHILD);
        ASSERT_NE(nullptr, control);
        char text[64] = {};
        page->SetItemTextFromResource(GetDlgCtrlID(control), 230);
        GetWindowTextA(control, text, sizeof text);
        EXPECT_STREQ("Tarvell", text);
        g_sheet->EndDialog(IDCANCEL);
    });

    m_sheet.DoModal();
}

} // namespace
