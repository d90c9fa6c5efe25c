// Start-up: one copy at a time, the driver and interface checks, and the notebook's
// hot-key button, which is off exactly while the sheet is open.
#include "DriverService.h"
#include "KeyCodes.h"
#include "ZepTest.h"
#include "ZepUi.h"

namespace {

using namespace e2e;

bool HotkeyTurnedOff(const std::vector<BiosRequest>& log) {
    for (const BiosRequest& request : log) {
        if (request.name == "SetHotkeyButton" && request.bh == 0)
            return true;
    }
    return false;
}

class Startup : public ZepTest {
protected:
    // Minimises a window of the first copy, starts a second copy and expects it to end
    // at once, having restored that window.
    void ExpectSecondCopyBringsForward(HWND window) {
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
};

TEST_F(Startup, SheetOpensWithHotkeyButtonOffAndCancelTurnsItBackOn) {
    ASSERT_NE(StartToSheet(), nullptr);
    std::vector<BiosRequest> log = sim_.Log();
    ASSERT_GE(log.size(), 3u) << Describe(log);
    EXPECT_EQ(log[0].name, "VESKCheck");
    EXPECT_EQ(log[1].name, "AskSetupPasswd");
    EXPECT_EQ(log[2].name, "SetHotkeyButton");
    EXPECT_EQ(log[2].bx, 0x0005) << "turned off before the sheet";
    EXPECT_EQ(sim_.Settings().hotkeyButton, 0);
    EXPECT_GE(sheet_.PageCount(), 5);

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressCancel());
    EXPECT_TRUE(EndsWithoutDialog());
    log = sim_.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().name, "SetHotkeyButton");
    EXPECT_EQ(log.back().bx, 0x0105) << "turned on again when the sheet closed";
    EXPECT_EQ(CountOf(log, "CMOSChecksum"), 0u) << "Cancel writes nothing: " << Describe(log);
    EXPECT_EQ(sim_.Settings().hotkeyButton, 1);
}

TEST_F(Startup, SecondCopyBringsTheSheetForwardWithoutAnyRequest) {
    ASSERT_NE(StartToSheet(), nullptr);
    ExpectSecondCopyBringsForward(sheet_.Window());
}

TEST_F(Startup, SecondCopyBringsThePasswordPromptForward) {
    ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("qwe")));
    HWND prompt = StartToPrompt();
    ASSERT_NE(prompt, nullptr);
    ExpectSecondCopyBringsForward(prompt);
}

TEST_F(Startup, MissingDriverGivesMessage339) {
    sim_.Close();
    DriverStopped stopped;
    ASSERT_TRUE(stopped.Stopped()) << "the driver service did not stop";
    ASSERT_TRUE(Launch());
    // Without the device every start is cold for the program: allow for it.
    MessageBoxSeen box = WaitForMessageBox(zep_.Id(), FirstWindowTimeout());
    ASSERT_NE(box.window, nullptr) << "no message appeared";
    EXPECT_EQ(box.text, zepui::kNoServiceMessage);
    ASSERT_TRUE(AnswerMessageBox(box));
    EXPECT_TRUE(EndsWithoutDialog());
    EXPECT_EQ(FindSheet(zep_.Id()), nullptr);
}

TEST_F(Startup, FailedInterfaceCheckGivesOnlyMessage244AndLeavesTheHotkeyButtonOn) {
    ASSERT_TRUE(sim_.LoadProfile("no-vesk"));
    ASSERT_TRUE(Launch());
    MessageBoxSeen box = WaitForMessageBox(zep_.Id(), FirstWindowTimeout());
    ASSERT_NE(box.window, nullptr) << "no message appeared";
    EXPECT_EQ(box.text, zepui::kBadBiosMessage);
    ASSERT_TRUE(AnswerMessageBox(box));
    EXPECT_TRUE(EndsWithoutDialog()) << "only one message is shown";

    // Nothing after the check: no password question, the button never touched, and the
    // exit step finds the driver closed.
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_EQ(NamesOf(log), std::vector<std::string>{"VESKCheck"}) << Describe(log);
    EXPECT_FALSE(HotkeyTurnedOff(log));
    EXPECT_EQ(sim_.Settings().hotkeyButton, 1);
}

TEST_F(Startup, FailedPasswordQuestionGoesOnToTheSheetWithoutPrompt) {
    ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("qwe")));
    ASSERT_TRUE(sim_.FailFunction(zepui::kSetupGroup, zepui::kPasswordFunction, 1));
    ASSERT_NE(StartToSheet(), nullptr);
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_EQ(CountOf(log, "SetChkSetupPasswd"), 0u) << Describe(log);
    EXPECT_TRUE(HotkeyTurnedOff(log));
}

} // namespace
