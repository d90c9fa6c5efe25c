// Steps of the session-restart check (session-restart.sh runs them one by one, with the
// Wine session ended in between): settings applied through the BIOS outlast the program
// and the session, and so do the defaults that LoadSetupDefault brings back.
#include "BiosCatalogue.h"
#include "DeviceTest.h"

namespace {

uint8_t kPassword[] = {0x1E, 0x30, 0x2E};

BootSequence ChangedBootList() {
    BootSequence list;
    std::memset(list.devices, 0xFF, sizeof list.devices);
    list.devices[0] = 2;
    list.devices[1] = 0;
    return list;
}

// Unlike DeviceTest, leaves the machine as the step made it.
class SessionRestart : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenDriver()) << kNoDriver; }
    void TearDown() override { CloseDriver(); }
};

TEST_F(SessionRestart, DISABLED_ApplyChanges) {
    SimControl control;
    ASSERT_TRUE(control.Open()) << kNoDriver;
    ASSERT_TRUE(control.Reset());
    ASSERT_EQ(1, EnableSilentBoot(1));
    BootSequence list = ChangedBootList();
    ASSERT_EQ(1, SetBootSeq(&list));
    uint8_t code = 0;
    ASSERT_EQ(1, SetChkSetupPasswd(&code, 2, kPassword, sizeof kPassword));
}

TEST_F(SessionRestart, DISABLED_ChangesSurvived) {
    uint8_t on = 0;
    ASSERT_EQ(1, GetSilentBoot(&on));
    EXPECT_EQ(1, on);
    BootSequence list;
    ASSERT_EQ(1, GetBootSeq(&list));
    const BootSequence changed = ChangedBootList();
    EXPECT_EQ(0, std::memcmp(changed.devices, list.devices, sizeof list.devices));
    uint8_t code = 0;
    EXPECT_EQ(1, SetChkSetupPasswd(&code, 3, kPassword, sizeof kPassword));
}

TEST_F(SessionRestart, DISABLED_LoadDefaults) {
    ASSERT_EQ(1, LoadSetupDefault());
    uint8_t on = 0xAA;
    ASSERT_EQ(1, GetSilentBoot(&on));
    EXPECT_EQ(0, on);
}

TEST_F(SessionRestart, DISABLED_DefaultsSurvived) {
    sim::BiosSettings defaults;
    sim::SimBios::DefaultSettings(defaults);
    uint8_t on = 0xAA;
    ASSERT_EQ(1, GetSilentBoot(&on));
    EXPECT_EQ(defaults.silentBoot, on);
    BootSequence list;
    ASSERT_EQ(1, GetBootSeq(&list));
    EXPECT_EQ(0, std::memcmp(defaults.bootSequence, list.devices, sizeof list.devices));
    uint8_t code = 0;
    EXPECT_EQ(1, SetChkSetupPasswd(&code, 3, kPassword, sizeof kPassword))
        << "loading the defaults keeps the passwords";
}

// Always the last step: the default machine for whatever runs next.
TEST_F(SessionRestart, DISABLED_Restore) {
    SimControl control;
    ASSERT_TRUE(control.Open()) << kNoDriver;
    EXPECT_TRUE(control.Reset());
}

} // namespace
