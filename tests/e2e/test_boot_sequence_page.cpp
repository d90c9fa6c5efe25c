// The Boot Sequence page against the simulated notebook: lists of every shape shown as
// the CD-ROM box and the drive order, the whole list written on Apply, no list without
// a drive ever written, and Load Previous writing back the last applied list.
#include "SettingsPageTest.h"

namespace {

using namespace e2e;
using namespace settingspages;

constexpr int kAThenC = 0, kAOnly = 1, kCOnly = 2, kCThenA = 3;

class BootSequencePage : public SettingsPageTest {
protected:
    // Makes the BIOS hold the list, then opens the page.
    void OpenWith(const std::vector<uint8_t>& leading) {
        ASSERT_TRUE(HoldBootList(leading));
        OpenPage(kBootPage);
    }
    HWND Box() { return sheet_.PageControl(kCdromBox); }
    HWND List() { return sheet_.PageControl(kSequenceList); }
    std::vector<uint8_t> Written() {
        const std::vector<BiosRequest> writes = Requests("SetBootSeq");
        return writes.size() == 1 ? writes[0].buffer : std::vector<uint8_t>();
    }
};

TEST_F(BootSequencePage, ShowsTheBiosListWithItsTexts) {
    OpenWith({2, 1, 0});
    if (HasFatalFailure())
        return;
    EXPECT_EQ(TextOf(sheet_.PageControl(kPageTitle)), "Boot Sequence");
    EXPECT_EQ(TextOf(Box()), "Set CD-ROM as a bootable device");
    EXPECT_EQ(ItemText(List(), 0), "Drive A then Drive C");
    EXPECT_EQ(ItemText(List(), 3), "Drive C then Drive A");
    EXPECT_EQ(ItemText(List(), 4), "") << "four orders only";
    EXPECT_EQ(CheckState(Box()), BST_CHECKED);
    EXPECT_EQ(SelectedIndex(List()), kCThenA);
    EXPECT_EQ(NamesOf(sim_.Log()), std::vector<std::string>{"GetBootSeq"}) << Describe(sim_.Log());
    EXPECT_FALSE(sheet_.ApplyEnabled());
}

TEST_F(BootSequencePage, ChoicesAreWrittenAsAWholeListAndOfferARestart) {
    OpenWith({0, 1, 2}); // the CD-ROM last: none of the four forms
    if (HasFatalFailure())
        return;
    EXPECT_EQ(CheckState(Box()), BST_UNCHECKED);
    EXPECT_EQ(SelectedIndex(List()), -1);
    ASSERT_TRUE(ChooseItem(List(), kAOnly));
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(Written(), BootList({0})) << Describe(sim_.Log());
    EXPECT_EQ(HeldBootList(), BootList({0}));

    // The box ticked and cleared again still counts: the same list goes out again.
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Click(Box()));
    ASSERT_TRUE(Click(Box()));
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(Written(), BootList({0})) << Describe(sim_.Log());

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Click(Box()));
    ASSERT_TRUE(ChooseItem(List(), kAThenC));
    ASSERT_TRUE(sheet_.PressOk());
    ASSERT_TRUE(DeclineRestart());
    EXPECT_TRUE(EndsWithoutDialog());
    EXPECT_EQ(Written(), BootList({2, 0, 1})) << Describe(sim_.Log());
    EXPECT_GT(IndexOf(sim_.Log(), "CMOSChecksum"), IndexOf(sim_.Log(), "SetBootSeq"));
}

TEST_F(BootSequencePage, ListWithoutADriveIsNeverWritten) {
    // The BIOS boots from the CD-ROM only; the user clears the box and applies.
    OpenWith({2});
    if (HasFatalFailure())
        return;
    EXPECT_EQ(CheckState(Box()), BST_CHECKED);
    EXPECT_EQ(SelectedIndex(List()), -1);
    ASSERT_TRUE(Click(Box()));
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(Requests("SetBootSeq").size(), 0u) << Describe(sim_.Log());
    EXPECT_EQ(HeldBootList(), BootList({2})) << "the BIOS keeps its list";
    EXPECT_EQ(CheckState(Box()), BST_CHECKED) << "the page shows the BIOS's list again";
    EXPECT_EQ(CountOf(sim_.Log(), "GetBootSeq"), 2u) << Describe(sim_.Log());
    EXPECT_FALSE(sheet_.ApplyEnabled());
    // Nothing was written, so OK has no restart to offer.
    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(EndsWithoutDialog());
}

TEST_F(BootSequencePage, ListOfNoFormKeepsItsDrivesUntilAnOrderIsChosen) {
    OpenWith({1, 2, 0});
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Click(Box()));
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(Requests("SetBootSeq").size(), 0u) << Describe(sim_.Log());
    EXPECT_EQ(HeldBootList(), BootList({1, 2, 0}));
    EXPECT_EQ(CheckState(Box()), BST_UNCHECKED);
    ASSERT_TRUE(ChooseItem(List(), kCOnly));
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(HeldBootList(), BootList({1}));
}

TEST_F(BootSequencePage, LoadPreviousWritesBackTheLastAppliedListOnce) {
    OpenWith({0, 1});
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    EXPECT_EQ(CountOf(LogThroughChecksum(), "SetBootSeq"), 0u) << "nothing applied yet";

    ASSERT_TRUE(Click(Box()));
    ASSERT_TRUE(ChooseItem(List(), kCThenA));
    ASSERT_TRUE(sheet_.PressApply());
    ASSERT_TRUE(HoldBootList({0})); // changed behind the sheet's back
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    const std::vector<BiosRequest> log = LogThroughChecksum();
    const int write = IndexOf(log, "SetBootSeq");
    ASSERT_GE(write, 0) << Describe(log);
    EXPECT_EQ(log[write].buffer, BootList({2, 1, 0}));
    EXPECT_GT(IndexOf(log, "GetBootSeq", write), write) << "re-read after the write";
    EXPECT_EQ(CheckState(Box()), BST_CHECKED);
    EXPECT_EQ(SelectedIndex(List()), kCThenA);
    EXPECT_FALSE(sheet_.ApplyEnabled());

    // The restore forgot the apply: a second one only re-reads.
    ASSERT_TRUE(HoldBootList({2, 1}));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    EXPECT_EQ(CountOf(LogThroughChecksum(), "SetBootSeq"), 0u);
    EXPECT_EQ(SelectedIndex(List()), kCOnly);
}

} // namespace
