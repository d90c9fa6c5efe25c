// The machine facts, each in the register the program decodes it from.
#include "SimHarness.h"

namespace simtest {
namespace {

using InformationTest = SimTest;

struct Placement {
    uint16_t ax, bx;
    uint32_t edx; // DL: drive number
    Part part;
    uint32_t expected;
};

// The default machine: Pentium II 300 (66 MHz x 4.5), 64 MB, 2560 KB video, a
// 8944/15/63 disk at 0x80, a CD-ROM at 0x82, COM1 and IrDA, ECP on 0x378.
const Placement kDefaultMachine[] = {
    {0x9610, 0x0000, 0, kBx, 0x0108},  {0x9610, 0x0001, 0, kCl, 0},
    {0x9610, 0x0001, 0, kCh, 7},       {0x9610, 0x0001, 0, kDl, 6},
    {0x9610, 0x0001, 0, kDh, 7},       {0x9610, 0x0001, 0, kBx, 300},
    {0x9610, 0x0022, 0, kCx, 64},      {0x9602, 0x0000, 0, kAl, 40},
    {0x9610, 0x000A, 0x80, kAl, 1},    {0x9610, 0x000A, 0x80, kAh, 1},
    {0x9610, 0x000A, 0x82, kAl, 2},    {0x9610, 0x000A, 0x82, kAh, 0},
    {0x9610, 0x0009, 0x80, kCx, 8944}, {0x9610, 0x0009, 0x80, kDh, 15},
    {0x9610, 0x0009, 0x80, kSi, 63},   {0x9610, 0x0002, 0, kCx, 0x3F8},
    {0x9610, 0x0002, 0, kDl, 4},       {0x9610, 0x0002, 0, kDh, 0},
    {0x9610, 0x0102, 0, kCx, 0x2F8},   {0x9610, 0x0102, 0, kDl, 3},
    {0x9610, 0x0102, 0, kDh, 1},       {0x9610, 0x0003, 0, kAl, 0},
    {0x9610, 0x0003, 0, kCx, 0x378},   {0x9610, 0x0003, 0, kDl, 7},
    {0x9610, 0x0003, 0, kDh, 0xC3},    {0x9610, 0x0005, 0, kCl, 2},
    {0x9610, 0x0004, 0, kCl, 4},       {0x9612, 0x020F, 0, kAl, 1},
    {0x9612, 0x0001, 0, kCl, 1},       {0x9612, 0x000D, 0, kAl, 1},
    {0x9612, 0x0008, 0, kCh, 15},      {0x9612, 0x0008, 0, kCl, 0},
    {0x9612, 0x0008, 0, kDh, 7},       {0x9612, 0x0008, 0, kDl, 0},
};

TEST_F(InformationTest, DefaultMachineAnswersInTheRightRegisters) {
    for (const Placement& p : kDefaultMachine) {
        const sim::Regs r = Ask(p.ax, p.bx, 0, p.edx);
        SCOPED_TRACE(testing::Message() << std::hex << p.ax << " " << p.bx << " word "
                                        << p.part.word << " shift " << p.part.shift);
        EXPECT_FALSE(Failed(r));
        EXPECT_EQ(p.expected, Get(r, p.part));
    }
}

TEST_F(InformationTest, ParallelDmaMovesToBhBeforeInterface105) {
    sim::MachineProfile p = bios_.Profile();
    p.interfaceVersion = 0x0105;
    ASSERT_TRUE(bios_.LoadProfile(p));
    EXPECT_EQ(0xC3u, Get(Ask(0x9610, 0x0003), kDh));
    LoadProfile("old-interface"); // 1.04
    const sim::Regs old = Ask(0x9610, 0x0003);
    EXPECT_EQ(3u, Get(old, kDh));
    EXPECT_EQ(3u, Get(old, kBh));
}

TEST_F(InformationTest, SystemMemoryFunctionExistsFromInterface108On) {
    sim::MachineProfile p = bios_.Profile();
    for (const uint16_t version : {0x0107, 0x0100, 0x0007, 0x0108, 0x0008, 0x0200}) {
        p.interfaceVersion = version;
        ASSERT_TRUE(bios_.LoadProfile(p));
        const bool answers = version == 0x0108 || version == 0x0008 || version == 0x0200;
        EXPECT_EQ(answers, !Failed(Ask(0x9610, 0x0022))) << std::hex << version;
    }
}

TEST_F(InformationTest, BareMachineReportsDevicesAbsentAndCachesOff) {
    LoadProfile("bare");
    const Placement bare[] = {
        {0x9610, 0x000A, 0x80, kAl, 0}, {0x9610, 0x000A, 0x82, kAl, 0}, {0x9610, 0x0002, 0, kAl, 1},
        {0x9610, 0x0102, 0, kAl, 1},    {0x9610, 0x0003, 0, kAl, 1},    {0x9610, 0x0005, 0, kAl, 2},
        {0x9610, 0x0004, 0, kAl, 2},    {0x9612, 0x0001, 0, kCl, 0},    {0x9612, 0x020F, 0, kAl, 0},
    };
    for (const Placement& p : bare)
        EXPECT_EQ(p.expected, Get(Ask(p.ax, p.bx, 0, p.edx), p.part)) << std::hex << p.bx;
}

TEST_F(InformationTest, MachineWithoutInterfaceAnswersOnlyVideoMemory) {
    LoadProfile("no-vesk");
    for (const uint16_t ax : {0x9610, 0x9611, 0x9612})
        EXPECT_TRUE(Failed(Ask(ax, 0x0000))) << std::hex << ax;
    EXPECT_EQ(40, Al(Ask(0x9602, 0x0000)));
}

TEST_F(InformationTest, UnknownRequestsFailWithUnsupported) {
    const uint16_t unknown[][2] = {
        {0x9613, 0x0000}, {0x9610, 0x0030}, {0x9611, 0x0002},
        {0x9612, 0x0009}, {0x9610, 0x0101}, // CPU information takes no sub-function
        {0x9611, 0x0201},                   // power management is read through 0x81
        {0x9610, 0x0202},                   // there is no third serial port
        {0x9610, 0x000A},                   // DL 0: no such drive
    };
    for (const auto& u : unknown) {
        const sim::Regs r = Ask(u[0], u[1]);
        EXPECT_TRUE(Failed(r)) << std::hex << u[0] << " " << u[1];
        EXPECT_NE(0, Ah(r)) << std::hex << u[0] << " " << u[1];
    }
    EXPECT_TRUE(Failed(Ask(0x9610, 0x0009, 0, 0x82))); // a CD-ROM has no geometry
}

TEST_F(InformationTest, RegistersAnOperationDoesNotUseComeBackAsSent) {
    const sim::Regs r = Ask(0x9610, 0x0005, 0x11110000, 0x22222222, 0x33333333, 0x44444444);
    EXPECT_EQ(0x11110002u, r.ecx);
    EXPECT_EQ(0x22222222u, r.edx);
    EXPECT_EQ(0x33333333u, r.esi);
    EXPECT_EQ(0x44444444u, r.edi);
}

TEST(NamedProfiles, EveryNameLoadsAndUnknownNamesChangeNothing) {
    sim::SimBios bios;
    bios.Reset();
    EXPECT_EQ(nullptr, sim::NamedProfileName(sim::NamedProfileCount()));
    for (uint32_t i = 0; i < sim::NamedProfileCount(); ++i)
        EXPECT_TRUE(sim::LoadNamedProfile(bios, sim::NamedProfileName(i))) << i;
    ASSERT_TRUE(sim::LoadNamedProfile(bios, "monitor"));
    EXPECT_FALSE(sim::LoadNamedProfile(bios, "monito"));
    EXPECT_FALSE(sim::LoadNamedProfile(bios, "monitors"));
    EXPECT_FALSE(sim::LoadNamedProfile(bios, nullptr));
    EXPECT_EQ(1, bios.Profile().monitorConnected);
}

} // namespace
} // namespace simtest
