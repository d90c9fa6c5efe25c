// Shared steps of the end-to-end tests of the Boot Sequence, Password and Display
// Device pages: where their controls are, their English texts, and the few ways of
// working them (list selection, slider steps, menu confirmations) the harness lacks.
#pragma once

#include "ZepTest.h"
#include "ZepUi.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace settingspages {

// Pages, in tab order of the five-page sheet.
constexpr int kBootPage = 2;
using zepui::kPasswordPage;
constexpr int kDisplayPage = 4;

using zepui::kPageTitle;

// Boot Sequence page.
constexpr int kCdromBox = 1182;
constexpr int kSequenceList = 1183;
constexpr int kBootGroup = 1225;
constexpr int kSequenceLabel = 1226;

// Password page and its change dialog.
using zepui::kChangePowerOnButton;
using zepui::kChangePowerOnTitle;
using zepui::kChangeSetupButton;
using zepui::kChangeSetupTitle;
using zepui::kConfirmPasswordField;
using zepui::kEnablePasswordBox;
using zepui::kNewPasswordField;

// Display Device page.
constexpr int kBootAuto = 1155;
constexpr int kBootBoth = 1157;
using zepui::kSwitchBoth;
using zepui::kSwitchExternal;
using zepui::kSwitchLcd;
constexpr int kBrightnessLabel = 1150;
constexpr int kBrightnessSlider = 1124;
constexpr int kContrastLabel = 1151;
constexpr int kContrastSlider = 1123;
using zepui::kNoMonitorMessage;

// Sheet.
using zepui::kLoadPreviousCommand;
using zepui::kLoadPreviousTitle;
using zepui::kRestartTitle;

class SettingsPageTest : public e2e::ZepTest {
protected:
    explicit SettingsPageTest(e2e::ZepProgram program = e2e::ZepProgram::kFivePages)
        : ZepTest(program) {}

    // Starts the program and shows page index with the log cleared afterwards, so the
    // log holds what the page read when it was first shown and nothing from start-up.
    void OpenPage(int index);

    // Requests with this name, in order.
    std::vector<e2e::BiosRequest> Requests(const std::string& name);
    // Waits until the log holds a CMOS checksum request (the end of an apply or a
    // restore) and returns it then.
    std::vector<e2e::BiosRequest> LogThroughChecksum();

    // Load Previous BIOS Settings from the right-click menu, answered with Yes.
    ::testing::AssertionResult LoadPrevious();
    // Waits for the restart prompt and answers No; false when none appears.
    ::testing::AssertionResult DeclineRestart();

    // The boot list the simulated BIOS holds, or makes it hold, past its own checks.
    std::vector<uint8_t> HeldBootList();
    ::testing::AssertionResult HoldBootList(const std::vector<uint8_t>& leading);
};

// The whole 16-byte list: the leading entries, then 0xFF.
std::vector<uint8_t> BootList(const std::vector<uint8_t>& leading);

// A drop-down list: the selected index (-1 for none), the text of an item, and
// choosing an item as the user does (the list's owner hears of the change).
int SelectedIndex(HWND combo);
std::string ItemText(HWND combo, int index);
bool ChooseItem(HWND combo, int index);

// A trackbar's state, read from outside.
struct SliderState {
    int min = -1, max = -1, pos = -1, ticks = -1, pageSize = -1, lineSize = -1;
};
SliderState SliderOf(HWND slider);
// What a trackbar sends its owner while the user drags its thumb: the thumb moves to
// position and a TB_THUMBTRACK notification follows. Returns once handled.
bool DragThumbTo(HWND slider, int position);
// The thumb let go at position: TB_THUMBPOSITION, then TB_ENDTRACK.
bool ReleaseThumbAt(HWND slider, int position);

} // namespace settingspages
