// The row builders against the simulated notebook: what each row says for the codes the
// BIOS answers, what it falls back to when the BIOS refuses, and which requests it makes.
#include "ProbeOnSim.h"
#include "SystemProbe.h"
#include "page_info_ids.h"

namespace {

using RowList = std::vector<Row>;

class CpuRows : public ProbeOnSim {};

TEST_F(CpuRows, MakerTypeAndSpeedOnThreeRows) {
    UseMachine();
    AddCpuRows(sink_);
    EXPECT_EQ((RowList{{"CPU", "Intel"}, {"", "Pentium II"}, {"", "300 MHz"}}), Rows());
    EXPECT_EQ(1u, Requests());
}

TEST_F(CpuRows, NothingKnownStillGivesThreeRows) {
    machine_.cpuVendor = 9;
    machine_.cpuClockCode = 0xFF;
    machine_.cpuRatioCode = 3;
    UseMachine();
    AddCpuRows(sink_);
    EXPECT_EQ((RowList{{"CPU", "Unknown Brand"}, {"", "Unknown Type"}, {"", "Unknown Speed"}}),
              Rows());
}

TEST_F(CpuRows, RefusedCallShowsUnknownsInsteadOfStaleCodes) {
    UseMachine();
    Refuse(kSetupGroup, 0x01);
    AddCpuRows(sink_);
    EXPECT_EQ((RowList{{"CPU", "Unknown Brand"}, {"", "Unknown Type"}, {"", "Unknown Speed"}}),
              Rows());
}

class MemoryRows : public ProbeOnSim {};

TEST_F(MemoryRows, TotalMemoryInMegabytesFromTheBios) {
    machine_.systemRamMb = 640;
    UseMachine();
    AddTotalMemoryRow(sink_);
    EXPECT_EQ((RowList{{"Total Memory", "640 MB"}}), Rows());
}

TEST_F(MemoryRows, OldInterfaceShowsTheSystemsMemoryButNeverKilobytes) {
    machine_.interfaceVersion = 0x0104;
    UseMachine();
    const struct {
        uint64_t bytes;
        const char* value;
    } cases[] = {
        {96ull << 20, "96 MB"},
        {3ull << 30, "3 GB"},
        {640ull << 10, "Unknown"}, // under 2 MB the size comes in KB, which is not shown
    };
    for (const auto& c : cases) {
        SetTotalPhysicalMemoryOverride(&c.bytes);
        sink_.Clear();
        AddTotalMemoryRow(sink_);
        EXPECT_EQ((RowList{{"Total Memory", c.value}}), Rows()) << c.bytes;
    }
}

TEST_F(MemoryRows, RefusalsShowUnknown) {
    UseMachine();
    Refuse(kSetupGroup, 0x22);
    AddTotalMemoryRow(sink_);
    EXPECT_EQ((RowList{{"Total Memory", "Unknown"}}), Rows());

    machine_.veskSupported = 0; // the interface check itself fails
    UseMachine();
    AddTotalMemoryRow(sink_);
    EXPECT_EQ((RowList{{"Total Memory", "Unknown"}}), Rows());
}

TEST_F(MemoryRows, VideoRamWholeAndFractionalMegabytes) {
    const struct {
        uint8_t units64Kb;
        const char* value;
    } cases[] = {
        {32, "2 MB"},    {40, "2.5  MB"}, // 2560 KB: one decimal in four columns
        {17, "1.1  MB"}, {1, "0.1  MB"},  {255, "15.9 MB"}, {0, "0 MB"},
    };
    for (const auto& c : cases) {
        machine_.videoRam64Kb = c.units64Kb;
        UseMachine();
        AddVideoRamRow(sink_);
        EXPECT_EQ((RowList{{"Video RAM", c.value}}), Rows()) << int(c.units64Kb);
    }
}

TEST_F(MemoryRows, RefusedVideoRamShowsZero) {
    UseMachine();
    Refuse(kVideoGroup, 0x00);
    AddVideoRamRow(sink_);
    EXPECT_EQ((RowList{{"Video RAM", "0 MB"}}), Rows());
}

class IdeRows : public ProbeOnSim {};

TEST_F(IdeRows, HardDiskSizeFromItsGeometry) {
    machine_.ideCylinders[0] = 1024;
    machine_.ideHeads[0] = 16;
    machine_.ideSectors[0] = 63;
    UseMachine();
    AddIdeRow(sink_, 0x80);
    EXPECT_EQ((RowList{{"Hard Disk", "504 MB"}}), Rows());

    // 65535 x 255 x 255 sectors: more than a signed 32-bit product holds.
    machine_.ideCylinders[0] = 0xFFFF;
    machine_.ideHeads[0] = 0xFF;
    machine_.ideSectors[0] = 0xFF;
    UseMachine();
    AddIdeRow(sink_, 0x80);
    EXPECT_EQ((RowList{{"Hard Disk", "2080768 MB"}}), Rows());
}

TEST_F(IdeRows, OtherDrivesAreDetectedWithoutAskingTheirGeometry) {
    const char* const kLabels[] = {"CD-ROM", "LS120", "MO", "ZIP", "DVD ROM"};
    for (uint8_t type = 2; type <= 6; ++type) {
        machine_.ideType[1] = type;
        machine_.ideFlag[1] = 1;
        UseMachine();
        AddIdeRow(sink_, 0x82);
        EXPECT_EQ((RowList{{kLabels[type - 2], "Detected"}}), Rows()) << int(type);
        EXPECT_EQ(1u, Requests()) << "only GetIdeType";
    }
}

TEST_F(IdeRows, NoRowWithoutAKnownDevice) {
    for (uint8_t type : {0, 7, 0xFF}) {
        machine_.ideType[0] = type;
        UseMachine();
        AddIdeRow(sink_, 0x80);
        EXPECT_TRUE(Rows().empty()) << int(type);
    }
    machine_.ideType[0] = 1; // a hard disk without geometry
    machine_.ideFlag[0] = 0;
    UseMachine();
    AddIdeRow(sink_, 0x80);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(1u, Requests());
}

TEST_F(IdeRows, RefusedCallsGiveNoRowOrAnUnknownSize) {
    UseMachine();
    Refuse(kSetupGroup, 0x0A);
    AddIdeRow(sink_, 0x80);
    EXPECT_TRUE(Rows().empty());

    UseMachine();
    device_.bios().ClearFaults();
    Refuse(kSetupGroup, 0x09);
    AddIdeRow(sink_, 0x80);
    EXPECT_EQ((RowList{{"Hard Disk", "Unknown"}}), Rows());
}

class CacheRows : public ProbeOnSim {};

TEST_F(CacheRows, SizesInKilobytesThenMegabytes) {
    const struct {
        uint8_t sizeCode;
        const char* internal; // 8 KB units
        const char* external; // 16 KB units
    } cases[] = {
        {0, "Cache ON (8 KB)", "Cache ON (16 KB)"},
        {4, "Cache ON (128 KB)", "Cache ON (256 KB)"},
        {6, "Cache ON (512 KB)", "Cache ON (1024 KB)"},
        {7, "Cache ON (1 MB)", "Cache ON (2 MB)"},
        {12, "Cache ON (32 MB)", "Cache ON (64 MB)"},
        {22, "Cache ON (32768 MB)", "Unknown"}, // more than 65535 MB is not a real answer
        {23, "Unknown", "Unknown"},
        {40, "Unknown", "Unknown"},
        {255, "Unknown", "Unknown"},
    };
    for (const auto& c : cases) {
        machine_.internalCacheSizeCode = c.sizeCode;
        machine_.externalCacheSizeCode = c.sizeCode;
        UseMachine();
        AddInternalCacheRow(sink_);
        AddExternalCacheRow(sink_);
        EXPECT_EQ((RowList{{"Internal Cache", c.internal}, {"External Cache", c.external}}), Rows())
            << int(c.sizeCode);
    }
}

TEST_F(CacheRows, OffAbsentAndRefused) {
    machine_.internalCacheFlags = 0x02;
    machine_.internalCacheSizeCode = 2;
    machine_.externalCacheFlags = 0x03; // absent wins over off
    UseMachine();
    AddInternalCacheRow(sink_);
    AddExternalCacheRow(sink_);
    EXPECT_EQ((RowList{{"Internal Cache", "Cache OFF (32 KB)"}, {"External Cache", "None"}}),
              Rows());

    UseMachine();
    Refuse(kSetupGroup, 0x05);
    Refuse(kSetupGroup, 0x04);
    AddInternalCacheRow(sink_);
    AddExternalCacheRow(sink_);
    EXPECT_EQ((RowList{{"Internal Cache", "Unknown"}, {"External Cache", "Unknown"}}), Rows());
}

class PointingRows : public ProbeOnSim {};

TEST_F(PointingRows, EveryKindAndTheUnknowns) {
    const char* const kValues[] = {"None", "Internal installed only", "External installed only",
                                   "Both Installed", "Unknown"};
    for (uint8_t kind = 0; kind <= 4; ++kind) {
        machine_.pointingDevice = kind;
        UseMachine();
        AddPointingDeviceRow(sink_);
        EXPECT_EQ((RowList{{"Pointing Device", kValues[kind]}}), Rows()) << int(kind);
    }
    UseMachine();
    Refuse(kPointingGroup, 0x01);
    AddPointingDeviceRow(sink_);
    EXPECT_EQ((RowList{{"Pointing Device", "Unknown"}}), Rows());
}

TEST_F(CpuRows, JapaneseTableGivesJapaneseRows) {
    RecordingSink japanese(kJapanese);
    machine_.pointingDevice = 3;
    UseMachine();
    AddSerialPortRows(japanese, biosPorts_, 0);
    AddPointingDeviceRow(japanese);
    ASSERT_EQ(3u, japanese.Rows().size());
    EXPECT_EQ(japanese.Text(IDS_INFO_SERIAL_PORT) + " 1", japanese.Rows()[0].label);
    EXPECT_EQ("3f8h (IRQ 4) ", japanese.Rows()[0].value);
    EXPECT_EQ(japanese.Text(IDS_INFO_OPERATION_MODE) + " " + japanese.Text(IDS_INFO_MODE_STANDARD),
              japanese.Rows()[1].value);
    EXPECT_EQ(japanese.Text(IDS_INFO_BOTH_INSTALLED), japanese.Rows()[2].value);
    EXPECT_NE("Both Installed", japanese.Rows()[2].value);
}

} // namespace
