// The program's message boxes: top-level dialogs of its process captioned with the
// program's name ("zep"), with a text and an OK button.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

constexpr char kMessageCaption[] = "zep";

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string text;
};

// The message box's text: its static text control, the one that is not an icon.
std::string MessageTextOf(HWND box);
// The message box the process shows now, if any (window nullptr when none).
MessageBoxSeen FindMessageBox(DWORD processId);
// Waits for one; window nullptr at the deadline.
MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Presses the box's button (IDOK by default) and waits until the box is gone.
bool AnswerMessageBox(const MessageBoxSeen& box, int button = IDOK);

} // namespace e2e
