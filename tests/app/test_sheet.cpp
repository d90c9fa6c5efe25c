// The settings sheet's protocol without its window: Apply and OK over every page,
// the restart offer, Load Default, Load Previous, and the page set it owns.
#include "AllControlsSheet.h"

#include "DriverChannel.h"
#include "ShellTestSupport.h"
#include "SimDevice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace shelltest;
using Events = std::vector<std::string>;

namespace {

const PageFactory kFivePages[] = {MakeFakePage<0>, MakeFakePage<1>, MakeFakePage<2>,
                                  MakeFakePage<3>, MakeFakePage<4>};

// The sheet with its dialogs answered by the test and every step recorded.
class TestSheet : public CAllControlsSheet {
public:
    TestSheet(Timeline& timeline, PageTable pages = {kFivePages, 5})
        : CAllControlsSheet("Tarvell", nullptr, 0, pages), m_timeline(timeline) {}

    using CAllControlsSheet::OnApplyNow;
    using CAllControlsSheet::OnLoadDefault;
    using CAllControlsSheet::OnLoadPrevious;
    using CAllControlsSheet::OnOK;

    INT_PTR confirmAnswer = IDOK;
    INT_PTR restartAnswer = IDOK;
    int restartResult = 1;

protected:
    INT_PTR RunLoadSettingsDlg(uint8_t mode) override {
        m_timeline.Note("confirm mode " + std::to_string(mode));
        return confirmAnswer;
    }
    INT_PTR RunRestartDlg() override {
        m_timeline.Note("restart prompt");
        return restartAnswer;
    }
    int RunRestartWindows() override {
        m_timeline.Note("restart windows");
        return restartResult;
    }
    void ShowMessage(UINT stringId) override {
        m_timeline.Note("message " + std::to_string(stringId));
    }
    void RunAboutDlg() override { m_timeline.Note("about"); }
    void EndDialog(int result) override {
        m_timeline.Note(result == IDOK       ? "end IDOK"
                        : result == IDCANCEL ? "end IDCANCEL"
                                             : "end ?");
    }

private:
    Timeline& m_timeline;
};

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFakePages();
        ASSERT_TRUE(OpenDriver());
        m_timeline.Start();
    }
    void TearDown() override { CloseDriver(); }

    // The page journal after construction (the sheet's own entries only).
    Events Pages() const { return PageJournal(); }

    simdevice::ScopedSimDevice m_sim;
    Timeline m_timeline;
};

const Events kApplyEveryPage = {"apply 0", "apply 1", "apply 2", "apply 3", "apply 4"};

TEST_F(SheetTest, ApplyWithoutChangesStillAppliesEveryPageAndChecksums) {
    TestSheet sheet(m_timeline);

    sheet.OnApplyNow();

    EXPECT_EQ(kApplyEveryPage, Pages());
    EXPECT_EQ((Events{"CMOSChecksum 1"}), m_timeline.Events());
    EXPECT_FALSE(sheet.IsRestartPending());
}

TEST_F(SheetTest, ApplyAllPagesAsksEveryPageEvenAfterOneWantsARestart) {
    TestSheet sheet(m_timeline);
    SetApplyAnswer(1, 1);

    EXPECT_EQ(1, sheet.ApplyAllPages());

    EXPECT_EQ(kApplyEveryPage, Pages()) << "no early exit";
    EXPECT_EQ((Events{"CMOSChecksum 1"}), m_timeline.Events()) << "checksum after every page";
}

TEST_F(SheetTest, RestartWishOfAnApplyCarriesOverToOk) {
    TestSheet sheet(m_timeline);
    SetApplyAnswer(4, 1);
    sheet.OnApplyNow();
    EXPECT_TRUE(sheet.IsRestartPending());
    EXPECT_EQ((Events{"CMOSChecksum 1"}), m_timeline.Events()) << "Apply offers no restart";

    SetApplyAnswer(4, 0);
    m_timeline.Start();
    sheet.OnOK();

    EXPECT_EQ((Events{"CMOSChecksum 1", "restart prompt", "restart windows", "end IDOK"}),
              m_timeline.Events());
}

TEST_F(SheetTest, OkWithoutRestartWishClosesWithoutPrompt) {
    TestSheet sheet(m_timeline);

    sheet.OnOK();

    EXPECT_EQ(kApplyEveryPage, Pages());
    EXPECT_EQ((Events{"CMOSChecksum 1", "end IDOK"}), m_timeline.Events());
}

TEST_F(SheetTest, RestartDeclinedAfterOkStillClosesWithOk) {
    TestSheet sheet(m_timeline);
    SetApplyAnswer(2, 1);
    sheet.restartAnswer = IDCANCEL;

    sheet.OnOK();

    EXPECT_EQ((Events{"CMOSChecksum 1", "restart prompt", "end IDOK"}), m_timeline.Events());
    EXPECT_TRUE(sheet.IsRestartPending());
}

TEST_F(SheetTest, FailedRestartAfterOkIsSilent) {
    TestSheet sheet(m_timeline);
    SetApplyAnswer(0, 1);
    sheet.restartResult = 0;

    sheet.OnOK();

    EXPECT_EQ((Events{"CMOSChecksum 1", "restart prompt", "restart windows", "end IDOK"}),
              m_timeline.Events());
}

