// The Display Device page against the simulated notebook: slider ranges and steps from
// the BIOS, the switching device refused without a monitor, levels re-read after a
// switch, every slider notification sent at once, and the boot display device waiting
// for Apply.
#include "SettingsPageTest.h"

namespace {

using namespace e2e;
using namespace settingspages;

constexpr uint16_t kDisplayGroup = 0x9612;

class DisplayPage : public SettingsPageTest {
protected:
    void Open() { OpenPage(kDisplayPage); }
    HWND Page(int id) { return sheet_.PageControl(id); }

    // The machine with other level ranges (and a monitor when asked).
    ::testing::AssertionResult LoadMachine(uint8_t brightnessMax, uint8_t contrastMax,
                                           uint8_t monitor = 0, uint8_t panelType = 1) {
        sim::MachineProfile profile;
        if (!sim_.Control().GetProfile(profile))
            return ::testing::AssertionFailure() << "no profile";
        profile.brightnessMin = 0;
        profile.brightnessMax = brightnessMax;
        profile.contrastMin = 0;
        profile.contrastMax = contrastMax;
        profile.monitorConnected = monitor;
        profile.panelType = panelType;
        if (!sim_.Control().LoadProfile(profile))
            return ::testing::AssertionFailure() << "the profile was refused";
        return ::testing::AssertionSuccess();
    }

    // The CL value of each request with this name, in order.
    std::vector<int> Values(const std::string& name) {
        std::vector<int> values;
        for (const BiosRequest& request : Requests(name))
            values.push_back(request.cx & 0xFF);
        return values;
    }

    bool Visible(HWND window) { return window && IsWindowVisible(window); }

    static void Levels2And3(sim::BiosSettings& s) {
        s.brightness = 2;
        s.contrast = 3;
    }
    static void DeviceExternal(sim::BiosSettings& s) { s.displayDevice = 0; }
};

TEST_F(DisplayPage, SlidersTakeTheirRangesFromTheBios) {
    ASSERT_TRUE(LoadMachine(15, 31));
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) {
        s.brightness = 9;
        s.contrast = 20;
    }));
    Open();
    if (HasFatalFailure())
        return;
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
    EXPECT_EQ(NamesOf(sim_.Log()),
              (std::vector<std::string>{"GetBrightnessContrastRange", "GetBootDisplay",
                                        "GetDisplayDevice", "GetDisplayBrightness",
                                        "GetDisplayContrast", "GetPanelType"}))
        << Describe(sim_.Log());
}

TEST_F(DisplayPage, ExternalMonitorAtStartDisablesTheLevelsWithTheirPlainLabels) {
    ASSERT_TRUE(sim_.Change(DeviceExternal));
    Open();
    if (HasFatalFailure())
        return;
    EXPECT_EQ(CheckState(Page(kSwitchExternal)), BST_CHECKED);
    EXPECT_EQ(CheckState(Page(kSwitchLcd)), BST_UNCHECKED);
    for (int id : {kBrightnessLabel, kBrightnessSlider, kContrastLabel, kContrastSlider}) {
        EXPECT_FALSE(Enabled(Page(id))) << id;
        EXPECT_TRUE(Visible(Page(id))) << id;
    }
    EXPECT_EQ(TextOf(Page(kBrightnessLabel)), "Brightness");
    EXPECT_EQ(TextOf(Page(kContrastLabel)), "Contrast");
    EXPECT_EQ(CountOf(sim_.Log(), "GetDisplayBrightness"), 0u) << Describe(sim_.Log());
}

TEST_F(DisplayPage, ExternalMonitorOrBothWithoutAMonitorIsRefused) {
    Open();
    if (HasFatalFailure())
        return;
    for (int button : {kSwitchExternal, kSwitchBoth}) {
        ASSERT_TRUE(sim_.ClearLog());
        ASSERT_TRUE(ClickLater(Page(button)));
        EXPECT_TRUE(ExpectMessage(kNoMonitorMessage));
        EXPECT_EQ(NamesOf(sim_.Log()), std::vector<std::string>{"CheckMonitorConnected"})
            << "no display device is set: " << Describe(sim_.Log());
        // The page gives "LCD Panel Only" the focus before the message box; the sheet
        // gets it back when it is activated again, which a bare X server without a
        // window manager does not always do. So the focus is checked only then.
        const HWND lcd = Page(kSwitchLcd);
        const HWND focus = FocusOfThread(lcd);
        if (focus != nullptr) {
            EXPECT_EQ(focus, lcd);
        }
        EXPECT_EQ(CheckState(lcd), BST_CHECKED);
        EXPECT_EQ(CheckState(Page(button)), BST_UNCHECKED);
        EXPECT_EQ(sim_.Settings().displayDevice, 1);
    }
    EXPECT_FALSE(sheet_.ApplyEnabled()) << "switching never makes the page modified";
}

