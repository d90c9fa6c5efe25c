// The row builders against the simulated notebook played in-process: what each row
// says for the codes the BIOS answers, what it falls back to when the BIOS refuses,
// which requests it makes, and the port rows from a scripted device manager.
#include "DriverChannel.h"
#include "ProbeTestSupport.h"
#include "SimDevice.h"
#include "SystemMemory.h"
#include "SystemProbe.h"
#include "page_info_ids.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Machine = sim::MachineProfile;
using Builder = std::function<void(RowSink&)>;

// One field of the simulated notebook's profile and the value a case gives it.
struct Field {
    size_t offset, size;
    uint32_t value;
};
#define FIELD(name, value)                                                                         \
    Field {                                                                                        \
        offsetof(Machine, name), sizeof(Machine::name), value                                      \
    }

// BIOS groups as the simulator's faults name them (AX).
constexpr uint16_t kSetupGroup = 0x9610;
constexpr uint16_t kVideoGroup = 0x9602;
constexpr uint16_t kPointingGroup = 0x9612;

// A port source whose device manager holds scripted devices (problem kUnreadable: the
// status cannot be read), counting its lookups.
constexpr uint32_t kUnreadable = ~0u;
struct ScriptedPorts : PortSource {
    struct Device {
        DeviceClass deviceClass;
        const char* instanceId;
        uint32_t problem;
    };
    ScriptedPorts(bool windows5OrLater, std::vector<Device> devices = {})
        : windows5OrLater(windows5OrLater), devices(std::move(devices)) {}
    bool IsWindows5OrLater() const override { return windows5OrLater; }
    DeviceMatch FindDevice(DeviceClass deviceClass, const char* fragment,
                           uint32_t* problem) const override {
        ++lookups;
        for (const Device& d : devices) {
            if (d.deviceClass == deviceClass && DeviceIdMatches(d.instanceId, fragment)) {
                *problem = d.problem == kUnreadable ? 0 : d.problem;
                return d.problem == kUnreadable ? DeviceMatch::StatusUnknown : DeviceMatch::Found;
            }
        }
        *problem = 0;
        return DeviceMatch::NotFound;
    }
    bool windows5OrLater;
    std::vector<Device> devices;
    mutable int lookups = 0;
};

const ScriptedPorts kBiosPorts(false);

const Builder FirstIde = [](RowSink& sink) { AddIdeRow(sink, 0x80); };
const Builder SecondIde = [](RowSink& sink) { AddIdeRow(sink, 0x82); };
const Builder FirstSerial = [](RowSink& sink) { AddSerialPortRows(sink, kBiosPorts, 0); };
const Builder SecondSerial = [](RowSink& sink) { AddSerialPortRows(sink, kBiosPorts, 1); };
const Builder Parallel = [](RowSink& sink) { AddParallelPortRows(sink, kBiosPorts); };
const Builder AllPorts = [](RowSink& sink) {
    FirstSerial(sink);
    SecondSerial(sink);
    Parallel(sink);
};
const Builder Caches = [](RowSink& sink) {
    AddInternalCacheRow(sink);
    AddExternalCacheRow(sink);
};

class ProbeRows : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenDriver()); }
    void TearDown() override {
        CloseDriver();
        SetTotalPhysicalMemoryOverride(nullptr);
    }

    // The English rows add gives on the default notebook with fields changed, every
    // request to function bl of group ax refused (ax 0: none).
    std::string Rows(const Builder& add, const std::vector<Field>& fields, uint16_t ax = 0,
                     uint8_t bl = 0) {
        Machine machine;
        sim::SimBios::DefaultProfile(machine);
        for (const Field& f : fields)
            std::memcpy(reinterpret_cast<char*>(&machine) + f.offset, &f.value, f.size);
        sim::SimBios& bios = device_.bios();
        EXPECT_TRUE(bios.LoadProfile(machine));
        bios.ClearFaults();
        bios.ClearLog();
        if (ax) {
            sim::Fault fault{};
            fault.kind = sim::kFaultStatus;
            fault.ax = ax;
            fault.bl = bl;
            EXPECT_TRUE(bios.ArmFault(fault));
        }
        RecordingSink sink;
        add(sink);
        return sink.Rows();
    }
    uint32_t Requests() { return device_.bios().LogCount(); }

    simdevice::ScopedSimDevice device_;
};

