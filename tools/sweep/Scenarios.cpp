#include "Scenarios.h"

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

// The power-on password "abc" through its change dialog, then Apply.
bool PasswordApply(ProgramRun& run) {
    if (!Show(run, kPasswordPage))
        return false;
    HWND button = e2e::SheetDriver(run.Sheet()).PageControl(kChangePowerOnButton);
    if (!e2e::ClickLater(button))
        return false;
    HWND dialog = e2e::WaitForDialog(run.Id(), kChangePowerOnTitle, kStepMs);
    if (dialog == nullptr)
        return false;
    HWND box = e2e::Control(dialog, kEnablePasswordBox);
    if (e2e::CheckState(box) != BST_CHECKED && !run.Press(box, kStepMs))
        return false;
    for (int field : {kNewPasswordField, kConfirmPasswordField}) {
        e2e::ClickInto(e2e::Control(dialog, field));
        e2e::TypeCharacters(e2e::Control(dialog, field), "abc");
    }
    if (!e2e::ClickLater(e2e::Control(dialog, IDOK)))
        return false;
    return run.Do([dialog] { return e2e::WaitUntilGone(dialog, kStepMs); }, kStepMs) && Apply(run);
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

void SilentBootOn(sim::BiosSettings& settings) {
    settings.silentBoot = 1;
}

const Scenario kScenarios[] = {
    {"start-up", nullptr, nullptr, nullptr, 14},
    {"start-up, setup password", "ab", nullptr, nullptr, 15},
    {"POST Apply", nullptr, nullptr, PostApply, 18},
    {"Boot Sequence Apply", nullptr, nullptr, BootApply, 0},
    {"Password Apply", nullptr, nullptr, PasswordApply, 0},
    {"Display Apply", nullptr, nullptr, DisplayApply, 0},
    {"OK with restart offer", nullptr, nullptr, OkWithRestart, 18},
    {"Load Default", nullptr, SilentBootOn, LoadDefault, 15},
    {"Load Previous", nullptr, nullptr, LoadPrevious, 22},
    {"Cancel", nullptr, nullptr, VisitAndChange, 0},
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
