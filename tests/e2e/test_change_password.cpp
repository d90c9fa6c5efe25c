// The change-password dialog's outcomes, seen where they matter: what the Password
// page writes to the BIOS when the sheet applies. Setup password unless named.
#include "KeyCodes.h"
#include "ZepTest.h"
#include "ZepUi.h"

namespace {

using namespace e2e;

class ChangePassword : public ZepTest {
protected:
    // Opens the Password page, answering the start-up prompt when the notebook has a
    // setup password; skips the test in a build without the page.
    void OpenPasswordPage(const std::string& setupPassword = "") {
        if (setupPassword.empty())
            ASSERT_NE(StartToSheet(), nullptr);
        else
            ASSERT_NE(StartThroughPrompt(setupPassword), nullptr);
        ASSERT_TRUE(sheet_.SelectPage(zepui::kPasswordPage));
        if (sheet_.PageControl(zepui::kChangeSetupButton) == nullptr)
            GTEST_SKIP() << "this build has no Password page";
        ASSERT_TRUE(sim_.ClearLog());
    }

    HWND OpenDialog(int button = zepui::kChangeSetupButton,
                    const char* title = zepui::kChangeSetupTitle) {
        if (!ClickLater(sheet_.PageControl(button))) {
            ADD_FAILURE() << "the change button could not be pressed";
            return nullptr;
        }
        HWND dialog = WaitForDialogTitled(title);
        EXPECT_NE(dialog, nullptr) << "no \"" << title << "\" dialog";
        return dialog;
    }

    // Clicks into a field and types, as a user does.
    ::testing::AssertionResult TypeInto(HWND dialog, int field, const std::string& text) {
        HWND edit = Control(dialog, field);
        if (!Enabled(edit))
            return ::testing::AssertionFailure() << "field " << field << " is disabled";
        ClickInto(edit);
        if (!TypeCharacters(edit, text))
            return ::testing::AssertionFailure() << "cannot type \"" << text << "\"";
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult Close(HWND dialog, int button) {
        if (!ClickLater(Control(dialog, button)) || !WaitUntilGone(dialog, kWindowMs))
            return ::testing::AssertionFailure() << "the dialog stayed open";
        return ::testing::AssertionSuccess();
    }

    std::vector<BiosRequest> PasswordWrites() {
        std::vector<BiosRequest> writes;
        for (const BiosRequest& request : sim_.Log()) {
            if (request.name.find("Passwd") != std::string::npos &&
                request.name.compare(0, 3, "Ask") != 0)
                writes.push_back(request);
        }
        return writes;
    }
};

TEST_F(ChangePassword, OkWithNothingTouchedChangesNothing) {
    ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("abc")));
    OpenPasswordPage("abc");
    if (HasFatalFailure() || IsSkipped())
        return;
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(CheckState(Control(dialog, zepui::kEnablePasswordBox)), BST_CHECKED)
        << "the box shows that a password is set";
    // Keys typed only into the confirmation do not count as a change.
    ASSERT_TRUE(TypeInto(dialog, zepui::kConfirmPasswordField, "x"));
    ASSERT_TRUE(Close(dialog, IDOK));
    EXPECT_FALSE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    EXPECT_TRUE(PasswordWrites().empty()) << Describe(sim_.Log());
    EXPECT_EQ(sim_.Settings().setupPasswordLength, 3);
}

TEST_F(ChangePassword, ClearedBoxRemovesThePasswordWithoutRestart) {
    ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("abc")));
    OpenPasswordPage("abc");
    if (HasFatalFailure() || IsSkipped())
        return;
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Click(Control(dialog, zepui::kEnablePasswordBox)));
    EXPECT_FALSE(Enabled(Control(dialog, zepui::kNewPasswordField)));
    ASSERT_TRUE(Close(dialog, IDOK));
    EXPECT_TRUE(sheet_.ApplyEnabled());

    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(EndsWithoutDialog()) << "a setup password change needs no restart";
    const std::vector<BiosRequest> writes = PasswordWrites();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].name, "DisableSetupPasswd");
    EXPECT_EQ(writes[0].bx, 0x0008);
    EXPECT_TRUE(writes[0].buffer.empty()) << "no password bytes are sent";
    EXPECT_EQ(sim_.Settings().setupPasswordLength, 0);
}

