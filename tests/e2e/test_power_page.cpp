// The six-page program: its pages in order, and its Power Management page end to end:
// options and a new alarm chosen through the resume alarm dialog stay pending until
// OK, then reach the simulated notebook in page order and the power driver's flags in
// Wine's registry, with no restart offered; a reload whose reads fail shows the page
// as at first display.
#include "Controls.h"
#include "VpowerdKey.h"
#include "ZepTest.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using namespace e2e;
using namespace zepui;

class SixPageSheet : public ZepTest {
protected:
    SixPageSheet() : ZepTest(ZepProgram::kSixPages) {}
};

TEST_F(SixPageSheet, ShowsPowerManagementBetweenPasswordAndDisplayAndClosesWithOk) {
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_EQ(sheet_.PageCount(), 6);
    const struct {
        int index;
        const char* title;
    } pages[] = {
        {kPasswordPage, "Password"},
        {kSixPagePowerPage, "Power Management"},
        {kSixPageDisplayPage, "Display Device"},
    };
    for (const auto& page : pages) {
        ASSERT_TRUE(sheet_.SelectPage(page.index)) << page.title;
        EXPECT_EQ(TextOf(sheet_.PageControl(kPageTitle)), page.title);
    }
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(EndsWithoutDialog()) << "nothing changed: no restart to offer";
    EXPECT_EQ(CountOf(sim_.Log(), "CMOSChecksum"), 1u) << Describe(sim_.Log());
}

class PowerPage : public SixPageSheet {
protected:
    void SetUp() override {
        SixPageSheet::SetUp();
        VpowerdKey::SetFlags(0x31); // bit 4 set: modem-ring resume off
    }
    HWND PageControl(int id) { return sheet_.PageControl(id); }

    // Timer on at 07:05:09 on 31 December 2030; modem ring off, hotkey beep on.
    static void AlarmOn(sim::BiosSettings& s) {
        s.resumeTimerOn = 1;
        s.resumeSecond = 0x09;
        s.resumeMinute = 0x05;
        s.resumeHour = 0x07;
        s.resumeMonthDay = 0x1231;
        s.resumeYear = 0x2030;
        s.modemRingWakeup = 0;
        s.hotkeyBeep = 1;
    }

    VpowerdKey savedKey_; // the key as it was, put back afterwards
};

