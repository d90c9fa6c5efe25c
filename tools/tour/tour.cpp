// zeptour: walks the running program's windows for the run command and answers small
// questions for shell-driven tests, through the program driver (tools/zepdriver).
//   zeptour tour ZEP_EXE     starts the program, shows every page, the right-click menu,
//                            the About box, the confirmation, password and alarm
//                            dialogs and the messages they can give, then changes a
//                            setting and changes it back (so the BIOS ends as it was)
//                            to show the restart prompt, answered No. Before each view
//                            it prints "shot NAME<tab>TITLE<tab>WxH+X+Y" (TITLE: the
//                            window's own title in UTF-8; then where the window is on
//                            the screen) and waits for a line on its input (the caller
//                            takes a screenshot); end of input means go on at once.
//                            When the notebook asks for the setup password first, it
//                            shows the prompt and the message for a wrong password,
//                            then cancels.
//   zeptour wait-sheet SECS  waits for a sheet of any process; 0 when one appears
//   zeptour close-sheet      presses Cancel on the sheet and waits until it is gone
//   zeptour press PAGE ID    shows page PAGE (0-based) of the sheet and clicks its
//                            button ID without waiting (it may open a dialog)
//   zeptour apply            presses Apply on the sheet; 0 once the sheet handled it
//   zeptour center TITLE ID  prints "X Y", the screen point in the middle of control
//                            ID of the visible dialog titled TITLE
//   zeptour masks TITLE ID...  prints the number of characters each control shows
//   zeptour no-menu          0 when no pop-up menu opens while it watches
//   zeptour wait-drag TITLE ID held|all|free
//                            waits until control ID of the visible dialog titled TITLE
//                            holds the mouse capture (a button went down over it), has
//                            all its text selected, or its thread holds no capture
#include "MessageBoxes.h"
#include "Poll.h"
#include "SheetDriver.h"
#include "Windows.h"
#include "ZepProcess.h"
#include "ZepUi.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace e2e;

constexpr int kUsage = 2;
constexpr int kFailed = 1;
// Painting follows the last handled message; a moment for it before each picture.
constexpr DWORD kPaintMs = 300;

