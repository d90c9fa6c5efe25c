// The POST page: reads both options when first shown, keeps changes pending until the
// sheet applies them, writes only what changed (silent boot first), and a failed read
// leaves its box as it was without a message.
#include "ZepTest.h"
#include "ZepUi.h"

namespace {

using namespace e2e;

class PostPage : public ZepTest {
protected:
    // Sets the two options in the BIOS and opens the POST page.
    void OpenWith(uint8_t memoryTest, uint8_t silentBoot) {
        ASSERT_TRUE(sim_.Change(memoryTest ? SetMemoryTest : ClearMemoryTest));
        ASSERT_TRUE(sim_.Change(silentBoot ? SetSilentBoot : ClearSilentBoot));
        ASSERT_NE(StartToSheet(), nullptr);
        ASSERT_TRUE(sim_.ClearLog());
        ASSERT_TRUE(sheet_.SelectPage(zepui::kPostPage));
    }
    HWND MemoryTestBox() { return sheet_.PageControl(zepui::kMemoryTestBox); }
    HWND SilentBootBox() { return sheet_.PageControl(zepui::kSilentBootBox); }

    // Writes the page sent, in order, leaving out reads and the checksum.
    std::vector<BiosRequest> Writes() {
        std::vector<BiosRequest> writes;
        for (const BiosRequest& request : sim_.Log()) {
            if (request.name == "EnableMemoryTest" || request.name == "EnableSilentBoot")
                writes.push_back(request);
        }
        return writes;
    }

    static void SetMemoryTest(sim::BiosSettings& s) { s.memoryTest = 1; }
    static void ClearMemoryTest(sim::BiosSettings& s) { s.memoryTest = 0; }
    static void SetSilentBoot(sim::BiosSettings& s) { s.silentBoot = 1; }
    static void ClearSilentBoot(sim::BiosSettings& s) { s.silentBoot = 0; }
};

TEST_F(PostPage, ShowsTheBiosValuesReadOnceWhenFirstShown) {
    OpenWith(1, 0);
    if (HasFatalFailure())
        return;
    EXPECT_EQ(TextOf(sheet_.PageControl(zepui::kPageTitle)), "POST");
    EXPECT_EQ(TextOf(MemoryTestBox()), "Enable memory test during POST");
    EXPECT_EQ(TextOf(SilentBootBox()), "Enable Silent Boot");
    EXPECT_EQ(CheckState(MemoryTestBox()), BST_CHECKED);
    EXPECT_EQ(CheckState(SilentBootBox()), BST_UNCHECKED);
    EXPECT_FALSE(sheet_.ApplyEnabled());
    EXPECT_EQ(NamesOf(sim_.Log()), (std::vector<std::string>{"GetMemoryTest", "GetSilentBoot"}))
        << Describe(sim_.Log());

    // Coming back to the page reads nothing again.
    ASSERT_TRUE(sheet_.SelectPage(zepui::kInfoPage));
    ASSERT_TRUE(sheet_.SelectPage(zepui::kPostPage));
    EXPECT_EQ(sim_.Log().size(), 2u) << Describe(sim_.Log());
}

TEST_F(PostPage, OnlySilentBootChangedWritesOnlySilentBootAndASecondApplyNothing) {
    OpenWith(1, 0);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Click(SilentBootBox()));
    EXPECT_TRUE(sim_.Log().size() == 2u) << "a click writes nothing: " << Describe(sim_.Log());
    ASSERT_TRUE(sheet_.PressApply());
    std::vector<BiosRequest> writes = Writes();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].ax, 0x9610);
    EXPECT_EQ(writes[0].bx, 0x0116);
    EXPECT_EQ(sim_.Settings().silentBoot, 1);
    EXPECT_EQ(sim_.Settings().memoryTest, 1);

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    EXPECT_EQ(NamesOf(sim_.Log()), std::vector<std::string>{"CMOSChecksum"})
        << "nothing was pending any more: " << Describe(sim_.Log());
}

TEST_F(PostPage, BothChangedWritesSilentBootBeforeTheMemoryTest) {
    OpenWith(1, 0);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Click(MemoryTestBox()));
    ASSERT_TRUE(Click(SilentBootBox()));
    ASSERT_TRUE(sheet_.PressApply());
    const std::vector<BiosRequest> writes = Writes();
    ASSERT_EQ(writes.size(), 2u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].bx, 0x0116);
    EXPECT_EQ(writes[1].bx, 0x0015);
    EXPECT_EQ(sim_.Log().back().name, "CMOSChecksum");
    EXPECT_EQ(sim_.Settings().memoryTest, 0);
    EXPECT_EQ(sim_.Settings().silentBoot, 1);
}

TEST_F(PostPage, TickedAndClearedAgainWritesTheFinalValueAndOffersARestart) {
    OpenWith(0, 0);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Click(MemoryTestBox()));
    ASSERT_TRUE(Click(MemoryTestBox()));
    EXPECT_EQ(CheckState(MemoryTestBox()), BST_UNCHECKED);
    EXPECT_TRUE(sheet_.ApplyEnabled()) << "being changed counts, not the value";

    ASSERT_TRUE(sheet_.PressOk());
    HWND restart = WaitForDialogTitled(zepui::kRestartTitle);
    ASSERT_NE(restart, nullptr) << "a changed POST page asks for a restart";
    const std::vector<BiosRequest> writes = Writes();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].bx, 0x0015) << "memory test written as 0";
    ASSERT_TRUE(ClickLater(Control(restart, IDCANCEL)));
    EXPECT_TRUE(EndsWithoutDialog());
}

TEST_F(PostPage, FailedReadLeavesTheBoxClearWithoutAMessage) {
    ASSERT_TRUE(sim_.FailFunction(zepui::kSetupGroup, zepui::kSilentBootFunction, 1));
    OpenWith(1, 1);
    if (HasFatalFailure())
        return;
    EXPECT_EQ(CheckState(SilentBootBox()), BST_UNCHECKED) << "the read failed";
    EXPECT_EQ(CheckState(MemoryTestBox()), BST_CHECKED);
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window()));
    EXPECT_FALSE(sheet_.ApplyEnabled());
}

} // namespace
