// The start-up password prompt: the BIOS checks what was typed, as scan codes; three
// refusals end the program, Cancel ends it at once, the right password opens the sheet.
#include "KeyCodes.h"
#include "ZepTest.h"
#include "ZepUi.h"

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

    std::vector<BiosRequest> Checks() {
        std::vector<BiosRequest> checks;
        for (const BiosRequest& request : sim_.Log()) {
            if (request.name == "SetChkSetupPasswd")
                checks.push_back(request);
        }
        return checks;
    }
};

TEST_F(PasswordPrompt, RightPasswordReachesTheSheet) {
    HWND prompt = StartToPrompt();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(TextOf(Control(prompt, zepui::kPromptText)),
              "This program is password protected. Please enter your password to continue.");
    EXPECT_EQ(TextOf(Control(prompt, zepui::kPromptLabel)), "Password");
    EXPECT_EQ(TextOf(Control(prompt, IDOK)), "OK");
    EXPECT_EQ(TextOf(Control(prompt, IDCANCEL)), "Cancel");
    EXPECT_EQ(FindSheet(zep_.Id()), nullptr);

    ASSERT_TRUE(AnswerPrompt(prompt, kPassword));
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
    // An empty field counts as a try without asking the BIOS.
    ASSERT_TRUE(AnswerPrompt(prompt, ""));
    ASSERT_TRUE(ExpectMessage(zepui::kInvalidPasswordMessage));
    ASSERT_TRUE(AnswerPrompt(prompt, "zz"));
    ASSERT_TRUE(ExpectMessage(zepui::kInvalidPasswordMessage));
    // Each try starts a new entry: the keys of the last try are not kept.
    ASSERT_TRUE(AnswerPrompt(prompt, "qwer"));
    ASSERT_TRUE(ExpectMessage(zepui::kInvalidPasswordMessage));
    ASSERT_TRUE(ExpectMessage(zepui::kThreeFailuresMessage));
    EXPECT_TRUE(EndsWithoutDialog());
    EXPECT_EQ(FindSheet(zep_.Id()), nullptr);

    const std::vector<BiosRequest> checks = Checks();
    ASSERT_EQ(checks.size(), 2u) << Describe(sim_.Log());
    EXPECT_EQ(checks[0].buffer, ScanCodesOf("zz"));
    EXPECT_EQ(checks[0].cx, 2);
    EXPECT_EQ(checks[1].buffer, ScanCodesOf("qwer"));
    EXPECT_EQ(checks[1].cx, 4);
    for (const BiosRequest& request : sim_.Log())
        EXPECT_FALSE(request.name == "SetHotkeyButton" && request.bh == 0)
            << "the hot-key button was turned off";
}

TEST_F(PasswordPrompt, CancelEndsAtOnceWithoutMessage) {
    HWND prompt = StartToPrompt();
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(ClickLater(Control(prompt, IDCANCEL)));
    EXPECT_TRUE(EndsWithoutDialog());
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_TRUE(Checks().empty());
    EXPECT_EQ(CountOf(log, "SetHotkeyButton"), 0u) << Describe(log);
}

TEST_F(PasswordPrompt, OnlySevenLetterOrDigitKeysAreRecorded) {
    ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("a1s2d3f")));
    HWND prompt = StartToPrompt();
    ASSERT_NE(prompt, nullptr);
    // The space is refused, and so is the eighth key.
    ASSERT_TRUE(AnswerPrompt(prompt, "a1 s2d3fg"));
    ASSERT_NE(WaitForSheet(zep_.Id(), kWindowMs), nullptr) << Describe(sim_.Log());
    const std::vector<BiosRequest> checks = Checks();
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_EQ(checks[0].cx, 7);
    EXPECT_EQ(checks[0].buffer, ScanCodesOf("a1s2d3f"));
}

} // namespace