TEST_F(PowerPage, OptionsAndAnAlarmSetInTheDialogAreWrittenOnOk) {
    ASSERT_TRUE(sim_.Change(AlarmOn));
    ASSERT_TRUE(OpenPage(kSixPagePowerPage));
    EXPECT_EQ(TextOf(PageControl(kResumeTimeText)), "7:5:9 December  31 , 2030");
    EXPECT_EQ(CheckState(PageControl(kResumeTimerBox)), BST_CHECKED);
    EXPECT_EQ(CheckState(PageControl(kModemRingBox)), BST_UNCHECKED);
    ASSERT_TRUE(sim_.ClearLog());

    ASSERT_TRUE(Click(PageControl(kModemRingBox)));
    ASSERT_TRUE(Click(PageControl(kHotkeyBeepBox)));
    ASSERT_TRUE(ClickLater(PageControl(kAlarmButton)));
    HWND dialog = WaitForDialogTitled(kResumeAlarmTitle);
    ASSERT_NE(dialog, nullptr);
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    EXPECT_EQ(TextOf(Control(dialog, kAlarmYear)), std::to_string(now.wYear)) << "opens on today";
    EXPECT_EQ(TextOf(Control(dialog, kAlarmMinute)).size(), 2u) << "two digits";
    // The arrows count up: years 1980 to 2079, days from 1 (maximum in the low word).
    EXPECT_EQ(SendMessageA(Control(dialog, kAlarmYearSpin), UDM_GETRANGE, 0, 0),
              static_cast<LRESULT>(MAKELONG(2079, 1980)));
    EXPECT_EQ(HIWORD(SendMessageA(Control(dialog, kAlarmDaySpin), UDM_GETRANGE, 0, 0)), 1);

    // 1 March 2031, first with hour 24, which is refused with the dialog left open.
    SetText(Control(dialog, kAlarmYear), "2031");
    HWND month = Control(dialog, kAlarmMonth);
    ASSERT_TRUE(ChooseItem(month, 2));
    SetText(Control(dialog, kAlarmDay), "1");
    SetText(Control(dialog, kAlarmHour), "24");
    SetText(Control(dialog, kAlarmMinute), "05");
    SetText(Control(dialog, kAlarmSecond), "");
    PostCommand(dialog, IDOK);
    EXPECT_TRUE(ExpectMessage(kInvalidAlarmMessage));
    ASSERT_TRUE(IsWindow(dialog)) << "an invalid alarm keeps the dialog open";
    SetText(Control(dialog, kAlarmHour), "7");
    SetText(month, "Smarch"); // names no month: the month chosen last stays
    PostCommand(dialog, IDOK);
    ASSERT_TRUE(WaitUntilGone(dialog, kWindowMs));
    EXPECT_EQ(TextOf(PageControl(kResumeTimeText)), "07:05:00 March 1 , 2031");
    EXPECT_TRUE(sim_.Log().empty()) << "nothing is written before OK: " << Describe(sim_.Log());

    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(EndsWithoutDialog()) << "power options need no restart";
    // Page order, the timer last; then the sheet's checksum and the hot-key button
    // turned back on as the program ends.
    EXPECT_EQ(
        Names(sim_.Log()),
        "EnableHotkeyBeep, EnableModemRingWakeup, SetResumeTimer, CMOSChecksum, SetHotkeyButton");
    const sim::BiosSettings s = sim_.Settings();
    EXPECT_EQ(s.hotkeyBeep, 0);
    EXPECT_EQ(s.modemRingWakeup, 1);
    EXPECT_EQ(s.resumeTimerOn, 1);
    EXPECT_EQ(s.resumeYear, 0x2031);
    EXPECT_EQ(s.resumeMonthDay, 0x0301);
    EXPECT_EQ(s.resumeHour, 0x07);
    EXPECT_EQ(s.resumeMinute, 0x05);
    EXPECT_EQ(s.resumeSecond, 0x00);
    EXPECT_EQ(VpowerdKey::Describe(), "4: 21 00 00 00") << "bit 4 cleared, the others kept";
}

TEST_F(PowerPage, AReloadWhoseReadsFailClearsTheBoxesAndTheTimerBlock) {
    ASSERT_TRUE(sim_.Change(AlarmOn));
    ASSERT_TRUE(OpenPage(kSixPagePowerPage));
    const std::string placeholder = "00:00:00 AM   April 1,2001";
    ASSERT_NE(TextOf(PageControl(kResumeTimeText)), placeholder);
    ASSERT_EQ(CheckState(PageControl(kPmuBox)), BST_CHECKED);

    ASSERT_TRUE(sim_.FailFunction(0x9611, 0x81)); // GetPMU
    ASSERT_TRUE(sim_.FailFunction(0x9611, 0x06)); // GetResumeTimer
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    ASSERT_EQ(CountOf(LogThroughChecksum(), "CMOSChecksum"), 1u);

    EXPECT_EQ(CheckState(PageControl(kPmuBox)), BST_UNCHECKED);
    EXPECT_EQ(CheckState(PageControl(kResumeTimerBox)), BST_UNCHECKED);
    EXPECT_FALSE(Enabled(PageControl(kAlarmButton)));
    EXPECT_FALSE(Enabled(PageControl(kResumeTimeText)));
    EXPECT_EQ(TextOf(PageControl(kResumeTimeText)), placeholder);
    EXPECT_EQ(CountOf(sim_.Log(), "SetResumeTimer"), 0u) << "nothing applied: nothing written";
}

} // namespace