// The window's title as UTF-8, whatever the session's code page.
std::string Utf8TitleOf(HWND window) {
    wchar_t wide[256] = L"";
    GetWindowTextW(window, wide, 256);
    char text[768] = "";
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

// Asks the caller for a screenshot of the view called name (titled as titled shows
// it, when given) and waits for it.
void Shot(HWND settle, const std::string& name, HWND titled = nullptr) {
    if (settle != nullptr)
        Responsive(settle);
    Sleep(kPaintMs);
    const std::string title = titled ? Utf8TitleOf(titled) : name;
    RECT r = {};
    if (settle != nullptr)
        GetWindowRect(GetAncestor(settle, GA_ROOT), &r);
    std::printf("shot %s\t%s\t%ldx%ld+%ld+%ld\n", name.c_str(), title.c_str(), r.right - r.left,
                r.bottom - r.top, r.left, r.top);
    std::fflush(stdout);
    char line[64];
    if (std::fgets(line, sizeof line, stdin) == nullptr)
        return;
}

// Waits for a dialog of the process other than the sheet; nullptr when none appears.
HWND WaitForDialogNamed(DWORD processId, HWND sheet, const std::string& name) {
    HWND dialog = e2e::WaitForOtherDialog(processId, sheet, kWindowMs);
    if (dialog == nullptr)
        std::fprintf(stderr, "zeptour: no %s dialog appeared\n", name.c_str());
    return dialog;
}

// WaitForDialogNamed, and pictures the dialog.
HWND ShowDialogOnly(DWORD processId, HWND sheet, const std::string& name) {
    HWND dialog = WaitForDialogNamed(processId, sheet, name);
    if (dialog != nullptr)
        Shot(dialog, name, dialog);
    return dialog;
}

// ShowDialogOnly, then closes the dialog with button (Cancel answers No in the
// confirmations).
bool ShowDialog(DWORD processId, HWND sheet, const std::string& name, int button) {
    HWND dialog = ShowDialogOnly(processId, sheet, name);
    if (dialog == nullptr)
        return false;
    PostCommand(dialog, button);
    return WaitUntilGone(dialog, kWindowMs);
}

// Waits for a message box of the process, pictures it and answers it.
bool ShowMessage(DWORD processId, const std::string& name) {
    MessageBoxSeen box;
    if (!WaitUntil([&] { return (box = FindMessageBox(processId)).window != nullptr; },
                   kWindowMs)) {
        std::fprintf(stderr, "zeptour: no %s message appeared\n", name.c_str());
        return false;
    }
    Shot(box.window, name, box.window);
    return AnswerMessageBox(box);
}

bool TourPages(SheetDriver& sheet) {
    const int count = sheet.PageCount();
    for (int i = 0; i < count; ++i) {
        if (!sheet.SelectPage(i)) {
            std::fprintf(stderr, "zeptour: page %d could not be shown\n", i + 1);
            return false;
        }
        // Named by position, so both languages' pictures of a page share a name.
        Shot(sheet.Window(), "page" + std::to_string(i + 1), sheet.CurrentPage());
    }
    return true;
}

bool TourMenuAndAbout(DWORD processId, SheetDriver& sheet) {
    HWND menu = nullptr;
    if (!sheet.OpenContextMenu() ||
        !WaitUntil([&] { return (menu = FindOpenMenu(processId)) != nullptr; }, kWindowMs)) {
        std::fprintf(stderr, "zeptour: the right-click menu did not open\n");
        return false;
    }
    Shot(menu, "menu", nullptr);
    ChooseMenuItem(menu, zepui::kAboutMenuItem);
    return ShowDialog(processId, sheet.Window(), "about", IDOK);
}

// Two different new passwords: the mismatch message; then Cancel, which writes nothing.
bool TourMismatch(DWORD processId, SheetDriver& sheet, HWND page) {
    if (!ClickLater(GetDlgItem(page, zepui::kChangeSetupButton)))
        return false;
    // Pictured already, empty, by TourPasswordDialogs.
    HWND dialog = WaitForDialogNamed(processId, sheet.Window(), "change-setup-password");
    if (dialog == nullptr)
        return false;
    HWND enable = GetDlgItem(dialog, zepui::kEnablePasswordBox);
    if (CheckState(enable) != BST_CHECKED)
        Click(enable);
    const struct {
        int field;
        const char* text;
    } entries[] = {{zepui::kNewPasswordField, "ab"}, {zepui::kConfirmPasswordField, "ac"}};
    for (const auto& entry : entries) {
        HWND edit = GetDlgItem(dialog, entry.field);
        ClickInto(edit);
        TypeCharacters(edit, entry.text);
    }
    ClickLater(GetDlgItem(dialog, IDOK));
    const bool shown = ShowMessage(processId, "message-mismatch");
    PostCommand(dialog, IDCANCEL);
    return WaitUntilGone(dialog, kWindowMs) && shown;
}

// Changes the silent boot option and changes it back, each applied, so the BIOS ends
// as it was; OK then offers the restart, which is answered No and ends the program.
bool TourRestartPrompt(DWORD processId, SheetDriver& sheet) {
    if (!sheet.SelectPage(zepui::kPostPage))
        return false;
    HWND silentBoot = sheet.PageControl(zepui::kSilentBootBox);
    for (int i = 0; i < 2; ++i) {
        if (!Click(silentBoot) || !sheet.PressApply())
            return false;
    }
    return sheet.PressOk() && ShowDialog(processId, sheet.Window(), "restart", IDCANCEL);
}

bool TourPasswordDialogs(DWORD processId, SheetDriver& sheet) {
    for (int i = 0; i < sheet.PageCount(); ++i) {
        HWND page = sheet.PageAt(i);
        if (page == nullptr || GetDlgItem(page, zepui::kChangeSetupButton) == nullptr)
            continue;
        sheet.SelectPage(i);
        const struct {
            int button;
            const char* name;
        } dialogs[] = {{zepui::kChangePowerOnButton, "change-power-on-password"},
                       {zepui::kChangeSetupButton, "change-setup-password"}};
        for (const auto& dialog : dialogs) {
            if (ClickLater(GetDlgItem(page, dialog.button)) &&
                !ShowDialog(processId, sheet.Window(), dialog.name, IDCANCEL))
                return false;
        }
        return TourMismatch(processId, sheet, page);
    }
    return true;
}

// An hour the day does not have: the invalid-alarm message, answered OK, which leaves
// the dialog open.
bool TourInvalidAlarm(DWORD processId, HWND dialog) {
    SetText(GetDlgItem(dialog, zepui::kAlarmHour), "24");
    return ClickLater(GetDlgItem(dialog, IDOK)) && ShowMessage(processId, "message-invalid-alarm");
}

// The resume alarm dialog of the Power Management page (six-page program). The ALARM
// button works only while the timer is on: tick the timer first when it is off, and
// untick it afterwards, so that a later Apply writes what the BIOS had.
bool TourAlarmDialog(DWORD processId, SheetDriver& sheet) {
    for (int i = 0; i < sheet.PageCount(); ++i) {
        HWND page = sheet.PageAt(i);
        HWND alarm = page == nullptr ? nullptr : GetDlgItem(page, zepui::kAlarmButton);
        if (alarm == nullptr)
            continue;
        sheet.SelectPage(i);
        HWND timer = GetDlgItem(page, zepui::kResumeTimerBox);
        const bool timerWasOff = !Enabled(alarm);
        if (timerWasOff)
            Click(timer);
        HWND dialog =
            ClickLater(alarm) ? ShowDialogOnly(processId, sheet.Window(), "resume-alarm") : nullptr;
        bool toured = dialog != nullptr && TourInvalidAlarm(processId, dialog);
        if (dialog != nullptr) {
            PostCommand(dialog, IDCANCEL);
            toured = WaitUntilGone(dialog, kWindowMs) && toured;
        }
        if (timerWasOff)
            Click(timer);
        return toured;
    }
    return true;
}

// "External monitor" on the Display Device page of a notebook without one: the
// refusal message. With a monitor the switch happens, and "LCD Panel Only" takes it
// back.
bool TourMonitorRefusal(DWORD processId, SheetDriver& sheet) {
    for (int i = 0; i < sheet.PageCount(); ++i) {
        HWND page = sheet.PageAt(i);
        HWND external = page == nullptr ? nullptr : GetDlgItem(page, zepui::kSwitchExternal);
        if (external == nullptr)
            continue;
        sheet.SelectPage(i);
        if (!ClickLater(external))
            return false;
        MessageBoxSeen box = WaitForMessageBox(processId, kWindowMs);
        if (box.window == nullptr)
            return Click(GetDlgItem(page, zepui::kSwitchLcd));
        Shot(box.window, "message-no-monitor", box.window);
        return AnswerMessageBox(box);
    }
    return true;
}

// The start-up prompt of a notebook with a setup password: a wrong password gives the
// invalid-password message (one of three tries); then Cancel ends the program.
bool TourPasswordPrompt(DWORD processId, HWND prompt) {
    Shot(prompt, "password-prompt", prompt);
    bool toured = AnswerPasswordPrompt(prompt, "wrong", kWindowMs) &&
                  ShowMessage(processId, "message-wrong-password");
    PostCommand(prompt, IDCANCEL);
    return toured;
}

int Tour(const char* zepPath) {
    ZepProcess zep;
    if (!zep.Start(zepPath)) {
        std::fprintf(stderr, "zeptour: %s\n", zep.Error().c_str());
        return kFailed;
    }
    const DWORD id = zep.Id();
    HWND sheet = nullptr;
    HWND prompt = nullptr;
    MessageBoxSeen box;
    WaitUntil(
        [&] {
            sheet = FindSheet(id);
            prompt = FindPasswordPrompt(id);
            box = FindMessageBox(id);
            return sheet || prompt || box.window || !zep.Running();
        },
        kColdWindowMs);
    if (box.window != nullptr) {
        Shot(box.window, "message", box.window);
        std::fprintf(stderr, "zeptour: the program said \"%s\"\n", box.text.c_str());
        AnswerMessageBox(box);
        zep.WaitForExit(kExitMs);
        return kFailed;
    }
    if (prompt != nullptr) {
        const bool toured = TourPasswordPrompt(id, prompt);
        return zep.WaitForExit(kExitMs) && toured ? 0 : kFailed;
    }
    if (sheet == nullptr) {
        std::fprintf(stderr, "zeptour: the program showed no window\n");
        return kFailed;
    }

    SheetDriver driver(sheet);
    bool toured = TourPages(driver) && TourMenuAndAbout(id, driver);
    if (toured) {
        driver.PostMenuCommand(zepui::kLoadDefaultCommand);
        toured = ShowDialog(id, sheet, "load-default", IDCANCEL);
    }
    if (toured) {
        driver.PostMenuCommand(zepui::kLoadPreviousCommand);
        toured = ShowDialog(id, sheet, "load-previous", IDCANCEL);
    }
    toured = toured && TourPasswordDialogs(id, driver) && TourAlarmDialog(id, driver) &&
             TourMonitorRefusal(id, driver);
    toured = toured && TourRestartPrompt(id, driver);
    if (!toured)
        driver.PressCancel(); // writes nothing to the BIOS
    if (!zep.WaitForExit(kExitMs)) {
        std::fprintf(stderr, "zeptour: the program did not end\n");
        return kFailed;
    }
    return toured ? 0 : kFailed;
}

// Control id of the first visible dialog titled title (of any process) that has one.
HWND DialogControl(const char* title, const char* id) {
    for (HWND window : VisibleTopLevelWindows(0)) {
        if (ClassOf(window) == kDialogClass && TextOf(window) == title) {
            if (HWND control = Control(window, std::atoi(id)))
                return control;
        }
    }
    std::fprintf(stderr, "zeptour: no control %s in a dialog titled \"%s\"\n", id, title);
    return nullptr;
}

int PressOnPage(const char* page, const char* id) {
    SheetDriver sheet(FindSheet(0));
    return sheet.Exists() && sheet.SelectPage(std::atoi(page)) &&
                   ClickLater(sheet.PageControl(std::atoi(id)))
               ? 0
               : kFailed;
}

int PrintCenter(const char* title, const char* id) {
    RECT box;
    HWND control = DialogControl(title, id);
    if (control == nullptr || !GetWindowRect(control, &box))
        return kFailed;
    std::printf("%ld %ld\n", (box.left + box.right) / 2, (box.top + box.bottom) / 2);
    return 0;
}

int PrintMasks(const char* title, int count, char** ids) {
    std::string line;
    for (int i = 0; i < count; ++i) {
        HWND control = DialogControl(title, ids[i]);
        DWORD_PTR length = 0;
        if (control == nullptr ||
            !SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kWindowMs, &length))
            return kFailed;
        line += (i ? " " : "") + std::to_string(length);
    }
    std::printf("%s\n", line.c_str());
    return 0;
}

