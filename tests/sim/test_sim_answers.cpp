// What the named machines answer, each fact in the register the program decodes it from;
// the requests the BIOS refuses, with their exact answer code and nothing changed; and
// what the interface version decides.
#include "SimHarness.h"

namespace simtest {
namespace {

using AnswersTest = SimTest;

constexpr char kDefault[] = "default", kBare[] = "bare";

struct Placement {
    const char* profile;
    uint16_t ax, bx;
    uint32_t edx; // DL: drive number
    Part part;
    uint32_t expected;
};

// The default machine: Pentium II 300 (66 MHz x 4.5), 64 MB, 2560 KB video, a 8944/15/63
// disk at 0x80, a CD-ROM at 0x82, COM1 and IrDA, ECP on 0x378. The bare one: no drives,
// ports absent, caches off, no pointing device. Without the BIOS interface the video BIOS
// still answers; without power management the setup group does.
// clang-format off
const Placement kPlacements[] = {
    {kDefault, 0x9610, 0x0000, 0, kBx, 0x0108},    {kDefault, 0x9610, 0x0001, 0, kCl, 0},
    {kDefault, 0x9610, 0x0001, 0, kCh, 7},         {kDefault, 0x9610, 0x0001, 0, kDl, 6},
    {kDefault, 0x9610, 0x0001, 0, kDh, 7},         {kDefault, 0x9610, 0x0001, 0, kBx, 300},
    {kDefault, 0x9610, 0x0022, 0, kCx, 64},        {kDefault, 0x9602, 0x0000, 0, kAl, 40},
    {kDefault, 0x9610, 0x000A, 0x80, kAl, 1},      {kDefault, 0x9610, 0x000A, 0x80, kAh, 1},
    {kDefault, 0x9610, 0x000A, 0x82, kAl, 2},      {kDefault, 0x9610, 0x000A, 0x82, kAh, 0},
    {kDefault, 0x9610, 0x0009, 0x80, kCx, 8944},   {kDefault, 0x9610, 0x0009, 0x80, kDh, 15},
    {kDefault, 0x9610, 0x0009, 0x80, kSi, 63},     {kDefault, 0x9610, 0x0002, 0, kCx, 0x3F8},
    {kDefault, 0x9610, 0x0002, 0, kDl, 4},         {kDefault, 0x9610, 0x0002, 0, kDh, 0},
    {kDefault, 0x9610, 0x0102, 0, kCx, 0x2F8},     {kDefault, 0x9610, 0x0102, 0, kDl, 3},
    {kDefault, 0x9610, 0x0102, 0, kDh, 1},         {kDefault, 0x9610, 0x0003, 0, kAl, 0},
    {kDefault, 0x9610, 0x0003, 0, kCx, 0x378},     {kDefault, 0x9610, 0x0003, 0, kDl, 7},
    {kDefault, 0x9610, 0x0003, 0, kDh, 0xC3},      {kDefault, 0x9610, 0x0005, 0, kCl, 2},
    {kDefault, 0x9610, 0x0004, 0, kCl, 4},         {kDefault, 0x9612, 0x020F, 0, kAl, 1},
    {kDefault, 0x9612, 0x0001, 0, kCl, 1},         {kDefault, 0x9612, 0x000D, 0, kAl, 1},
    {kDefault, 0x9612, 0x0008, 0, kCh, 15},        {kDefault, 0x9612, 0x0008, 0, kCl, 0},
    {kDefault, 0x9612, 0x0008, 0, kDh, 7},         {kDefault, 0x9612, 0x0008, 0, kDl, 0},
    {kBare, 0x9610, 0x000A, 0x80, kAl, 0},         {kBare, 0x9610, 0x000A, 0x82, kAl, 0},
    {kBare, 0x9610, 0x0002, 0, kAl, 1},            {kBare, 0x9610, 0x0102, 0, kAl, 1},
    {kBare, 0x9610, 0x0003, 0, kAl, 1},            {kBare, 0x9610, 0x0005, 0, kAl, 2},
    {kBare, 0x9610, 0x0004, 0, kAl, 2},            {kBare, 0x9612, 0x0001, 0, kCl, 0},
    {kBare, 0x9612, 0x020F, 0, kAl, 0},            {"no-vesk", 0x9602, 0x0000, 0, kAl, 40},
    {"no-pmu", 0x9610, 0x0221, 0, kAl, 1}, // the hot-key beep is in the setup group
};
// clang-format on

TEST_F(AnswersTest, MachinesAnswerInTheRightRegisters) {
    for (const Placement& p : kPlacements) {
        SCOPED_TRACE(testing::Message() << p.profile << std::hex << " AX " << p.ax << " BX " << p.bx
                                        << " word " << p.part.word << " shift " << p.part.shift);
        LoadProfile(p.profile);
        const sim::Regs r = Ask(p.ax, p.bx, 0, p.edx);
        EXPECT_FALSE(Failed(r));
        EXPECT_EQ(p.expected, Get(r, p.part));
    }
}

struct Refusal {
    const char* profile;
    uint16_t ax, bx;
    uint32_t ecx, edx, esi, edi;
    uint8_t ah;
};

constexpr uint8_t kNo = sim::kAnswerRejected, kUnknown = sim::kAnswerUnsupported,
                  kBuffer = sim::kAnswerBadBuffer;
constexpr uint32_t kBuf = kBufferAddress;

// clang-format off
const Refusal kRefusals[] = {
    // profile     AX      BX      ECX     EDX     ESI       EDI     AH
    {kDefault,     0x9613, 0x0000, 0,      0,      0,        0,      kUnknown},
    {kDefault,     0x9610, 0x0030, 0,      0,      0,        0,      kUnknown},
    {kDefault,     0x9611, 0x0002, 0,      0,      0,        0,      kUnknown},
    {kDefault,     0x9612, 0x0009, 0,      0,      0,        0,      kUnknown},
    {kDefault,     0x9610, 0x0101, 0,      0,      0,        0,      kUnknown}, // CPU takes no sub-function
    {kDefault,     0x9611, 0x0201, 0,      0,      0,        0,      kUnknown}, // PMU is read through 0x81
    {kDefault,     0x9612, 0x0101, 0,      0,      0,        0,      kUnknown}, // pointing device is read-only
    {kDefault,     0x9610, 0x0217, 0,      0,      kBuf,     0,      kUnknown}, // boot list: no BH 2
    {kDefault,     0x9611, 0x0306, 0,      0,      0,        0,      kUnknown}, // resume timer: no BH 3
    {kDefault,     0x9610, 0x0408, 1,      0,      kBuf,     0,      kUnknown}, // passwords: no BH 4
    {kDefault,     0x9610, 0x0202, 0,      0,      0,        0,      kNo},      // no third serial port
    {kDefault,     0x9610, 0x000A, 0,      0,      0,        0,      kNo},      // DL 0: no such drive
    {kDefault,     0x9610, 0x0009, 0,      0x82,   0,        0,      kNo},      // a CD-ROM has no geometry
    {kDefault,     0x9612, 0x0107, 8,      0,      0,        0,      kNo},      // brightness above 7
    {kDefault,     0x9612, 0x0106, 16,     0,      0,        0,      kNo},      // contrast above 15
    {kDefault,     0x9612, 0x010A, 1,      0,      0,        0,      kNo},      // boot display: 2 or 3
    {kDefault,     0x9612, 0x010B, 3,      0,      0,        0,      kNo},      // no display device 3
    {kDefault,     0x9612, 0x010B, 0,      0,      0,        0,      kNo},      // external, no monitor
    {kDefault,     0x9612, 0x000C, 0,      0,      0,        0,      kNo},      // no monitor connected
    {kDefault,     0x9612, 0x0205, 0,      0,      0,        0,      kNo},      // hot-key button: 0 or 1
    {kDefault,     0x9610, 0x0207, 8,      0,      0,        0,      kNo},      // 8 codes: before the buffer
    {kDefault,     0x9610, 0x0307, 0xFFFF, 0,      0,        0,      kNo},
    {kDefault,     0x9610, 0x0017, 0,      0,      0,        0,      kBuffer},
    {kDefault,     0x9610, 0x0117, 0,      0,      kBuf + 17, 0,     kBuffer},  // runs past the buffer
    // Resume times the clock cannot hold: CH second, DH hour, DL minute, SI month-day, DI year.
    {kDefault,     0x9611, 0x0106, 0x0000, 0x0000, 0x0229,   0x1999, kNo},      // no 29 Feb 1999
    {kDefault,     0x9611, 0x0106, 0x0000, 0x0000, 0x0431,   0x1999, kNo},
    {kDefault,     0x9611, 0x0106, 0x0000, 0x2400, 0x0101,   0x1999, kNo},
    {kDefault,     0x9611, 0x0106, 0x6000, 0x0000, 0x0101,   0x1999, kNo},
    {kDefault,     0x9611, 0x0106, 0x0000, 0x001A, 0x0101,   0x1999, kNo},      // not BCD
    {kDefault,     0x9611, 0x0106, 0x0000, 0x0000, 0x1301,   0x1999, kNo},
    {kDefault,     0x9611, 0x0106, 0x0000, 0x0000, 0x0100,   0x1999, kNo},
    {kDefault,     0x9611, 0x0106, 0x0000, 0x0000, 0x0101,   0x1979, kNo},
    {"no-vesk",    0x9610, 0x0000, 0,      0,      0,        0,      kUnknown},
    {"no-vesk",    0x9611, 0x0005, 0,      0,      0,        0,      kUnknown},
    {"no-vesk",    0x9612, 0x000B, 0,      0,      0,        0,      kUnknown},
    {"no-pmu",     0x9611, 0x0081, 0,      0,      0,        0,      kUnknown},
    {"old-interface", 0x9610, 0x0022, 0,   0,      0,        0,      kUnknown}, // memory size from 1.08
};
// clang-format on

TEST_F(AnswersTest, RefusedRequestsFailWithTheirCodeAndChangeNothing) {
    for (const Refusal& f : kRefusals) {
        SCOPED_TRACE(testing::Message() << f.profile << std::hex << " AX " << f.ax << " BX " << f.bx
                                        << " CX " << f.ecx);
        LoadProfile(f.profile);
        const sim::BiosSettings before = bios_.Settings();
        const sim::Regs r = Ask(f.ax, f.bx, f.ecx, f.edx, f.esi, f.edi);
        EXPECT_TRUE(Failed(r));
        EXPECT_EQ(f.ah, Ah(r));
        EXPECT_EQ(0, std::memcmp(&before, &bios_.Settings(), sizeof before));
    }
}

// Memory size from x.08 on; the parallel port's DMA channel in BH before x.05, then in
// DH bits 6-7 above the mode (both on major versions 0 and 1 only).
TEST_F(AnswersTest, InterfaceVersionDecidesMemorySizeAndParallelLayout) {
    const struct {
        uint16_t version;
        bool memorySize;
        uint32_t dh, bh;
    } cases[] = {
        {0x0004, false, 0x03, 3}, {0x0100, false, 0x03, 3}, {0x0104, false, 0x03, 3},
        {0x0105, false, 0xC3, 0}, {0x0107, false, 0xC3, 0}, {0x0007, false, 0xC3, 0},
        {0x0008, true, 0xC3, 0},  {0x0108, true, 0xC3, 0},  {0x0204, true, 0xC3, 0},
    };
    sim::MachineProfile p = bios_.Profile();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.version);
        p.interfaceVersion = c.version;
        ASSERT_TRUE(bios_.LoadProfile(p));
        EXPECT_EQ(c.memorySize, Accepted(Ask(0x9610, 0x0022)));
        const sim::Regs parallel = Ask(0x9610, 0x0003);
        EXPECT_EQ(c.dh, Get(parallel, kDh));
        EXPECT_EQ(c.bh, Get(parallel, kBh));
    }
}

// Every named machine loads in the tables above; a name must match whole.
TEST_F(AnswersTest, UnknownMachineNamesChangeNothing) {
    for (const char* unknown : {"monito", "monitors", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(sim::LoadNamedProfile(bios_, unknown));
    EXPECT_EQ(0, bios_.Profile().monitorConnected);
}

} // namespace
} // namespace simtest
