// How the operations read a successful answer: each output from its own register part,
// whatever the rest of the block holds; and the two that ask for the interface version
// first, GetSystemRam (old interfaces: the system's memory, rounded up at each division)
// and GetParellelPort (where the mode and the DMA channel come from).
#include "BiosCatalogue.h"
#include "CatalogueProbes.h"
#include "ScriptedBios.h"
#include "SystemMemory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr uint64_t KB = 1024, MB = 1024 * KB, GB = 1024 * MB;

struct Decode {
    const char* name;
    BiosRegs reply;
    int result;
    std::vector<uint8_t> bytes; // Outputs::bytes in the probe's order
    std::vector<uint16_t> words;
};

const BiosRegs kSwitch = Block(0, 0x12340001, 0x00000300, 0xFFFFFFFF, 0xFFFFFFFF); // AL 1
const BiosRegs kLevel = Block(0, 0x00000009, 0x01010101, 0xFFFFFF02);              // AL 9, CL 2
const BiosRegs kCache = Block(0, 0x00000101, 0, 0xEEEE0203);    // AL 1 flags, CL 3 size code
const BiosRegs kPointing = Block(0, 0x00000001, 0, 0x00000203); // AL 1 touch pad, CL 3 kind

// clang-format off
const Decode kDecodes[] = {
    //                     status eax         ebx         ecx         edx         esi         edi
    {"GetCpuInfo",   Block(0, 0x11110000, 0xAAAA01F4, 0xBBBB0602, 0xCCCC0305), 1, {2, 6, 5, 3}, {500}},
    {"GetVideoRam",  Block(0, 0x1234FFFF), 16320, {}, {}}, // AL * 64, widened
    {"GetIdeType",   Block(0, 0x22228001, 0x33333333, 0x44444444, 0x55555555), 1, {1, 0x80}, {}},
    {"GetIdeInfo",   Block(0, 0x22220000, 0x33333333, 0xFFFF3FFF, 0xFFFF0F80, 0xFFFF123F, 0x44444444), 1, {0x0F, 0x3F}, {0x3FFF}},
    {"GetSerialPort", Block(0, 0x12340002, 0x55555555, 0x999903F8, 0x77770104), 1, {2, 4, 1}, {0x03F8}},
    {"GetInternalCacheStatus", kCache, 1, {1, 3}, {}}, {"GetExtCacheStatus", kCache, 1, {1, 3}, {}},
    {"GetTouchPad", kPointing, 1, {1}, {}},            {"GetPointDev", kPointing, 1, {3}, {}},
    {"GetMemoryTest", kSwitch, 1, {1}, {}},       {"GetSilentBoot", kSwitch, 1, {1}, {}},
    {"GetCDROMBoot", kSwitch, 1, {1}, {}},        {"GetHotkeyBeep", kSwitch, 1, {1}, {}},
    {"GetModemRingWakeup", kSwitch, 1, {1}, {}},  {"GetBattLowBeep", kSwitch, 1, {1}, {}},
    {"GetSleepWhenBattLow", kSwitch, 1, {1}, {}}, {"GetDspAlwaysOn", kSwitch, 1, {1}, {}},
    {"GetPMU",       Block(0, 0x12340002, 0x00000181, 0xFFFFFFFF, 0xFFFFFFFF), 1, {1}, {}}, // BH
    {"GetResumeTimer", Block(0, 0x00000001, 0xFFFFFFFF, 0xFFFF0900, 0xFFFF0705, 0xABCD1231, 0xABCD1999), 1, {1, 0x09, 0x05, 0x07}, {0x1231, 0x1999}},
    {"GetBrightnessContrastRange", Block(0, 0, 0, 0xFFFF0F00, 0xFFFF0703), 1, {0x0F, 0x00, 0x07, 0x03}, {}},
    {"GetBootDisplay", kLevel, 1, {2}, {}},       {"GetDisplayDevice", kLevel, 1, {2}, {}},
    {"GetDisplayBrightness", kLevel, 1, {2}, {}}, {"GetDisplayContrast", kLevel, 1, {2}, {}},
    {"GetPanelType", kLevel, 1, {9}, {}},         {"VESKCheck", Block(0, 0, 0xDEAD0108), 1, {}, {0x0108}},
};
// clang-format on

TEST(CatalogueDecoding, EachOutputComesFromItsOwnRegisterPart) {
    for (const Decode& d : kDecodes) {
        SCOPED_TRACE(d.name);
        ScriptedBios bios;
        bios.Answer(d.reply);
        Outputs out, expected;
        std::memset(&out, 0xA5, sizeof out);
        std::memset(&expected, 0xA5, sizeof expected);
        std::copy(d.bytes.begin(), d.bytes.end(), expected.bytes);
        std::copy(d.words.begin(), d.words.end(), expected.words);
        EXPECT_EQ(d.result, FindProbe(d.name)->call(out, 0));
        expected.code = out.code; // the verdict tests check the code
        EXPECT_EQ(0, std::memcmp(&expected, &out, sizeof out));
    }
}

