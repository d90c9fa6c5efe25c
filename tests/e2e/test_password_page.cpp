// The Password page against the simulated notebook: what its two dialogs confirm is
// written on Apply (power-on first, only the power-on change asks for a restart), a
// removal sends no password bytes, Load Previous writes the applied entries again,
// and a store the BIOS refuses is reported.
#include "KeyCodes.h"
#include "SettingsPageTest.h"

namespace {

using namespace e2e;
using namespace settingspages;

constexpr uint8_t kPowerOnFunction = 0x07;
constexpr char kPowerOnRefused[] = "The BIOS did not accept the change to the Power-On "
                                   "Password, so the password has not been changed.";

class PasswordPage : public SettingsPageTest {
protected:
    void Open() { OpenPage(kPasswordPage); }

    // Opens the dialog of one password with its page button.
    HWND OpenDialog(int button, const char* title) {
        if (!ClickLater(sheet_.PageControl(button)))
            return nullptr;
        return WaitForDialogTitled(title);
    }
    ::testing::AssertionResult Close(HWND dialog, int button) {
        if (!ClickLater(Control(dialog, button)) || !WaitUntilGone(dialog, kWindowMs))
            return ::testing::AssertionFailure() << "the dialog stayed open";
        return ::testing::AssertionSuccess();
    }

    // Opens the dialog, ticks its box if needed, types text into both fields, OK.
    ::testing::AssertionResult Set(int button, const char* title, const std::string& text) {
        HWND dialog = OpenDialog(button, title);
        if (dialog == nullptr)
            return ::testing::AssertionFailure() << "no \"" << title << "\" dialog";
        HWND box = Control(dialog, kEnablePasswordBox);
        if (CheckState(box) != BST_CHECKED && !Click(box))
            return ::testing::AssertionFailure() << "the enable box cannot be ticked";
        for (int field : {kNewPasswordField, kConfirmPasswordField}) {
            ClickInto(Control(dialog, field));
            if (!TypeCharacters(Control(dialog, field), text))
                return ::testing::AssertionFailure() << "cannot type \"" << text << "\"";
        }
        return Close(dialog, IDOK);
    }
    ::testing::AssertionResult SetPowerOn(const std::string& text) {
        return Set(kChangePowerOnButton, kChangePowerOnTitle, text);
    }
    ::testing::AssertionResult SetSetup(const std::string& text) {
        return Set(kChangeSetupButton, kChangeSetupTitle, text);
    }

    // Store and remove requests, in order.
    std::vector<BiosRequest> PasswordWrites() {
        std::vector<BiosRequest> writes;
        for (const BiosRequest& request : sim_.Log()) {
            if (request.name.rfind("SetChk", 0) == 0 || request.name.rfind("Disable", 0) == 0)
                writes.push_back(request);
        }
        return writes;
    }

    // The codes the simulated BIOS holds for each password.
    std::vector<uint8_t> StoredPowerOn() {
        const sim::BiosSettings s = sim_.Settings();
        return {s.powerOnPassword, s.powerOnPassword + s.powerOnPasswordLength};
    }
    std::vector<uint8_t> StoredSetup() {
        const sim::BiosSettings s = sim_.Settings();
        return {s.setupPassword, s.setupPassword + s.setupPasswordLength};
    }
    static void SetPowerOnA(sim::BiosSettings& s) {
        s.powerOnPasswordLength = 1;
        s.powerOnPassword[0] = 0x1E;
    }
};

TEST_F(PasswordPage, ReadsWhetherEachPasswordIsSet) {
    ASSERT_TRUE(sim_.Change(SetPowerOnA));
    Open();
    if (HasFatalFailure())
        return;
    EXPECT_EQ(TextOf(sheet_.PageControl(kPageTitle)), "Password");
    EXPECT_EQ(TextOf(sheet_.PageControl(kChangePowerOnButton)), "Change Power-On Password");
    EXPECT_EQ(NamesOf(sim_.Log()), (std::vector<std::string>{"AskPowerOnPasswd", "AskSetupPasswd"}))
        << Describe(sim_.Log());
    for (int button : {kChangePowerOnButton, kChangeSetupButton}) {
        const bool powerOn = button == kChangePowerOnButton;
        HWND dialog = OpenDialog(button, powerOn ? kChangePowerOnTitle : kChangeSetupTitle);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(CheckState(Control(dialog, kEnablePasswordBox)),
                  powerOn ? BST_CHECKED : BST_UNCHECKED);
        ASSERT_TRUE(Close(dialog, IDCANCEL));
    }
    EXPECT_FALSE(sheet_.ApplyEnabled());
}

TEST_F(PasswordPage, TypedPowerOnPasswordIsStoredThenChecksummedThenRestartOffered) {
    Open();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(SetPowerOn("Tar5"));
    EXPECT_TRUE(sheet_.ApplyEnabled());
    ASSERT_TRUE(sheet_.PressOk());
    HWND restart = WaitForDialogTitled(kRestartTitle);
    ASSERT_NE(restart, nullptr) << "a power-on password change asks for a restart";

    const std::vector<BiosRequest> log = sim_.Log();
    const int store = IndexOf(log, "SetChkPowerOnPasswd");
    ASSERT_GE(store, 0) << Describe(log);
    EXPECT_EQ(log[store].bh, 2) << "mode 2: store";
    EXPECT_EQ(log[store].cx, 4) << "exactly the typed count";
    EXPECT_EQ(log[store].buffer, ScanCodesOf("tar5")) << "exactly the typed keys";
    const int checksum = IndexOf(log, "CMOSChecksum", store);
    ASSERT_GT(checksum, store) << Describe(log);
    EXPECT_EQ(log[checksum].bh, 1);
    EXPECT_EQ(PasswordWrites().size(), 1u) << Describe(log);
    EXPECT_EQ(StoredPowerOn(), ScanCodesOf("tar5")) << "the BIOS now checks this password";

    ASSERT_TRUE(ClickLater(Control(restart, IDCANCEL)));
    EXPECT_TRUE(EndsWithoutDialog());
}

TEST_F(PasswordPage, PowerOnIsWrittenBeforeSetupWhateverTheOrderOfChanges) {
    Open();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(SetSetup("s1"));
    ASSERT_TRUE(SetPowerOn("p2"));
    ASSERT_TRUE(sheet_.PressApply());
    const std::vector<BiosRequest> writes = PasswordWrites();
    ASSERT_EQ(writes.size(), 2u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].name, "SetChkPowerOnPasswd");
    EXPECT_EQ(writes[1].name, "SetChkSetupPasswd");
    EXPECT_EQ(sim_.Log().back().name, "CMOSChecksum");
    EXPECT_EQ(StoredSetup(), ScanCodesOf("s1"));
    EXPECT_EQ(StoredPowerOn(), ScanCodesOf("p2"));
    EXPECT_FALSE(sheet_.ApplyEnabled());
}

