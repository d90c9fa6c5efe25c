// The Information Viewer in the running program: the sheet opens on it with every row
// of the simulated notebook, from the BIOS when the system reports a major version of 4
// (Windows 98 set for zep.exe) and from the device manager with Wine's default version,
// where the test presents port and infrared devices through SetupAPI.
#include "PresentDevice.h"
#include "SimProfilesInfo.h"
#include "WinPath.h"
#include "ZepTest.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace e2e;

constexpr int kInfoList = 1311;
constexpr int kWelcome = 1312;
constexpr int kExplanation = 1313;

const GUID kPortsClass = {
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
const GUID kInfraredClass = {
    0x6BDD1FC5, 0x810F, 0x11D0, {0xBE, 0xC7, 0x08, 0x00, 0x2B, 0xE2, 0x09, 0x2F}};

struct ListRow {
    std::string label;
    std::string value;
    bool operator==(const ListRow& other) const {
        return label == other.label && value == other.value;
    }
};
void PrintTo(const ListRow& row, std::ostream* out) {
    *out << "{\"" << row.label << "\", \"" << row.value << "\"}";
}
using Rows = std::vector<ListRow>;

// Every row of a report list of another process: the item structure and the text
// buffer have to live in that process for LVM_GETITEMTEXT.
Rows ReadRows(HWND list) {
    Rows rows;
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return rows;
    struct Remote {
        LVITEMA item;
        char text[256];
    };
    char* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE));
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int index = 0; remote && index < count; ++index) {
        std::string cells[2];
        for (int column = 0; column < 2; ++column) {
            Remote local = {};
            local.item.iSubItem = column;
            local.item.pszText = remote + offsetof(Remote, text);
            local.item.cchTextMax = sizeof local.text;
            DWORD_PTR answer = 0;
            if (WriteProcessMemory(process, remote, &local, sizeof local, nullptr) &&
                SendMessageTimeoutA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(remote),
                                    SMTO_ABORTIFHUNG, kWindowMs, &answer) &&
                ReadProcessMemory(process, remote + offsetof(Remote, text), local.text,
                                  sizeof local.text, nullptr)) {
                local.text[sizeof local.text - 1] = '\0';
                cells[column] = local.text;
            }
        }
        rows.push_back({cells[0], cells[1]});
    }
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rows;
}

// Makes Wine report Windows 98 (version 4.10) to zep.exe for as long as it lives.
class Windows98ForZep {
public:
    Windows98ForZep() {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            return;
        set_ = RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win98"),
                              6) == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    ~Windows98ForZep() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, "Version");
            RegCloseKey(key);
        }
    }
    bool Set() const { return set_; }

private:
    static constexpr char kKey[] = "Software\\Wine\\AppDefaults\\zep.exe";
    bool set_ = false;
};

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
        EXPECT_LE(extent(row.value), valueWidth) << row.value;
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
        EXPECT_EQ("Welcome to Tarvell", TextOf(sheet_.PageControl(kWelcome)));
        EXPECT_EQ("This page shows you the basic system configuration:",
                  TextOf(sheet_.PageControl(kExplanation)));
        return ReadRows(sheet_.PageControl(kInfoList));
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
    ExpectColumnsFit(sheet_.PageControl(kInfoList), rows);
}

// Another machine of the simulated notebook, with the old interface (1.04), whose memory
// size is the system's own.
TEST_F(InfoPageTest, BiosModeOnAnOldInterfaceMachine) {
    sim::MachineProfile machine;
    ASSERT_TRUE(sim::FindInfoProfile("info-cyrix", machine));
    ASSERT_TRUE(sim_.Control().LoadProfile(machine));
    Windows98ForZep version;
    ASSERT_TRUE(version.Set());
    Rows rows = StartAndReadRows();
    ASSERT_EQ(14u, rows.size());
    EXPECT_EQ("Total Memory", rows[3].label);
    rows.erase(rows.begin() + 3);
    EXPECT_EQ((Rows{{"CPU", "Cyrix"},
                    {"", "6x86MX"},
                    {"", "49 MHz"},
                    {"Video RAM", "4 MB"},
                    {"MO", "Detected"},
                    {"Serial Port 1", "3f8h (IRQ 4) "},
                    {"", "Operation Mode: Undefined"},
                    {"Serial Port 2", "None"},
                    {"Parallel Port", "378h (IRQ 7) "},
                    {"", "Operation Mode: External FDD as B"},
                    {"Internal Cache", "Cache ON (1 MB)"},
                    {"External Cache", "Cache OFF (4 MB)"},
                    {"Pointing Device", "Both Installed"}}),
              rows);
}

TEST_F(InfoPageTest, DeviceManagerModeWithoutPortDevicesShowsNoPortRows) {
    const Rows rows = StartAndReadRows();
    EXPECT_EQ(Around({}), rows);
    const std::vector<BiosRequest> log = sim_.Log();
    EXPECT_EQ(0u, CountOf(log, "GetSerialPort")) << Describe(log);
    EXPECT_EQ(0u, CountOf(log, "GetParellelPort")) << Describe(log);
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
}

} // namespace
