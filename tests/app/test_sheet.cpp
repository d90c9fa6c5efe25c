// What the end-to-end tests cannot see of the settings sheet: the restart request's
// answer, page tables other than the programs' own, Apply and OK taken over before the
// platform (no page ever gets PSN_APPLY), the icons, and the pages' windows and title
// font. The protocol itself is tested end to end (tests/e2e/test_sheet_protocol.cpp).
#include "AllControlsSheet.h"

#include "DriverChannel.h"
#include "SimDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;

// What the pages and the sheet did, in order.
Events g_events;
int g_applyAnswers[8] = {};

// A page that only records: template 131 with caption 213, like the first real page.
// Like an editing page it clears its modified state when applied.
class FakePage : public CMyPropertyPage {
public:
    explicit FakePage(int index) : CMyPropertyPage(131, 213), m_index(index) {}
    ~FakePage() override { g_events.push_back("delete " + std::to_string(m_index)); }
    int ApplySettings() override {
        g_events.push_back("apply " + std::to_string(m_index));
        SetPageModified(FALSE);
        return g_applyAnswers[m_index];
    }

protected:
    bool OnNotify(NMHDR* header, LRESULT& result) override {
        if (header->code == static_cast<UINT>(PSN_APPLY))
            g_events.push_back("PSN_APPLY " + std::to_string(m_index));
        return CMyPropertyPage::OnNotify(header, result);
    }

private:
    int m_index;
};

template <int N> CMyPropertyPage* MakePage() {
    return new FakePage(N);
}
CMyPropertyPage* MakeNoPage() {
    return nullptr;
}
const PageFactory kTwoPages[] = {MakePage<0>, MakePage<1>};

// The sheet with its dialogs and the restart answered by the test.
class TestSheet : public CAllControlsSheet {
public:
    explicit TestSheet(PageTable pages = {kTwoPages, 2})
        : CAllControlsSheet("Tarvell", nullptr, 0, pages) {}
    using CAllControlsSheet::OnLoadDefault;
    using CAllControlsSheet::OnOK;
    int restartResult = 1;

    void EndDialog(int result) override {
        g_events.push_back(result == IDOK ? "end IDOK" : "end IDCANCEL");
        if (m_hWnd)
            CAllControlsSheet::EndDialog(result);
    }

protected:
    INT_PTR RunLoadSettingsDlg(uint8_t) override { return IDOK; }
    INT_PTR RunRestartDlg() override {
        g_events.push_back("restart prompt");
        return IDOK;
    }
    int RunRestartWindows() override {
        g_events.push_back("restart windows");
        return restartResult;
    }
    void ShowMessage(UINT id) override { g_events.push_back("message " + std::to_string(id)); }
};

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_events.clear();
        std::fill(std::begin(g_applyAnswers), std::end(g_applyAnswers), 0);
        ASSERT_TRUE(OpenDriver());
    }
    void TearDown() override { CloseDriver(); }

    // Runs step once from inside the sheet's modal loop.
    static void RunInside(void (*step)()) {
        s_step = step;
        SetTimer(nullptr, 0, 10, Step);
    }

    simdevice::ScopedSimDevice m_sim;

private:
    static void CALLBACK Step(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        s_step();
    }
    static void (*s_step)();
};
void (*SheetTest::s_step)() = nullptr;

TEST_F(SheetTest, RestartRequestRefusedIsSilentAndGrantedKeepsTheSheetForTheSystemToEnd) {
    const struct {
        bool loadDefault;
        int restartResult;
        Events events;
    } cases[] = {
        {false, 1, {"apply 0", "apply 1", "restart prompt", "restart windows", "end IDOK"}},
        {false, 0, {"apply 0", "apply 1", "restart prompt", "restart windows", "end IDOK"}},
        {true, 1, {"restart prompt", "restart windows"}},
        {true, 0, {"restart prompt", "restart windows", "end IDCANCEL"}},
    };
    for (const auto& c : cases) {
        TestSheet sheet;
        sheet.restartResult = c.restartResult;
        g_applyAnswers[1] = 1;
        g_events.clear();
        if (c.loadDefault)
            sheet.OnLoadDefault();
        else
            sheet.OnOK();
        EXPECT_EQ(c.events, g_events) << (c.loadDefault ? "Load Default" : "OK") << ", restart "
                                      << (c.restartResult ? "requested" : "refused");
    }
}

