#include "Scenarios.h"

#include "Controls.h"
#include "Poll.h"
#include "SheetDriver.h"
#include "Windows.h"
#include "ZepUi.h"

#include <cstring>

namespace sweep {

namespace {

using namespace zepui;

constexpr DWORD kStepMs = e2e::kWindowMs;

bool Show(ProgramRun& run, int page) {
    e2e::SheetDriver sheet(run.Sheet());
    return run.Do([sheet, page]() mutable { return sheet.SelectPage(page); }, kStepMs);
}

bool PressPageControl(ProgramRun& run, int id) {
    return run.Press(e2e::SheetDriver(run.Sheet()).PageControl(id), kStepMs);
}

bool Apply(ProgramRun& run) {
    return run.Press(e2e::SheetDriver(run.Sheet()).Button(e2e::kApplyButton), kStepMs);
}

bool ToggleSilentBoot(ProgramRun& run) {
    return Show(run, zepui::kPostPage) && PressPageControl(run, zepui::kSilentBootBox);
}

bool PostApply(ProgramRun& run) {
    return ToggleSilentBoot(run) && Apply(run);
}

bool BootApply(ProgramRun& run) {
    return Show(run, kBootPage) && PressPageControl(run, kCdromBox) && Apply(run);
}

// Opens the dialog the page's button shows (modal: the click is posted); null when it
// does not open.
HWND OpenPageDialog(ProgramRun& run, int button, const char* title) {
    if (!e2e::ClickLater(e2e::SheetDriver(run.Sheet()).PageControl(button)))
        return nullptr;
    return e2e::WaitForDialog(run.Id(), title, kStepMs);
}

// Closes the dialog with OK, waits until it is gone, then applies.
bool OkThenApply(ProgramRun& run, HWND dialog) {
    if (!e2e::ClickLater(e2e::Control(dialog, IDOK)))
        return false;
    return run.Do([dialog] { return e2e::WaitUntilGone(dialog, kStepMs); }, kStepMs) && Apply(run);
}

// The power-on password "abc" through its change dialog, then Apply.
bool PasswordApply(ProgramRun& run) {
    if (!Show(run, kPasswordPage))
        return false;
    HWND dialog = OpenPageDialog(run, kChangePowerOnButton, kChangePowerOnTitle);
    if (dialog == nullptr)
        return false;
    HWND box = e2e::Control(dialog, kEnablePasswordBox);
    if (e2e::CheckState(box) != BST_CHECKED && !run.Press(box, kStepMs))
        return false;
    for (int field : {kNewPasswordField, kConfirmPasswordField}) {
        e2e::ClickInto(e2e::Control(dialog, field));
        e2e::TypeCharacters(e2e::Control(dialog, field), "abc");
    }
    return OkThenApply(run, dialog);
}

bool DisplayApply(ProgramRun& run) {
    return Show(run, kDisplayPage) && PressPageControl(run, kBootBoth) && Apply(run);
}

// OK after a change that needs a restart; the restart offer is answered No.
bool OkWithRestart(ProgramRun& run) {
    e2e::SheetDriver sheet(run.Sheet());
    return ToggleSilentBoot(run) && run.Press(sheet.Button(IDOK), kStepMs);
}

// Confirmed with Yes; the restart offer that follows is answered No.
bool LoadDefault(ProgramRun& run) {
    return run.Command(zepui::kLoadDefaultCommand, kStepMs);
}

bool LoadPrevious(ProgramRun& run) {
    return PostApply(run) && run.Command(zepui::kLoadPreviousCommand, kStepMs);
}

// Every page shown and a change made, then Cancel (the sweep's close).
bool VisitAndChange(ProgramRun& run) {
    for (int page : {kDisplayPage, kPasswordPage, kBootPage})
        if (!Show(run, page))
            return false;
    return ToggleSilentBoot(run);
}

// Six pages: the hot-key beep off and modem-ring resume on, then Apply.
bool PowerApply(ProgramRun& run) {
    return Show(run, kSixPagePowerPage) && PressPageControl(run, kHotkeyBeepBox) &&
           PressPageControl(run, kModemRingBox) && Apply(run);
}

// Six pages: the resume timer turned on and set through the alarm dialog to 1 March
// 2031, 07:05:00, then Apply.
bool ResumeAlarm(ProgramRun& run) {
    if (!Show(run, kSixPagePowerPage) || !PressPageControl(run, kResumeTimerBox))
        return false;
    HWND dialog = OpenPageDialog(run, kAlarmButton, kResumeAlarmTitle);
    if (dialog == nullptr || !e2e::ChooseItem(e2e::Control(dialog, kAlarmMonth), 2))
        return false;
    const struct {
        int id;
        const char* text;
    } fields[] = {{kAlarmYear, "2031"},
                  {kAlarmDay, "1"},
                  {kAlarmHour, "7"},
                  {kAlarmMinute, "05"},
                  {kAlarmSecond, "00"}};
    for (const auto& field : fields)
        if (!e2e::SetText(e2e::Control(dialog, field.id), field.text))
            return false;
    return OkThenApply(run, dialog);
}

void SilentBootOn(sim::BiosSettings& settings) {
    settings.silentBoot = 1;
}

using e2e::ZepProgram;
constexpr ZepProgram kFive = ZepProgram::kFivePages, kSix = ZepProgram::kSixPages;

// Start-up makes 14 requests: the driver and version checks, the password question, the
// hot-key button off, the information page's eight reads, the button on at the end.
// Pages read when first shown: POST 2, Boot Sequence 1, Password 2, Display 6, Power 7;
// an apply adds its writes and the checksum. The six-page program's start-up is the
// same; its scenarios fault each of those requests too.
const Scenario kScenarios[] = {
    {"start-up", kFive, nullptr, nullptr, nullptr, 14},
    {"start-up, setup password", kFive, "ab", nullptr, nullptr, 15},
    {"POST Apply", kFive, nullptr, nullptr, PostApply, 18},
    {"Boot Sequence Apply", kFive, nullptr, nullptr, BootApply, 17},
    {"Password Apply", kFive, nullptr, nullptr, PasswordApply, 18},
    {"Display Apply", kFive, nullptr, nullptr, DisplayApply, 22},
    {"OK with restart offer", kFive, nullptr, nullptr, OkWithRestart, 18},
    {"Load Default", kFive, nullptr, SilentBootOn, LoadDefault, 15},
    {"Load Previous", kFive, nullptr, nullptr, LoadPrevious, 22},
    {"Cancel", kFive, nullptr, nullptr, VisitAndChange, 25},
    {"six pages: Power Apply", kSix, nullptr, nullptr, PowerApply, 24},
    {"six pages: resume alarm", kSix, nullptr, nullptr, ResumeAlarm, 23},
};

} // namespace

const Scenario* ScenariosBegin() {
    return kScenarios;
}

const Scenario* ScenariosEnd() {
    return kScenarios + sizeof kScenarios / sizeof kScenarios[0];
}

const Scenario* FindScenario(const char* name) {
    for (const Scenario* s = ScenariosBegin(); s != ScenariosEnd(); ++s)
        if (std::strcmp(s->name, name) == 0)
            return s;
    return nullptr;
}

} // namespace sweep
