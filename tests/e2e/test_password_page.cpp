// The Password page and its two change dialogs against the simulated notebook: what the
// dialogs confirm is written on Apply (power-on first, only a power-on change asks for
// a restart), a removal sends no password bytes, a mismatch starts both fields again,
// Load Previous writes the applied entries again, and a store the BIOS refuses is
// reported.
#include "KeyCodes.h"
#include "ZepTest.h"

namespace {

using namespace e2e;
using namespace zepui;

constexpr uint8_t kPowerOnFunction = 0x07;
constexpr char kPowerOnRefused[] = "The BIOS did not accept the change to the Power-On "
                                   "Password, so the password has not been changed.";

class PasswordPage : public ZepTest {
protected:
    HWND OpenDialog(bool powerOn) {
        if (!ClickLater(sheet_.PageControl(powerOn ? kChangePowerOnButton : kChangeSetupButton)))
            return nullptr;
        return WaitForDialogTitled(powerOn ? kChangePowerOnTitle : kChangeSetupTitle);
    }
    // Opens the dialog, ticks its box if needed, types text into both fields, OK.
    bool Set(bool powerOn, const std::string& text) {
        HWND dialog = OpenDialog(powerOn);
        HWND box = Control(dialog, kEnablePasswordBox);
        return dialog != nullptr && (CheckState(box) == BST_CHECKED || Click(box)) &&
               TypeInto(Control(dialog, kNewPasswordField), text) &&
               TypeInto(Control(dialog, kConfirmPasswordField), text) &&
               CloseWith(dialog, IDOK, kWindowMs);
    }
    // Store and remove requests, in order.
    std::vector<BiosRequest> Writes() {
        return Requests({"SetChkPowerOnPasswd", "SetChkSetupPasswd", "DisablePowerOnPasswd",
                         "DisableSetupPasswd"});
    }
    // The codes the simulated BIOS holds for a password.
    std::vector<uint8_t> Stored(bool powerOn) {
        const sim::BiosSettings s = sim_.Settings();
        return powerOn
                   ? std::vector<uint8_t>(s.powerOnPassword,
                                          s.powerOnPassword + s.powerOnPasswordLength)
                   : std::vector<uint8_t>(s.setupPassword, s.setupPassword + s.setupPasswordLength);
    }
};

TEST_F(PasswordPage, DialogChangesAreWrittenOnOkPowerOnFirstAndThePowerOnAsksForARestart) {
    ASSERT_TRUE(sim_.Change([](sim::BiosSettings& s) {
        s.powerOnPasswordLength = 1;
        s.powerOnPassword[0] = 0x1E;
    }));
    ASSERT_TRUE(OpenPage(kPasswordPage));
    EXPECT_EQ(TextOf(sheet_.PageControl(kPageTitle)), "Password");
    EXPECT_EQ(TextOf(sheet_.PageControl(kChangePowerOnButton)), "Change Power-On Password");
    EXPECT_EQ(Names(sim_.Log()), "AskPowerOnPasswd, AskSetupPasswd");

    // The power-on box shows the password set; Cancel undoes a click on it.
    for (int round = 0; round < 2; ++round) {
        HWND dialog = OpenDialog(true);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(CheckState(Control(dialog, kEnablePasswordBox)), BST_CHECKED) << round;
        ASSERT_TRUE(Click(Control(dialog, kEnablePasswordBox)));
        EXPECT_FALSE(Enabled(Control(dialog, kNewPasswordField)));
        ASSERT_TRUE(CloseWith(dialog, IDCANCEL, kWindowMs));
        EXPECT_FALSE(sheet_.ApplyEnabled());
    }

    // Different keys in the two fields: message 108, both fields start again.
    HWND dialog = OpenDialog(false);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(CheckState(Control(dialog, kEnablePasswordBox)), BST_UNCHECKED);
    ASSERT_TRUE(Click(Control(dialog, kEnablePasswordBox)));
    ASSERT_TRUE(TypeInto(Control(dialog, kNewPasswordField), "ab"));
    ASSERT_TRUE(TypeInto(Control(dialog, kConfirmPasswordField), "ac"));
    ASSERT_TRUE(ClickLater(Control(dialog, IDOK)));
    ASSERT_TRUE(ExpectMessage(kMismatchMessage));
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";
    EXPECT_TRUE(WaitUntil(
        [&] {
            return TextOf(Control(dialog, kNewPasswordField)).empty() &&
                   TextOf(Control(dialog, kConfirmPasswordField)).empty();
        },
        kWindowMs));
    EXPECT_EQ(CheckState(Control(dialog, kEnablePasswordBox)), BST_CHECKED);
    // The same keys, whatever the case.
    ASSERT_TRUE(TypeInto(Control(dialog, kNewPasswordField), "A1z"));
    ASSERT_TRUE(TypeInto(Control(dialog, kConfirmPasswordField), "a1Z"));
    ASSERT_TRUE(CloseWith(dialog, IDOK, kWindowMs));
    ASSERT_TRUE(Set(true, "Tar5"));
    EXPECT_TRUE(Writes().empty()) << "nothing is written before OK";

    ASSERT_TRUE(sheet_.PressOk());
    HWND restart = WaitForDialogTitled(kRestartTitle);
    ASSERT_NE(restart, nullptr) << "a power-on password change asks for a restart";
    const std::vector<BiosRequest> writes = Writes();
    ASSERT_EQ(writes.size(), 2u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].name, "SetChkPowerOnPasswd");
    EXPECT_EQ(writes[0].bh, 2) << "mode 2: store";
    EXPECT_EQ(writes[0].cx, 4) << "exactly the typed count";
    EXPECT_EQ(writes[0].buffer, ScanCodesOf("tar5")) << "exactly the typed keys";
    EXPECT_EQ(writes[1].name, "SetChkSetupPasswd");
    EXPECT_EQ(writes[1].bx, 0x0208);
    EXPECT_EQ(writes[1].cx, 3);
    EXPECT_EQ(writes[1].buffer, ScanCodesOf("a1z")) << "keys, not characters";
    const std::vector<BiosRequest> log = sim_.Log();
    const int checksum = IndexOf(log, "CMOSChecksum", IndexOf(log, "SetChkSetupPasswd"));
    ASSERT_GT(checksum, 0) << Describe(log);
    EXPECT_EQ(log[checksum].bh, 1);
    EXPECT_EQ(Stored(true), ScanCodesOf("tar5")) << "the BIOS now checks this password";
    EXPECT_EQ(Stored(false), ScanCodesOf("a1z"));
    ASSERT_TRUE(DeclineRestart());
    EXPECT_TRUE(EndsWithoutDialog());
}

