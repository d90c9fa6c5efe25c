// The start-up password prompt: the BIOS checks what was typed, as scan codes; three
// refusals end the program, Cancel ends it at once, the right password opens the sheet.
#include "KeyCodes.h"
#include "ZepTest.h"

namespace {

using namespace e2e;

const char kPassword[] = "qwe";

class PasswordPrompt : public ZepTest {
protected:
    void SetUp() override {
        ZepTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf(kPassword)));
        ASSERT_TRUE(sim_.ClearLog());
    }
    std::vector<BiosRequest> Checks() { return Requests({"SetChkSetupPasswd"}); }
};

TEST_F(PasswordPrompt, RightPasswordReachesTheSheet) {
    HWND prompt = StartToPrompt();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(TextOf(Control(prompt, zepui::kPromptText)),
              "This program is password protected. Please enter your password to continue.");
    EXPECT_EQ(FindSheet(zep_.Id()), nullptr);

    ASSERT_TRUE(AnswerPasswordPrompt(prompt, kPassword, kWindowMs));
    ASSERT_NE(WaitForSheet(zep_.Id(), kWindowMs), nullptr) << Describe(sim_.Log());
    EXPECT_EQ(FindMessageBox(zep_.Id()).window, nullptr);

    const std::vector<BiosRequest> log = sim_.Log();
    const int check = IndexOf(log, "SetChkSetupPasswd");
    ASSERT_GE(check, 0) << Describe(log);
    EXPECT_EQ(log[check].bx, 0x0308) << "mode 3: check";
    EXPECT_EQ(log[check].cx, 3);
    EXPECT_EQ(log[check].buffer, ScanCodesOf(kPassword));
    const int hotkeyOff = IndexOf(log, "SetHotkeyButton", check);
    ASSERT_GT(hotkeyOff, check) << "the button is turned off only after the check";
    EXPECT_EQ(log[hotkeyOff].bh, 0);
}

TEST_F(PasswordPrompt, ThreeWrongTriesEndTheProgramAfterMessages104And318) {
    HWND prompt = StartToPrompt();
    ASSERT_NE(prompt, nullptr);
    // An empty field counts as a try without asking the BIOS; each try starts a new
    // entry, so the keys of the last try are not kept.
    for (const char* attempt : {"", "zz", "qwer"}) {
        ASSERT_TRUE(AnswerPasswordPrompt(prompt, attempt, kWindowMs));
        ASSERT_TRUE(ExpectMessage(zepui::kInvalidPasswordMessage)) << "\"" << attempt << "\"";
    }
    ASSERT_TRUE(ExpectMessage(zepui::kThreeFailuresMessage));
    EXPECT_TRUE(EndsWithoutDialog());
    EXPECT_EQ(FindSheet(zep_.Id()), nullptr);

    const std::vector<BiosRequest> checks = Checks();
    ASSERT_EQ(checks.size(), 2u) << Describe(sim_.Log());
    EXPECT_EQ(checks[0].buffer, ScanCodesOf("zz"));
    EXPECT_EQ(checks[0].cx, 2);
    EXPECT_EQ(checks[1].buffer, ScanCodesOf("qwer"));
    EXPECT_EQ(checks[1].cx, 4);
    EXPECT_EQ(CountOf(sim_.Log(), "SetHotkeyButton"), 0u)
        << "the button is never touched, and the driver is closed before the exit";
}

TEST_F(PasswordPrompt, CancelEndsAtOnceWithoutMessage) {
    HWND prompt = StartToPrompt();
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(ClickLater(Control(prompt, IDCANCEL)));
    EXPECT_TRUE(EndsWithoutDialog());
    EXPECT_TRUE(Checks().empty());
    EXPECT_EQ(CountOf(sim_.Log(), "SetHotkeyButton"), 0u) << Describe(sim_.Log());
}

} // namespace
