// Port rows in both modes: from the BIOS (address, IRQ and operation mode, or one state
// row) and from the device manager (one state row per device found, no BIOS request).
#include "ProbeOnSim.h"
#include "SystemProbe.h"

namespace {

using RowList = std::vector<Row>;

class BiosPortRows : public ProbeOnSim {};

TEST_F(BiosPortRows, AddressIrqAndModeUnderNumberedLabels) {
    UseMachine();
    AddSerialPortRows(sink_, biosPorts_, 0);
    AddSerialPortRows(sink_, biosPorts_, 1);
    AddParallelPortRows(sink_, biosPorts_);
    EXPECT_EQ((RowList{{"Serial Port 1", "3f8h (IRQ 4) "},
                       {"", "Operation Mode: Standard"},
                       {"Serial Port 2", "2f8h (IRQ 3) "},
                       {"", "Operation Mode: IrDA"},
                       {"Parallel Port", "378h (IRQ 7) "},
                       {"", "Operation Mode: ECP (DMA 3 )"}}),
              Rows());
    EXPECT_EQ(0, biosPorts_.Lookups()) << "the device manager is not asked in BIOS mode";
}

TEST_F(BiosPortRows, SerialModes) {
    const char* const kModes[] = {"Standard", "IrDA", "ASK_IR", "Undefined"};
    for (uint8_t mode : {0, 1, 2, 3, 9}) {
        machine_.serialMode[1] = mode;
        machine_.serialIoBase[1] = 0xFFFF;
        machine_.serialIrq[1] = 15;
        UseMachine();
        AddSerialPortRows(sink_, biosPorts_, 1);
        EXPECT_EQ((RowList{{"Serial Port 2", "ffffh (IRQ 15) "},
                           {"", std::string("Operation Mode: ") + kModes[mode < 3 ? mode : 3]}}),
                  Rows())
            << int(mode);
    }
}

TEST_F(BiosPortRows, ParallelModes) {
    const struct {
        uint8_t mode;
        uint8_t dma;
        const char* text;
    } cases[] = {
        {0, 0, "Standard"},     {1, 0, "Bi-direction"},      {2, 0, "EPP"},
        {3, 1, "ECP (DMA 1 )"}, {4, 0, "External FDD as A"}, {5, 0, "External FDD as B"},
        {6, 0, "Undefined"},
    };
    for (uint16_t version : {0x0104, 0x0108}) { // the DMA channel travels differently
        for (const auto& c : cases) {
            machine_.interfaceVersion = version;
            machine_.parallelMode = c.mode;
            machine_.parallelDma = c.dma;
            machine_.parallelIoBase = 0x3BC;
            UseMachine();
            AddParallelPortRows(sink_, biosPorts_);
            EXPECT_EQ((RowList{{"Parallel Port", "3bch (IRQ 7) "},
                               {"", std::string("Operation Mode: ") + c.text}}),
                      Rows())
                << "interface " << std::hex << version << " mode " << int(c.mode);
        }
    }
}

TEST_F(BiosPortRows, AbsentAndDisabledPortsShowOneRow) {
    machine_.serialFlags[0] = 0x01;
    machine_.serialFlags[1] = 0x02;
    machine_.parallelFlags = 0x03; // absent wins over disabled
    UseMachine();
    AddSerialPortRows(sink_, biosPorts_, 0);
    AddSerialPortRows(sink_, biosPorts_, 1);
    AddParallelPortRows(sink_, biosPorts_);
    EXPECT_EQ((RowList{{"Serial Port 1", "None"},
                       {"Serial Port 2", "Disabled"},
                       {"Parallel Port", "None"}}),
              Rows());
}

TEST_F(BiosPortRows, RefusedCallsShowUnknownWithoutModeRow) {
    UseMachine();
    Refuse(kSetupGroup, 0x02);
    Refuse(kSetupGroup, 0x03);
    AddSerialPortRows(sink_, biosPorts_, 0);
    AddParallelPortRows(sink_, biosPorts_);
    EXPECT_EQ((RowList{{"Serial Port 1", "Unknown"}, {"Parallel Port", "Unknown"}}), Rows());

    machine_.veskSupported = 0; // the parallel port asks for the interface version first
    UseMachine();
    device_.bios().ClearFaults();
    AddParallelPortRows(sink_, biosPorts_);
    EXPECT_EQ((RowList{{"Parallel Port", "Unknown"}}), Rows());
}

TEST_F(BiosPortRows, OnlyTwoSerialPorts) {
    UseMachine();
    AddSerialPortRows(sink_, biosPorts_, 2);
    AddSerialPortRows(sink_, biosPorts_, 255);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(0u, Requests());
}

class DeviceManagerPortRows : public ProbeOnSim {
protected:
    void AddAllPortRows() {
        AddSerialPortRows(sink_, ports_, 0);
        AddSerialPortRows(sink_, ports_, 1);
        AddParallelPortRows(sink_, ports_);
    }
    ScriptedPorts ports_{true};
};

TEST_F(DeviceManagerPortRows, OneStateRowPerDeviceAndNoBiosRequest) {
    ports_.Add(DeviceClass::Ports, "ACPI\\PNP0400\\1");
    ports_.Add(DeviceClass::Ports, "ACPI\\PNP0501\\1");
    ports_.Add(DeviceClass::Infrared, "ACPI\\IRDA\\1", 22);
    UseMachine();
    AddAllPortRows();
    EXPECT_EQ((RowList{{"Serial Port", "Enabled"},
                       {"Infrared", "Disabled"},
                       {"Parallel Port", "Enabled"}}),
              Rows());
    EXPECT_EQ(0u, Requests());
}

TEST_F(DeviceManagerPortRows, MissingDevicesGiveNoRow) {
    ports_.Add(DeviceClass::Ports, "acpi\\pnp0501\\1");    // the fragment is case-sensitive
    ports_.Add(DeviceClass::Infrared, "ACPI\\PNP0400\\1"); // right fragment, wrong class
    ports_.Add(DeviceClass::Ports, "ACPI\\PNP0600\\1");
    AddSerialPortRows(sink_, ports_, 0);
    AddParallelPortRows(sink_, ports_);
    EXPECT_TRUE(Rows().empty());

    ScriptedPorts empty(true);
    AddSerialPortRows(sink_, empty, 0);
    AddSerialPortRows(sink_, empty, 1);
    AddParallelPortRows(sink_, empty);
    AddSerialPortRows(sink_, empty, 2);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(3, empty.Lookups());
}

TEST_F(DeviceManagerPortRows, UnreadableStatusShowsUnknown) {
    ports_.Add(DeviceClass::Ports, "ACPI\\PNP0501\\1", 0, false);
    ports_.Add(DeviceClass::Ports, "ACPI\\PNP0401\\1", 0, false);
    ports_.Add(DeviceClass::Infrared, "ACPI\\IRDA\\1", 0, false);
    AddAllPortRows();
    EXPECT_EQ((RowList{{"Serial Port", "Unknown"},
                       {"Infrared", "Unknown"},
                       {"Parallel Port", "Unknown"}}),
              Rows());
}

} // namespace

namespace {

TEST(DeviceIdMatches, FragmentIsACaseSensitiveSubstring) {
    EXPECT_TRUE(DeviceIdMatches("ACPI\\PNP0501\\1", "PNP05"));
    EXPECT_TRUE(DeviceIdMatches("ACPI\\PNP0501\\1", "PNP0501\\1"));
    EXPECT_FALSE(DeviceIdMatches("acpi\\pnp0501\\1", "PNP05"));
    EXPECT_FALSE(DeviceIdMatches("ACPI\\PNP0400\\1", "PNP05"));
    EXPECT_FALSE(DeviceIdMatches(nullptr, "PNP05"));
    EXPECT_FALSE(DeviceIdMatches("", "PNP05"));
    EXPECT_TRUE(DeviceIdMatches("ACPI\\IRDA\\1", nullptr)); // no fragment: any device
    EXPECT_TRUE(DeviceIdMatches(nullptr, ""));
}

} // namespace
