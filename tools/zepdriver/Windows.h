// Finding the windows of a program under test and reading and working its controls
// from another process, the way a user would: clicks, key presses, texts, check states.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The standard dialog class: sheets, dialogs and message boxes.
constexpr char kDialogClass[] = "#32770";
// A pop-up menu while it is open.
constexpr char kMenuClass[] = "#32768";

std::string ClassOf(HWND window);
// The window's text (WM_GETTEXT, answered by the owning thread; empty when it does
// not answer within the window timeout).
std::string TextOf(HWND window);

// Top-level windows of the process (of every process when processId is 0), visible
// ones only.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);
// The first visible top-level window of the process with this class and, when title is
// not null, exactly this title; nullptr when there is none.
HWND FindTopLevel(DWORD processId, const char* className, const char* title);
// Visible dialog-class windows of the process other than except.
std::vector<HWND> OtherDialogs(DWORD processId, HWND except);
// True when the window has a child (at any depth) of this class.
bool HasDescendantOfClass(HWND window, const char* className);

// Waits for a visible dialog of the process with this title; nullptr at the deadline.
HWND WaitForDialog(DWORD processId, const char* title, DWORD timeoutMs);
// Waits for a visible dialog of the process other than except; nullptr at the deadline.
HWND WaitForOtherDialog(DWORD processId, HWND except, DWORD timeoutMs);
// Waits until the window no longer exists.
bool WaitUntilGone(HWND window, DWORD timeoutMs);

// Controls of a dialog.
HWND Control(HWND dialog, int id);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE; -1 when the control does not answer.
int CheckState(HWND button);
bool Enabled(HWND window);
// The window that has the keyboard focus in the thread that owns window.
HWND FocusOfThread(HWND window);
// Waits until control has the keyboard focus in its thread. A bare X server without a
// window manager may leave the program with no active window when a dialog closes;
// then its top-level window is activated again, which gives the focus back to the
// control its dialog manager saved.
bool WaitForFocus(HWND control, DWORD timeoutMs);

// Clicks a button and returns once the click has been handled (BM_CLICK sent), so any
// effect of it can be checked at once. Only for clicks that open no modal window:
// the send would wait for that window to close. False when the button is missing,
// hidden or disabled (a user could not click it) or does not answer.
bool Click(HWND button);
// Clicks a button without waiting (BM_CLICK posted): for OK, Cancel and buttons that
// open a dialog. Same refusals as Click.
bool ClickLater(HWND button);
// Clicks into a control without waiting (mouse button down and up posted at its
// top-left corner), as a user does to put the caret into an edit field.
void ClickInto(HWND control);
// Presses a button of a dialog without waiting (OK, Cancel, Yes, No) and waits until
// the dialog is gone; false when the button cannot be pressed or the dialog stays.
bool CloseWith(HWND dialog, int button, DWORD timeoutMs);
// Clicks into an edit control and types text into it (TypeCharacters); false when the
// control is missing or disabled or a character has no key.
bool TypeInto(HWND edit, const std::string& text);
// Replaces the text of a control, as a user typing into a field does (WM_SETTEXT).
bool SetText(HWND control, const std::string& text);
// Posts a command to a window, as a menu choice or an accelerator delivers it.
void PostCommand(HWND window, int id);
// Sends a command and returns once it has been handled; false when it did not
// finish within the window timeout (for example because it opened a modal window).
bool SendCommand(HWND window, int id);

// Posts one WM_CHAR per character of text to the control, each with the key data
// (repeat count 1, the set-1 scan code of its key) a keyboard would have produced.
// Being posted, they are handled before anything posted after them, such as a click
// on OK. False for a character without a key (see KeyCodes.h); nothing is posted then.
bool TypeCharacters(HWND control, const std::string& text);
// Posts key-down and key-up messages for each character of keys: the target's own
// message loop translates them into characters, as for a real keyboard. Those
// characters are posted by the target and so arrive after anything the test posts in
// the meantime: wait for their effect first. False for a character without a key.
bool PressKeys(HWND control, const std::string& keys);
// True when the thread that owns the window answers a message within the window
// timeout (it is not stuck outside a message loop).
bool Responsive(HWND window);

} // namespace e2e
