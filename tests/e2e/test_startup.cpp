// Start-up: one copy at a time, the driver and interface checks, and the notebook's
// hot-key button, which is off exactly while the sheet is open.
#include "DriverService.h"
#include "KeyCodes.h"
#include "ZepTest.h"

namespace {

using namespace e2e;

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, 0, SMTO_NORMAL, kWindowMs, &result);
    return static_cast<LRESULT>(result);
}

class Startup : public ZepTest {
protected:
    // The program shows only this message, then ends without its sheet.
    void ExpectOnlyMessage(const char* text) {
        // Without the device every start is cold for the program: allow for it.
        MessageBoxSeen box = WaitForMessageBox(zep_.Id(), FirstWindowTimeout());
        ASSERT_NE(box.window, nullptr) << "no message appeared";
        EXPECT_EQ(box.text, text);
        ASSERT_TRUE(AnswerMessageBox(box));
        EXPECT_TRUE(EndsWithoutDialog()) << "only one message is shown";
        EXPECT_EQ(FindSheet(zep_.Id()), nullptr);
    }
};

TEST_F(Startup, HotkeyButtonIsOffWhileTheSheetRunsAndOnAgainAtTheSessionEndAndCancel) {
    ASSERT_NE(StartToSheet(), nullptr);
    std::vector<BiosRequest> log = sim_.Log();
    ASSERT_GE(log.size(), 3u) << Describe(log);
    EXPECT_EQ(log[0].name, "VESKCheck");
    EXPECT_EQ(log[1].name, "AskSetupPasswd");
    EXPECT_EQ(log[2].name, "SetHotkeyButton");
    EXPECT_EQ(log[2].bx, 0x0005) << "turned off before the sheet";
    EXPECT_EQ(sim_.Settings().hotkeyButton, 0);
    EXPECT_EQ(sheet_.PageCount(), 5);

    // The context-help button on sheet and page.
    EXPECT_TRUE(GetWindowLongA(sheet_.Window(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    EXPECT_TRUE(GetWindowLongA(sheet_.CurrentPage(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);

    // The session's end: the query turns the button on and allows it; an end that
    // happens runs the program's exit, which turns it on again.
    ASSERT_TRUE(sim_.ClearLog());
    EXPECT_EQ(Ask(sheet_.Window(), WM_QUERYENDSESSION), TRUE);
    EXPECT_EQ(Ask(sheet_.Window(), WM_ENDSESSION, FALSE), 0);
    log = sim_.Log();
    ASSERT_EQ(Names(log), "SetHotkeyButton");
    EXPECT_EQ(log[0].bx, 0x0105);
    Ask(sheet_.Window(), WM_ENDSESSION, TRUE);
    EXPECT_EQ(CountOf(sim_.Log(), "SetHotkeyButton"), 2u) << Describe(sim_.Log());
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) { s.hotkeyButton = 0; }));

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressCancel());
    EXPECT_TRUE(EndsWithoutDialog());
    log = sim_.Log();
    EXPECT_EQ(Names(log), "SetHotkeyButton")
        << "Cancel writes nothing, and the driver is closed before the exit";
    EXPECT_EQ(sim_.Settings().hotkeyButton, 1);
}

TEST_F(Startup, SecondCopyBringsTheSheetOrThePromptForwardWithoutAnyRequest) {
    for (const bool prompt : {false, true}) {
        SCOPED_TRACE(prompt ? "prompt" : "sheet");
        if (prompt) {
            zep_.Kill();
            ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("qwe")));
        }
        HWND window = prompt ? StartToPrompt() : StartToSheet();
        ASSERT_NE(window, nullptr);
        ShowWindowAsync(window, SW_MINIMIZE);
        ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }, kWindowMs));
        ASSERT_TRUE(sim_.ClearLog());

        ZepProcess second;
        ASSERT_TRUE(Launch(second));
        ASSERT_TRUE(second.WaitForExit(kWindowMs)) << "the second copy kept running";
        EXPECT_TRUE(
            WaitUntil([&] { return !IsIconic(window) && IsWindowVisible(window); }, kWindowMs))
            << "the running copy's window was not brought forward";
        EXPECT_TRUE(sim_.Log().empty()) << Describe(sim_.Log());
        EXPECT_TRUE(zep_.Running());
    }
}

TEST_F(Startup, MissingDriverGivesMessage339) {
    sim_.Close();
    DriverStopped stopped;
    ASSERT_TRUE(stopped.Stopped()) << "the driver service did not stop";
    ASSERT_TRUE(Launch());
    ExpectOnlyMessage(zepui::kNoServiceMessage);
}

TEST_F(Startup, FailedInterfaceCheckGivesOnlyMessage244AndLeavesTheHotkeyButtonOn) {
    ASSERT_TRUE(sim_.LoadProfile("no-vesk"));
    ASSERT_TRUE(Launch());
    ExpectOnlyMessage(zepui::kBadBiosMessage);
    // Nothing after the check: no password question, the button never touched, and the
    // exit step finds the driver closed.
    EXPECT_EQ(Names(sim_.Log()), "VESKCheck");
    EXPECT_EQ(sim_.Settings().hotkeyButton, 1);
}

TEST_F(Startup, FailedPasswordQuestionGoesOnToTheSheetWithoutPrompt) {
    ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("qwe")));
    ASSERT_TRUE(sim_.FailFunction(zepui::kSetupGroup, zepui::kPasswordFunction, 1));
    ASSERT_NE(StartToSheet(), nullptr);
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_EQ(CountOf(log, "SetChkSetupPasswd"), 0u) << Describe(log);
    const int hotkey = IndexOf(log, "SetHotkeyButton");
    ASSERT_GE(hotkey, 0) << Describe(log);
    EXPECT_EQ(log[hotkey].bh, 0);
}

} // namespace
