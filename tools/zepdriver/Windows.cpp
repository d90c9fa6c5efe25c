#include "Windows.h"

#include "KeyCodes.h"
#include "Poll.h"

#include <cstring>

namespace e2e {

namespace {

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM lParam) {
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((search->processId == 0 || owner == search->processId) && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

struct ClassSearch {
    const char* className;
    bool found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM lParam) {
    ClassSearch* search = reinterpret_cast<ClassSearch*>(lParam);
    if (ClassOf(window) == search->className) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

bool Usable(HWND button) {
    return button != nullptr && IsWindowVisible(button) && IsWindowEnabled(button);
}

LPARAM KeyData(uint8_t scanCode, bool up) {
    DWORD data = 1u | (static_cast<DWORD>(scanCode) << 16);
    if (up)
        data |= 0xC0000000u; // previous state down, transition up
    return static_cast<LPARAM>(data);
}

} // namespace

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kWindowMs, &length))
        return "";
    std::vector<char> text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_NORMAL, kWindowMs, &copied))
        return "";
    return std::string(text.data());
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId) {
    Search search = {processId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD processId, const char* className, const char* title) {
    for (HWND window : VisibleTopLevelWindows(processId)) {
        if (ClassOf(window) != className)
            continue;
        char text[256] = "";
        // Top-level titles of other processes are read without a message to them.
        GetWindowTextA(window, text, sizeof text);
        if (title == nullptr || std::strcmp(text, title) == 0)
            return window;
    }
    return nullptr;
}

std::vector<HWND> OtherDialogs(DWORD processId, HWND except) {
    std::vector<HWND> dialogs;
    for (HWND window : VisibleTopLevelWindows(processId)) {
        if (window != except && ClassOf(window) == kDialogClass)
            dialogs.push_back(window);
    }
    return dialogs;
}

bool HasDescendantOfClass(HWND window, const char* className) {
    ClassSearch search = {className, false};
    EnumChildWindows(window, MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD processId, const char* title, DWORD timeoutMs) {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindTopLevel(processId, kDialogClass, title)) != nullptr; },
              timeoutMs);
    return dialog;
}

HWND WaitForOtherDialog(DWORD processId, HWND except, DWORD timeoutMs) {
    std::vector<HWND> dialogs;
    WaitUntil([&] { return !(dialogs = OtherDialogs(processId, except)).empty(); }, timeoutMs);
    return dialogs.empty() ? nullptr : dialogs.front();
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

HWND Control(HWND dialog, int id) {
    return dialog ? GetDlgItem(dialog, id) : nullptr;
}

int CheckState(HWND button) {
    DWORD_PTR state = 0;
    if (button == nullptr ||
        !SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_NORMAL, kWindowMs, &state))
        return -1;
    return static_cast<int>(state);
}

bool Enabled(HWND window) {
    return window != nullptr && IsWindowEnabled(window);
}

HWND FocusOfThread(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool WaitForFocus(HWND control, DWORD timeoutMs) {
    const HWND top = GetAncestor(control, GA_ROOT);
    return WaitUntil(
        [&] {
            const HWND focus = FocusOfThread(control);
            if (focus == nullptr)
                SetForegroundWindow(top);
            return focus == control;
        },
        timeoutMs);
}

bool Click(HWND button) {
    if (!Usable(button))
        return false;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, kWindowMs, &result))
        return false;
    // A modal loop waiting in GetMessage may only look at its state after a posted message.
    PostMessageA(GetAncestor(button, GA_ROOT), WM_NULL, 0, 0);
    return true;
}

bool ClickLater(HWND button) {
    return Usable(button) && PostMessageA(button, BM_CLICK, 0, 0);
}

void ClickInto(HWND control) {
    const LPARAM corner = MAKELPARAM(2, 2);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, corner);
    PostMessageA(control, WM_LBUTTONUP, 0, corner);
}

bool CloseWith(HWND dialog, int button, DWORD timeoutMs) {
    return ClickLater(Control(dialog, button)) && WaitUntilGone(dialog, timeoutMs);
}

bool TypeInto(HWND edit, const std::string& text) {
    if (!Enabled(edit))
        return false;
    ClickInto(edit);
    return TypeCharacters(edit, text);
}

bool SetText(HWND control, const std::string& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_NORMAL, kWindowMs, &result) != 0;
}

void PostCommand(HWND window, int id) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

bool SendCommand(HWND window, int id) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0, SMTO_NORMAL,
                             kWindowMs, &result))
        return false;
    PostMessageA(window, WM_NULL, 0, 0);
    return true;
}

bool TypeCharacters(HWND control, const std::string& text) {
    std::vector<KeyStroke> keys;
    if (!KeyStrokesFor(text, keys))
        return false;
    for (size_t i = 0; i < keys.size(); ++i)
        PostMessageA(control, WM_CHAR, static_cast<unsigned char>(text[i]),
                     KeyData(keys[i].scanCode, false));
    return true;
}

bool PressKeys(HWND control, const std::string& keys) {
    std::vector<KeyStroke> strokes;
    if (!KeyStrokesFor(keys, strokes))
        return false;
    for (const KeyStroke& key : strokes) {
        PostMessageA(control, WM_KEYDOWN, key.virtualKey, KeyData(key.scanCode, false));
        PostMessageA(control, WM_KEYUP, key.virtualKey, KeyData(key.scanCode, true));
    }
    return true;
}

bool Responsive(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kWindowMs, &result) != 0;
}

} // namespace e2e