// What each row says for the codes the BIOS answers, and the unknowns or missing row
// when it refuses function bl of group ax.
TEST_F(ProbeRows, EachRowSaysWhatTheBiosAnswered) {
    const struct {
        Builder add;
        std::vector<Field> machine;
        const char* rows;
        int requests = -1; // -1: not counted
        uint16_t ax = 0;   // 0: nothing refused
        uint8_t bl = 0;
    } cases[] = {
        {AddCpuRows, {}, "CPU=Intel; =Pentium II; =300 MHz", 1},
        {AddCpuRows,
         {FIELD(cpuVendor, 9), FIELD(cpuClockCode, 0xFF), FIELD(cpuRatioCode, 3)},
         "CPU=Unknown Brand; =Unknown Type; =Unknown Speed"},
        {AddTotalMemoryRow, {FIELD(systemRamMb, 640)}, "Total Memory=640 MB"},
        {AddTotalMemoryRow, {FIELD(veskSupported, 0)}, "Total Memory=Unknown"},
        // Whole megabytes, or one decimal in four columns.
        {AddVideoRamRow, {FIELD(videoRam64Kb, 32)}, "Video RAM=2 MB"},
        {AddVideoRamRow, {FIELD(videoRam64Kb, 40)}, "Video RAM=2.5  MB"},
        {AddVideoRamRow, {FIELD(videoRam64Kb, 17)}, "Video RAM=1.1  MB"},
        {AddVideoRamRow, {FIELD(videoRam64Kb, 1)}, "Video RAM=0.1  MB"},
        {AddVideoRamRow, {FIELD(videoRam64Kb, 255)}, "Video RAM=15.9 MB"},
        {AddVideoRamRow, {FIELD(videoRam64Kb, 0)}, "Video RAM=0 MB"},
        {FirstIde,
         {FIELD(ideCylinders[0], 1024), FIELD(ideHeads[0], 16), FIELD(ideSectors[0], 63)},
         "Hard Disk=504 MB"},
        // More sectors than a signed 32-bit product holds.
        {FirstIde,
         {FIELD(ideCylinders[0], 0xFFFF), FIELD(ideHeads[0], 0xFF), FIELD(ideSectors[0], 0xFF)},
         "Hard Disk=2080768 MB"},
        // Other drives are detected without asking their geometry.
        {SecondIde, {FIELD(ideType[1], 2), FIELD(ideFlag[1], 1)}, "CD-ROM=Detected", 1},
        {SecondIde, {FIELD(ideType[1], 3), FIELD(ideFlag[1], 1)}, "LS120=Detected", 1},
        {SecondIde, {FIELD(ideType[1], 4), FIELD(ideFlag[1], 1)}, "MO=Detected", 1},
        {SecondIde, {FIELD(ideType[1], 5), FIELD(ideFlag[1], 1)}, "ZIP=Detected", 1},
        {SecondIde, {FIELD(ideType[1], 6), FIELD(ideFlag[1], 1)}, "DVD ROM=Detected", 1},
        {FirstIde, {FIELD(ideType[0], 0)}, ""},
        {FirstIde, {FIELD(ideType[0], 7)}, ""},
        {FirstIde, {FIELD(ideType[0], 0xFF)}, ""},
        {FirstIde, {FIELD(ideType[0], 1), FIELD(ideFlag[0], 0)}, "", 1}, // no geometry
        // Absent wins over off.
        {Caches,
         {FIELD(internalCacheFlags, 2), FIELD(internalCacheSizeCode, 2),
          FIELD(externalCacheFlags, 3)},
         "Internal Cache=Cache OFF (32 KB); External Cache=None"},
        {AddPointingDeviceRow, {FIELD(pointingDevice, 0)}, "Pointing Device=None"},
        {AddPointingDeviceRow,
         {FIELD(pointingDevice, 1)},
         "Pointing Device=Internal installed only"},
        {AddPointingDeviceRow,
         {FIELD(pointingDevice, 2)},
         "Pointing Device=External installed only"},
        {AddPointingDeviceRow, {FIELD(pointingDevice, 3)}, "Pointing Device=Both Installed"},
        {AddPointingDeviceRow, {FIELD(pointingDevice, 4)}, "Pointing Device=Unknown"},
        // Ports from the BIOS: address, IRQ and mode under numbered labels.
        {AllPorts,
         {},
         "Serial Port 1=3f8h (IRQ 4) ; =Operation Mode: Standard; "
         "Serial Port 2=2f8h (IRQ 3) ; =Operation Mode: IrDA; "
         "Parallel Port=378h (IRQ 7) ; =Operation Mode: ECP (DMA 3 )"},
        // Absent wins over disabled.
        {AllPorts,
         {FIELD(serialFlags[0], 1), FIELD(serialFlags[1], 2), FIELD(parallelFlags, 3)},
         "Serial Port 1=None; Serial Port 2=Disabled; Parallel Port=None"},
        // The parallel port asks for the interface version first.
        {Parallel, {FIELD(veskSupported, 0)}, "Parallel Port=Unknown"},
        {[](RowSink& sink) { AddSerialPortRows(sink, kBiosPorts, 2); }, {}, "", 0},
        {[](RowSink& sink) { AddSerialPortRows(sink, kBiosPorts, 255); }, {}, "", 0},
        {AddCpuRows, {}, "CPU=Unknown Brand; =Unknown Type; =Unknown Speed", -1, kSetupGroup, 1},
        {AddTotalMemoryRow, {}, "Total Memory=Unknown", -1, kSetupGroup, 0x22},
        {AddVideoRamRow, {}, "Video RAM=0 MB", -1, kVideoGroup, 0x00},
        {FirstIde, {}, "Hard Disk=Unknown", -1, kSetupGroup, 0x09},
        {FirstIde, {}, "", -1, kSetupGroup, 0x0A},
        {AddInternalCacheRow, {}, "Internal Cache=Unknown", -1, kSetupGroup, 0x05},
        {AddExternalCacheRow, {}, "External Cache=Unknown", -1, kSetupGroup, 0x04},
        {AddPointingDeviceRow, {}, "Pointing Device=Unknown", -1, kPointingGroup, 0x01},
        {FirstSerial, {}, "Serial Port 1=Unknown", -1, kSetupGroup, 0x02},
        {Parallel, {}, "Parallel Port=Unknown", -1, kSetupGroup, 0x03},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.rows, Rows(c.add, c.machine, c.ax, c.bl))
            << std::hex << c.ax << " " << int(c.bl);
        if (c.requests >= 0) {
            EXPECT_EQ(static_cast<uint32_t>(c.requests), Requests()) << c.rows;
        }
    }
    EXPECT_EQ(0, kBiosPorts.lookups) << "the device manager is not asked in BIOS mode";
}

