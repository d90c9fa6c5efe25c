// The Display Device page against the simulated notebook: slider ranges and steps from
// the BIOS, the page as first shown on other machines and after failed reads, the
// switching device refused without a monitor, levels re-read after a switch, every
// slider notification sent at once, and the boot display device waiting for Apply.
#include "Controls.h"
#include "ZepTest.h"

#include <functional>

namespace {

using namespace e2e;
using namespace zepui;

constexpr uint16_t kDisplayGroup = 0x9612;

class DisplayPage : public ZepTest {
protected:
    HWND Page(int id) { return sheet_.PageControl(id); }
    bool Visible(int id) { return Page(id) && IsWindowVisible(Page(id)); }

    // The machine with other level ranges, a monitor, a panel type.
    bool LoadMachine(uint8_t brightnessMax, uint8_t contrastMax, uint8_t monitor = 0,
                     uint8_t panelType = 1) {
        return sim_.ChangeProfile([&](sim::MachineProfile& p) {
            p.brightnessMin = p.contrastMin = 0;
            p.brightnessMax = brightnessMax;
            p.contrastMax = contrastMax;
            p.monitorConnected = monitor;
            p.panelType = panelType;
        });
    }

    // The CL value of each request with this name, in order.
    std::vector<int> Values(const char* name) {
        std::vector<int> values;
        for (const BiosRequest& request : Requests({name}))
            values.push_back(request.cx & 0xFF);
        return values;
    }
};

TEST_F(DisplayPage, SlidersTakeTheirRangesFromTheBiosAndSendEveryLevelAtOnce) {
    ASSERT_TRUE(LoadMachine(15, 31));
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) {
        s.brightness = 9;
        s.contrast = 20;
    }));
    ASSERT_TRUE(OpenPage(kDisplayPage));
    const SliderState brightness = SliderOf(Page(kBrightnessSlider));
    EXPECT_EQ(brightness.min, 0);
    EXPECT_EQ(brightness.max, 15);
    EXPECT_EQ(brightness.ticks, 5) << "both ends and every fourth level: 4, 8, 12";
    EXPECT_EQ(brightness.pageSize, 4);
    EXPECT_EQ(brightness.lineSize, 1);
    EXPECT_EQ(brightness.pos, 9);
    const SliderState contrast = SliderOf(Page(kContrastSlider));
    EXPECT_EQ(contrast.max, 31);
    EXPECT_EQ(contrast.ticks, 9) << "both ends and 4, 8, ... 28";
    EXPECT_EQ(contrast.pageSize, 4);
    EXPECT_EQ(contrast.pos, 20);

    EXPECT_EQ(TextOf(Page(kBrightnessLabel)), "Brightness for LCD Panel (9)");
    EXPECT_EQ(TextOf(Page(kContrastLabel)), "Contrast for LCD Panel (20)");
    EXPECT_EQ(TextOf(Page(kSwitchExternal)), "External monitor");
    EXPECT_EQ(CheckState(Page(kBootAuto)), BST_CHECKED);
    EXPECT_EQ(CheckState(Page(kSwitchLcd)), BST_CHECKED);
    EXPECT_FALSE(sheet_.ApplyEnabled());
    EXPECT_EQ(Names(sim_.Log()), "GetBrightnessContrastRange, GetBootDisplay, GetDisplayDevice, "
                                 "GetDisplayBrightness, GetDisplayContrast, GetPanelType");

    // Every drag notification and key step sends its level at once.
    ASSERT_TRUE(sim_.ClearLog());
    HWND slider = Page(kBrightnessSlider);
    for (int position = 0; position <= 4; ++position)
        ASSERT_TRUE(DragThumbTo(slider, position));
    EXPECT_EQ(Values("SetDisplayBrightness"), (std::vector<int>{0, 1, 2, 3, 4}))
        << Describe(sim_.Log());
    EXPECT_EQ(TextOf(Page(kBrightnessLabel)), "Brightness for LCD Panel (4)");
    ASSERT_TRUE(ReleaseThumbAt(slider, 4));
    EXPECT_EQ(Values("SetDisplayBrightness").size(), 7u) << "one request per notification";

    ASSERT_TRUE(sim_.ClearLog());
    const int before = SliderOf(Page(kContrastSlider)).pos;
    PostMessageA(Page(kContrastSlider), WM_KEYDOWN, VK_LEFT, 1);
    PostMessageA(Page(kContrastSlider), WM_KEYUP, VK_LEFT, 0xC0000001);
    EXPECT_TRUE(WaitUntil([&] { return sim_.Settings().contrast == before - 1; }, kWindowMs));
    EXPECT_EQ(Values("SetDisplayContrast").back(), before - 1);
    EXPECT_EQ(CountOf(sim_.Log(), "SetDisplayBrightness"), 0u);
    EXPECT_FALSE(sheet_.ApplyEnabled()) << "levels never make the page modified";
    EXPECT_EQ(sim_.Settings().brightness, 4);
}

