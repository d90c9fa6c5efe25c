// The POST page: reads both options when first shown, keeps changes pending until the
// sheet applies them, writes only what changed, and a failed read leaves its box as it
// was without a message.
#include "ZepTest.h"

namespace {

using namespace e2e;
using namespace zepui;

class PostPage : public ZepTest {
protected:
    // Sets the two options in the BIOS and opens the POST page.
    bool OpenWith(uint8_t memoryTest, uint8_t silentBoot) {
        return sim_.Change([&](sim::BiosSettings& s) {
            s.memoryTest = memoryTest;
            s.silentBoot = silentBoot;
        }) && OpenPage(kPostPage);
    }
    HWND MemoryTestBox() { return sheet_.PageControl(kMemoryTestBox); }
    HWND SilentBootBox() { return sheet_.PageControl(kSilentBootBox); }
    std::vector<BiosRequest> Writes() { return Requests({"EnableMemoryTest", "EnableSilentBoot"}); }
};

TEST_F(PostPage, ShowsTheBiosValuesAndWritesOnlyWhatChangedOnApply) {
    ASSERT_TRUE(OpenWith(1, 0));
    EXPECT_EQ(TextOf(sheet_.PageControl(kPageTitle)), "POST");
    EXPECT_EQ(TextOf(MemoryTestBox()), "Enable memory test during POST");
    EXPECT_EQ(TextOf(SilentBootBox()), "Enable Silent Boot");
    EXPECT_EQ(CheckState(MemoryTestBox()), BST_CHECKED);
    EXPECT_EQ(CheckState(SilentBootBox()), BST_UNCHECKED);
    EXPECT_FALSE(sheet_.ApplyEnabled());
    EXPECT_EQ(Names(sim_.Log()), "GetMemoryTest, GetSilentBoot");
    // Coming back to the page reads nothing again; a click writes nothing.
    ASSERT_TRUE(sheet_.SelectPage(kInfoPage));
    ASSERT_TRUE(sheet_.SelectPage(kPostPage));
    ASSERT_TRUE(Click(SilentBootBox()));
    EXPECT_EQ(sim_.Log().size(), 2u) << Describe(sim_.Log());

    ASSERT_TRUE(sheet_.PressApply());
    std::vector<BiosRequest> writes = Writes();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].ax, 0x9610);
    EXPECT_EQ(writes[0].bx, 0x0116);
    EXPECT_EQ(sim_.Settings().silentBoot, 1);
    EXPECT_EQ(sim_.Settings().memoryTest, 1);
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    EXPECT_EQ(Names(sim_.Log()), "CMOSChecksum") << "nothing was pending any more";

    // Cleared and ticked again: being changed counts, not the value.
    ASSERT_TRUE(Click(MemoryTestBox()));
    ASSERT_TRUE(Click(MemoryTestBox()));
    EXPECT_EQ(CheckState(MemoryTestBox()), BST_CHECKED);
    EXPECT_TRUE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressOk());
    ASSERT_TRUE(DeclineRestart());
    writes = Writes();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].bx, 0x0115) << "the memory test written as 1";
    EXPECT_TRUE(EndsWithoutDialog());
}

TEST_F(PostPage, FailedReadLeavesTheBoxClearWithoutAMessage) {
    ASSERT_TRUE(sim_.FailFunction(kSetupGroup, kSilentBootFunction, 1));
    ASSERT_TRUE(OpenWith(1, 1));
    EXPECT_EQ(CheckState(SilentBootBox()), BST_UNCHECKED) << "the read failed";
    EXPECT_EQ(CheckState(MemoryTestBox()), BST_CHECKED);
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window()));
    EXPECT_FALSE(sheet_.ApplyEnabled());
}

} // namespace