TEST_F(ChangePassword, SameCodesInBothFieldsStoreThem) {
    OpenPasswordPage();
    if (HasFatalFailure() || IsSkipped())
        return;
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(CheckState(Control(dialog, zepui::kEnablePasswordBox)), BST_UNCHECKED);
    ASSERT_TRUE(Click(Control(dialog, zepui::kEnablePasswordBox)));
    ASSERT_TRUE(TypeInto(dialog, zepui::kNewPasswordField, "A1z"));
    ASSERT_TRUE(TypeInto(dialog, zepui::kConfirmPasswordField, "a1Z"));
    ASSERT_TRUE(Close(dialog, IDOK));
    ASSERT_TRUE(sheet_.PressApply());
    const std::vector<BiosRequest> writes = PasswordWrites();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].name, "SetChkSetupPasswd");
    EXPECT_EQ(writes[0].bx, 0x0208) << "mode 2: store";
    EXPECT_EQ(writes[0].cx, 3);
    EXPECT_EQ(writes[0].buffer, ScanCodesOf("a1z")) << "keys, not characters";
    EXPECT_EQ(sim_.Settings().setupPasswordLength, 3);
}

TEST_F(ChangePassword, EnabledButEmptyMeansNoPassword) {
    ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("abc")));
    OpenPasswordPage("abc");
    if (HasFatalFailure() || IsSkipped())
        return;
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    // A key typed and taken back still counts as a change of the new password.
    ASSERT_TRUE(TypeInto(dialog, zepui::kNewPasswordField, "q\b"));
    ASSERT_TRUE(TypeInto(dialog, zepui::kConfirmPasswordField, "q\b"));
    ASSERT_TRUE(Close(dialog, IDOK));
    ASSERT_TRUE(sheet_.PressApply());
    const std::vector<BiosRequest> writes = PasswordWrites();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].name, "DisableSetupPasswd");
    EXPECT_EQ(sim_.Settings().setupPasswordLength, 0);
}

TEST_F(ChangePassword, MismatchShowsMessage108AndStartsBothFieldsAgain) {
    OpenPasswordPage();
    if (HasFatalFailure() || IsSkipped())
        return;
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Click(Control(dialog, zepui::kEnablePasswordBox)));
    ASSERT_TRUE(TypeInto(dialog, zepui::kNewPasswordField, "ab"));
    ASSERT_TRUE(TypeInto(dialog, zepui::kConfirmPasswordField, "ac"));
    ASSERT_TRUE(ClickLater(Control(dialog, IDOK)));
    ASSERT_TRUE(ExpectMessage(zepui::kMismatchMessage));
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";
    EXPECT_TRUE(WaitUntil(
        [&] {
            return TextOf(Control(dialog, zepui::kNewPasswordField)).empty() &&
                   TextOf(Control(dialog, zepui::kConfirmPasswordField)).empty();
        },
        kWindowMs));
    EXPECT_EQ(CheckState(Control(dialog, zepui::kEnablePasswordBox)), BST_CHECKED);

    ASSERT_TRUE(TypeInto(dialog, zepui::kNewPasswordField, "zx"));
    ASSERT_TRUE(TypeInto(dialog, zepui::kConfirmPasswordField, "zx"));
    ASSERT_TRUE(Close(dialog, IDOK));
    ASSERT_TRUE(sheet_.PressApply());
    const std::vector<BiosRequest> writes = PasswordWrites();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].buffer, ScanCodesOf("zx")) << "nothing of the first try is kept";
}

TEST_F(ChangePassword, CancelUndoesClicksOnTheBox) {
    ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("abc")));
    OpenPasswordPage("abc");
    if (HasFatalFailure() || IsSkipped())
        return;
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Click(Control(dialog, zepui::kEnablePasswordBox)));
    ASSERT_TRUE(Close(dialog, IDCANCEL));
    EXPECT_FALSE(sheet_.ApplyEnabled());

    dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(CheckState(Control(dialog, zepui::kEnablePasswordBox)), BST_CHECKED)
        << "the password still counts as set";
    ASSERT_TRUE(Close(dialog, IDCANCEL));
    ASSERT_TRUE(sheet_.SendApplyCommand());
    EXPECT_TRUE(PasswordWrites().empty()) << Describe(sim_.Log());
}

} // namespace
