// The sheet's write-back protocol: Apply and OK apply every page and end with the CMOS
// checksum, a restart is offered when a change needs one (also one applied earlier),
// Cancel writes nothing, and the right-click menu's Load Default and Load Previous.
#include "ZepTest.h"
#include "ZepUi.h"

#include <algorithm>

namespace {

using namespace e2e;

class SheetProtocol : public ZepTest {
protected:
    // Ticks "Enable Silent Boot" on the POST page and applies it.
    void ApplySilentBootOn() {
        ASSERT_TRUE(StartOnPage(zepui::kPostPage));
        ASSERT_TRUE(Click(sheet_.PageControl(zepui::kSilentBootBox)));
        ASSERT_TRUE(sheet_.ApplyEnabled());
        ASSERT_TRUE(sheet_.PressApply());
        EXPECT_FALSE(sheet_.ApplyEnabled());
        EXPECT_EQ(sim_.Settings().silentBoot, 1);
    }

    // Runs a right-click menu command and answers its confirmation with Yes or No.
    ::testing::AssertionResult Confirm(int command, const char* title, bool yes) {
        sheet_.PostMenuCommand(command);
        HWND confirmation = WaitForDialogTitled(title);
        if (confirmation == nullptr)
            return ::testing::AssertionFailure() << "no \"" << title << "\" confirmation";
        const std::string yesText = TextOf(Control(confirmation, IDOK));
        const std::string noText = TextOf(Control(confirmation, IDCANCEL));
        if (yesText != "Yes" || noText != "No")
            return ::testing::AssertionFailure()
                   << "buttons \"" << yesText << "\" and \"" << noText << "\"";
        if (!ClickLater(Control(confirmation, yes ? IDOK : IDCANCEL)) ||
            !WaitUntilGone(confirmation, kWindowMs))
            return ::testing::AssertionFailure() << "the confirmation stayed open";
        return ::testing::AssertionSuccess();
    }

    // Waits until the log holds a CMOS checksum request, the last step of an apply or
    // a restore; returns the log then.
    std::vector<BiosRequest> LogThroughChecksum() {
        std::vector<BiosRequest> log;
        WaitUntil([&] { return CountOf(log = sim_.Log(), "CMOSChecksum") > 0; }, kWindowMs);
        return log;
    }
};

TEST_F(SheetProtocol, ApplyWithNoChangeStillSendsTheChecksumAndOkOffersNoRestart) {
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sim_.ClearLog());
    EXPECT_FALSE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    std::vector<BiosRequest> log = sim_.Log();
    ASSERT_EQ(NamesOf(log), std::vector<std::string>{"CMOSChecksum"}) << Describe(log);
    EXPECT_EQ(log[0].bx, 0x0112) << "mode 1";
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window()));

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(EndsWithoutDialog()) << "nothing asked for a restart";
    log = sim_.Log();
    EXPECT_EQ(CountOf(log, "CMOSChecksum"), 1u) << Describe(log);
}

TEST_F(SheetProtocol, RestartPendingFromApplyIsOfferedAtOk) {
    ApplySilentBootOn();
    if (HasFatalFailure())
        return;
    std::vector<BiosRequest> log = sim_.Log();
    const int write = IndexOf(log, "EnableSilentBoot");
    ASSERT_GE(write, 0) << Describe(log);
    EXPECT_GT(IndexOf(log, "CMOSChecksum", write), write);
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window())) << "Apply offers no restart";

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressOk());
    HWND restart = WaitForDialogTitled(zepui::kRestartTitle);
    ASSERT_NE(restart, nullptr) << "the restart asked for by the Apply was not offered";
    EXPECT_EQ(TextOf(Control(restart, zepui::kRestartMessage)),
              "Do you want to restart your computer so the setting will take effect "
              "immediately? Otherwise, the setting will effect the next you boot the "
              "computer.");
    EXPECT_EQ(TextOf(Control(restart, IDOK)), "Yes");
    EXPECT_EQ(TextOf(Control(restart, IDCANCEL)), "No");
    log = sim_.Log();
    EXPECT_EQ(NamesOf(log), std::vector<std::string>{"CMOSChecksum"})
        << "OK wrote nothing again: " << Describe(log);

    ASSERT_TRUE(ClickLater(Control(restart, IDCANCEL)));
    EXPECT_TRUE(EndsWithoutDialog()) << "No still closes the sheet";
    EXPECT_EQ(sim_.Settings().silentBoot, 1) << "the applied setting stays written";
}

TEST_F(SheetProtocol, CancelAfterApplyWritesNothingMore) {
    ApplySilentBootOn();
    if (HasFatalFailure())
        return;
    const uint8_t memoryTest = sim_.Settings().memoryTest;
    ASSERT_TRUE(Click(sheet_.PageControl(zepui::kMemoryTestBox)));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressCancel());
    EXPECT_TRUE(EndsWithoutDialog()) << "Cancel offers no restart";
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_EQ(NamesOf(log), std::vector<std::string>{"SetHotkeyButton"}) << Describe(log);
    EXPECT_EQ(sim_.Settings().memoryTest, memoryTest);
}