// The levels as the page first shows them on other machines and after failed reads.
TEST_F(DisplayPage, LevelsAsFirstShown) {
    const struct {
        const char* name;
        std::function<bool()> prepare;
        bool brightnessShown, contrastShown;
        const char* brightnessLabel; // nullptr: not checked
        const char* contrastLabel;
        int levelsEnabled; // -1: not checked
        bool lcd;          // "LCD Panel Only" chosen
    } cases[] = {
        {"external monitor in use",
         [this] { return sim_.Change([](sim::BiosSettings& s) { s.displayDevice = 0; }); }, true,
         true, "Brightness", "Contrast", 0, false},
        {"brightness read refused", [this] { return sim_.FailFunction(kDisplayGroup, 0x07, 1); },
         true, true, "Brightness", "Contrast for LCD Panel (8)", 1, true},
        {"range read refused", [this] { return sim_.FailFunction(kDisplayGroup, 0x08, 1); }, false,
         false, nullptr, nullptr, -1, true},
        {"panel without contrast", [this] { return LoadMachine(7, 15, 0, 0); }, true, false,
         nullptr, nullptr, -1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        zep_.Kill();
        ASSERT_TRUE(sim_.Reset());
        ASSERT_TRUE(c.prepare());
        ASSERT_TRUE(OpenPage(kDisplayPage));
        EXPECT_EQ(Visible(kBrightnessLabel), c.brightnessShown);
        EXPECT_EQ(Visible(kBrightnessSlider), c.brightnessShown);
        EXPECT_EQ(Visible(kContrastLabel), c.contrastShown);
        EXPECT_EQ(Visible(kContrastSlider), c.contrastShown);
        if (c.brightnessLabel) {
            EXPECT_EQ(TextOf(Page(kBrightnessLabel)), c.brightnessLabel);
        }
        if (c.contrastLabel) {
            EXPECT_EQ(TextOf(Page(kContrastLabel)), c.contrastLabel);
        }
        if (c.levelsEnabled >= 0) {
            for (int id : {kBrightnessLabel, kBrightnessSlider, kContrastLabel, kContrastSlider})
                EXPECT_EQ(Enabled(Page(id)), c.levelsEnabled == 1) << id;
        }
        EXPECT_EQ(CheckState(Page(kSwitchLcd)), c.lcd ? BST_CHECKED : BST_UNCHECKED);
        if (!c.lcd) {
            EXPECT_EQ(CheckState(Page(kSwitchExternal)), BST_CHECKED);
            EXPECT_EQ(CountOf(sim_.Log(), "GetDisplayBrightness"), 0u) << Describe(sim_.Log());
        }
        EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window()));
    }
}

