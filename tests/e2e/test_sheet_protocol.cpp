// The sheet's write-back protocol: Apply and OK apply every page in tab order and end
// with the CMOS checksum, a restart is offered when a change needs one (also one
// applied earlier), Cancel and the close box write nothing, and the right-click menu:
// Load Default, Load Previous and About.
#include "ZepTest.h"

namespace {

using namespace e2e;
using namespace zepui;

class SheetProtocol : public ZepTest {};

TEST_F(SheetProtocol, ApplyWritesEveryPageInTabOrderAndOkOffersTheRestartItAskedFor) {
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sim_.ClearLog());
    EXPECT_FALSE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    std::vector<BiosRequest> log = sim_.Log();
    ASSERT_EQ(Names(log), "CMOSChecksum");
    EXPECT_EQ(log[0].bx, 0x0112) << "mode 1";
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window()));

    // A change on the POST page, which needs a restart, and one on a later page.
    ASSERT_TRUE(sheet_.SelectPage(kPostPage));
    ASSERT_TRUE(Click(sheet_.PageControl(kSilentBootBox)));
    ASSERT_TRUE(sheet_.SelectPage(kDisplayPage));
    ASSERT_TRUE(Click(sheet_.PageControl(kBootBoth)));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_FALSE(sheet_.ApplyEnabled());
    log = sim_.Log();
    EXPECT_EQ(Names(log), "EnableSilentBoot, SetBootDisplay, CMOSChecksum");
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window())) << "Apply offers no restart";

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressOk());
    HWND restart = WaitForDialogTitled(kRestartTitle);
    ASSERT_NE(restart, nullptr) << "the restart asked for by the Apply was not offered";
    EXPECT_EQ(TextOf(Control(restart, kRestartMessage)),
              "Do you want to restart your computer so the setting will take effect "
              "immediately? Otherwise, the setting will effect the next you boot the "
              "computer.");
    EXPECT_EQ(TextOf(Control(restart, IDOK)), "Yes");
    EXPECT_EQ(TextOf(Control(restart, IDCANCEL)), "No");
    EXPECT_EQ(Names(sim_.Log()), "CMOSChecksum") << "OK wrote nothing again";
    // The prompt's close box answers No, which still closes the sheet.
    PostMessageA(restart, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(EndsWithoutDialog());
    EXPECT_EQ(Names(sim_.Log()), "CMOSChecksum, SetHotkeyButton") << "the sheet's own end";
    EXPECT_EQ(sim_.Settings().silentBoot, 1) << "the applied setting stays written";
    EXPECT_EQ(sim_.Settings().bootDisplay, 2);
}

TEST_F(SheetProtocol, CloseBoxAfterApplyWritesNothingMoreAndOffersNoRestart) {
    ASSERT_TRUE(OpenPage(kPostPage));
    ASSERT_TRUE(Click(sheet_.PageControl(kSilentBootBox)));
    ASSERT_TRUE(sheet_.PressApply());
    const uint8_t memoryTest = sim_.Settings().memoryTest;
    ASSERT_TRUE(Click(sheet_.PageControl(kMemoryTestBox)));
    ASSERT_TRUE(sim_.ClearLog());
    PostMessageA(sheet_.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(EndsWithoutDialog());
    EXPECT_EQ(Names(sim_.Log()), "SetHotkeyButton");
    EXPECT_EQ(sim_.Settings().memoryTest, memoryTest);
}

TEST_F(SheetProtocol, LoadDefaultAnsweredNoFailingAndThenLoaded) {
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) { s.silentBoot = 1; }));
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sim_.ClearLog());
    std::string message;
    ASSERT_TRUE(Confirm(kLoadDefaultCommand, kLoadDefaultTitle, false, &message));
    EXPECT_EQ(message.rfind("The system must reboot after loading default BIOS settings.\n", 0), 0u)
        << message;
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window()));
    EXPECT_TRUE(sim_.Log().empty()) << "No sends nothing: " << Describe(sim_.Log());

    ASSERT_TRUE(sim_.FailFunction(kSetupGroup, kLoadDefaultFunction, 1));
    ASSERT_TRUE(Confirm(kLoadDefaultCommand, kLoadDefaultTitle, true));
    ASSERT_TRUE(ExpectMessage(kNotImplementedMessage));
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window())) << "no restart after a failure";
    EXPECT_TRUE(sheet_.Exists());
    EXPECT_EQ(Names(sim_.Log()), "LoadSetupDefault");
    EXPECT_EQ(sim_.Settings().silentBoot, 1);

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Confirm(kLoadDefaultCommand, kLoadDefaultTitle, true));
    ASSERT_TRUE(DeclineRestart());
    EXPECT_TRUE(EndsWithoutDialog());
    EXPECT_EQ(Names(sim_.Log()), "LoadSetupDefault, SetHotkeyButton") << "no checksum";
    EXPECT_EQ(sim_.Settings().silentBoot, 0) << "the BIOS defaults were loaded";
}

