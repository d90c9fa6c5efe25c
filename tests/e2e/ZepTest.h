// Base of the end-to-end tests of the program: a clean simulated notebook before each
// test, steps that start the program up to its sheet, a page or its password prompt,
// the sheet's dialogs answered, checks for dialogs that must (not) appear, and a
// teardown that ends whatever is left.
#pragma once

#include "MessageBoxes.h"
#include "Poll.h"
#include "SheetDriver.h"
#include "SimLog.h"
#include "Windows.h"
#include "ZepProcess.h"
#include "ZepUi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {

class ZepTest : public ::testing::Test {
protected:
    // The fixture's tests run program; a fixture of the six-page program passes
    // ZepProgram::kSixPages from its constructor.
    explicit ZepTest(ZepProgram program = ZepProgram::kFivePages) : program_(program) {}

    void SetUp() override;
    void TearDown() override;

    // Starts the fixture's program into process (a second copy when zep_ runs);
    // records a failure and returns false when it cannot.
    bool Launch(ZepProcess& process);
    bool Launch() { return Launch(zep_); }
    // Starts the program and waits for its sheet, or its password prompt; nullptr
    // (with a failure recorded) when it does not appear in time.
    HWND StartToSheet();
    HWND StartToPrompt() { return StartTo(WaitForPasswordPrompt, "password prompt"); }
    // Starts the program, answers its password prompt and waits for the sheet.
    HWND StartThroughPrompt(const std::string& password);
    // Starts the program to its sheet, clears the log and shows the page at index: the
    // log then holds what the page read when first shown. False (with a failure
    // recorded) when it cannot.
    bool OpenPage(int index);

    // The first window of a program started in a cold Wine session takes longer.
    static DWORD FirstWindowTimeout();
    // Call after something ended the Wine session's programs (a restart): the next
    // program meets a cold desktop, and the keep-alive program is started again.
    static void SessionRestarted();

    // The program ends within timeoutMs without showing a new dialog first (dialogs
    // open when called, which may be closing, do not count).
    ::testing::AssertionResult EndsWithoutDialog(DWORD timeoutMs = kExitMs);
    // No dialog other than except opens within kQuietMs.
    ::testing::AssertionResult NoOtherDialogAppears(HWND except);
    // Waits for a dialog with this title (a confirmation or the restart prompt).
    HWND WaitForDialogTitled(const char* title);
    // Waits for a message box, checks its text and answers OK.
    ::testing::AssertionResult ExpectMessage(const std::string& text);
    // Chooses a right-click menu command and answers its confirmation, titled title,
    // with its Yes or No button; message receives the confirmation's text.
    ::testing::AssertionResult Confirm(int command, const char* title, bool yes,
                                       std::string* message = nullptr);
    ::testing::AssertionResult LoadPrevious() {
        return Confirm(zepui::kLoadPreviousCommand, zepui::kLoadPreviousTitle, true);
    }
    // Waits for the restart prompt and answers No; false when none appears.
    ::testing::AssertionResult DeclineRestart();

    // Requests with one of these names since the log was cleared, in order.
    std::vector<BiosRequest> Requests(std::initializer_list<const char*> names) {
        return Only(sim_.Log(), names);
    }
    // Waits until the log holds a CMOS checksum request (the end of an apply or a
    // restore) and returns it then.
    std::vector<BiosRequest> LogThroughChecksum() { return sim_.LogThrough("CMOSChecksum"); }

    ZepProcess zep_;
    SimNotebook sim_;
    SheetDriver sheet_{nullptr};

private:
    HWND StartTo(HWND (*wait)(DWORD processId, DWORD timeoutMs), const char* what);

    const ZepProgram program_;
    static bool warm_;
};

} // namespace e2e
