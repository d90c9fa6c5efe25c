// The harness against its stand-in program: finding windows by process, reading and
// answering message boxes, tabs, clicks, typed scan codes, the right-click menu and
// exit codes. When these pass, a failing program test points at the program.
#include "MessageBoxes.h"
#include "Poll.h"
#include "SheetDriver.h"
#include "WinPath.h"
#include "Windows.h"
#include "ZepProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace e2e;

constexpr int kCheck = 1282;
constexpr int kEdit = 1154;
constexpr int kCodes = 1300;

std::string FixturePath() {
    const char* path = std::getenv("E2E_FIXTURE_EXE");
    return path ? path : "";
}

class HarnessTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(FixturePath().empty()) << "E2E_FIXTURE_EXE not set"; }

    HWND StartSheet() {
        if (!fixture_.Start(FixturePath())) {
            ADD_FAILURE() << fixture_.Error();
            return nullptr;
        }
        // The first program of the run may meet a cold Wine session.
        HWND sheet = WaitForSheet(fixture_.Id(), kColdWindowMs);
        EXPECT_NE(sheet, nullptr) << "the fixture's sheet did not appear";
        return sheet;
    }

    std::string WaitForCodes(SheetDriver& sheet, const std::string& expected) {
        std::string seen;
        WaitUntil([&] { return (seen = TextOf(sheet.PageControl(kCodes))) == expected; },
                  kWindowMs);
        return seen;
    }

    ZepProcess fixture_;
};

TEST_F(HarnessTest, MessageBoxIsFoundReadAndAnswered) {
    ASSERT_TRUE(fixture_.Start(FixturePath(), "message")) << fixture_.Error();
    MessageBoxSeen box = WaitForMessageBox(fixture_.Id(), kColdWindowMs);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "Fixture message.");
    EXPECT_EQ(FindSheet(fixture_.Id()), nullptr);
    ASSERT_TRUE(AnswerMessageBox(box));
    ASSERT_TRUE(fixture_.WaitForExit(kExitMs));
    EXPECT_EQ(fixture_.ExitCode(), 3u);
}

TEST_F(HarnessTest, SheetIsToldFromPromptAndWorkedThroughItsControls) {
    SheetDriver sheet(StartSheet());
    ASSERT_TRUE(sheet.Exists());
    EXPECT_EQ(FindPasswordPrompt(fixture_.Id()), nullptr);
    EXPECT_EQ(sheet.PageCount(), 2);
    EXPECT_EQ(sheet.CurrentIndex(), 0);
    EXPECT_EQ(sheet.PageAt(1), nullptr) << "a page never shown has no window";
    EXPECT_FALSE(sheet.ApplyEnabled());
    EXPECT_FALSE(sheet.PressApply()) << "a disabled Apply cannot be pressed";

    ASSERT_TRUE(sheet.SelectPage(1));
    EXPECT_EQ(sheet.PageAt(1), sheet.CurrentPage());
    EXPECT_EQ(sheet.PageControl(kCheck), GetDlgItem(sheet.PageAt(1), kCheck));
    HWND check = sheet.PageControl(kCheck);
    EXPECT_EQ(TextOf(check), "Enable Silent Boot");
    EXPECT_EQ(CheckState(check), BST_UNCHECKED);
    ASSERT_TRUE(Click(check));
    EXPECT_EQ(CheckState(check), BST_CHECKED) << "Click returns after the click was handled";
    EXPECT_TRUE(sheet.ApplyEnabled());
    ASSERT_TRUE(Click(check));
    EXPECT_EQ(CheckState(check), BST_UNCHECKED);

    ASSERT_TRUE(sheet.PressApply());
    EXPECT_FALSE(sheet.ApplyEnabled());
    ASSERT_TRUE(sheet.PressCancel());
    ASSERT_TRUE(fixture_.WaitForExit(kExitMs));
    EXPECT_EQ(fixture_.ExitCode(), 7u) << "Apply reached the pages";
}

TEST_F(HarnessTest, TypedCharactersCarryTheKeysScanCodesOnce) {
    SheetDriver sheet(StartSheet());
    ASSERT_TRUE(sheet.Exists());
    ASSERT_TRUE(sheet.SelectPage(1));
    HWND edit = sheet.PageControl(kEdit);
    ASSERT_TRUE(TypeCharacters(edit, "q1Z"));
    EXPECT_EQ(WaitForCodes(sheet, "10 02 2C"), "10 02 2C");
    EXPECT_EQ(TextOf(edit).size(), 3u);
    // Key presses go through the target's translation into characters.
    ASSERT_TRUE(PressKeys(edit, "aw"));
    EXPECT_EQ(WaitForCodes(sheet, "10 02 2C 1E 11"), "10 02 2C 1E 11");
    EXPECT_FALSE(TypeCharacters(edit, "x!")) << "a character without a key is refused";
    EXPECT_EQ(WaitForCodes(sheet, "10 02 2C 1E 11"), "10 02 2C 1E 11") << "and nothing is sent";
}

TEST_F(HarnessTest, ContextMenuItemIsChosenWithTheKeyboard) {
    SheetDriver sheet(StartSheet());
    ASSERT_TRUE(sheet.Exists());
    ASSERT_TRUE(sheet.OpenContextMenu());
    HWND menu = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (menu = FindOpenMenu(fixture_.Id())) != nullptr; }, kWindowMs));
    ASSERT_TRUE(ChooseMenuItem(menu, 2));
    MessageBoxSeen box = WaitForMessageBox(fixture_.Id(), kWindowMs);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "chosen 32789") << "separators are not counted";
    ASSERT_TRUE(AnswerMessageBox(box));
    EXPECT_EQ(FindOpenMenu(fixture_.Id()), nullptr);

    ASSERT_TRUE(sheet.PressOk());
    ASSERT_TRUE(fixture_.WaitForExit(kExitMs));
    EXPECT_EQ(fixture_.ExitCode(), 7u);
}

TEST_F(HarnessTest, ProcessThatCannotStartReportsWhy) {
    ZepProcess missing;
    EXPECT_FALSE(missing.Start("/nonexistent/zep.exe"));
    EXPECT_NE(missing.Error().find("Z:\\nonexistent\\zep.exe"), std::string::npos);
    EXPECT_FALSE(missing.Running());
    EXPECT_FALSE(missing.WaitForExit(0));
}

} // namespace
