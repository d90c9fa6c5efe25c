// The Information Viewer in the running program: the sheet opens on it with every row
// of the simulated notebook, from the BIOS when the system reports a major version of 4
// (Windows 98 set for zep.exe) and from the device manager with Wine's default version,
// where the test presents port and infrared devices through SetupAPI.
#include "Controls.h"
#include "PresentDevice.h"
#include "ZepTest.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using namespace e2e;

const GUID kPortsClass = {
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
const GUID kInfraredClass = {
    0x6BDD1FC5, 0x810F, 0x11D0, {0xBE, 0xC7, 0x08, 0x00, 0x2B, 0xE2, 0x09, 0x2F}};

using Rows = std::vector<ListRow>;

// The rows every mode shows for the default notebook, around the port rows.
const Rows kDefaultCpuToDrives = {
    {"CPU", "Intel"},          {"", "Pentium II"},       {"", "300 MHz"},
    {"Total Memory", "64 MB"}, {"Video RAM", "2.5  MB"}, {"Hard Disk", "4126 MB"},
    {"CD-ROM", "Detected"},
};
const Rows kDefaultCachesAndPointing = {
    {"Internal Cache", "Cache ON (32 KB)"},
    {"External Cache", "Cache ON (256 KB)"},
    {"Pointing Device", "Internal installed only"},
};

Rows Around(const Rows& ports) {
    Rows rows = kDefaultCpuToDrives;
    rows.insert(rows.end(), ports.begin(), ports.end());
    rows.insert(rows.end(), kDefaultCachesAndPointing.begin(), kDefaultCachesAndPointing.end());
    return rows;
}

// The value column as the page sizes it (as wide as the list) and every value within
// it, measured on a device context with no font chosen: the list's font is smaller than
// the system font measured here, so what fits here is not cut. The label column follows
// the list's own font; the clipping check measures it with that font at each DPI.
void ExpectColumnsFit(HWND list, const Rows& rows) {
    HDC dc = GetDC(nullptr);
    auto extent = [dc](const std::string& text) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    const int valueWidth = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0));
    RECT bounds = {};
    GetWindowRect(list, &bounds);
    EXPECT_EQ(bounds.right - bounds.left - 2 * GetSystemMetrics(SM_CXBORDER), valueWidth);
    for (const ListRow& row : rows)
        EXPECT_LE(extent(row.second), valueWidth) << row.second;
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL) << "the list scrolls sideways";
    ReleaseDC(nullptr, dc);
}

class InfoPageTest : public ZepTest {
protected:
    void TearDown() override {
        ZepTest::TearDown();
        PresentDevice::RemoveLeftovers(kPortsClass);
        PresentDevice::RemoveLeftovers(kInfraredClass);
    }

    // Starts the program and reads the list of the page it opens on.
    Rows StartAndReadRows() {
        if (!StartToSheet())
            return {};
        EXPECT_EQ(0, sheet_.CurrentIndex()) << "the sheet opens on the Information Viewer";
        EXPECT_EQ("Welcome to Tarvell", TextOf(sheet_.PageControl(zepui::kInfoWelcome)));
        EXPECT_EQ("This page shows you the basic system configuration:",
                  TextOf(sheet_.PageControl(zepui::kInfoExplanation)));
        return ListRows(sheet_.PageControl(zepui::kInfoList));
    }
};

TEST_F(InfoPageTest, BiosModeShowsEveryRowOfTheDefaultNotebook) {
    Windows98ForZep version;
    ASSERT_TRUE(version.Set());
    const Rows rows = StartAndReadRows();
    EXPECT_EQ(Around({{"Serial Port 1", "3f8h (IRQ 4) "},
                      {"", "Operation Mode: Standard"},
                      {"Serial Port 2", "2f8h (IRQ 3) "},
                      {"", "Operation Mode: IrDA"},
                      {"Parallel Port", "378h (IRQ 7) "},
                      {"", "Operation Mode: ECP (DMA 3 )"}}),
              rows);
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_EQ(2u, CountOf(log, "GetSerialPort")) << Describe(log);
    EXPECT_EQ(1u, CountOf(log, "GetParellelPort")) << Describe(log);
    ExpectColumnsFit(sheet_.PageControl(zepui::kInfoList), rows);
}

TEST_F(InfoPageTest, DeviceManagerModeShowsPresentPortsAndInfrared) {
    PresentDevice serial(kPortsClass, "TARVELLTEST\\PNP0501\\1");
    PresentDevice parallel(kPortsClass, "TARVELLTEST\\PNP0400\\1");
    PresentDevice infrared(kInfraredClass, "TARVELLTEST\\IRDA\\1");
    ASSERT_TRUE(serial.Registered() && parallel.Registered() && infrared.Registered());
    const Rows rows = StartAndReadRows();
    EXPECT_EQ(
        Around({{"Serial Port", "Enabled"}, {"Infrared", "Enabled"}, {"Parallel Port", "Enabled"}}),
        rows);
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_EQ(0u, CountOf(log, "GetSerialPort"))
        << "the ports are not the BIOS's: " << Describe(log);
    EXPECT_EQ(0u, CountOf(log, "GetParellelPort")) << Describe(log);
}

} // namespace
