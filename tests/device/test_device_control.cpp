// The simulated notebook's private control request: setup, log and faults, and how the
// driver answers control requests it cannot take.
#include "BiosCatalogue.h"
#include "DeviceTest.h"

#include <windows.h>

namespace {

using ControlThroughDevice = DeviceTest;

TEST_F(ControlThroughDevice, SettingsWrittenHereAreWhatTheBiosAnswers) {
    sim::BiosSettings settings = Settings();
    settings.silentBoot = 1;
    settings.memoryTest = 0;
    ASSERT_TRUE(control_.SetSettings(settings));
    uint8_t on = 0xAA;
    ASSERT_EQ(1, GetSilentBoot(&on));
    EXPECT_EQ(1, on);
    ASSERT_EQ(1, GetMemoryTest(&on));
    EXPECT_EQ(0, on);

    ASSERT_TRUE(control_.RestoreDefaultSettings());
    ASSERT_EQ(1, GetSilentBoot(&on));
    EXPECT_EQ(0, on);
}

TEST_F(ControlThroughDevice, LogKeepsTheNewestRequestsAcrossPages) {
    uint16_t version = 0;
    uint8_t code = 0;
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(1, VESKCheck(&code, &version));
    std::vector<sim::LogEntry> log = Log();
    ASSERT_EQ(sim::kLogCapacity, log.size());
    EXPECT_EQ(300u - sim::kLogCapacity + 1, log.front().sequence);
    EXPECT_EQ(300u, log.back().sequence);
    for (size_t i = 1; i < log.size(); ++i)
        ASSERT_EQ(log[i - 1].sequence + 1, log[i].sequence) << "oldest first, none twice";

    ASSERT_TRUE(control_.ClearLog());
    EXPECT_TRUE(Log().empty());
    ASSERT_EQ(1, VESKCheck(&code, &version));
    log = Log();
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ(1u, log[0].sequence);
}

TEST_F(ControlThroughDevice, UnknownProfileNameIsRefusedAndChangesNothing) {
    const sim::MachineProfile before = Profile();
    EXPECT_FALSE(control_.LoadProfile("no-such-machine"));
    EXPECT_FALSE(control_.LoadProfile("a-name-far-longer-than-any-profile-name-can-be"));
    const sim::MachineProfile after = Profile();
    EXPECT_EQ(0, std::memcmp(&before, &after, sizeof before));

    sim::MachineProfile backwards = before;
    backwards.contrastMin = 9;
    backwards.contrastMax = 2;
    EXPECT_FALSE(control_.LoadProfile(backwards));
}

// Control requests sent by hand, the way a stale or broken client might.
class RawControl : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        device_ = CreateFileA("\\\\.\\vovudo", GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, device_) << kNoDriver;
    }
    void TearDown() override {
        if (device_ != INVALID_HANDLE_VALUE)
            CloseHandle(device_);
        DeviceTest::TearDown();
    }
    bool Send(const void* in, DWORD inSize, void* out, DWORD outSize) {
        DWORD returned = 0;
        return DeviceIoControl(device_, sim::kControlIoctl, const_cast<void*>(in), inSize, out,
                               outSize, &returned, nullptr) != FALSE;
    }
    HANDLE device_ = INVALID_HANDLE_VALUE;
};

TEST_F(RawControl, MalformedControlRequestsAreRefused) {
    struct Message {
        sim::ControlHeader header;
        uint8_t payload[sizeof(sim::BiosSettings) + 8];
    } message = {};
    uint8_t out[sizeof(sim::BiosSettings)] = {};
    const DWORD header = sizeof(sim::ControlHeader);
    const sim::BiosSettings before = Settings();

    EXPECT_FALSE(Send(&message, 0, out, sizeof out)) << "no header";
    EXPECT_FALSE(Send(&message, header - 1, out, sizeof out)) << "short header";
    message.header.command = 99;
    EXPECT_FALSE(Send(&message, header, out, sizeof out)) << "unknown command";

    message.header.command = sim::kControlSetSettings;
    EXPECT_FALSE(Send(&message, header + sizeof(sim::BiosSettings) - 1, out, 0)) << "short";
    EXPECT_FALSE(Send(&message, header + sizeof(sim::BiosSettings) + 1, out, 0)) << "long";
    message.header.command = sim::kControlGetSettings;
    EXPECT_FALSE(Send(&message, header, out, sizeof out - 1)) << "answer does not fit";
    EXPECT_FALSE(Send(&message, header + 4, out, sizeof out)) << "input where none is taken";

    message.header.command = sim::kControlLoadNamedProfile;
    std::memset(message.payload, 'x', sizeof(sim::ProfileName));
    EXPECT_FALSE(Send(&message, header + sizeof(sim::ProfileName), out, 0))
        << "name without its end";

    message.header.command = sim::kControlReadLog;
    EXPECT_FALSE(Send(&message, header, out, sizeof(sim::LogPage) - 1)) << "no room for a page";

    const sim::BiosSettings after = Settings();
    EXPECT_EQ(0, std::memcmp(&before, &after, sizeof before));
    uint8_t on = 0;
    EXPECT_EQ(1, GetSilentBoot(&on)) << "the driver still answers";
}

TEST_F(RawControl, LogPageBeyondTheEndIsEmpty) {
    uint8_t code = 0;
    uint16_t version = 0;
    ASSERT_EQ(1, VESKCheck(&code, &version));
    const sim::ControlHeader request = {sim::kControlReadLog, 5};
    uint8_t out[sizeof(sim::LogPage) + sizeof(sim::LogEntry)] = {};
    ASSERT_TRUE(Send(&request, sizeof request, out, sizeof out));
    sim::LogPage page;
    std::memcpy(&page, out, sizeof page);
    EXPECT_EQ(1u, page.total);
    EXPECT_EQ(5u, page.first);
    EXPECT_EQ(0u, page.count);
}

} // namespace
