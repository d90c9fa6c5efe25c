#include "ProgramRun.h"

#include "MessageBoxes.h"
#include "Poll.h"
#include "SheetDriver.h"
#include "Windows.h"
#include "ZepUi.h"

#include <atomic>
#include <memory>
#include <thread>

namespace sweep {

namespace {

// The prompt's Enter is handled by the program's own loop: give it this long before the
// prompt counts as waiting for an answer again.
constexpr DWORD kPromptSettleMs = 5000;

bool Usable(HWND window) {
    return window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window);
}

HWND DialogTitled(DWORD processId, const char* title) {
    return e2e::FindTopLevel(processId, e2e::kDialogClass, title);
}

} // namespace

bool ProgramRun::Start(const std::string& exePath) {
    return zep_.Start(exePath);
}

bool ProgramRun::AnswerPrompt(HWND prompt) {
    if (prompt == answeredPrompt_ && GetTickCount() - promptAnsweredAt_ < kPromptSettleMs)
        return false;
    if (!e2e::AnswerPasswordPrompt(prompt, password_, e2e::kQuietMs))
        return false;
    answeredPrompt_ = prompt;
    promptAnsweredAt_ = GetTickCount();
    return true;
}

bool ProgramRun::AnswerOneDialog() {
    const DWORD id = zep_.Id();
    const e2e::MessageBoxSeen box = e2e::FindMessageBox(id);
    if (box.window != nullptr) {
        messages_.push_back(box.text);
        e2e::AnswerMessageBox(box);
        answeredPrompt_ = nullptr; // the prompt wants the password again
        return true;
    }
    struct Answer {
        const char* title;
        int button;
    };
    static const Answer answers[] = {
        {zepui::kRestartTitle, IDCANCEL},
        {zepui::kLoadDefaultTitle, IDOK},
        {zepui::kLoadPreviousTitle, IDOK},
    };
    for (const Answer& answer : answers) {
        if (HWND dialog = DialogTitled(id, answer.title)) {
            PostMessageA(dialog, WM_COMMAND, answer.button, 0);
            e2e::WaitUntilGone(dialog, e2e::kQuietMs);
            return true;
        }
    }
    if (HWND prompt = e2e::FindPasswordPrompt(id))
        return AnswerPrompt(prompt);
    return false;
}

bool ProgramRun::WaitForSheet(DWORD timeoutMs) {
    return e2e::WaitUntil(
               [&] {
                   AnswerOneDialog();
                   sheet_ = e2e::FindSheet(zep_.Id());
                   return sheet_ != nullptr || !zep_.Running();
               },
               timeoutMs) &&
           sheet_ != nullptr;
}

bool ProgramRun::Do(const std::function<bool()>& action, DWORD timeoutMs) {
    auto done = std::make_shared<std::atomic<int>>(-1);
    std::thread([action, done] { *done = action() ? 1 : 0; }).detach();
    const bool returned = e2e::WaitUntil(
        [&] {
            if (*done >= 0)
                return true;
            AnswerOneDialog();
            return false;
        },
        timeoutMs);
    return returned && *done == 1;
}

bool ProgramRun::Press(HWND button, DWORD timeoutMs) {
    if (!Usable(button))
        return false;
    return Do(
        [button, timeoutMs] {
            DWORD_PTR result = 0;
            return SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &result) !=
                   0;
        },
        timeoutMs);
}

bool ProgramRun::Command(int id, DWORD timeoutMs) {
    HWND sheet = sheet_;
    return Do(
        [sheet, id, timeoutMs] {
            DWORD_PTR result = 0;
            return SendMessageTimeoutA(sheet, WM_COMMAND, static_cast<WPARAM>(id), 0, SMTO_NORMAL,
                                       timeoutMs, &result) != 0;
        },
        timeoutMs);
}

bool ProgramRun::Finish(DWORD timeoutMs) {
    DWORD cancelledAt = 0;
    const bool ended = e2e::WaitUntil(
        [&] {
            if (!zep_.Running())
                return true;
            if (AnswerOneDialog())
                return false;
            // Anything else still open (a password dialog, the sheet) gets Cancel;
            // again after a while if the first one was lost.
            if (cancelledAt == 0 || GetTickCount() - cancelledAt > e2e::kWindowMs / 3) {
                for (HWND dialog : e2e::OtherDialogs(zep_.Id(), nullptr)) {
                    if (!IsWindowEnabled(dialog))
                        continue; // the owner of a modal dialog
                    HWND cancel = e2e::Control(dialog, IDCANCEL);
                    if (cancel != nullptr)
                        PostMessageA(cancel, BM_CLICK, 0, 0);
                    else
                        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                }
                cancelledAt = GetTickCount();
            }
            return false;
        },
        timeoutMs);
    if (!ended)
        zep_.Kill();
    return ended;
}

} // namespace sweep