TEST_F(SheetTest, PageTableGivesAtMostSixPagesInItsOrderDeletedInTabOrder) {
    const PageFactory tooMany[] = {MakePage<0>, MakeNoPage,  MakePage<2>, MakePage<5>,
                                   MakePage<3>, MakePage<4>, MakePage<1>, MakePage<6>};
    {
        TestSheet sheet({tooMany, 8});
        EXPECT_EQ(kMaxSheetPages, sheet.GetPageCount());
        EXPECT_EQ(kMaxSheetPages, sheet.GetSettingsPageCount());
        sheet.ApplyAllPages();
        EXPECT_EQ((Events{"apply 0", "apply 2", "apply 5", "apply 3", "apply 4", "apply 1"}),
                  g_events);
        g_events.clear();
    }
    EXPECT_EQ((Events{"delete 0", "delete 2", "delete 5", "delete 3", "delete 4", "delete 1"}),
              g_events)
        << "no page leaked or lost";

    TestSheet empty({nullptr, 3});
    EXPECT_EQ(0, empty.GetPageCount());
    EXPECT_EQ(0, empty.ApplyAllPages());
}

TestSheet* g_sheet = nullptr;

class SheetWindowTest : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                     nullptr, nullptr);
        if (!probe)
            GTEST_SKIP() << "no display: the sheet window cannot be created";
        DestroyWindow(probe);
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        g_sheet = &m_sheet;
    }
    void TearDown() override {
        g_sheet = nullptr;
        SheetTest::TearDown();
    }
    TestSheet m_sheet;
};

TEST_F(SheetWindowTest, ApplyAndOkAreTakenOverBeforeThePlatformSendsPsnApply) {
    RunInside([] {
        g_sheet->GetSettingsPage(0)->SetPageModified(TRUE);
        SendMessageA(g_sheet->m_hWnd, WM_COMMAND, MAKEWPARAM(kApplyNowCommand, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindow(g_sheet->m_hWnd)) << "Apply keeps the sheet open";
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(g_sheet->m_hWnd, kApplyNowCommand)));
        SendMessageA(g_sheet->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });

    EXPECT_EQ(IDOK, m_sheet.DoModal());
    EXPECT_EQ((Events{"apply 0", "apply 1", "apply 0", "apply 1", "end IDOK"}), g_events);
}

TEST_F(SheetWindowTest, SheetIconAndPageWindowsWithATitleFontMadeFromTheDialogFont) {
    RunInside([] {
        // Another process cannot ask for the icons under Wine.
        const LRESULT icon = SendMessageA(g_sheet->m_hWnd, WM_GETICON, ICON_BIG, 0);
        EXPECT_EQ(reinterpret_cast<LRESULT>(g_sheet->m_psh.hIcon), icon);
        EXPECT_NE(0, icon);
        EXPECT_EQ(icon, SendMessageA(g_sheet->m_hWnd, WM_GETICON, ICON_SMALL, 0));
        EXPECT_EQ(icon, SendMessageA(g_sheet->m_hWnd, WM_QUERYDRAGICON, 0, 0));
        CMyPropertyPage* page = g_sheet->GetSettingsPage(0);
        EXPECT_FALSE(g_sheet->GetSettingsPage(1)->HasWindow()) << "never shown, never created";
        LOGFONTA dialogFont = {};
        LOGFONTA titleFont = {};
        ASSERT_TRUE(GetObjectA(page->GetFont(), sizeof dialogFont, &dialogFont));
        ASSERT_TRUE(GetObjectA(page->GetTitleFont(), sizeof titleFont, &titleFont));
        EXPECT_EQ(30, titleFont.lfHeight);
        EXPECT_EQ(0, titleFont.lfWidth);
        EXPECT_STREQ(dialogFont.lfFaceName, titleFont.lfFaceName);
        EXPECT_EQ(dialogFont.lfWeight, titleFont.lfWeight);
        EXPECT_EQ(dialogFont.lfCharSet, titleFont.lfCharSet);
        g_sheet->EndDialog(IDCANCEL);
    });

    EXPECT_EQ(IDCANCEL, m_sheet.DoModal());
    EXPECT_FALSE(m_sheet.GetSettingsPage(0)->HasWindow()) << "the windows go with the sheet";
}

} // namespace