TEST_F(DisplayPage, SwitchingIsRefusedWithoutAMonitorAndRereadsTheLevelsWithOne) {
    ASSERT_TRUE(OpenPage(kDisplayPage));
    for (int button : {kSwitchExternal, kSwitchBoth}) {
        ASSERT_TRUE(sim_.ClearLog());
        ASSERT_TRUE(ClickLater(Page(button)));
        EXPECT_TRUE(ExpectMessage(kNoMonitorMessage));
        EXPECT_EQ(Names(sim_.Log()), "CheckMonitorConnected") << "no display device is set";
        // The page gives "LCD Panel Only" the focus before the message box; the sheet
        // gives it back when it is active again.
        const HWND lcd = Page(kSwitchLcd);
        EXPECT_TRUE(WaitForFocus(lcd, kWindowMs));
        EXPECT_EQ(CheckState(lcd), BST_CHECKED);
        EXPECT_EQ(CheckState(Page(button)), BST_UNCHECKED);
        EXPECT_EQ(sim_.Settings().displayDevice, 1);
    }
    EXPECT_FALSE(sheet_.ApplyEnabled()) << "switching never makes the page modified";

    // With a monitor: both displays, the levels read again.
    ASSERT_TRUE(sim_.ChangeProfile([](sim::MachineProfile& p) { p.monitorConnected = 1; }));
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) {
        s.brightness = 2;
        s.contrast = 3;
    })); // the levels changed meanwhile
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Click(Page(kSwitchBoth)));
    EXPECT_EQ(Names(sim_.Log()),
              "CheckMonitorConnected, SetDisplayDevice, GetDisplayBrightness, GetDisplayContrast");
    EXPECT_EQ(Values("SetDisplayDevice"), std::vector<int>{2});
    EXPECT_EQ(sim_.Settings().displayDevice, 2);
    EXPECT_EQ(TextOf(Page(kBrightnessLabel)), "Brightness for LCD Panel (2)");
    EXPECT_EQ(TextOf(Page(kContrastLabel)), "Contrast for LCD Panel (3)");
    EXPECT_EQ(SliderOf(Page(kBrightnessSlider)).pos, 2);
    EXPECT_EQ(SliderOf(Page(kContrastSlider)).pos, 3);

    // The external monitor alone turns the panel's levels off; the panel turns them on.
    ASSERT_TRUE(Click(Page(kSwitchExternal)));
    EXPECT_EQ(sim_.Settings().displayDevice, 0);
    EXPECT_FALSE(Enabled(Page(kBrightnessSlider)));
    ASSERT_TRUE(Click(Page(kSwitchLcd)));
    EXPECT_EQ(sim_.Settings().displayDevice, 1);
    EXPECT_TRUE(Enabled(Page(kBrightnessSlider)));
    EXPECT_TRUE(Enabled(Page(kContrastLabel)));
}

TEST_F(DisplayPage, TheLastBootDisplayChoiceIsWrittenOnApplyAndByLoadPrevious) {
    ASSERT_TRUE(OpenPage(kDisplayPage));
    for (int choice : {kBootBoth, kBootAuto, kBootBoth})
        ASSERT_TRUE(Click(Page(choice)));
    EXPECT_EQ(CountOf(sim_.Log(), "SetBootDisplay"), 0u) << "nothing before Apply";
    EXPECT_TRUE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(Values("SetBootDisplay"), std::vector<int>{2}) << Describe(sim_.Log());
    EXPECT_EQ(sim_.Settings().bootDisplay, 2);
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    EXPECT_EQ(Names(sim_.Log()), "CMOSChecksum");

    // Changed behind the sheet's back (and the page shows it), then restored.
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) { s.bootDisplay = 3; }));
    ASSERT_TRUE(Click(Page(kBootAuto)));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    const std::vector<BiosRequest> log = LogThroughChecksum();
    const int write = IndexOf(log, "SetBootDisplay");
    ASSERT_GE(write, 0) << Describe(log);
    EXPECT_EQ(log[write].cx & 0xFF, 2);
    EXPECT_GT(IndexOf(log, "GetBootDisplay", write), write);
    EXPECT_EQ(CountOf(log, "GetDisplayDevice"), 0u) << "only the boot display is re-read";
    EXPECT_EQ(sim_.Settings().bootDisplay, 2);
    const HWND bootBoth = Page(kBootBoth);
    EXPECT_EQ(CheckState(bootBoth), BST_CHECKED);
    EXPECT_TRUE(WaitForFocus(bootBoth, kWindowMs));
    EXPECT_FALSE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    EXPECT_EQ(CountOf(LogThroughChecksum(), "SetBootDisplay"), 0u) << "the apply was forgotten";

    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(DeclineRestart()) << "the earlier apply asked for a restart";
}

} // namespace
