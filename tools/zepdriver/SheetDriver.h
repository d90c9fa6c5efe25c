// Works the settings sheet of a running program from outside: its tabs, the controls
// of the page shown, its Apply, OK and Cancel buttons and its right-click menu.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// The sheet's Apply button.
constexpr int kApplyButton = 0x3021;

class SheetDriver {
public:
    explicit SheetDriver(HWND sheet) : sheet_(sheet) {}
    HWND Window() const { return sheet_; }
    bool Exists() const { return sheet_ != nullptr && IsWindow(sheet_); }

    int PageCount() const;
    // Index of the tab shown, -1 when the sheet does not answer.
    int CurrentIndex() const;
    // Shows the page at index (the page reads its options when first shown) and returns
    // once it is shown; false when the sheet has no such page or does not answer.
    bool SelectPage(int index);
    // The page shown now, and one of its controls.
    HWND CurrentPage() const;
    HWND PageControl(int id) const;
    // The window of the page at index once it has been created, else nullptr.
    HWND PageAt(int index) const;
    // The sheet's own buttons: IDOK, IDCANCEL, kApplyButton, IDHELP.
    HWND Button(int id) const;

    bool ApplyEnabled() const;
    // Presses Apply and returns once the sheet has handled it; false when Apply is
    // disabled (a user could not press it) or the sheet did not finish in time.
    bool PressApply();
    // Delivers the Apply command even while the button is disabled, as the sheet's
    // Apply handling receives it; returns once handled.
    bool SendApplyCommand();
    // Press OK or Cancel without waiting: a dialog may follow, or the program ends.
    bool PressOk();
    bool PressCancel();
    // Delivers a right-click menu command (Load Default, Load Previous, About) without
    // waiting, as choosing it from the menu does.
    void PostMenuCommand(int command);
    // Right-clicks the middle of the page shown: posts WM_CONTEXTMENU there with that
    // screen point. The page passes it on to the sheet, which opens its menu.
    bool OpenContextMenu();

private:
    HWND sheet_;
};

// The program's settings sheet: its dialog-class window titled "Tarvell" that holds a
// tab control. nullptr when it has none (yet).
HWND FindSheet(DWORD processId);
// The start-up password prompt: the window titled "Tarvell" without tabs.
HWND FindPasswordPrompt(DWORD processId);
HWND WaitForSheet(DWORD processId, DWORD timeoutMs);
HWND WaitForPasswordPrompt(DWORD processId, DWORD timeoutMs);
// Answers the password prompt as a user does: waits up to timeoutMs for its field to
// have the focus (which starts a new entry), types text and presses Enter. False when
// the field does not get the focus or a character has no key.
bool AnswerPasswordPrompt(HWND prompt, const std::string& text, DWORD timeoutMs);

// The open pop-up menu of the process, or nullptr.
HWND FindOpenMenu(DWORD processId);
// Chooses the item at position index (0-based, separators not counted) of the open
// menu with the keyboard (Down index+1 times, then Enter), as a user does.
bool ChooseMenuItem(HWND menu, int index);

} // namespace e2e
