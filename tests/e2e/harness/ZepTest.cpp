#include "ZepTest.h"

#include "WinPath.h"
#include "ZepUi.h"

#include <algorithm>
#include <cstdlib>

namespace e2e {

namespace {

constexpr DWORD kDriverOpenMs = 30000;

// Ends programs left by an earlier test (a second copy, a copy of a failed test).
void EndLeftoverCopies() {
    for (int i = 0; i < 4; ++i) {
        HWND left = FindWindowA(kDialogClass, "Tarvell");
        if (left == nullptr)
            return;
        DWORD processId = 0;
        GetWindowThreadProcessId(left, &processId);
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        if (process == nullptr)
            return;
        TerminateProcess(process, 1);
        WaitForSingleObject(process, kExitMs);
        CloseHandle(process);
    }
}

} // namespace

bool ZepTest::warm_ = false;

void ZepTest::SetUp() {
    ASSERT_FALSE(ZepPath(program_).empty())
        << ZepPathVariable(program_) << " names no program (run through CTest)";
    EndLeftoverCopies();
    ASSERT_TRUE(sim_.Open(kDriverOpenMs)) << "the simulated notebook's driver does not answer";
    ASSERT_TRUE(sim_.Reset());
}

void ZepTest::TearDown() {
    zep_.Kill();
    sim_.Close();
}

bool ZepTest::Launch(ZepProcess& process) {
    if (!process.Start(ZepPath(program_))) {
        ADD_FAILURE() << process.Error();
        return false;
    }
    return true;
}

void ZepTest::SessionRestarted() {
    warm_ = false;
    // Started and let go: it must outlive the test, and the test run's end stops it.
    const char* keepAlive = std::getenv("E2E_KEEPALIVE_EXE");
    if (keepAlive == nullptr)
        return;
    const std::string path = WindowsPathOf(keepAlive);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

DWORD ZepTest::FirstWindowTimeout() {
    return warm_ ? kWindowMs : kColdWindowMs;
}

HWND ZepTest::StartToSheet() {
    if (!Launch())
        return nullptr;
    HWND sheet = WaitForSheet(zep_.Id(), FirstWindowTimeout());
    if (sheet == nullptr) {
        MessageBoxSeen box = FindMessageBox(zep_.Id());
        ADD_FAILURE() << "no sheet appeared"
                      << (box.window ? " (message box: \"" + box.text + "\")" : "");
        return nullptr;
    }
    warm_ = true;
    sheet_ = SheetDriver(sheet);
    return sheet;
}

HWND ZepTest::StartToPrompt() {
    if (!Launch())
        return nullptr;
    HWND prompt = WaitForPasswordPrompt(zep_.Id(), FirstWindowTimeout());
    if (prompt == nullptr) {
        ADD_FAILURE() << "no password prompt appeared";
        return nullptr;
    }
    warm_ = true;
    return prompt;
}

::testing::AssertionResult ZepTest::AnswerPrompt(HWND prompt, const std::string& text) {
    HWND field = Control(prompt, zepui::kPromptField);
    if (!WaitUntil([&] { return FocusOfThread(prompt) == field; }, kWindowMs))
        return ::testing::AssertionFailure() << "the password field does not have the focus";
    if (!TypeCharacters(field, text) || !PressKeys(field, "\r"))
        return ::testing::AssertionFailure() << "cannot type \"" << text << "\"";
    return ::testing::AssertionSuccess();
}

HWND ZepTest::StartThroughPrompt(const std::string& password) {
    HWND prompt = StartToPrompt();
    if (prompt == nullptr)
        return nullptr;
    const ::testing::AssertionResult answered = AnswerPrompt(prompt, password);
    if (!answered) {
        ADD_FAILURE() << answered.message();
        return nullptr;
    }
    HWND sheet = WaitForSheet(zep_.Id(), kWindowMs);
    if (sheet == nullptr) {
        ADD_FAILURE() << "no sheet after the password prompt";
        return nullptr;
    }
    sheet_ = SheetDriver(sheet);
    return sheet;
}

bool ZepTest::StartOnPage(int index) {
    if (StartToSheet() == nullptr)
        return false;
    if (!sheet_.SelectPage(index)) {
        ADD_FAILURE() << "the sheet did not show page " << index;
        return false;
    }
    return true;
}

::testing::AssertionResult ZepTest::EndsWithoutDialog(DWORD timeoutMs) {
    const std::vector<HWND> closing = OtherDialogs(zep_.Id(), nullptr);
    HWND seen = nullptr;
    const bool ended = WaitUntil(
        [&] {
            if (!zep_.Running())
                return true;
            for (HWND dialog : OtherDialogs(zep_.Id(), FindSheet(zep_.Id()))) {
                if (std::find(closing.begin(), closing.end(), dialog) == closing.end())
                    seen = dialog;
            }
            return seen != nullptr;
        },
        timeoutMs);
    if (seen != nullptr) {
        char title[128] = "";
        GetWindowTextA(seen, title, sizeof title);
        return ::testing::AssertionFailure()
               << "a dialog appeared instead: \"" << title << "\" " << MessageTextOf(seen);
    }
    if (!ended)
        return ::testing::AssertionFailure() << "the program did not end";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ZepTest::NoOtherDialogAppears(HWND except) {
    std::vector<HWND> dialogs;
    WaitUntil([&] { return !(dialogs = OtherDialogs(zep_.Id(), except)).empty(); }, kQuietMs);
    if (dialogs.empty())
        return ::testing::AssertionSuccess();
    char title[128] = "";
    GetWindowTextA(dialogs.front(), title, sizeof title);
    return ::testing::AssertionFailure() << "unexpected dialog \"" << title << "\"";
}

HWND ZepTest::WaitForDialogTitled(const char* title) {
    return WaitForDialog(zep_.Id(), title, kWindowMs);
}

::testing::AssertionResult ZepTest::ExpectMessage(const std::string& text) {
    MessageBoxSeen box = WaitForMessageBox(zep_.Id(), kWindowMs);
    if (box.window == nullptr)
        return ::testing::AssertionFailure() << "no message box \"" << text << "\" appeared";
    const std::string seen = box.text;
    if (!AnswerMessageBox(box))
        return ::testing::AssertionFailure() << "the message box \"" << seen << "\" stayed open";
    if (seen != text)
        return ::testing::AssertionFailure()
               << "message \"" << seen << "\", expected \"" << text << "\"";
    return ::testing::AssertionSuccess();
}

} // namespace e2e
