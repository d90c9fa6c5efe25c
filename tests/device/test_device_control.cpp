// The simulated notebook's private control request: settings, machines, the log and
// faults set up through the driver, and the control requests it cannot take.
#include "BiosCatalogue.h"
#include "DeviceTest.h"

#include <windows.h>

namespace {

using Control = DeviceTest;

// Factory settings come back with the passwords; a machine loads whole or not at all.
TEST_F(Control, DefaultSettingsAndMachinesAreTakenWholeOrRefused) {
    sim::BiosSettings settings = Settings();
    settings.silentBoot = 1;
    settings.setupPasswordLength = 1;
    ASSERT_TRUE(control_.SetSettings(settings));
    ASSERT_TRUE(control_.RestoreDefaultSettings());
    sim::BiosSettings defaults;
    sim::SimBios::DefaultSettings(defaults);
    const sim::BiosSettings restored = Settings();
    EXPECT_EQ(0, std::memcmp(&defaults, &restored, sizeof defaults));

    sim::MachineProfile profile = {};
    ASSERT_TRUE(control_.GetProfile(profile));
    profile.contrastMin = 2;
    profile.contrastMax = 9;
    ASSERT_TRUE(control_.LoadProfile(profile));

    EXPECT_FALSE(control_.LoadProfile("monito"));
    EXPECT_FALSE(control_.LoadProfile("a-name-far-longer-than-any-profile-name-can-be"));
    sim::MachineProfile backwards = profile;
    backwards.contrastMin = 10;
    EXPECT_FALSE(control_.LoadProfile(backwards));
    sim::MachineProfile after = {};
    ASSERT_TRUE(control_.GetProfile(after));
    EXPECT_EQ(0, std::memcmp(&profile, &after, sizeof profile));
}

TEST_F(Control, LogKeepsTheNewestRequestsAcrossPages) {
    uint16_t version = 0;
    uint8_t code = 0;
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(1, VESKCheck(&code, &version));
    std::vector<sim::LogEntry> log = Log();
    ASSERT_EQ(sim::kLogCapacity, log.size());
    for (size_t i = 0; i < log.size(); ++i)
        ASSERT_EQ(300u - sim::kLogCapacity + 1 + i, log[i].sequence) << "oldest first, none twice";

    const sim::ControlHeader readFrom = {sim::kControlReadLog, sim::kLogCapacity + 5};
    uint8_t out[sizeof(sim::LogPage) + sizeof(sim::LogEntry)] = {};
    ASSERT_TRUE(Send(sim::kControlIoctl, &readFrom, sizeof readFrom, out, sizeof out));
    sim::LogPage page;
    std::memcpy(&page, out, sizeof page);
    EXPECT_EQ(sim::kLogCapacity, page.total);
    EXPECT_EQ(sim::kLogCapacity + 5, page.first);
    EXPECT_EQ(0u, page.count) << "a page beyond the end is empty";

    ASSERT_TRUE(control_.ClearLog());
    EXPECT_TRUE(Log().empty());
}

// Refused faults (all slots taken, an unknown kind) fail the request; clearing frees them.
TEST_F(Control, RefusedFaultsFailTheRequest) {
    sim::Fault fault = {};
    fault.kind = 77;
    EXPECT_FALSE(control_.ArmFault(fault)) << "unknown kind";
    fault.kind = sim::kFaultStatus;
    for (uint32_t i = 0; i < sim::kMaxFaults; ++i)
        ASSERT_TRUE(control_.ArmFault(fault)) << i;
    EXPECT_FALSE(control_.ArmFault(fault)) << "every slot taken";
    ASSERT_TRUE(control_.ClearFaults());
    EXPECT_TRUE(control_.ArmFault(fault));
}

TEST_F(Control, MalformedControlRequestsAreRefused) {
    struct Message {
        sim::ControlHeader header;
        uint8_t payload[sizeof(sim::BiosSettings) + 8];
    } message = {};
    uint8_t out[sizeof(sim::BiosSettings)] = {};
    const DWORD header = sizeof(sim::ControlHeader);
    const sim::BiosSettings before = Settings();
    const auto refused = [&](uint32_t command, DWORD inSize, DWORD outSize) {
        message.header.command = command;
        return !Send(sim::kControlIoctl, &message, inSize, out, outSize);
    };
    EXPECT_TRUE(refused(sim::kControlReset, 0, sizeof out)) << "no header";
    EXPECT_TRUE(refused(sim::kControlReset, header - 1, sizeof out)) << "short header";
    EXPECT_TRUE(refused(99, header, sizeof out)) << "unknown command";
    const DWORD settings = header + sizeof(sim::BiosSettings);
    EXPECT_TRUE(refused(sim::kControlSetSettings, settings - 1, 0)) << "short";
    EXPECT_TRUE(refused(sim::kControlSetSettings, settings + 1, 0)) << "long";
    EXPECT_TRUE(refused(sim::kControlGetSettings, header, sizeof out - 1)) << "answer does not fit";
    EXPECT_TRUE(refused(sim::kControlGetSettings, header + 4, sizeof out)) << "input not taken";
    std::memset(message.payload, 'x', sizeof(sim::ProfileName));
    EXPECT_TRUE(refused(sim::kControlLoadNamedProfile, header + sizeof(sim::ProfileName), 0))
        << "name without its end";
    EXPECT_TRUE(refused(sim::kControlReadLog, header, sizeof(sim::LogPage) - 1)) << "no room";

    const sim::BiosSettings after = Settings();
    EXPECT_EQ(0, std::memcmp(&before, &after, sizeof before));
    uint8_t on = 0;
    EXPECT_EQ(1, GetSilentBoot(&on)) << "the driver still answers";
}

} // namespace
