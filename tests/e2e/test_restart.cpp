// The whole way of one change: tick "Enable Silent Boot", OK, Yes to the restart. Under
// Wine the restart request ends every program with windows in the session (this test
// program has none and stays); the setting must be in the BIOS for the next run.
#include "ZepTest.h"

namespace {

using namespace e2e;

// The session's programs are shut down, not closed: allow for the shut-down's own
// waiting, and for the next program meeting a cold desktop.
constexpr DWORD kSessionEndMs = 60000;

class Restart : public ZepTest {};

TEST_F(Restart, SilentBootTickedOkAndYesIsWrittenAndReadBackNextRun) {
    ASSERT_TRUE(OpenPage(zepui::kPostPage));
    ASSERT_EQ(CheckState(sheet_.PageControl(zepui::kSilentBootBox)), BST_UNCHECKED);
    ASSERT_TRUE(Click(sheet_.PageControl(zepui::kSilentBootBox)));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressOk());
    HWND restart = WaitForDialogTitled(zepui::kRestartTitle);
    ASSERT_NE(restart, nullptr);

    EXPECT_EQ(Names(sim_.Log()), "EnableSilentBoot, CMOSChecksum");

    ASSERT_TRUE(ClickLater(Control(restart, IDOK)));
    ASSERT_TRUE(zep_.WaitForExit(kSessionEndMs)) << "the restart did not end the program";
    zep_.Release();
    SessionRestarted();

    // Every way out turns the hot-key button on again, the shut-down included.
    const std::vector<BiosRequest> log = sim_.Log();
    ASSERT_GT(log.size(), 2u) << Describe(log);
    EXPECT_EQ(log[2].name, "SetHotkeyButton");
    EXPECT_EQ(log[2].bh, 1);
    EXPECT_EQ(sim_.Settings().hotkeyButton, 1);
    EXPECT_EQ(sim_.Settings().silentBoot, 1);

    // The next run reads the setting back from the BIOS.
    ASSERT_TRUE(OpenPage(zepui::kPostPage));
    EXPECT_EQ(CheckState(sheet_.PageControl(zepui::kSilentBootBox)), BST_CHECKED);
    EXPECT_EQ(Names(sim_.Log()), "GetMemoryTest, GetSilentBoot");
    ASSERT_TRUE(sheet_.PressCancel());
    EXPECT_TRUE(EndsWithoutDialog());
}

} // namespace