TEST_F(SheetProtocol, LoadDefaultFailingShows330AndKeepsTheSheet) {
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sim_.FailFunction(zepui::kSetupGroup, zepui::kLoadDefaultFunction));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Confirm(zepui::kLoadDefaultCommand, zepui::kLoadDefaultTitle, true));
    ASSERT_TRUE(ExpectMessage(zepui::kNotImplementedMessage));
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window())) << "no restart after a failure";
    EXPECT_TRUE(sheet_.Exists());
    EXPECT_TRUE(zep_.Running());
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_EQ(NamesOf(log), std::vector<std::string>{"LoadSetupDefault"}) << Describe(log);
}

TEST_F(SheetProtocol, LoadDefaultAnsweredNoSendsNothing) {
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Confirm(zepui::kLoadDefaultCommand, zepui::kLoadDefaultTitle, false));
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window()));
    EXPECT_TRUE(sim_.Log().empty()) << Describe(sim_.Log());
}

TEST_F(SheetProtocol, LoadDefaultThenNoToRestartClosesTheSheetWithDefaultsLoaded) {
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) { s.silentBoot = 1; }));
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Confirm(zepui::kLoadDefaultCommand, zepui::kLoadDefaultTitle, true));
    HWND restart = WaitForDialogTitled(zepui::kRestartTitle);
    ASSERT_NE(restart, nullptr);
    ASSERT_TRUE(ClickLater(Control(restart, IDCANCEL)));
    EXPECT_TRUE(EndsWithoutDialog());
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_EQ(CountOf(log, "LoadSetupDefault"), 1u);
    EXPECT_EQ(CountOf(log, "CMOSChecksum"), 0u) << Describe(log);
    EXPECT_EQ(sim_.Settings().silentBoot, 0) << "the BIOS defaults were loaded";
}

TEST_F(SheetProtocol, LoadPreviousWritesWhatWasAppliedAndRereadsShownPages) {
    ApplySilentBootOn();
    if (HasFatalFailure())
        return;
    // Show the last page too, so the restore has to run through every page to reach it.
    const int last = sheet_.PageCount() - 1;
    ASSERT_TRUE(sheet_.SelectPage(last));
    ASSERT_TRUE(sheet_.SelectPage(zepui::kPostPage));
    // Someone else changes the BIOS behind the sheet's back.
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) {
        s.silentBoot = 0;
        s.memoryTest = 1;
    }));
    ASSERT_TRUE(sim_.ClearLog());

    ASSERT_TRUE(Confirm(zepui::kLoadPreviousCommand, zepui::kLoadPreviousTitle, true));
    const std::vector<BiosRequest> log = LogThroughChecksum();
    const int write = IndexOf(log, "EnableSilentBoot");
    ASSERT_EQ(write, 0) << "the applied value is written first: " << Describe(log);
    EXPECT_EQ(log[write].bx, 0x0116);
    EXPECT_EQ(CountOf(log, "EnableMemoryTest"), 0u) << "the memory test was never applied";
    const int memoryRead = IndexOf(log, "GetMemoryTest");
    const int silentRead = IndexOf(log, "GetSilentBoot");
    EXPECT_GT(memoryRead, write);
    EXPECT_GT(silentRead, write);
    EXPECT_EQ(log.back().name, "CMOSChecksum");
    EXPECT_EQ(log.back().bx, 0x0112);
    // The last page was shown, so it reloaded too: something beyond the POST page's
    // requests went out.
    const size_t postRequests = 1 + CountOf(log, "GetMemoryTest") + CountOf(log, "GetSilentBoot") +
                                CountOf(log, "CMOSChecksum");
    EXPECT_GT(log.size(), postRequests) << "the last page was not restored: " << Describe(log);

    EXPECT_TRUE(WaitUntil(
        [&] { return CheckState(sheet_.PageControl(zepui::kMemoryTestBox)) == BST_CHECKED; },
        kWindowMs))
        << "the page shows what the BIOS holds now";
    EXPECT_EQ(CheckState(sheet_.PageControl(zepui::kSilentBootBox)), BST_CHECKED);
    EXPECT_EQ(sim_.Settings().silentBoot, 1);
    EXPECT_FALSE(sheet_.ApplyEnabled());
    EXPECT_TRUE(sheet_.Exists());
}

TEST_F(SheetProtocol, LoadPreviousSkipsPagesNeverShown) {
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Confirm(zepui::kLoadPreviousCommand, zepui::kLoadPreviousTitle, true));
    const std::vector<BiosRequest> log = LogThroughChecksum();
    EXPECT_EQ(NamesOf(log), std::vector<std::string>{"CMOSChecksum"})
        << "only the information page was shown, and it edits nothing: " << Describe(log);
}

} // namespace
