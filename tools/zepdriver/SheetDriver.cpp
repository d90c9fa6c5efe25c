#include "SheetDriver.h"

#include "Poll.h"
#include "Windows.h"
#include "ZepUi.h"

#include <commctrl.h>
#include <prsht.h>

namespace e2e {

namespace {

constexpr char kProductTitle[] = "Tarvell";

LRESULT SendToSheet(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam, bool* answered) {
    DWORD_PTR result = 0;
    const bool ok =
        SendMessageTimeoutA(sheet, message, wParam, lParam, SMTO_NORMAL, kWindowMs, &result) != 0;
    if (answered)
        *answered = ok;
    return ok ? static_cast<LRESULT>(result) : 0;
}

HWND FindTitled(DWORD processId, bool withTabs) {
    for (HWND window : VisibleTopLevelWindows(processId)) {
        char title[64] = "";
        GetWindowTextA(window, title, sizeof title);
        if (ClassOf(window) == kDialogClass && lstrcmpA(title, kProductTitle) == 0 &&
            HasDescendantOfClass(window, WC_TABCONTROLA) == withTabs)
            return window;
    }
    return nullptr;
}

void PostKey(HWND window, UINT virtualKey) {
    const UINT scanCode = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (scanCode << 16));
    PostMessageA(window, WM_KEYUP, virtualKey, 1 | (scanCode << 16) | 0xC0000000u);
}

} // namespace

int SheetDriver::PageCount() const {
    HWND tabs = reinterpret_cast<HWND>(SendToSheet(sheet_, PSM_GETTABCONTROL, 0, 0, nullptr));
    if (tabs == nullptr)
        return 0;
    DWORD_PTR count = 0;
    SendMessageTimeoutA(tabs, TCM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, kWindowMs, &count);
    return static_cast<int>(count);
}

int SheetDriver::CurrentIndex() const {
    HWND tabs = reinterpret_cast<HWND>(SendToSheet(sheet_, PSM_GETTABCONTROL, 0, 0, nullptr));
    if (tabs == nullptr)
        return -1;
    DWORD_PTR index = static_cast<DWORD_PTR>(-1);
    if (!SendMessageTimeoutA(tabs, TCM_GETCURSEL, 0, 0, SMTO_NORMAL, kWindowMs, &index))
        return -1;
    return static_cast<int>(index);
}

bool SheetDriver::SelectPage(int index) {
    if (index < 0 || index >= PageCount())
        return false;
    bool answered = false;
    SendToSheet(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0, &answered);
    return answered && CurrentIndex() == index && CurrentPage() != nullptr;
}

HWND SheetDriver::CurrentPage() const {
    return reinterpret_cast<HWND>(SendToSheet(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, nullptr));
}

HWND SheetDriver::PageControl(int id) const {
    return Control(CurrentPage(), id);
}

HWND SheetDriver::PageAt(int index) const {
    return reinterpret_cast<HWND>(
        SendToSheet(sheet_, PSM_INDEXTOHWND, static_cast<WPARAM>(index), 0, nullptr));
}

HWND SheetDriver::Button(int id) const {
    return Control(sheet_, id);
}

bool SheetDriver::ApplyEnabled() const {
    return Enabled(Button(kApplyButton));
}

bool SheetDriver::PressApply() {
    return Click(Button(kApplyButton));
}

bool SheetDriver::SendApplyCommand() {
    return SendCommand(sheet_, kApplyButton);
}

bool SheetDriver::PressOk() {
    return ClickLater(Button(IDOK));
}

bool SheetDriver::PressCancel() {
    return ClickLater(Button(IDCANCEL));
}

void SheetDriver::PostMenuCommand(int command) {
    PostCommand(sheet_, command);
}

bool SheetDriver::OpenContextMenu() {
    HWND page = CurrentPage();
    RECT box;
    if (page == nullptr || !GetWindowRect(page, &box))
        return false;
    const LONG x = (box.left + box.right) / 2;
    const LONG y = (box.top + box.bottom) / 2;
    return PostMessageA(page, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(page), MAKELPARAM(x, y));
}

bool AnswerPasswordPrompt(HWND prompt, const std::string& text, DWORD timeoutMs) {
    HWND field = Control(prompt, zepui::kPromptField);
    return WaitUntil([&] { return FocusOfThread(prompt) == field; }, timeoutMs) &&
           TypeCharacters(field, text) && PressKeys(field, "\r");
}

HWND FindSheet(DWORD processId) {
    return FindTitled(processId, true);
}

HWND FindPasswordPrompt(DWORD processId) {
    return FindTitled(processId, false);
}

HWND WaitForSheet(DWORD processId, DWORD timeoutMs) {
    HWND sheet = nullptr;
    WaitUntil([&] { return (sheet = FindSheet(processId)) != nullptr; }, timeoutMs);
    return sheet;
}

HWND WaitForPasswordPrompt(DWORD processId, DWORD timeoutMs) {
    HWND prompt = nullptr;
    WaitUntil([&] { return (prompt = FindPasswordPrompt(processId)) != nullptr; }, timeoutMs);
    return prompt;
}

HWND FindOpenMenu(DWORD processId) {
    return FindTopLevel(processId, kMenuClass, nullptr);
}

bool ChooseMenuItem(HWND menu, int index) {
    if (menu == nullptr || index < 0)
        return false;
    for (int i = 0; i <= index; ++i)
        PostKey(menu, VK_DOWN);
    PostKey(menu, VK_RETURN);
    return true;
}

} // namespace e2e