TEST_F(SheetProtocol, LoadPreviousWritesWhatWasAppliedAndRereadsTheShownPages) {
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Confirm(kLoadPreviousCommand, kLoadPreviousTitle, false));
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window()));
    EXPECT_TRUE(sim_.Log().empty()) << "No sends nothing: " << Describe(sim_.Log());
    std::string message;
    ASSERT_TRUE(Confirm(kLoadPreviousCommand, kLoadPreviousTitle, true, &message));
    EXPECT_EQ(message.rfind("Loading Previous Settings restore", 0), 0u) << message;
    std::vector<BiosRequest> log = LogThroughChecksum();
    EXPECT_EQ(Names(log), "CMOSChecksum")
        << "only the information page was shown, and it edits nothing";

    ASSERT_TRUE(sheet_.SelectPage(kPostPage));
    ASSERT_TRUE(Click(sheet_.PageControl(kSilentBootBox)));
    ASSERT_TRUE(sheet_.PressApply());
    // Show the last page too, so the restore has to run through every page to reach it.
    ASSERT_TRUE(sheet_.SelectPage(sheet_.PageCount() - 1));
    ASSERT_TRUE(sheet_.SelectPage(kPostPage));
    // Someone else changes the BIOS behind the sheet's back.
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) {
        s.silentBoot = 0;
        s.memoryTest = 1;
    }));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    log = LogThroughChecksum();
    ASSERT_EQ(IndexOf(log, "EnableSilentBoot"), 0) << "the applied value first: " << Describe(log);
    EXPECT_EQ(log[0].bx, 0x0116);
    EXPECT_EQ(CountOf(log, "EnableMemoryTest"), 0u) << "the memory test was never applied";
    EXPECT_GT(IndexOf(log, "GetMemoryTest"), 0);
    EXPECT_GT(IndexOf(log, "GetSilentBoot"), 0);
    EXPECT_EQ(log.back().name, "CMOSChecksum");
    EXPECT_EQ(log.back().bx, 0x0112);
    // The last page was shown, so it reloaded too: more than the POST page's requests.
    EXPECT_GT(log.size(), 4u) << "the last page was not restored: " << Describe(log);

    EXPECT_TRUE(WaitUntil(
        [&] { return CheckState(sheet_.PageControl(kMemoryTestBox)) == BST_CHECKED; }, kWindowMs))
        << "the page shows what the BIOS holds now";
    EXPECT_EQ(CheckState(sheet_.PageControl(kSilentBootBox)), BST_CHECKED);
    EXPECT_EQ(sim_.Settings().silentBoot, 1);
    EXPECT_FALSE(sheet_.ApplyEnabled());
    EXPECT_TRUE(sheet_.Exists());
}

TEST_F(SheetProtocol, RightClickMenuOpensTheAboutBox) {
    ASSERT_NE(StartToSheet(), nullptr);
    HWND menu = nullptr;
    ASSERT_TRUE(sheet_.OpenContextMenu());
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindOpenMenu(zep_.Id())) != nullptr; }, kWindowMs));
    ASSERT_TRUE(ChooseMenuItem(menu, kAboutMenuItem));
    HWND about = WaitForDialogTitled(kAboutTitle);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(TextOf(Control(about, kAboutProduct)), "Tarvell");
    EXPECT_EQ(TextOf(Control(about, kAboutVersion)), "Version 1.10") << "zep.exe's own version";
    EXPECT_EQ(TextOf(Control(about, kAboutRights)), "Copyright (C) Tarvell. All rights reserved.");
    EXPECT_EQ(TextOf(Control(about, IDOK)), "OK");
    ASSERT_TRUE(ClickLater(Control(about, IDOK)));
    EXPECT_TRUE(WaitUntilGone(about, kWindowMs));
    EXPECT_TRUE(sheet_.Exists());
}

} // namespace