TEST_F(PasswordPage, SetupPasswordRemovedWithoutBytesOrRestart) {
    ASSERT_TRUE(sim_.SetSetupPassword(ScanCodesOf("abc")));
    ASSERT_NE(StartThroughPrompt("abc"), nullptr);
    ASSERT_TRUE(sheet_.SelectPage(kPasswordPage));
    ASSERT_TRUE(sim_.ClearLog());

    // Keys typed only into the confirmation do not count as a change.
    HWND dialog = OpenDialog(false);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(CheckState(Control(dialog, kEnablePasswordBox)), BST_CHECKED);
    ASSERT_TRUE(TypeInto(Control(dialog, kConfirmPasswordField), "x"));
    ASSERT_TRUE(CloseWith(dialog, IDOK, kWindowMs));
    EXPECT_FALSE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    EXPECT_TRUE(Writes().empty()) << Describe(sim_.Log());

    dialog = OpenDialog(false);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Click(Control(dialog, kEnablePasswordBox)));
    ASSERT_TRUE(CloseWith(dialog, IDOK, kWindowMs));
    EXPECT_TRUE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(EndsWithoutDialog()) << "a setup password change needs no restart";
    const std::vector<BiosRequest> writes = Writes();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].name, "DisableSetupPasswd");
    EXPECT_EQ(writes[0].bx, 0x0008);
    EXPECT_TRUE(writes[0].buffer.empty()) << "no password bytes are sent";
    EXPECT_TRUE(Stored(false).empty());
}

TEST_F(PasswordPage, LastChangeWrittenOnceAndLoadPreviousWritesOnlyWhatWasApplied) {
    ASSERT_TRUE(OpenPage(kPasswordPage));
    // A change confirmed but never applied is dropped, not written.
    ASSERT_TRUE(Set(false, "abc"));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    std::vector<BiosRequest> log = LogThroughChecksum();
    EXPECT_TRUE(Writes().empty()) << Describe(log);
    EXPECT_EQ(CountOf(log, "AskSetupPasswd"), 1u) << Describe(log);
    EXPECT_FALSE(sheet_.ApplyEnabled());

    ASSERT_TRUE(Set(false, "abc"));
    ASSERT_TRUE(Set(false, "xy"));
    ASSERT_TRUE(sheet_.PressApply());
    std::vector<BiosRequest> writes = Writes();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].buffer, ScanCodesOf("xy"));
    EXPECT_EQ(Stored(false), ScanCodesOf("xy"));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    EXPECT_TRUE(Writes().empty()) << "applied once only: " << Describe(sim_.Log());

    ASSERT_TRUE(sim_.SetSetupPassword({})); // removed behind the sheet's back
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    log = LogThroughChecksum();
    writes = Writes();
    ASSERT_EQ(writes.size(), 1u) << Describe(log);
    EXPECT_EQ(writes[0].name, "SetChkSetupPasswd");
    EXPECT_EQ(writes[0].buffer, ScanCodesOf("xy"));
    const int write = IndexOf(log, "SetChkSetupPasswd");
    EXPECT_GT(IndexOf(log, "AskSetupPasswd", write), write) << Describe(log);
    EXPECT_EQ(Stored(false), ScanCodesOf("xy"));
    // The restore forgot what was applied: a second one only re-reads.
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    log = LogThroughChecksum();
    EXPECT_TRUE(Writes().empty()) << Describe(log);
}

TEST_F(PasswordPage, RefusedStoreIsReported) {
    ASSERT_TRUE(OpenPage(kPasswordPage));
    // From now on the BIOS refuses every power-on password request.
    ASSERT_TRUE(sim_.FailFunction(kSetupGroup, kPowerOnFunction));
    ASSERT_TRUE(Set(true, "abc"));
    ASSERT_TRUE(Set(false, "de"));
    ASSERT_TRUE(ClickLater(sheet_.Button(kApplyButton)));
    EXPECT_TRUE(ExpectMessage(kPowerOnRefused));
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window())) << "only the refused password is reported";
    EXPECT_TRUE(Stored(true).empty());
    EXPECT_EQ(Stored(false), ScanCodesOf("de")) << "the setup password was still written";
}

} // namespace