TEST_F(SheetTest, LoadDefaultDeclinedDoesNothing) {
    TestSheet sheet(m_timeline);
    sheet.confirmAnswer = IDCANCEL;

    sheet.OnLoadDefault();

    EXPECT_EQ((Events{"confirm mode 0"}), m_timeline.Events());
    EXPECT_TRUE(Pages().empty());
}

TEST_F(SheetTest, LoadDefaultThatFailsShowsMessage330AndKeepsTheSheetOpen) {
    TestSheet sheet(m_timeline);
    sim::Fault fault = {};
    fault.kind = sim::kFaultStatus;
    fault.ax = 0x9610;
    fault.bl = 0x14;
    m_sim.bios().ArmFault(fault);

    sheet.OnLoadDefault();

    EXPECT_EQ((Events{"confirm mode 0", "LoadSetupDefault", "message 330"}), m_timeline.Events());
}

TEST_F(SheetTest, LoadDefaultWritesNoPageAndNoChecksum) {
    TestSheet sheet(m_timeline);
    sheet.restartAnswer = IDCANCEL;

    sheet.OnLoadDefault();

    EXPECT_EQ((Events{"confirm mode 0", "LoadSetupDefault", "restart prompt", "end IDCANCEL"}),
              m_timeline.Events());
    EXPECT_TRUE(Pages().empty());
}

TEST_F(SheetTest, LoadDefaultClosesWithCancelOnlyWhenTheRestartIsNotUnderWay) {
    {
        TestSheet sheet(m_timeline);
        sheet.OnLoadDefault();
        EXPECT_EQ(
            (Events{"confirm mode 0", "LoadSetupDefault", "restart prompt", "restart windows"}),
            m_timeline.Events())
            << "a requested restart leaves the sheet open until the system ends the program";
    }
    m_timeline.Start();
    {
        TestSheet sheet(m_timeline);
        sheet.restartResult = 0;
        sheet.OnLoadDefault();
        EXPECT_EQ((Events{"confirm mode 0", "LoadSetupDefault", "restart prompt", "restart windows",
                          "end IDCANCEL"}),
                  m_timeline.Events());
    }
}

TEST_F(SheetTest, LoadPreviousRestoresEveryPageThenChecksums) {
    TestSheet sheet(m_timeline);
    SetApplyAnswer(3, 1);
    sheet.OnApplyNow();
    PageJournal().clear();
    m_timeline.Start();

    sheet.OnLoadPrevious();

    EXPECT_EQ((Events{"restore 0", "restore 1", "restore 2", "restore 3", "restore 4"}), Pages());
    EXPECT_EQ((Events{"confirm mode 1", "CMOSChecksum 1"}), m_timeline.Events());
    EXPECT_TRUE(sheet.IsRestartPending()) << "Load Previous leaves the restart wish alone";
}

TEST_F(SheetTest, LoadPreviousDeclinedTouchesNothing) {
    TestSheet sheet(m_timeline);
    sheet.confirmAnswer = IDCANCEL;

    sheet.OnLoadPrevious();

    EXPECT_TRUE(Pages().empty());
    EXPECT_EQ((Events{"confirm mode 1"}), m_timeline.Events());
}

TEST_F(SheetTest, PagesAreCreatedInTableOrderAndDeletedInIndexOrder) {
    const PageFactory sixPages[] = {MakeFakePage<0>, MakeFakePage<1>, MakeFakePage<2>,
                                    MakeFakePage<3>, MakeFakePage<5>, MakeFakePage<4>};
    {
        TestSheet sheet(m_timeline, {sixPages, 6});
        ASSERT_EQ(6, sheet.GetPageCount());
        sheet.ApplyAllPages();
        EXPECT_EQ((Events{"apply 0", "apply 1", "apply 2", "apply 3", "apply 5", "apply 4"}),
                  Pages());
        PageJournal().clear();
    }
    EXPECT_EQ((Events{"delete 0", "delete 1", "delete 2", "delete 3", "delete 5", "delete 4"}),
              Pages());
}

CMyPropertyPage* MakeNoPage() {
    return nullptr;
}

TEST_F(SheetTest, PageTableBeyondSixPagesOrWithoutPagesIsHandledSafely) {
    const PageFactory tooMany[] = {MakeFakePage<0>, MakeNoPage,      MakeFakePage<1>,
                                   MakeFakePage<2>, MakeFakePage<3>, MakeFakePage<4>,
                                   MakeFakePage<5>, MakeFakePage<6>};
    {
        TestSheet sheet(m_timeline, {tooMany, 8});
        EXPECT_EQ(kMaxSheetPages, sheet.GetPageCount());
        EXPECT_EQ(kMaxSheetPages, sheet.GetSettingsPageCount());
    }
    EXPECT_EQ(kMaxSheetPages, static_cast<int>(Pages().size())) << "no page leaked or lost";

    TestSheet empty(m_timeline, {nullptr, 3});
    EXPECT_EQ(0, empty.GetPageCount());
    EXPECT_EQ(0, empty.ApplyAllPages());
}

TEST_F(SheetTest, WindowsVersionFlagFollowsTheMajorVersion) {
    TestSheet sheet(m_timeline);
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwMajorVersion > 4 ? 1 : 0, sheet.IsWindows5OrLater());
}

TEST_F(SheetTest, SheetHeaderCarriesTheProgramIcon) {
    TestSheet sheet(m_timeline);
    EXPECT_NE(0u, sheet.m_psh.dwFlags & PSH_USEHICON);
    EXPECT_NE(nullptr, sheet.m_psh.hIcon);
}

} // namespace
