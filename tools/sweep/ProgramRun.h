// One run of the program under test, worked from outside: every action that may open a
// modal window runs on a helper thread while this thread answers the program's dialogs
// the way the run's user would (message boxes OK, confirmations Yes, restart No, the
// setup-password prompt with the typed password), so no fault can leave the run stuck.
#pragma once

#include "ZepProcess.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace sweep {

class ProgramRun {
public:
    explicit ProgramRun(std::string password) : password_(std::move(password)) {}

    bool Start(const std::string& exePath);
    DWORD Id() const { return zep_.Id(); }
    bool Running() const { return zep_.Running(); }

    // Answers dialogs until the sheet is shown (true) or the program ended or the time
    // ran out (false).
    bool WaitForSheet(DWORD timeoutMs);
    HWND Sheet() const { return sheet_; }

    // Runs action (which may block in a SendMessage) on a helper thread and answers the
    // program's dialogs until it returns. False when the action failed or did not
    // return in time.
    bool Do(const std::function<bool()>& action, DWORD timeoutMs);
    // Presses the button (sent BM_CLICK); false when it is missing, hidden or disabled.
    bool Press(HWND button, DWORD timeoutMs);
    // Delivers a command to the sheet as its menu does.
    bool Command(int id, DWORD timeoutMs);

    // Closes whatever is open with Cancel (restart: No) and waits for the end; false
    // when the program is still running at the deadline (it is then ended).
    bool Finish(DWORD timeoutMs);
    DWORD ExitCode() const { return zep_.ExitCode(); }

    // Texts of the message boxes the program showed, in order.
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    // Answers one open dialog; true when there was one.
    bool AnswerOneDialog();
    bool AnswerPrompt(HWND prompt);

    e2e::ZepProcess zep_;
    std::string password_;
    HWND sheet_ = nullptr;
    HWND answeredPrompt_ = nullptr;
    DWORD promptAnsweredAt_ = 0;
    std::vector<std::string> messages_;
};

} // namespace sweep
