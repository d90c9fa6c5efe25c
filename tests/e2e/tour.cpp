// zeptour: walks the running program's windows for the run command and answers small
// questions for shell-driven tests, using the end-to-end harness.
//   zeptour tour ZEP_EXE     starts the program, shows every page, the right-click menu,
//                            the About box and the confirmation and password dialogs,
//                            then cancels the sheet. Before each view it prints
//                            "shot NAME" and waits for a line on its input (the caller
//                            takes a screenshot); end of input means go on at once.
//   zeptour wait-sheet SECS  waits for a sheet of any process; 0 when one appears
//   zeptour close-sheet      presses Cancel on the sheet and waits until it is gone
//   zeptour press PAGE ID    shows page PAGE (0-based) of the sheet and clicks its
//                            button ID without waiting (it may open a dialog)
//   zeptour apply            presses Apply on the sheet; 0 once the sheet handled it
//   zeptour center TITLE ID  prints "X Y", the screen point in the middle of control
//                            ID of the visible dialog titled TITLE
//   zeptour masks TITLE ID...  prints the number of characters each control shows
//   zeptour no-menu          0 when no pop-up menu opens while it watches
#include "MessageBoxes.h"
#include "Poll.h"
#include "SheetDriver.h"
#include "Windows.h"
#include "ZepProcess.h"
#include "ZepUi.h"

#include <cctype>
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
// Position of "About..." in the right-click menu.
constexpr int kAboutItem = 2;

// Asks the caller for a screenshot and waits for it.
void Shot(HWND settle, const std::string& name) {
    if (settle != nullptr)
        Responsive(settle);
    Sleep(kPaintMs);
    std::printf("shot %s\n", name.c_str());
    std::fflush(stdout);
    char line[64];
    if (std::fgets(line, sizeof line, stdin) == nullptr)
        return;
}

std::string FileNamePart(const std::string& text) {
    std::string name;
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return name;
}

// Waits for a dialog of the process other than the sheet, pictures it, and closes it
// with button (Cancel answers No in the confirmations).
bool ShowDialog(DWORD processId, HWND sheet, const std::string& name, int button) {
    HWND dialog = nullptr;
    WaitUntil(
        [&] {
            std::vector<HWND> dialogs = OtherDialogs(processId, sheet);
            dialog = dialogs.empty() ? nullptr : dialogs.front();
            return dialog != nullptr;
        },
        kWindowMs);
    if (dialog == nullptr) {
        std::fprintf(stderr, "zeptour: no %s dialog appeared\n", name.c_str());
        return false;
    }
    Shot(dialog, name);
    PostCommand(dialog, button);
    return WaitUntilGone(dialog, kWindowMs);
}

bool TourPages(SheetDriver& sheet) {
    const int count = sheet.PageCount();
    for (int i = 0; i < count; ++i) {
        if (!sheet.SelectPage(i)) {
            std::fprintf(stderr, "zeptour: page %d could not be shown\n", i + 1);
            return false;
        }
        char title[128] = "";
        GetWindowTextA(sheet.CurrentPage(), title, sizeof title);
        const std::string part = FileNamePart(title);
        Shot(sheet.Window(), "page" + std::to_string(i + 1) + (part.empty() ? "" : "-" + part));
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
    Shot(menu, "menu");
    ChooseMenuItem(menu, kAboutItem);
    return ShowDialog(processId, sheet.Window(), "about", IDOK);
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
    }
    return true;
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
        Shot(box.window, "message");
        std::fprintf(stderr, "zeptour: the program said \"%s\"\n", box.text.c_str());
        AnswerMessageBox(box);
        zep.WaitForExit(kExitMs);
        return kFailed;
    }
    if (prompt != nullptr) {
        // The setup password is not known here: picture the prompt and cancel it.
        Shot(prompt, "password-prompt");
        std::fprintf(stderr, "zeptour: the notebook has a setup password; prompt cancelled\n");
        PostCommand(prompt, IDCANCEL);
        zep.WaitForExit(kExitMs);
        return 0;
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
    toured = toured && TourPasswordDialogs(id, driver);
    // Cancel writes nothing to the BIOS.
    driver.PressCancel();
    if (!zep.WaitForExit(kExitMs)) {
        std::fprintf(stderr, "zeptour: the program did not end after Cancel\n");
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
    std::fputs("usage: zeptour tour ZEP_EXE | wait-sheet SECONDS | close-sheet | press PAGE ID"
               " | apply | center TITLE ID | masks TITLE ID... | no-menu\n",
               stderr);
    return kUsage;
}