TEST_F(DisplayPage, BothWithAMonitorSwitchesAndRereadsTheLevels) {
    ASSERT_TRUE(LoadMachine(7, 15, 1));
    Open();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(sim_.Change(Levels2And3)); // the levels changed meanwhile
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(Click(Page(kSwitchBoth)));
    EXPECT_EQ(NamesOf(sim_.Log()),
              (std::vector<std::string>{"CheckMonitorConnected", "SetDisplayDevice",
                                        "GetDisplayBrightness", "GetDisplayContrast"}))
        << Describe(sim_.Log());
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

TEST_F(DisplayPage, EveryDragNotificationSendsItsLevelAtOnce) {
    Open();
    if (HasFatalFailure())
        return;
    HWND slider = Page(kBrightnessSlider);
    for (int position = 0; position <= 4; ++position)
        ASSERT_TRUE(DragThumbTo(slider, position));
    EXPECT_EQ(Values("SetDisplayBrightness"), (std::vector<int>{0, 1, 2, 3, 4}))
        << Describe(sim_.Log());
    EXPECT_EQ(TextOf(Page(kBrightnessLabel)), "Brightness for LCD Panel (4)");
    ASSERT_TRUE(ReleaseThumbAt(slider, 4));
    EXPECT_EQ(Values("SetDisplayBrightness").size(), 7u) << "one request per notification";

    // The keyboard: each step moves the contrast and goes to the BIOS at once.
    ASSERT_TRUE(sim_.ClearLog());
    const int before = SliderOf(Page(kContrastSlider)).pos;
    PostMessageA(Page(kContrastSlider), WM_KEYDOWN, VK_LEFT, 1);
    PostMessageA(Page(kContrastSlider), WM_KEYUP, VK_LEFT, 0xC0000001);
    EXPECT_TRUE(WaitUntil([&] { return sim_.Settings().contrast == before - 1; }, kWindowMs));
    EXPECT_EQ(Requests("SetDisplayContrast").back().cx & 0xFF, before - 1);
    EXPECT_EQ(CountOf(sim_.Log(), "SetDisplayBrightness"), 0u);
    EXPECT_FALSE(sheet_.ApplyEnabled()) << "levels never make the page modified";
    EXPECT_EQ(sim_.Settings().brightness, 4);
}

TEST_F(DisplayPage, OnlyTheLastBootDisplayChoiceIsWrittenOnApply) {
    Open();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Click(Page(kBootBoth)));
    ASSERT_TRUE(Click(Page(kBootAuto)));
    ASSERT_TRUE(Click(Page(kBootBoth)));
    EXPECT_EQ(CountOf(sim_.Log(), "SetBootDisplay"), 0u) << "nothing before Apply";
    EXPECT_TRUE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(Values("SetBootDisplay"), std::vector<int>{2}) << Describe(sim_.Log());
    EXPECT_EQ(sim_.Settings().bootDisplay, 2);

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    EXPECT_EQ(NamesOf(sim_.Log()), std::vector<std::string>{"CMOSChecksum"})
        << Describe(sim_.Log());
    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(DeclineRestart()) << "the earlier apply asked for a restart";
}

TEST_F(DisplayPage, LoadPreviousWritesTheAppliedBootDisplayAndFocusesIt) {
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) { s.bootDisplay = 2; }));
    Open();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(Click(Page(kBootAuto)));
    ASSERT_TRUE(sheet_.PressApply());
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) { s.bootDisplay = 2; }));
    ASSERT_TRUE(sim_.ClearLog());

    ASSERT_TRUE(LoadPrevious());
    const std::vector<BiosRequest> log = LogThroughChecksum();
    const int write = IndexOf(log, "SetBootDisplay");
    ASSERT_GE(write, 0) << Describe(log);
    EXPECT_EQ(log[write].cx & 0xFF, 3);
    EXPECT_GT(IndexOf(log, "GetBootDisplay", write), write);
    EXPECT_EQ(CountOf(log, "GetDisplayDevice"), 0u) << "only the boot display is re-read";
    EXPECT_EQ(sim_.Settings().bootDisplay, 3);
    EXPECT_EQ(CheckState(Page(kBootAuto)), BST_CHECKED);
    const HWND bootAuto = Page(kBootAuto);
    EXPECT_TRUE(WaitUntil([&] { return FocusOfThread(bootAuto) == bootAuto; }, kWindowMs));
    EXPECT_FALSE(sheet_.ApplyEnabled());

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    EXPECT_EQ(CountOf(LogThroughChecksum(), "SetBootDisplay"), 0u) << "the apply was forgotten";
}

TEST_F(DisplayPage, FailedLevelReadLeavesItsLabelAndSlider) {
    // Refuse the brightness read at first display only.
    ASSERT_TRUE(sim_.FailFunction(kDisplayGroup, 0x07, 1));
    Open();
    if (HasFatalFailure())
        return;
    EXPECT_EQ(TextOf(Page(kBrightnessLabel)), "Brightness");
    EXPECT_EQ(TextOf(Page(kContrastLabel)), "Contrast for LCD Panel (8)");
    EXPECT_TRUE(Enabled(Page(kBrightnessSlider)));
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window()));
}

TEST_F(DisplayPage, FailedRangeHidesBothSliders) {
    ASSERT_TRUE(sim_.FailFunction(kDisplayGroup, 0x08, 1));
    Open();
    if (HasFatalFailure())
        return;
    for (int id : {kBrightnessLabel, kBrightnessSlider, kContrastLabel, kContrastSlider})
        EXPECT_FALSE(Visible(Page(id))) << id;
    EXPECT_EQ(CheckState(Page(kSwitchLcd)), BST_CHECKED) << "the rest of the page still works";
}

TEST_F(DisplayPage, PanelWithoutContrastHidesItsSlider) {
    ASSERT_TRUE(LoadMachine(7, 15, 0, 0));
    Open();
    if (HasFatalFailure())
        return;
    EXPECT_TRUE(Visible(Page(kBrightnessSlider)));
    EXPECT_FALSE(Visible(Page(kContrastSlider)));
    EXPECT_FALSE(Visible(Page(kContrastLabel)));
}

} // namespace