TEST_F(ProbeRows, TotalMemoryOnAnOldInterfaceIsTheSystemsButNeverInKilobytes) {
    const struct {
        uint64_t bytes;
        const char* rows;
    } cases[] = {
        {96ull << 20, "Total Memory=96 MB"},
        {3ull << 30, "Total Memory=3 GB"},
        {640ull << 10, "Total Memory=Unknown"},
    };
    for (const auto& c : cases) {
        SetTotalPhysicalMemoryOverride(&c.bytes);
        EXPECT_EQ(c.rows, Rows(AddTotalMemoryRow, {FIELD(interfaceVersion, 0x0104)}));
    }
}

// Sizes in 8 KB (internal) and 16 KB (external) units, in MB from code 7 on; more
// than 65535 MB is not a real answer.
TEST_F(ProbeRows, CachesInKilobytesThenMegabytes) {
    const struct {
        uint8_t code;
        const char* internal;
        const char* external;
    } cases[] = {
        {0, "8 KB", "16 KB"},   {4, "128 KB", "256 KB"}, {6, "512 KB", "1024 KB"},
        {7, "1 MB", "2 MB"},    {12, "32 MB", "64 MB"},  {22, "32768 MB", nullptr},
        {23, nullptr, nullptr}, {40, nullptr, nullptr},  {255, nullptr, nullptr},
    };
    const auto shown = [](const char* size) {
        return size ? "Cache ON (" + std::string(size) + ")" : std::string("Unknown");
    };
    for (const auto& c : cases) {
        EXPECT_EQ("Internal Cache=" + shown(c.internal) + "; External Cache=" + shown(c.external),
                  Rows(Caches, {FIELD(internalCacheSizeCode, c.code),
                                FIELD(externalCacheSizeCode, c.code)}));
    }
}

