// Setup options: on/off switches, display levels, the resume alarm, the boot list
// through esi, the checksum and the setup defaults.
#include "SimHarness.h"

namespace simtest {
namespace {

using SettingsTest = SimTest;

TEST_F(SettingsTest, SwitchesSetWithBhAndReadIntoAl) {
    const struct {
        uint16_t ax;
        uint8_t function;
        uint8_t sim::BiosSettings::*field;
    } switches[] = {
        {0x9610, 0x15, &sim::BiosSettings::memoryTest},
        {0x9610, 0x16, &sim::BiosSettings::silentBoot},
        {0x9610, 0x06, &sim::BiosSettings::cdromBoot},
        {0x9610, 0x21, &sim::BiosSettings::hotkeyBeep},
        {0x9611, 0x05, &sim::BiosSettings::modemRingWakeup},
        {0x9611, 0x08, &sim::BiosSettings::battLowBeep},
        {0x9611, 0x09, &sim::BiosSettings::sleepWhenBattLow},
        {0x9611, 0x0D, &sim::BiosSettings::dspAlwaysOn},
    };
    for (const auto& s : switches) {
        SCOPED_TRACE(testing::Message() << std::hex << s.ax << " " << int(s.function));
        for (const int value : {1, 0, 1}) {
            EXPECT_TRUE(Accepted(Ask(s.ax, value << 8 | s.function)));
            EXPECT_EQ(value, bios_.Settings().*s.field);
            EXPECT_EQ(value, Al(Ask(s.ax, 0x0200 | s.function)));
        }
        EXPECT_TRUE(Failed(Ask(s.ax, 0x0300 | s.function)));
        EXPECT_EQ(1, bios_.Settings().*s.field);
    }
}

TEST_F(SettingsTest, PowerManagementIsReadBackInBh) {
    EXPECT_TRUE(Accepted(Ask(0x9611, 0x0001)));
    EXPECT_EQ(0u, Get(Ask(0x9611, 0x0081), kBh));
    EXPECT_TRUE(Accepted(Ask(0x9611, 0x0101)));
    EXPECT_EQ(0x0181u, Get(Ask(0x9611, 0x0081), kBx));

    LoadProfile("no-pmu");
    EXPECT_TRUE(Failed(Ask(0x9611, 0x0081)));
    EXPECT_TRUE(Accepted(Ask(0x9610, 0x0021))); // the hot-key beep is in the setup group
}

TEST_F(SettingsTest, LevelsAreSetFromClWithinTheMachinesRange) {
    EXPECT_TRUE(Accepted(Ask(0x9612, 0x0107, 7)));
    EXPECT_EQ(7, Cl(Ask(0x9612, 0x0007)));
    EXPECT_TRUE(Failed(Ask(0x9612, 0x0107, 8)));
    EXPECT_TRUE(Accepted(Ask(0x9612, 0x0106, 15)));
    EXPECT_TRUE(Failed(Ask(0x9612, 0x0106, 16)));
    EXPECT_EQ(7, bios_.Settings().brightness);
    EXPECT_EQ(15, bios_.Settings().contrast);

    sim::MachineProfile p = bios_.Profile();
    p.panelType = 0; // contrast cannot be set
    ASSERT_TRUE(bios_.LoadProfile(p));
    EXPECT_TRUE(Failed(Ask(0x9612, 0x0106, 3)));
    EXPECT_EQ(15, bios_.Settings().contrast);
}

TEST_F(SettingsTest, DisplayChoices) {
    EXPECT_TRUE(Accepted(Ask(0x9612, 0x010A, 2))); // boot display: both
    EXPECT_TRUE(Failed(Ask(0x9612, 0x010A, 1)));
    EXPECT_EQ(2, Cl(Ask(0x9612, 0x000A)));

    EXPECT_TRUE(Failed(Ask(0x9612, 0x000C)));      // no monitor
    EXPECT_TRUE(Failed(Ask(0x9612, 0x010B, 0)));   // so no external-only output
    EXPECT_TRUE(Accepted(Ask(0x9612, 0x010B, 2))); // both is harmless
    EXPECT_TRUE(Failed(Ask(0x9612, 0x010B, 3)));
    LoadProfile("monitor");
    EXPECT_TRUE(Accepted(Ask(0x9612, 0x000C)));
    EXPECT_TRUE(Accepted(Ask(0x9612, 0x010B, 0)));
    EXPECT_EQ(0, Cl(Ask(0x9612, 0x000B)));

    EXPECT_TRUE(Accepted(Ask(0x9612, 0x0005))); // hot-key button off
    EXPECT_TRUE(Failed(Ask(0x9612, 0x0205)));
    EXPECT_EQ(0, bios_.Settings().hotkeyButton);
}

TEST_F(SettingsTest, ResumeTimerRoundTripsInBcd) {
    // 07:05:09 on 31 December 1999, timer on.
    EXPECT_TRUE(Accepted(Ask(0x9611, 0x0106, 0x0900, 0x0705, 0x1231, 0x1999)));
    const sim::Regs r = Ask(0x9611, 0x0206);
    EXPECT_EQ(1, Al(r));
    EXPECT_EQ(0x0900u, Get(r, kCx));
    EXPECT_EQ(0x0705u, r.edx & 0xFFFF);
    EXPECT_EQ(0x1231u, Get(r, kSi));
    EXPECT_EQ(0x1999u, Get(r, kDi));

    // Off with no usable date keeps the time; off with a date takes it.
    EXPECT_TRUE(Accepted(Ask(0x9611, 0x0006)));
    EXPECT_EQ(0, bios_.Settings().resumeTimerOn);
    EXPECT_EQ(0x1231, bios_.Settings().resumeMonthDay);
    EXPECT_TRUE(Accepted(Ask(0x9611, 0x0006, 0, 0x0800, 0x0102, 0x2001)));
    EXPECT_EQ(0x0102, bios_.Settings().resumeMonthDay);
}

TEST_F(SettingsTest, ResumeTimerRefusesTimesTheClockCannotHold) {
    const struct {
        uint32_t ecx, edx, esi, edi;
        bool valid;
    } cases[] = {
        {0x5900, 0x2359, 0x0229, 0x2000, true},  // leap day
        {0x0000, 0x0000, 0x0229, 0x1999, false}, // no 29 February in 1999
        {0x0000, 0x0000, 0x0431, 0x1999, false}, {0x0000, 0x2400, 0x0101, 0x1999, false},
        {0x6000, 0x0000, 0x0101, 0x1999, false}, {0x0000, 0x001A, 0x0101, 0x1999, false},
        {0x0000, 0x0000, 0x1301, 0x1999, false}, {0x0000, 0x0000, 0x0100, 0x1999, false},
        {0x0000, 0x0000, 0x0101, 0x1979, false}, {0x0000, 0x0000, 0x1231, 0x2079, true},
    };
    for (const auto& c : cases) {
        bios_.Reset();
        EXPECT_EQ(c.valid, Accepted(Ask(0x9611, 0x0106, c.ecx, c.edx, c.esi, c.edi)))
            << std::hex << c.edx << " " << c.esi << " " << c.edi;
        EXPECT_EQ(c.valid ? 1 : 0, bios_.Settings().resumeTimerOn);
    }
}

TEST_F(SettingsTest, BootListRoundTripThroughEsi) {
    const uint8_t list[16] = {2,    1,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                              0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::memcpy(buffer_, list, 16);
    EXPECT_TRUE(Accepted(AskWithBuffer(0x9610, 0x0117)));
    std::memset(buffer_, 0xEE, sizeof buffer_);
    EXPECT_TRUE(Accepted(AskWithBuffer(0x9610, 0x0017)));
    EXPECT_EQ(0, std::memcmp(list, buffer_, 16));
    EXPECT_EQ(0xEE, buffer_[16]); // not a byte more

    const uint8_t tail[16] = {1, 0xFF, 0, 2, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    std::memcpy(buffer_, tail, 16);
    EXPECT_TRUE(Accepted(AskWithBuffer(0x9610, 0x0117)));
    for (int i = 1; i < 16; ++i) // nothing after the end mark is kept
        EXPECT_EQ(0xFF, bios_.Settings().bootSequence[i]) << i;
}

TEST_F(SettingsTest, MalformedBootListsAreRefusedAndTheOldOneKept) {
    uint8_t bad[3][16];
    std::memset(bad, 0xFF, sizeof bad);
    bad[0][0] = 3; // no such device
    bad[1][0] = 0; // drive A twice
    bad[1][1] = 0; // (bad[2] names no device at all)
    for (const auto& list : bad) {
        std::memcpy(buffer_, list, 16);
        const sim::Regs r = AskWithBuffer(0x9610, 0x0117);
        EXPECT_TRUE(Failed(r));
        EXPECT_EQ(sim::kAnswerRejected, Ah(r));
        EXPECT_EQ(1, bios_.Settings().bootSequence[1]);
    }
}

TEST_F(SettingsTest, UnreachableBufferFailsTheCall) {
    bufferFails_ = true;
    EXPECT_EQ(sim::kAnswerBadBuffer, Ah(AskWithBuffer(0x9610, 0x0017)));
    const sim::Regs write = AskWithBuffer(0x9610, 0x0117);
    EXPECT_TRUE(Failed(write));
    EXPECT_EQ(sim::kAnswerBadBuffer, Ah(write));
    bufferFails_ = false;
    EXPECT_TRUE(Failed(Ask(0x9610, 0x0017, 0, 0, kBufferAddress + 17))); // runs past the end

    const sim::CallerMemory none = {nullptr, nullptr, nullptr};
    sim::Regs reply;
    ASSERT_TRUE(bios_.Handle(Request(0x9610, 0x0017, 0, 0, kBufferAddress), reply, none));
    EXPECT_TRUE(Failed(reply));
}

TEST_F(SettingsTest, LoadSetupDefaultRestoresOptionsButKeepsPasswordsAndTheMachine) {
    LoadProfile("monitor");
    sim::BiosSettings& s = bios_.Settings();
    s.memoryTest = 0;
    s.bootSequence[0] = 2;
    s.displayDevice = 0;
    s.brightness = 1;
    s.resumeTimerOn = 1;
    s.setupPasswordLength = 1;
    s.setupPassword[0] = 0x1E;
    s.powerOnPasswordLength = 1;
    s.powerOnPassword[0] = 0x02;
    s.hotkeyButton = 0; // the program holds it off while it runs
    EXPECT_TRUE(Accepted(Ask(0x9610, 0x0112)));

    EXPECT_TRUE(Accepted(Ask(0x9610, 0x0014)));

    sim::BiosSettings expected;
    sim::SimBios::DefaultSettings(expected);
    expected.setupPasswordLength = 1;
    expected.setupPassword[0] = 0x1E;
    expected.powerOnPasswordLength = 1;
    expected.powerOnPassword[0] = 0x02;
    expected.hotkeyButton = 0;
    expected.checksumCalls = 1;
    EXPECT_EQ(0, std::memcmp(&expected, &bios_.Settings(), sizeof expected));
    EXPECT_EQ(1, bios_.Profile().monitorConnected);
}

TEST_F(SettingsTest, LevelsFollowTheMachinesRanges) {
    sim::MachineProfile p = bios_.Profile();
    p.brightnessMin = 5;
    p.brightnessMax = 4;
    EXPECT_FALSE(bios_.LoadProfile(p)); // a backward range is refused
    EXPECT_EQ(0, bios_.Profile().brightnessMin);

    p.brightnessMin = 0;
    p.brightnessMax = 3;
    p.contrastMin = 10;
    p.contrastMax = 31;
    ASSERT_TRUE(bios_.LoadProfile(p));
    EXPECT_EQ(3, bios_.Settings().brightness); // brought into range
    EXPECT_EQ(10, bios_.Settings().contrast);
    EXPECT_TRUE(Accepted(Ask(0x9610, 0x0014)));
    EXPECT_EQ(2, bios_.Settings().brightness); // defaults: the middle of each range
    EXPECT_EQ(21, bios_.Settings().contrast);
}

} // namespace
} // namespace simtest
