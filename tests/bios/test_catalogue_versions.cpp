// The two operations that ask for the interface version first: GetSystemRam (old
// interfaces: the operating system's memory size, rounded up at each division) and
// GetParellelPort (where the DMA channel comes from).
#include "BiosCatalogue.h"
#include "ScriptedBios.h"
#include "SystemMemory.h"

#include <gtest/gtest.h>

namespace {

constexpr uint64_t KB = 1024, MB = 1024 * KB, GB = 1024 * MB;

// VESKCheck's reply for an interface version (garbage above BX must not matter).
BiosRegs Version(uint16_t version) {
    return Block(0, 0x00000000, 0xABCD0000u | version);
}

class SystemRam : public ::testing::Test {
protected:
    void TearDown() override { SetTotalPhysicalMemoryOverride(nullptr); }
};

TEST_F(SystemRam, OldInterfaceRoundsTheSystemsBytesUpAtEachDivision) {
    const struct {
        uint64_t bytes;
        uint32_t size;
        uint8_t unit;
    } cases[] = {
        {0, 0, 0},
        {1, 1, 0},
        {640 * KB, 640, 0},
        {2047 * KB, 2047, 0},
        {2047 * KB + 1, 2, 1}, // 2048 KB after rounding up
        {2048 * KB, 2, 1},
        {64 * MB, 64, 1},
        {64 * MB + 1, 65, 1},
        {2047 * MB, 2047, 1},
        {2047 * MB + 1, 2, 2}, // 2048 MB after rounding up
        {2 * GB, 2, 2},
        {3 * GB, 3, 2},
        {3 * GB + 1, 4, 2},
        {0xFFFFFFFFull, 4, 2}, // the most a 32-bit GlobalMemoryStatus reports
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
        EXPECT_EQ(1u, bios.Requests().size()) << "the BIOS is not asked";
    }
}

TEST_F(SystemRam, VersionDecidesWhoIsAsked) {
    const uint64_t bytes = 640 * KB;
    SetTotalPhysicalMemoryOverride(&bytes);
    const struct {
        uint16_t version;
        bool asksBios;
    } cases[] = {
        {0x0000, false}, {0x0007, false}, {0x0100, false}, {0x0107, false}, {0x0008, true},
        {0x0108, true},  {0x0109, true},  {0x0200, true},  {0x0201, true},  {0x0A00, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << std::hex << c.version);
        ScriptedBios bios;
        bios.Answer(Version(c.version));
        bios.Answer(Block(0, 0x00000000, 0, 0xFFFF0200)); // CX 512 MB
        uint32_t size = 0;
        uint8_t unit = 0xA5;
        ASSERT_EQ(1, GetSystemRam(&size, &unit));
        if (c.asksBios) {
            ASSERT_EQ(2u, bios.Requests().size());
            EXPECT_EQ(Block(0, 0x9610, 0x0000), bios.Requests()[0]);
            EXPECT_EQ(Block(0, 0x9610, 0x0022), bios.Requests()[1]);
            EXPECT_EQ(512u, size);
            EXPECT_EQ(1, unit);
        } else {
            EXPECT_EQ(1u, bios.Requests().size());
            EXPECT_EQ(640u, size);
            EXPECT_EQ(0, unit);
        }
    }
}

TEST_F(SystemRam, FailuresLeaveTheOutputs) {
    const uint64_t bytes = 640 * KB;
    SetTotalPhysicalMemoryOverride(&bytes);
    uint32_t size = 7;
    uint8_t unit = 9;
    {
        ScriptedBios bios;
        bios.Answer(Block(kBiosCallFailed, 0, 0x0107)); // VESKCheck fails
        EXPECT_EQ(0, GetSystemRam(&size, &unit));
        EXPECT_EQ(1u, bios.Requests().size()) << "no own request";
    }
    {
        ScriptedBios bios;
        bios.Answer(Version(0x0108));
        bios.Answer(Block(kBiosCallFailed, 0, 0, 0x0200));
        EXPECT_EQ(0, GetSystemRam(&size, &unit));
        EXPECT_EQ(2u, bios.Requests().size());
    }
    EXPECT_EQ(7u, size);
    EXPECT_EQ(9, unit);
}

TEST(SystemMemory, AsksTheSystemUnlessOverridden) {
    EXPECT_GT(TotalPhysicalMemoryBytes(), 0u) << "GlobalMemoryStatus";
    const uint64_t bytes = 5 * GB;
    SetTotalPhysicalMemoryOverride(&bytes);
    EXPECT_EQ(5 * GB, TotalPhysicalMemoryBytes());
    SetTotalPhysicalMemoryOverride(nullptr);
    EXPECT_NE(5 * GB, TotalPhysicalMemoryBytes());
}

// The same port reply read under old and new interfaces: BH 1, DH 0xC3 (bits 6-7 = 3).
TEST(ParallelPort, VersionDecidesWhereModeAndDmaComeFrom) {
    const struct {
        uint16_t version;
        uint8_t mode, dma;
    } cases[] = {
        {0x0000, 0xC3, 1}, {0x0004, 0xC3, 1}, {0x0100, 0xC3, 1},
        {0x0104, 0xC3, 1}, {0x0005, 0x03, 3}, {0x0105, 0x03, 3},
        {0x0108, 0x03, 3}, {0x0200, 0x03, 3}, {0x0204, 0x03, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << std::hex << c.version);
        ScriptedBios bios;
        bios.Answer(Version(c.version));
        //                status eax         ebx         ecx         edx
        bios.Answer(Block(0, 0x00000002, 0xFFFF0100, 0xFFFF0378, 0xFFFFC307));
        uint8_t flags, irq, mode, dma;
        uint16_t ioBase;
        ASSERT_EQ(1, GetParellelPort(&flags, &ioBase, &irq, &mode, &dma));
        ASSERT_EQ(2u, bios.Requests().size());
        EXPECT_EQ(Block(0, 0x9610, 0x0000), bios.Requests()[0]);
        EXPECT_EQ(Block(0, 0x9610, 0x0003), bios.Requests()[1]);
        EXPECT_EQ(2, flags);
        EXPECT_EQ(0x0378, ioBase);
        EXPECT_EQ(7, irq);
        EXPECT_EQ(c.mode, mode);
        EXPECT_EQ(c.dma, dma);
    }
}

TEST(ParallelPort, FailuresLeaveTheOutputs) {
    uint8_t flags = 1, irq = 2, mode = 3, dma = 4;
    uint16_t ioBase = 5;
    {
        ScriptedBios bios;
        bios.Answer(Block(kBiosCallFailed, 0, 0x0105)); // VESKCheck fails
        EXPECT_EQ(0, GetParellelPort(&flags, &ioBase, &irq, &mode, &dma));
        EXPECT_EQ(1u, bios.Requests().size()) << "no own request";
    }
    {
        ScriptedBios bios;
        bios.Answer(Version(0x0105));
        bios.Answer(Block(kBiosCallFailed, 0x00000002, 0x0100, 0x0378, 0xC307));
        EXPECT_EQ(0, GetParellelPort(&flags, &ioBase, &irq, &mode, &dma));
    }
    EXPECT_EQ(1, flags);
    EXPECT_EQ(5, ioBase);
    EXPECT_EQ(2, irq);
    EXPECT_EQ(3, mode);
    EXPECT_EQ(4, dma);
}

} // namespace
