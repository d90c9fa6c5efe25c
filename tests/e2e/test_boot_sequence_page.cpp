// The Boot Sequence page against the simulated notebook: the BIOS's list shown as the
// CD-ROM box and the drive order, the whole list written on Apply, no list without a
// drive ever written, and Load Previous writing back the last applied list.
#include "Controls.h"
#include "ZepTest.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace e2e;
using namespace zepui;

constexpr int kAThenC = 0, kAOnly = 1, kCOnly = 2, kCThenA = 3;

// The whole 16-byte list: the leading entries, then 0xFF.
std::vector<uint8_t> BootList(const std::vector<uint8_t>& leading) {
    std::vector<uint8_t> list(16, 0xFF);
    std::copy(leading.begin(), leading.end(), list.begin());
    return list;
}

class BootSequencePage : public ZepTest {
protected:
    // Makes the BIOS hold the list, past its own checks.
    bool Hold(const std::vector<uint8_t>& leading) {
        return sim_.Change([&](sim::BiosSettings& s) {
            std::memcpy(s.bootSequence, BootList(leading).data(), sizeof s.bootSequence);
        });
    }
    std::vector<uint8_t> Held() {
        const sim::BiosSettings s = sim_.Settings();
        return std::vector<uint8_t>(s.bootSequence, s.bootSequence + 16);
    }
    bool OpenWith(const std::vector<uint8_t>& leading) {
        return Hold(leading) && OpenPage(kBootPage);
    }
    HWND Box() { return sheet_.PageControl(kCdromBox); }
    HWND List() { return sheet_.PageControl(kSequenceList); }
    // The one list written since the log was cleared; empty when not exactly one.
    std::vector<uint8_t> Written() {
        const std::vector<BiosRequest> writes = Requests({"SetBootSeq"});
        return writes.size() == 1 ? writes[0].buffer : std::vector<uint8_t>();
    }
};

TEST_F(BootSequencePage, ShowsTheBiosListAndWritesChoicesAsAWholeList) {
    ASSERT_TRUE(OpenWith({2, 1, 0}));
    EXPECT_EQ(TextOf(sheet_.PageControl(kPageTitle)), "Boot Sequence");
    EXPECT_EQ(TextOf(Box()), "Set CD-ROM as a bootable device");
    EXPECT_EQ(ItemText(List(), kAThenC), "Drive A then Drive C");
    EXPECT_EQ(ItemText(List(), kCThenA), "Drive C then Drive A");
    EXPECT_EQ(ItemText(List(), 4), "") << "four orders only";
    EXPECT_EQ(CheckState(Box()), BST_CHECKED);
    EXPECT_EQ(SelectedIndex(List()), kCThenA);
    EXPECT_EQ(Names(sim_.Log()), "GetBootSeq");
    EXPECT_FALSE(sheet_.ApplyEnabled());

    ASSERT_TRUE(Click(Box()));
    ASSERT_TRUE(ChooseItem(List(), kAOnly));
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(Written(), BootList({0})) << Describe(sim_.Log());
    EXPECT_EQ(Held(), BootList({0}));

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

TEST_F(BootSequencePage, ListWithoutADriveIsNeverWrittenAndThePageShowsTheBiosListAgain) {
    // The BIOS boots from the CD-ROM only; the user clears the box and applies.
    ASSERT_TRUE(OpenWith({2}));
    EXPECT_EQ(CheckState(Box()), BST_CHECKED);
    EXPECT_EQ(SelectedIndex(List()), -1);
    ASSERT_TRUE(Click(Box()));
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(Requests({"SetBootSeq"}).size(), 0u) << Describe(sim_.Log());
    EXPECT_EQ(Held(), BootList({2})) << "the BIOS keeps its list";
    EXPECT_EQ(CheckState(Box()), BST_CHECKED);
    EXPECT_EQ(CountOf(sim_.Log(), "GetBootSeq"), 2u) << Describe(sim_.Log());
    EXPECT_FALSE(sheet_.ApplyEnabled());
    // Nothing was written, so OK has no restart to offer.
    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(EndsWithoutDialog());
}

TEST_F(BootSequencePage, LoadPreviousWritesBackTheLastAppliedListOnce) {
    ASSERT_TRUE(OpenWith({0, 1}));
    ASSERT_TRUE(LoadPrevious());
    EXPECT_EQ(CountOf(LogThroughChecksum(), "SetBootSeq"), 0u) << "nothing applied yet";

    ASSERT_TRUE(Click(Box()));
    ASSERT_TRUE(ChooseItem(List(), kCThenA));
    ASSERT_TRUE(sheet_.PressApply());
    ASSERT_TRUE(Hold({0})); // changed behind the sheet's back
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
    ASSERT_TRUE(Hold({2, 1}));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    EXPECT_EQ(CountOf(LogThroughChecksum(), "SetBootSeq"), 0u);
    EXPECT_EQ(SelectedIndex(List()), kCOnly);
}

} // namespace
