// Steps of the session-restart check (session-restart.sh runs them one by one, with the
// Wine session ended in between): what the BIOS and the control request changed outlasts
// the program, the driver and the session, as a BIOS's setup memory outlasts a restart.
#include "BiosCatalogue.h"
#include "DeviceTest.h"

namespace {

uint8_t kPassword[] = {0x1E, 0x30, 0x2E};

// Unlike DeviceTest, leaves the machine as the step made it.
class SessionRestart : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(control_.Open()) << kNoDriver;
        ASSERT_TRUE(OpenDriver()) << kNoDriver;
    }
    void TearDown() override { CloseDriver(); }
    SimControl control_;
};

TEST_F(SessionRestart, DISABLED_ApplyChanges) {
    ASSERT_TRUE(control_.Reset());
    ASSERT_TRUE(control_.LoadProfile("monitor"));
    ASSERT_EQ(1, EnableSilentBoot(1));
    BootSequence list = {
        {2, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
    ASSERT_EQ(1, SetBootSeq(&list));
    uint8_t code = 0;
    ASSERT_EQ(1, SetChkSetupPasswd(&code, 2, kPassword, sizeof kPassword));
}

TEST_F(SessionRestart, DISABLED_ChangesSurvived) {
    sim::BiosSettings expected;
    sim::SimBios::DefaultSettings(expected);
    expected.silentBoot = 1;
    expected.bootSequence[0] = 2;
    expected.bootSequence[1] = 0;
    expected.setupPasswordLength = sizeof kPassword;
    std::memcpy(expected.setupPassword, kPassword, sizeof kPassword);
    sim::BiosSettings settings = {};
    ASSERT_TRUE(control_.GetSettings(settings));
    EXPECT_EQ(0, std::memcmp(&expected, &settings, sizeof settings));
    sim::MachineProfile profile = {};
    ASSERT_TRUE(control_.GetProfile(profile));
    EXPECT_EQ(1, profile.monitorConnected);
}

// Always the last step: the default machine for whatever runs next.
TEST_F(SessionRestart, DISABLED_Restore) {
    EXPECT_TRUE(control_.Reset());
}

} // namespace
