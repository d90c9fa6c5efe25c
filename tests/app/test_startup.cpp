// Start-up: which BIOS requests are made, in which order, and what the user sees,
// on every way through from the single-instance check to the sheet's end.
#include "Startup.h"

#include "BiosCatalogue.h"
#include "DriverChannel.h"
#include "ShellTestSupport.h"
#include "SimDevice.h"
#include "app_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using shelltest::Timeline;
using Events = std::vector<std::string>;

namespace {

// Records what start-up shows and answers as the test says.
class FakeUi : public StartupUi {
public:
    explicit FakeUi(Timeline& timeline) : m_timeline(timeline) {}

    HWND runningCopy = nullptr;
    bool passwordAccepted = true;
    std::string searchedTitle;
    std::string sheetTitle;

    HWND FindRunningCopy(const char* title) override {
        searchedTitle = title;
        return runningCopy;
    }
    void BringForward(HWND) override { m_timeline.Note("bring forward"); }
    void ShowMessage(UINT stringId) override {
        m_timeline.Note("message " + std::to_string(stringId));
    }
    bool AskForSetupPassword() override {
        m_timeline.Note("password prompt");
        return passwordAccepted;
    }
    void EnableControls3d() override { m_timeline.Note("3d controls"); }
    void RunSheet(const char* title) override {
        sheetTitle = title;
        m_timeline.Note("sheet");
    }

private:
    Timeline& m_timeline;
};

sim::Fault FailRequest(uint16_t ax, uint8_t bl, uint32_t kind = sim::kFaultStatus) {
    sim::Fault fault = {};
    fault.kind = kind;
    fault.ax = ax;
    fault.bl = bl;
    return fault;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { m_timeline.Start(); }
    void TearDown() override { CloseDriver(); }

    // True while the driver is still open: a request then reaches the BIOS.
    bool DriverStillOpen() {
        const uint32_t before = m_sim.bios().LogCount();
        uint8_t on = 0;
        GetMemoryTest(&on);
        return m_sim.bios().LogCount() != before;
    }

    void SetSetupPassword() {
        m_sim.bios().Settings().setupPasswordLength = 2;
        m_sim.bios().Settings().setupPassword[0] = 0x1E;
        m_sim.bios().Settings().setupPassword[1] = 0x30;
    }

    simdevice::ScopedSimDevice m_sim;
    Timeline m_timeline;
    FakeUi m_ui{m_timeline};
};

TEST_F(StartupTest, NormalRunTurnsTheHotkeyButtonOffOnlyWhileTheSheetRuns) {
    EXPECT_EQ(FALSE, RunStartup(m_ui));

    EXPECT_EQ((Events{"VESKCheck", "AskSetupPasswd", "SetHotkeyButton 0", "3d controls", "sheet",
                      "SetHotkeyButton 1"}),
              m_timeline.Events());
    EXPECT_EQ("Tarvell", m_ui.searchedTitle);
    EXPECT_EQ("Tarvell", m_ui.sheetTitle);
    EXPECT_EQ(1, m_sim.bios().Settings().hotkeyButton);
    EXPECT_FALSE(DriverStillOpen());
}

TEST_F(StartupTest, RunningCopyIsBroughtForwardAndNothingElseHappens) {
    m_ui.runningCopy = reinterpret_cast<HWND>(0x1234);

    EXPECT_EQ(FALSE, RunStartup(m_ui));

    EXPECT_EQ((Events{"bring forward"}), m_timeline.Events());
    EXPECT_FALSE(DriverStillOpen()) << "the driver must not be opened";
}

TEST_F(StartupTest, MissingDriverShowsMessage339AndReachesNoBios) {
    simdevice::SetOpenFails(true);

    EXPECT_EQ(FALSE, RunStartup(m_ui));

    EXPECT_EQ((Events{"message 339"}), m_timeline.Events());
}

TEST_F(StartupTest, BiosWithoutTheInterfaceShowsMessage244AndClosesTheDriver) {
    m_sim.bios().ArmFault(FailRequest(0x9610, 0x00));

    EXPECT_EQ(FALSE, RunStartup(m_ui));

    EXPECT_EQ((Events{"VESKCheck", "message 244"}), m_timeline.Events())
        << "no password question and the hot-key button never turned off";
    EXPECT_FALSE(DriverStillOpen());
}

TEST_F(StartupTest, SetupPasswordIsAskedBeforeTheHotkeyButtonIsTurnedOff) {
    SetSetupPassword();

    RunStartup(m_ui);

    EXPECT_EQ((Events{"VESKCheck", "AskSetupPasswd", "password prompt", "SetHotkeyButton 0",
                      "3d controls", "sheet", "SetHotkeyButton 1"}),
              m_timeline.Events());
}

TEST_F(StartupTest, RefusedPasswordEndsWithTheDriverClosedAndTheButtonUntouched) {
    SetSetupPassword();
    m_ui.passwordAccepted = false;

    EXPECT_EQ(FALSE, RunStartup(m_ui));

    EXPECT_EQ((Events{"VESKCheck", "AskSetupPasswd", "password prompt"}), m_timeline.Events());
    EXPECT_FALSE(DriverStillOpen());
}

TEST_F(StartupTest, FailedPasswordQuestionGoesOnWithoutPrompt) {
    SetSetupPassword();
    m_sim.bios().ArmFault(FailRequest(0x9610, 0x08, sim::kFaultTransport));

    RunStartup(m_ui);

    const Events events = m_timeline.Events();
    EXPECT_EQ(events.end(), std::find(events.begin(), events.end(), "password prompt"));
    EXPECT_NE(events.end(), std::find(events.begin(), events.end(), "sheet"));
}

} // namespace