// VESKCheck's reply for an interface version (what lies above BX must not matter).
BiosRegs Version(uint16_t version) {
    return Block(0, 0x00000000, 0xABCD0000u | version);
}

class VersionTest : public ::testing::Test {
protected:
    void TearDown() override { SetTotalPhysicalMemoryOverride(nullptr); }
};

// Old for a feature: major 0 or 1 and the minor below the feature's (x.08 for the
// memory size, x.05 for the DMA channel in DH bits 6-7).
TEST_F(VersionTest, VersionDecidesWhoCountsTheMemoryAndWhereTheDmaIs) {
    const uint64_t bytes = 640 * KB;
    SetTotalPhysicalMemoryOverride(&bytes);
    const struct {
        uint16_t version;
        bool asksBios;
        uint8_t mode, dma;
    } cases[] = {
        {0x0000, false, 0xC3, 1}, {0x0004, false, 0xC3, 1}, {0x0005, false, 0x03, 3},
        {0x0007, false, 0x03, 3}, {0x0008, true, 0x03, 3},  {0x0100, false, 0xC3, 1},
        {0x0104, false, 0xC3, 1}, {0x0105, false, 0x03, 3}, {0x0107, false, 0x03, 3},
        {0x0108, true, 0x03, 3},  {0x0109, true, 0x03, 3},  {0x0200, true, 0x03, 3},
        {0x0201, true, 0x03, 3},  {0x0204, true, 0x03, 3},  {0x0A00, true, 0x03, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << std::hex << c.version);
        {
            ScriptedBios bios;
            bios.Answer(Version(c.version));
            bios.Answer(Block(0, 0x00000000, 0, 0xFFFF0200)); // CX 512 MB
            uint32_t size = 0;
            uint8_t unit = 0xA5;
            ASSERT_EQ(1, GetSystemRam(&size, &unit));
            EXPECT_EQ(c.asksBios ? 2u : 1u, bios.Requests().size());
            EXPECT_EQ(c.asksBios ? 512u : 640u, size);
            EXPECT_EQ(c.asksBios ? 1 : 0, unit);
        }
        ScriptedBios bios;
        bios.Answer(Version(c.version));
        //                status eax         ebx         ecx         edx
        bios.Answer(Block(0, 0x00000002, 0xFFFF0100, 0xFFFF0378, 0xFFFFC307));
        uint8_t flags = 0, irq = 0, mode = 0, dma = 0;
        uint16_t ioBase = 0;
        ASSERT_EQ(1, GetParellelPort(&flags, &ioBase, &irq, &mode, &dma));
        EXPECT_EQ(2, flags);
        EXPECT_EQ(0x0378, ioBase);
        EXPECT_EQ(7, irq);
        EXPECT_EQ(c.mode, mode);
        EXPECT_EQ(c.dma, dma);
    }
}

// 2047 KB + 1 byte is 2048 KB after rounding up, so 2 MB; likewise at 2047 MB + 1 byte.
// 0xFFFFFFFF is the most a 32-bit GlobalMemoryStatus reports.
TEST_F(VersionTest, OldInterfaceRoundsTheSystemsBytesUpAtEachDivision) {
    const struct {
        uint64_t bytes;
        uint32_t size;
        uint8_t unit;
    } cases[] = {
        // clang-format off
        {0, 0, 0},             {1, 1, 0},          {640 * KB, 640, 0},  {2047 * KB, 2047, 0},
        {2047 * KB + 1, 2, 1}, {2048 * KB, 2, 1},  {64 * MB, 64, 1},    {64 * MB + 1, 65, 1},
        {2047 * MB, 2047, 1},  {2047 * MB + 1, 2, 2}, {2 * GB, 2, 2},   {3 * GB, 3, 2},
        {3 * GB + 1, 4, 2},    {0xFFFFFFFFull, 4, 2},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bytes << " bytes");
        SetTotalPhysicalMemoryOverride(&c.bytes);
        ScriptedBios bios;
        bios.Answer(Version(0x0107));
        uint32_t size = 0xA5A5A5A5;
        uint8_t unit = 0xA5;
        ASSERT_EQ(1, GetSystemRam(&size, &unit));
        EXPECT_EQ(c.size, size);
        EXPECT_EQ(c.unit, unit);
    }
    SetTotalPhysicalMemoryOverride(nullptr); // the system's own figure again
    EXPECT_NE(0xFFFFFFFFull, TotalPhysicalMemoryBytes());
    EXPECT_GT(TotalPhysicalMemoryBytes(), 0u);
}

} // namespace
