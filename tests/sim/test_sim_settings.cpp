// Setup options: on/off switches, display levels and choices, the resume alarm, the boot
// list through esi and the setup defaults. The values the BIOS refuses are in
// test_sim_answers.cpp.
#include "SimHarness.h"

namespace simtest {
namespace {

using SettingsTest = SimTest;

// BH 0 or 1 sets a switch, BH 2 reads it into AL; power management alone is read through
// function 0x81, into BH.
TEST_F(SettingsTest, SwitchesSetWithBhAndReadBack) {
    const struct {
        uint16_t ax;
        uint8_t function;
        uint16_t readBx;
        Part part;
        uint8_t sim::BiosSettings::*field;
    } switches[] = {
        {0x9610, 0x15, 0x0215, kAl, &sim::BiosSettings::memoryTest},
        {0x9610, 0x16, 0x0216, kAl, &sim::BiosSettings::silentBoot},
        {0x9610, 0x06, 0x0206, kAl, &sim::BiosSettings::cdromBoot},
        {0x9610, 0x21, 0x0221, kAl, &sim::BiosSettings::hotkeyBeep},
        {0x9611, 0x05, 0x0205, kAl, &sim::BiosSettings::modemRingWakeup},
        {0x9611, 0x08, 0x0208, kAl, &sim::BiosSettings::battLowBeep},
        {0x9611, 0x09, 0x0209, kAl, &sim::BiosSettings::sleepWhenBattLow},
        {0x9611, 0x0D, 0x020D, kAl, &sim::BiosSettings::dspAlwaysOn},
        {0x9611, 0x01, 0x0081, kBh, &sim::BiosSettings::pmu},
    };
    for (const auto& s : switches) {
        SCOPED_TRACE(testing::Message() << std::hex << s.ax << " " << int(s.function));
        for (const uint32_t value : {1u, 0u, 1u}) {
            EXPECT_TRUE(Accepted(Ask(s.ax, value << 8 | s.function)));
            EXPECT_EQ(value, bios_.Settings().*s.field);
            EXPECT_EQ(value, Get(Ask(s.ax, s.readBx), s.part));
        }
        EXPECT_TRUE(Failed(Ask(s.ax, 0x0300 | s.function)));
        EXPECT_EQ(1, bios_.Settings().*s.field);
    }
}

// BH 1 sets the value from CL, BH 0 reads it into CL.
TEST_F(SettingsTest, DisplayLevelsAndChoicesAreSetFromClAndReadBack) {
    const struct {
        const char* profile;
        uint8_t function, value;
    } sets[] = {
        {"default", 0x07, 7}, {"default", 0x07, 0}, {"default", 0x06, 15}, {"default", 0x06, 0},
        {"default", 0x0A, 2}, {"default", 0x0B, 2}, {"monitor", 0x0B, 0},
    };
    for (const auto& s : sets) {
        SCOPED_TRACE(testing::Message() << s.profile << " " << int(s.function));
        LoadProfile(s.profile);
        EXPECT_TRUE(Accepted(Ask(0x9612, 0x0100 | s.function, s.value)));
        EXPECT_EQ(s.value, Get(Ask(0x9612, s.function), kCl));
    }
    EXPECT_TRUE(Accepted(Ask(0x9612, 0x000C))); // the monitor is connected
    EXPECT_TRUE(Accepted(Ask(0x9612, 0x0005))); // hot-key button off
    EXPECT_EQ(0, bios_.Settings().hotkeyButton);

    sim::MachineProfile p = bios_.Profile();
    p.panelType = 0; // contrast cannot be set
    ASSERT_TRUE(bios_.LoadProfile(p));
    EXPECT_TRUE(Failed(Ask(0x9612, 0x0106, 3)));
    EXPECT_EQ(0, bios_.Settings().contrast);
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

// Set: BH on, CH second, DH hour, DL minute, SI month-day, DI year, all BCD; read back in
// the same registers with AL on, CL 0, and the rest of each register as it was sent.
TEST_F(SettingsTest, ResumeTimerRoundTripsInBcd) {
    const uint32_t times[][4] = {
        {0x0900, 0x0705, 0x1231, 0x1999}, // 07:05:09 on 31 December 1999
        {0x5900, 0x2359, 0x0229, 0x2000}, // a leap day
        {0x0000, 0x0000, 0x1231, 0x2079}, // the clock's last year
    };
    for (const auto& t : times) {
        EXPECT_TRUE(Accepted(Ask(0x9611, 0x0106, t[0], t[1], t[2], t[3])));
        const sim::Regs read = Ask(0x9611, 0x0206, 0xAAAA00FF, 0xBBBB0000, 0xCCCC0000, 0xDDDD0000);
        const sim::Regs expected = Request(0x0001, 0x0206, 0xAAAA0000 | t[0], 0xBBBB0000 | t[1],
                                           0xCCCC0000 | t[2], 0xDDDD0000 | t[3]);
        EXPECT_EQ(0, std::memcmp(&expected, &read, sizeof read));
    }
    // Off with no usable date keeps the time; off with a date takes it.
    EXPECT_TRUE(Accepted(Ask(0x9611, 0x0006)));
    EXPECT_EQ(0, bios_.Settings().resumeTimerOn);
    EXPECT_EQ(0x1231, bios_.Settings().resumeMonthDay);
    EXPECT_TRUE(Accepted(Ask(0x9611, 0x0006, 0, 0x0800, 0x0102, 0x2001)));
    EXPECT_EQ(0x0102, bios_.Settings().resumeMonthDay);
    EXPECT_EQ(0, bios_.Settings().resumeTimerOn);
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

    const sim::CallerMemory none = {nullptr, nullptr, nullptr};
    sim::Regs reply;
    ASSERT_TRUE(bios_.Handle(Request(0x9610, 0x0017, 0, 0, kBufferAddress), reply, none));
    EXPECT_EQ(sim::kAnswerBadBuffer, Ah(reply));
    EXPECT_TRUE(Failed(reply));
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

// The passwords, the hot-key button's live state and the checksum count are no setup options.
TEST_F(SettingsTest, LoadSetupDefaultRestoresOptionsButKeepsPasswordsAndTheMachine) {
    LoadProfile("monitor");
    sim::BiosSettings kept;
    sim::SimBios::DefaultSettings(kept);
    kept.setupPasswordLength = kept.powerOnPasswordLength = 1;
    kept.setupPassword[0] = 0x1E;
    kept.powerOnPassword[0] = 0x02;
    kept.hotkeyButton = 0; // the program holds it off while it runs
    kept.checksumCalls = 3;
    sim::BiosSettings& s = bios_.Settings();
    s = kept;
    s.memoryTest = s.displayDevice = 0;
    s.bootSequence[0] = 2;
    s.brightness = 1;
    s.resumeTimerOn = 1;

    EXPECT_TRUE(Accepted(Ask(0x9610, 0x0014)));
    EXPECT_EQ(0, std::memcmp(&kept, &bios_.Settings(), sizeof kept));
    EXPECT_EQ(1, bios_.Profile().monitorConnected);
}

} // namespace
} // namespace simtest
