// The Power Management page of the six-page program, end to end: options and a new
// alarm chosen through the resume alarm dialog stay pending until OK, then reach the
// simulated notebook in page order and the power driver's flags in Wine's registry,
// with no restart offered; a reload whose reads fail shows the page as at first display.
#include "ZepTest.h"
#include "ZepUi.h"

#include <string>
#include <vector>

namespace {

using namespace e2e;

constexpr char kVpowerdKey[] = "System\\CurrentControlSet\\Services\\VxD\\VPOWERD";

// "Flags" of the power driver's key; 0xFFFFFFFF when it cannot be read.
DWORD ReadVpowerdFlags() {
    DWORD flags = 0xFFFFFFFF;
    DWORD size = sizeof flags;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return flags;
    if (RegQueryValueExA(key, "Flags", nullptr, nullptr, reinterpret_cast<BYTE*>(&flags), &size) !=
        ERROR_SUCCESS)
        flags = 0xFFFFFFFF;
    RegCloseKey(key);
    return flags;
}

bool WriteVpowerdFlags(DWORD flags) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool written =
        RegSetValueExA(key, "Flags", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags),
                       sizeof flags) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

// What a user types into a field of another program's dialog.
void SetText(HWND control, const char* text) {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

class PowerPage : public ZepTest {
protected:
    PowerPage() : ZepTest(ZepProgram::kSixPages) {}
    void SetUp() override {
        ZepTest::SetUp();
        savedFlags_ = ReadVpowerdFlags();
        ASSERT_TRUE(WriteVpowerdFlags(0x31)) << "bit 4 set: modem-ring resume off";
    }
    void TearDown() override {
        if (savedFlags_ != 0xFFFFFFFF)
            WriteVpowerdFlags(savedFlags_);
        ZepTest::TearDown();
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

    DWORD savedFlags_ = 0xFFFFFFFF;
};

TEST_F(PowerPage, OptionsAndAnAlarmSetInTheDialogAreWrittenOnOk) {
    ASSERT_TRUE(sim_.Change(AlarmOn));
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sheet_.SelectPage(zepui::kSixPagePowerPage));
    EXPECT_EQ(TextOf(PageControl(zepui::kResumeTimeText)), "7:5:9 December  31 , 2030");
    EXPECT_EQ(CheckState(PageControl(zepui::kResumeTimerBox)), BST_CHECKED);
    EXPECT_EQ(CheckState(PageControl(zepui::kModemRingBox)), BST_UNCHECKED);
    ASSERT_TRUE(sim_.ClearLog());

    ASSERT_TRUE(Click(PageControl(zepui::kModemRingBox)));
    ASSERT_TRUE(Click(PageControl(zepui::kHotkeyBeepBox)));
    ASSERT_TRUE(ClickLater(PageControl(zepui::kAlarmButton)));
    HWND dialog = WaitForDialogTitled(zepui::kResumeAlarmTitle);
    ASSERT_NE(dialog, nullptr);
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    EXPECT_EQ(TextOf(Control(dialog, zepui::kAlarmYear)), std::to_string(now.wYear))
        << "opens on today";
    EXPECT_EQ(TextOf(Control(dialog, zepui::kAlarmMinute)).size(), 2u) << "two digits";

    // 1 March 2031, first with hour 24, which is refused with the dialog left open.
    SetText(Control(dialog, zepui::kAlarmYear), "2031");
    HWND month = Control(dialog, zepui::kAlarmMonth);
    SendMessageA(month, CB_SETCURSEL, 2, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(zepui::kAlarmMonth, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(month));
    SetText(Control(dialog, zepui::kAlarmDay), "1");
    SetText(Control(dialog, zepui::kAlarmHour), "24");
    SetText(Control(dialog, zepui::kAlarmMinute), "05");
    SetText(Control(dialog, zepui::kAlarmSecond), "");
    PostCommand(dialog, IDOK);
    EXPECT_TRUE(ExpectMessage(zepui::kInvalidAlarmMessage));
    ASSERT_TRUE(IsWindow(dialog)) << "an invalid alarm keeps the dialog open";
    SetText(Control(dialog, zepui::kAlarmHour), "7");
    SetText(month, "Smarch"); // names no month: the month chosen last stays
    PostCommand(dialog, IDOK);
    ASSERT_TRUE(WaitUntilGone(dialog, kWindowMs));
    EXPECT_EQ(TextOf(PageControl(zepui::kResumeTimeText)), "07:05:00 March 1 , 2031");
    EXPECT_TRUE(sim_.Log().empty()) << "nothing is written before OK: " << Describe(sim_.Log());

    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(EndsWithoutDialog()) << "power options need no restart";
    // Page order, the timer last; then the sheet's checksum and the hot-key button
    // turned back on as the program ends.
    EXPECT_EQ(NamesOf(sim_.Log()),
              (std::vector<std::string>{"EnableHotkeyBeep", "EnableModemRingWakeup",
                                        "SetResumeTimer", "CMOSChecksum", "SetHotkeyButton"}))
        << Describe(sim_.Log());
    const sim::BiosSettings s = sim_.Settings();
    EXPECT_EQ(s.hotkeyBeep, 0);
    EXPECT_EQ(s.modemRingWakeup, 1);
    EXPECT_EQ(s.resumeTimerOn, 1);
    EXPECT_EQ(s.resumeYear, 0x2031);
    EXPECT_EQ(s.resumeMonthDay, 0x0301);
    EXPECT_EQ(s.resumeHour, 0x07);
    EXPECT_EQ(s.resumeMinute, 0x05);
    EXPECT_EQ(s.resumeSecond, 0x00);
    EXPECT_EQ(ReadVpowerdFlags(), 0x21u) << "bit 4 cleared, the others kept";
}

TEST_F(PowerPage, AReloadWhoseReadsFailClearsTheBoxesAndTheTimerBlock) {
    ASSERT_TRUE(sim_.Change(AlarmOn));
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sheet_.SelectPage(zepui::kSixPagePowerPage));
    const std::string placeholder = "00:00:00 AM   April 1,2001";
    ASSERT_NE(TextOf(PageControl(zepui::kResumeTimeText)), placeholder);
    ASSERT_EQ(CheckState(PageControl(zepui::kPmuBox)), BST_CHECKED);

    ASSERT_TRUE(sim_.FailFunction(0x9611, 0x81)); // GetPMU
    ASSERT_TRUE(sim_.FailFunction(0x9611, 0x06)); // GetResumeTimer
    ASSERT_TRUE(sim_.ClearLog());
    sheet_.PostMenuCommand(zepui::kLoadPreviousCommand);
    HWND confirmation = WaitForDialogTitled(zepui::kLoadPreviousTitle);
    ASSERT_NE(confirmation, nullptr);
    ASSERT_TRUE(ClickLater(Control(confirmation, IDOK)));
    ASSERT_TRUE(WaitUntil([&] { return CountOf(sim_.Log(), "CMOSChecksum") > 0; }, kWindowMs));

    EXPECT_EQ(CheckState(PageControl(zepui::kPmuBox)), BST_UNCHECKED);
    EXPECT_EQ(CheckState(PageControl(zepui::kResumeTimerBox)), BST_UNCHECKED);
    EXPECT_FALSE(Enabled(PageControl(zepui::kAlarmButton)));
    EXPECT_FALSE(Enabled(PageControl(zepui::kResumeTimeText)));
    EXPECT_EQ(TextOf(PageControl(zepui::kResumeTimeText)), placeholder);
    EXPECT_EQ(CountOf(sim_.Log(), "SetResumeTimer"), 0u) << "nothing applied: nothing written";
}

} // namespace
