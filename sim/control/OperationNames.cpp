#include "OperationNames.h"

namespace {

constexpr uint16_t kAnyBh = 0x100;

// One row per request shape: AX, BL and BH (kAnyBh: BH carries a value or a mode).
struct OperationRow {
    uint16_t ax;
    uint8_t bl;
    uint16_t bh;
    const char* name;
};

const OperationRow kOperations[] = {
    // Group 0x9610: information, POST, boot, passwords, platform.
    {0x9610, 0x00, 0x00, "VESKCheck"},
    {0x9610, 0x01, 0x00, "GetCpuInfo"},
    {0x9610, 0x02, kAnyBh, "GetSerialPort"},
    {0x9610, 0x03, 0x00, "GetParellelPort"},
    {0x9610, 0x04, 0x00, "GetExtCacheStatus"},
    {0x9610, 0x05, 0x00, "GetInternalCacheStatus"},
    {0x9610, 0x06, 0x02, "GetCDROMBoot"},
    {0x9610, 0x06, kAnyBh, "EnableCDROMBoot"},
    {0x9610, 0x07, 0x00, "DisablePowerOnPasswd"},
    {0x9610, 0x07, 0x01, "AskPowerOnPasswd"},
    {0x9610, 0x07, kAnyBh, "SetChkPowerOnPasswd"},
    {0x9610, 0x08, 0x00, "DisableSetupPasswd"},
    {0x9610, 0x08, 0x01, "AskSetupPasswd"},
    {0x9610, 0x08, kAnyBh, "SetChkSetupPasswd"},
    {0x9610, 0x09, 0x00, "GetIdeInfo"},
    {0x9610, 0x0A, 0x00, "GetIdeType"},
    {0x9610, 0x12, kAnyBh, "CMOSChecksum"},
    {0x9610, 0x14, 0x00, "LoadSetupDefault"},
    {0x9610, 0x15, 0x02, "GetMemoryTest"},
    {0x9610, 0x15, kAnyBh, "EnableMemoryTest"},
    {0x9610, 0x16, 0x02, "GetSilentBoot"},
    {0x9610, 0x16, kAnyBh, "EnableSilentBoot"},
    {0x9610, 0x17, 0x00, "GetBootSeq"},
    {0x9610, 0x17, 0x01, "SetBootSeq"},
    {0x9610, 0x21, 0x02, "GetHotkeyBeep"},
    {0x9610, 0x21, kAnyBh, "EnableHotkeyBeep"},
    {0x9610, 0x22, 0x00, "GetSystemRam"},
    // Group 0x9611: power management.
    {0x9611, 0x01, kAnyBh, "EnablePMU"},
    {0x9611, 0x81, 0x00, "GetPMU"},
    {0x9611, 0x05, 0x02, "GetModemRingWakeup"},
    {0x9611, 0x05, kAnyBh, "EnableModemRingWakeup"},
    {0x9611, 0x06, 0x02, "GetResumeTimer"},
    {0x9611, 0x06, kAnyBh, "SetResumeTimer"},
    {0x9611, 0x08, 0x02, "GetBattLowBeep"},
    {0x9611, 0x08, kAnyBh, "EnableBattLowBeep"},
    {0x9611, 0x09, 0x02, "GetSleepWhenBattLow"},
    {0x9611, 0x09, kAnyBh, "EnableSleepWhenBattLow"},
    {0x9611, 0x0D, 0x02, "GetDspAlwaysOn"},
    {0x9611, 0x0D, kAnyBh, "EnableDspAlwaysOn"},
    // Group 0x9612: display, pointing devices, hot-key button.
    {0x9612, 0x01, 0x00, "GetPointDev"},
    {0x9612, 0x05, kAnyBh, "SetHotkeyButton"},
    {0x9612, 0x06, 0x00, "GetDisplayContrast"},
    {0x9612, 0x06, 0x01, "SetDisplayContrast"},
    {0x9612, 0x07, 0x00, "GetDisplayBrightness"},
    {0x9612, 0x07, 0x01, "SetDisplayBrightness"},
    {0x9612, 0x08, 0x00, "GetBrightnessContrastRange"},
    {0x9612, 0x0A, 0x00, "GetBootDisplay"},
    {0x9612, 0x0A, 0x01, "SetBootDisplay"},
    {0x9612, 0x0B, 0x00, "GetDisplayDevice"},
    {0x9612, 0x0B, 0x01, "SetDisplayDevice"},
    {0x9612, 0x0C, 0x00, "CheckMonitorConnected"},
    {0x9612, 0x0D, 0x00, "GetPanelType"},
    {0x9612, 0x0F, 0x02, "GetTouchPad"},
    // Group 0x9602: video memory; BX is not set.
    {0x9602, 0x00, 0x00, "GetVideoRam"},
};

} // namespace

const char* OperationName(uint32_t eax, uint32_t ebx) {
    const uint16_t ax = static_cast<uint16_t>(eax & 0xFFFF);
    const uint8_t bl = static_cast<uint8_t>(ebx & 0xFF);
    const uint8_t bh = static_cast<uint8_t>((ebx >> 8) & 0xFF);
    const char* anyBh = nullptr;
    for (const OperationRow& row : kOperations) {
        if (row.ax != ax || row.bl != bl)
            continue;
        if (row.bh == bh)
            return row.name;
        if (row.bh == kAnyBh && anyBh == nullptr)
            anyBh = row.name;
    }
    return anyBh ? anyBh : "?";
}