TEST_F(PasswordPage, RemovalSendsNoPasswordBytesAndAsksForARestart) {
    ASSERT_TRUE(sim_.Change(SetPowerOnA));
    Open();
    if (HasFatalFailure())
        return;
    HWND dialog = OpenDialog(kChangePowerOnButton, kChangePowerOnTitle);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Click(Control(dialog, kEnablePasswordBox)));
    ASSERT_TRUE(Close(dialog, IDOK));
    ASSERT_TRUE(sheet_.PressOk());
    ASSERT_TRUE(DeclineRestart());
    const std::vector<BiosRequest> writes = PasswordWrites();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].name, "DisablePowerOnPasswd");
    EXPECT_TRUE(writes[0].buffer.empty());
    EXPECT_EQ(writes[0].cx, 0);
    EXPECT_TRUE(StoredPowerOn().empty());
}

TEST_F(PasswordPage, TwoChangesBeforeOneApplyWriteTheLastOnce) {
    Open();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(SetSetup("abc"));
    ASSERT_TRUE(SetSetup("xy"));
    EXPECT_TRUE(PasswordWrites().empty()) << "nothing is written before Apply";
    ASSERT_TRUE(sheet_.PressApply());
    const std::vector<BiosRequest> writes = PasswordWrites();
    ASSERT_EQ(writes.size(), 1u) << Describe(sim_.Log());
    EXPECT_EQ(writes[0].buffer, ScanCodesOf("xy"));
    EXPECT_EQ(StoredSetup(), ScanCodesOf("xy"));

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.SendApplyCommand());
    EXPECT_TRUE(PasswordWrites().empty()) << "applied once only: " << Describe(sim_.Log());
}

TEST_F(PasswordPage, LoadPreviousWritesOnlyWhatWasAppliedThenRereads) {
    Open();
    if (HasFatalFailure())
        return;
    // A change confirmed but never applied is dropped, not written.
    ASSERT_TRUE(SetSetup("abc"));
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    std::vector<BiosRequest> log = LogThroughChecksum();
    EXPECT_TRUE(PasswordWrites().empty()) << Describe(log);
    EXPECT_EQ(CountOf(log, "AskSetupPasswd"), 1u) << Describe(log);
    EXPECT_FALSE(sheet_.ApplyEnabled());

    ASSERT_TRUE(SetSetup("abc"));
    ASSERT_TRUE(sheet_.PressApply());
    ASSERT_TRUE(sim_.SetSetupPassword({})); // removed behind the sheet's back
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    log = LogThroughChecksum();
    const std::vector<BiosRequest> writes = PasswordWrites();
    ASSERT_EQ(writes.size(), 1u) << Describe(log);
    EXPECT_EQ(writes[0].name, "SetChkSetupPasswd");
    EXPECT_EQ(writes[0].buffer, ScanCodesOf("abc"));
    const int write = IndexOf(log, "SetChkSetupPasswd");
    EXPECT_GT(IndexOf(log, "AskSetupPasswd", write), write) << Describe(log);
    EXPECT_EQ(StoredSetup(), ScanCodesOf("abc"));

    // The restore forgot what was applied: a second one only re-reads.
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(LoadPrevious());
    log = LogThroughChecksum();
    EXPECT_TRUE(PasswordWrites().empty()) << Describe(log);
}

TEST_F(PasswordPage, RefusedStoreIsReported) {
    Open();
    if (HasFatalFailure())
        return;
    // From now on the BIOS refuses every power-on password request.
    ASSERT_TRUE(sim_.FailFunction(0x9610, kPowerOnFunction));
    ASSERT_TRUE(SetPowerOn("abc"));
    ASSERT_TRUE(SetSetup("de"));
    ASSERT_TRUE(ClickLater(sheet_.Button(kApplyButton)));
    EXPECT_TRUE(ExpectMessage(kPowerOnRefused));
    EXPECT_TRUE(NoOtherDialogAppears(sheet_.Window())) << "only the refused password is reported";
    EXPECT_TRUE(StoredPowerOn().empty());
    EXPECT_EQ(StoredSetup(), ScanCodesOf("de")) << "the setup password was still written";
}

} // namespace
