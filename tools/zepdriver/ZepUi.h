// What the program's drivers (the end-to-end tests, the tour, the fault sweep) look for
// in it: page positions, control ids, dialog titles and the English texts of its
// messages.
#pragma once

namespace zepui {

// Pages, in tab order.
constexpr int kInfoPage = 0;
constexpr int kPostPage = 1;
constexpr int kBootPage = 2;
constexpr int kPasswordPage = 3;
constexpr int kDisplayPage = 4;
// The six-page sheet: Power Management, then Display Device.
constexpr int kSixPagePowerPage = 4;
constexpr int kSixPageDisplayPage = 5;

// Controls.
constexpr int kPageTitle = 1308;
constexpr int kInfoList = 1311;
constexpr int kInfoWelcome = 1312;
constexpr int kInfoExplanation = 1313;
constexpr int kSilentBootBox = 1282;
constexpr int kMemoryTestBox = 1283;
constexpr int kCdromBox = 1182;
constexpr int kSequenceList = 1183;
constexpr int kChangePowerOnButton = 1180;
constexpr int kChangeSetupButton = 1181;
constexpr int kPromptText = 1227;
constexpr int kPromptLabel = 1228;
constexpr int kPromptField = 1154;
constexpr int kEnablePasswordBox = 1267;
constexpr int kNewPasswordField = 1304;
constexpr int kConfirmPasswordField = 1301;
constexpr int kLoadSettingsMessage = 1316;
constexpr int kRestartMessage = 1300;
// Power Management page and its resume alarm dialog.
constexpr int kPmuBox = 1044;
constexpr int kHotkeyBeepBox = 1321;
constexpr int kModemRingBox = 1024;
constexpr int kResumeTimerBox = 1056;
constexpr int kResumeTimeText = 1187;
constexpr int kAlarmButton = 1085;
constexpr int kAlarmMonth = 1199;
constexpr int kAlarmYear = 1201;
constexpr int kAlarmDay = 1203;
constexpr int kAlarmYearSpin = 1202;
constexpr int kAlarmDaySpin = 1198;
constexpr int kAlarmHour = 1125;
constexpr int kAlarmMinute = 1130;
constexpr int kAlarmSecond = 1131;
// Display Device page: the boot display device, the levels, the switching device.
constexpr int kBootAuto = 1155;
constexpr int kBootBoth = 1157;
constexpr int kBrightnessLabel = 1150;
constexpr int kBrightnessSlider = 1124;
constexpr int kContrastLabel = 1151;
constexpr int kContrastSlider = 1123;
constexpr int kSwitchLcd = 1033;
constexpr int kSwitchExternal = 1034;
constexpr int kSwitchBoth = 1035;

// Right-click menu commands, and the About box's position in the menu (separators
// not counted).
constexpr int kLoadDefaultCommand = 32786;
constexpr int kLoadPreviousCommand = 32787;
constexpr int kAboutMenuItem = 2;
// The About box.
constexpr int kAboutProduct = 1318;
constexpr int kAboutVersion = 1319;
constexpr int kAboutRights = 1320;

// Dialog titles.
constexpr char kLoadDefaultTitle[] = "Load Default BIOS Settings";
constexpr char kLoadPreviousTitle[] = "Load Previous BIOS Settings";
constexpr char kRestartTitle[] = "BIOS Settings Change";
constexpr char kChangeSetupTitle[] = "Change Setup Password";
constexpr char kChangePowerOnTitle[] = "Change Power-On Password";
constexpr char kResumeAlarmTitle[] = "Resume Alarm Setting";
constexpr char kAboutTitle[] = "About Tarvell";

// Messages.
constexpr char kNoServiceMessage[] = "VOVUDO service is not available. Program aborted.";
constexpr char kBadBiosMessage[] = "Incorrect BIOS Version";
constexpr char kInvalidPasswordMessage[] = "Invalid password.";
constexpr char kThreeFailuresMessage[] = "Password incorrect over 3 times !!! Program Ends.";
constexpr char kNotImplementedMessage[] = "Function Not Implemented Yet.";
constexpr char kMismatchMessage[] = "The passwords you typed did not match.";
constexpr char kInvalidAlarmMessage[] = "Invalid alarm resume time. Try again.";
constexpr char kNoMonitorMessage[] =
    "No monitor connects to your computer. Display restores to LCD panel.";

// BIOS request groups and function numbers (BL) the tests arm faults on.
constexpr unsigned short kSetupGroup = 0x9610;
constexpr unsigned char kPasswordFunction = 0x08;
constexpr unsigned char kLoadDefaultFunction = 0x14;
constexpr unsigned char kSilentBootFunction = 0x16;

} // namespace zepui
