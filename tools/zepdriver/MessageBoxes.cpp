#include "MessageBoxes.h"

#include "Poll.h"
#include "Windows.h"

namespace e2e {

namespace {

// The message text's control id in the system's message box template.
constexpr int kMessageTextId = 0xFFFF;

BOOL CALLBACK FirstTextStatic(HWND child, LPARAM lParam) {
    HWND* found = reinterpret_cast<HWND*>(lParam);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (ClassOf(child) == "Static" && (style & SS_TYPEMASK) != SS_ICON && !TextOf(child).empty()) {
        *found = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::string MessageTextOf(HWND box) {
    HWND text = GetDlgItem(box, kMessageTextId);
    if (text == nullptr)
        EnumChildWindows(box, FirstTextStatic, reinterpret_cast<LPARAM>(&text));
    return text ? TextOf(text) : "";
}

MessageBoxSeen FindMessageBox(DWORD processId) {
    MessageBoxSeen seen;
    seen.window = FindTopLevel(processId, kDialogClass, kMessageCaption);
    if (seen.window != nullptr)
        seen.text = MessageTextOf(seen.window);
    return seen;
}

MessageBoxSeen WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    MessageBoxSeen seen;
    WaitUntil([&] { return (seen = FindMessageBox(processId)).window != nullptr; }, timeoutMs);
    return seen;
}

bool AnswerMessageBox(const MessageBoxSeen& box, int button) {
    return ClickLater(Control(box.window, button)) && WaitUntilGone(box.window, kWindowMs);
}

} // namespace e2e