int WaitForDrag(const char* title, const char* id, const std::string& state) {
    HWND control = DialogControl(title, id);
    if (control == nullptr)
        return kFailed;
    auto capture = [control] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &info)
                   ? info.hwndCapture
                   : control;
    };
    auto allSelected = [control] {
        DWORD_PTR range = 0;
        DWORD_PTR length = 0;
        return SendMessageTimeoutA(control, EM_GETSEL, 0, 0, SMTO_NORMAL, kWindowMs, &range) &&
               SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kWindowMs,
                                   &length) &&
               length > 0 && LOWORD(range) == 0 && HIWORD(range) == length;
    };
    bool reached = false;
    if (state == "held")
        reached = WaitUntil([&] { return capture() == control; }, kWindowMs);
    else if (state == "all")
        reached = WaitUntil(allSelected, kWindowMs);
    else if (state == "free")
        reached = WaitUntil([&] { return capture() == nullptr; }, kWindowMs);
    if (!reached)
        std::fprintf(stderr, "zeptour: control %s of \"%s\" is not %s\n", id, title, state.c_str());
    return reached ? 0 : kFailed;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "tour") == 0)
        return Tour(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "wait-sheet") == 0) {
        const DWORD seconds = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
        return WaitForSheet(0, seconds * 1000) ? 0 : kFailed;
    }
    if (argc == 2 && std::strcmp(argv[1], "close-sheet") == 0) {
        SheetDriver sheet(FindSheet(0));
        return sheet.Exists() && sheet.PressCancel() && WaitUntilGone(sheet.Window(), kWindowMs)
                   ? 0
                   : kFailed;
    }
    if (argc == 4 && std::strcmp(argv[1], "press") == 0)
        return PressOnPage(argv[2], argv[3]);
    if (argc == 2 && std::strcmp(argv[1], "apply") == 0) {
        SheetDriver sheet(FindSheet(0));
        return sheet.Exists() && sheet.PressApply() ? 0 : kFailed;
    }
    if (argc == 4 && std::strcmp(argv[1], "center") == 0)
        return PrintCenter(argv[2], argv[3]);
    if (argc >= 4 && std::strcmp(argv[1], "masks") == 0)
        return PrintMasks(argv[2], argc - 3, argv + 3);
    if (argc == 2 && std::strcmp(argv[1], "no-menu") == 0)
        return WaitUntil([] { return FindOpenMenu(0) != nullptr; }, kQuietMs) ? kFailed : 0;
    if (argc == 5 && std::strcmp(argv[1], "wait-drag") == 0)
        return WaitForDrag(argv[2], argv[3], argv[4]);
    std::fputs("usage: zeptour tour ZEP_EXE | wait-sheet SECONDS | close-sheet | press PAGE ID"
               " | apply | center TITLE ID | masks TITLE ID... | no-menu"
               " | wait-drag TITLE ID held|all|free\n",
               stderr);
    return kUsage;
}
