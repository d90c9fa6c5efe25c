#include "ZepTest.h"

#include <algorithm>
#include <cstdlib>

namespace e2e {

namespace {

constexpr DWORD kDriverOpenMs = 30000;

} // namespace

bool ZepTest::warm_ = false;

void ZepTest::SetUp() {
    ASSERT_FALSE(ZepPath(program_).empty())
        << ZepPathVariable(program_) << " names no program (run through CTest)";
    EndRunningCopies(); // left by an earlier test: a second copy, a copy of a failed test
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
    // It must outlive the test; the test run's end stops it.
    if (const char* keepAlive = std::getenv("E2E_KEEPALIVE_EXE"))
        StartDetached(keepAlive);
}

DWORD ZepTest::FirstWindowTimeout() {
    return warm_ ? kWindowMs : kColdWindowMs;
}

HWND ZepTest::StartTo(HWND (*wait)(DWORD, DWORD), const char* what) {
    if (!Launch())
        return nullptr;
    HWND window = wait(zep_.Id(), FirstWindowTimeout());
    if (window == nullptr) {
        MessageBoxSeen box = FindMessageBox(zep_.Id());
        ADD_FAILURE() << "no " << what << " appeared"
                      << (box.window ? " (message box: \"" + box.text + "\")" : "");
        return nullptr;
    }
    warm_ = true;
    return window;
}

HWND ZepTest::StartToSheet() {
    HWND sheet = StartTo(WaitForSheet, "sheet");
    sheet_ = SheetDriver(sheet);
    return sheet;
}

HWND ZepTest::StartThroughPrompt(const std::string& password) {
    HWND prompt = StartToPrompt();
    if (prompt == nullptr)
        return nullptr;
    if (!AnswerPasswordPrompt(prompt, password, kWindowMs)) {
        ADD_FAILURE() << "cannot answer the password prompt with \"" << password << "\"";
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

bool ZepTest::OpenPage(int index) {
    if (StartToSheet() == nullptr || !sim_.ClearLog())
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
    HWND dialog = WaitForOtherDialog(zep_.Id(), except, kQuietMs);
    if (dialog == nullptr)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "unexpected dialog \"" << TextOf(dialog) << "\"";
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

::testing::AssertionResult ZepTest::Confirm(int command, const char* title, bool yes,
                                            std::string* message) {
    sheet_.PostMenuCommand(command);
    HWND confirmation = WaitForDialogTitled(title);
    if (confirmation == nullptr)
        return ::testing::AssertionFailure() << "no \"" << title << "\" confirmation";
    const std::string buttons =
        TextOf(Control(confirmation, IDOK)) + "/" + TextOf(Control(confirmation, IDCANCEL));
    if (buttons != "Yes/No")
        return ::testing::AssertionFailure() << "buttons " << buttons;
    if (::GetWindow(confirmation, GW_OWNER) != sheet_.Window() ||
        ::IsWindowEnabled(sheet_.Window()))
        return ::testing::AssertionFailure() << "the sheet is usable behind the confirmation";
    if (message != nullptr)
        *message = TextOf(Control(confirmation, zepui::kLoadSettingsMessage));
    if (!CloseWith(confirmation, yes ? IDOK : IDCANCEL, kWindowMs))
        return ::testing::AssertionFailure() << "the confirmation stayed open";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ZepTest::DeclineRestart() {
    HWND restart = WaitForDialogTitled(zepui::kRestartTitle);
    if (restart == nullptr)
        return ::testing::AssertionFailure() << "no restart prompt";
    if (!CloseWith(restart, IDCANCEL, kWindowMs))
        return ::testing::AssertionFailure() << "the restart prompt stayed open";
    return ::testing::AssertionSuccess();
}

} // namespace e2e