TEST_F(ProbeRows, PortModes) {
    const char* const kSerialModes[] = {"Standard", "IrDA", "ASK_IR", "Undefined"};
    for (uint8_t mode : {0, 1, 2, 3, 9}) {
        EXPECT_EQ(std::string("Serial Port 2=ffffh (IRQ 15) ; =Operation Mode: ") +
                      kSerialModes[mode < 3 ? mode : 3],
                  Rows(SecondSerial, {FIELD(serialMode[1], mode), FIELD(serialIoBase[1], 0xFFFF),
                                      FIELD(serialIrq[1], 15)}));
    }
    const struct {
        uint8_t mode, dma;
        const char* text;
    } cases[] = {
        {0, 0, "Standard"},     {1, 0, "Bi-direction"},      {2, 0, "EPP"},
        {3, 1, "ECP (DMA 1 )"}, {4, 0, "External FDD as A"}, {5, 0, "External FDD as B"},
        {6, 0, "Undefined"},
    };
    for (uint16_t version : {0x0104, 0x0108}) { // the DMA channel travels differently
        for (const auto& c : cases) {
            EXPECT_EQ(std::string("Parallel Port=3bch (IRQ 7) ; =Operation Mode: ") + c.text,
                      Rows(Parallel, {FIELD(interfaceVersion, version), FIELD(parallelMode, c.mode),
                                      FIELD(parallelDma, c.dma), FIELD(parallelIoBase, 0x3BC)}))
                << std::hex << version;
        }
    }
}

TEST_F(ProbeRows, DeviceManagerPortsGiveOneStateRowPerDeviceFound) {
    using D = ScriptedPorts::Device;
    const auto ports = DeviceClass::Ports;
    const auto infrared = DeviceClass::Infrared;
    const struct {
        std::vector<D> devices;
        const char* rows;
    } cases[] = {
        {{{ports, "ACPI\\PNP0400\\1", 0},
          {ports, "ACPI\\PNP0501\\1", 0},
          {infrared, "ACPI\\IRDA\\1", 22}},
         "Serial Port=Enabled; Infrared=Disabled; Parallel Port=Enabled"},
        {{{ports, "ACPI\\PNP0501\\1", kUnreadable},
          {ports, "ACPI\\PNP0401\\1", kUnreadable},
          {infrared, "ACPI\\IRDA\\1", kUnreadable}},
         "Serial Port=Unknown; Infrared=Unknown; Parallel Port=Unknown"},
        // Fragments are case-sensitive and only match devices of their class.
        {{{ports, "acpi\\pnp0501\\1", 0},
          {infrared, "ACPI\\PNP0400\\1", 0},
          {ports, "ACPI\\PNP0600\\1", 0}},
         "Infrared=Enabled"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        const ScriptedPorts source(true, c.devices);
        const auto add = [&](RowSink& sink) {
            for (uint8_t port : {0, 1, 2})
                AddSerialPortRows(sink, source, port);
            AddParallelPortRows(sink, source);
        };
        EXPECT_EQ(c.rows, Rows(add, {}));
        EXPECT_EQ(0u, Requests());
        EXPECT_EQ(3, source.lookups);
    }
    const struct {
        const char* id;
        const char* fragment;
        bool matches;
    } ids[] = {
        {"ACPI\\PNP0501\\1", "PNP05", true},
        {"ACPI\\PNP0501\\1", "PNP0501\\1", true},
        {"acpi\\pnp0501\\1", "PNP05", false},
        {"ACPI\\PNP0400\\1", "PNP05", false},
        {nullptr, "PNP05", false},
        {"", "PNP05", false},
        {"ACPI\\IRDA\\1", nullptr, true},
        {nullptr, "", true},
    };
    for (const auto& c : ids)
        EXPECT_EQ(c.matches, DeviceIdMatches(c.id, c.fragment)) << (c.id ? c.id : "(none)");
}

TEST_F(ProbeRows, JapaneseTableGivesJapaneseRows) {
    Rows(AddPointingDeviceRow, {FIELD(pointingDevice, 3)});
    RecordingSink japanese(kJapanese);
    FirstSerial(japanese);
    AddPointingDeviceRow(japanese);
    const auto text = [&](uint32_t id) { return japanese.Text(id); };
    EXPECT_EQ(text(IDS_INFO_SERIAL_PORT) + " 1=3f8h (IRQ 4) ; =" + text(IDS_INFO_OPERATION_MODE) +
                  " " + text(IDS_INFO_MODE_STANDARD) + "; " + text(IDS_INFO_POINTING_DEVICE) + "=" +
                  text(IDS_INFO_BOTH_INSTALLED),
              japanese.Rows());
    EXPECT_NE("Both Installed", text(IDS_INFO_BOTH_INSTALLED));
}

} // namespace
