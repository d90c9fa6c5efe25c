// The BIOS operation catalogue as data: one row per operation, in the order of
// BiosCatalogue.h. The operations in BiosCatalogue.cpp take AX, BX, the label they pass
// to CallBios and their success rule from their row, so this table is the wire format.
// Check a row against the BIOS interface by reading it from left to right:
//
//   AX    function group (0x9610 setup, 0x9611 power, 0x9612 display, 0x9602 video RAM)
//   BL    function number
//   BH    FIX(v): always v.  ARG(lo, hi): the operation's argument goes into BH
//         (BX = argument << 8 | BL); lo..hi are the values the program's callers pass
//   rule  S:  CallBios returned true and status != 0xFFFFFFFF
//         A:  CallBios returned true and AH == 0 (status not examined)
//         SA: rule S holds and then AH == 0
//   code  when the `code` output receives AH: None (no code output), OnAnswer (whenever
//         CallBios returned true), OnStatus (once status passed); never on transport failure
//   comment: other request inputs | outputs decoded from the reply on success
#pragma once

#include <cstddef>
#include <cstdint>

namespace catalogue {

enum class Rule : uint8_t { S, A, SA };
enum class Code : uint8_t { None, OnAnswer, OnStatus };
enum class Bh : uint8_t { Fixed, Argument };

// One enumerator per operation, in table order (checked below).
// clang-format off
enum class Op : uint8_t {
    GetCpuInfo, GetSystemRam, GetVideoRam, GetIdeType, GetIdeInfo, GetSerialPort,
    GetParellelPort, GetInternalCacheStatus, GetExtCacheStatus, GetTouchPad, GetPointDev,
    EnableMemoryTest, GetMemoryTest, EnableSilentBoot, GetSilentBoot, EnableCDROMBoot,
    GetCDROMBoot, GetBootSeq, SetBootSeq,
    AskPowerOnPasswd, DisablePowerOnPasswd, SetChkPowerOnPasswd, SetChkSetupPasswd,
    AskSetupPasswd, DisableSetupPasswd,
    EnablePMU, GetPMU, EnableHotkeyBeep, GetHotkeyBeep, EnableModemRingWakeup,
    GetModemRingWakeup, SetResumeTimer, GetResumeTimer, EnableBattLowBeep, GetBattLowBeep,
    EnableSleepWhenBattLow, GetSleepWhenBattLow, EnableDspAlwaysOn, GetDspAlwaysOn,
    GetBrightnessContrastRange, GetBootDisplay, SetBootDisplay, GetDisplayDevice,
    SetDisplayDevice, GetPanelType, GetDisplayBrightness, SetDisplayBrightness,
    GetDisplayContrast, SetDisplayContrast, CheckMonitorConnected,
    VESKCheck, SetHotkeyButton, CMOSChecksum, LoadSetupDefault,
};
// clang-format on

struct Operation {
    Op op;
    const char* name; // the CallBios label: exactly the function's name
    uint16_t ax;
    uint8_t bl;
    Bh bh;
    uint8_t bhLow, bhHigh; // FIX: both the value sent; ARG: the callers' range
    Rule rule;
    Code code;
};

#define TARVELL_OP(name, ax, bl, bh, rule, code)                                                   \
    Operation {                                                                                    \
        Op::name, #name, ax, bl, bh, Rule::rule, Code::code                                        \
    }
#define FIX(v) Bh::Fixed, v, v
#define ARG(lo, hi) Bh::Argument, lo, hi

// clang-format off
inline constexpr Operation kCatalogue[] = {
    //         operation                    AX      BL    BH              rule code         inputs | outputs
    // Information
    TARVELL_OP(GetCpuInfo,                 0x9610, 0x01, FIX(0x00),       S,  None),     //  | vendor CL, model CH, clockCode DL, ratioCode DH, mhz BX
    TARVELL_OP(GetSystemRam,               0x9610, 0x22, FIX(0x00),       S,  None),     //  | size CX (MB), unit 1; sent only on a new interface
    TARVELL_OP(GetVideoRam,                0x9602, 0x00, FIX(0x00),       S,  None),     //  | returns AL * 64 (KB), 0 on failure
    TARVELL_OP(GetIdeType,                 0x9610, 0x0A, FIX(0x00),       S,  None),     // DL drive | type AL, flag AH
    TARVELL_OP(GetIdeInfo,                 0x9610, 0x09, FIX(0x00),       S,  None),     // DL drive, EDI 0 | cylinders CX, heads DH, sectors SI low byte
    TARVELL_OP(GetSerialPort,              0x9610, 0x02, ARG(0x00, 0x01), S,  None),     // BH port | flags AL, ioBase CX, irq DL, mode DH
    TARVELL_OP(GetParellelPort,            0x9610, 0x03, FIX(0x00),       S,  None),     //  | flags AL, ioBase CX, irq DL; mode, dma by version
    TARVELL_OP(GetInternalCacheStatus,     0x9610, 0x05, FIX(0x00),       S,  None),     //  | flags AL, sizeCode CL
    TARVELL_OP(GetExtCacheStatus,          0x9610, 0x04, FIX(0x00),       S,  None),     //  | flags AL, sizeCode CL
    TARVELL_OP(GetTouchPad,                0x9612, 0x0F, FIX(0x02),       S,  None),     //  | state AL
    TARVELL_OP(GetPointDev,                0x9612, 0x01, FIX(0x00),       S,  None),     //  | kind CL
    // POST and boot
    TARVELL_OP(EnableMemoryTest,           0x9610, 0x15, ARG(0x00, 0x01), S,  None),     // BH on |
    TARVELL_OP(GetMemoryTest,              0x9610, 0x15, FIX(0x02),       S,  None),     //  | on AL
    TARVELL_OP(EnableSilentBoot,           0x9610, 0x16, ARG(0x00, 0x01), S,  None),     // BH on |
    TARVELL_OP(GetSilentBoot,              0x9610, 0x16, FIX(0x02),       S,  None),     //  | on AL
    TARVELL_OP(EnableCDROMBoot,            0x9610, 0x06, ARG(0x00, 0x01), S,  None),     // BH on |
    TARVELL_OP(GetCDROMBoot,               0x9610, 0x06, FIX(0x02),       S,  None),     //  | on AL
    TARVELL_OP(GetBootSeq,                 0x9610, 0x17, FIX(0x00),       S,  None),     // ESI list | the BIOS fills the 16-byte list
    TARVELL_OP(SetBootSeq,                 0x9610, 0x17, FIX(0x01),       S,  None),     // ESI list |
    // Passwords
    TARVELL_OP(AskPowerOnPasswd,           0x9610, 0x07, FIX(0x01),       A,  OnAnswer), //  | code AH (0: a password is set)
    TARVELL_OP(DisablePowerOnPasswd,       0x9610, 0x07, FIX(0x00),       SA, OnStatus), //  | code AH
    TARVELL_OP(SetChkPowerOnPasswd,        0x9610, 0x07, ARG(0x02, 0x03), A,  OnAnswer), // BH mode, ESI password, CX length | code AH
    TARVELL_OP(SetChkSetupPasswd,          0x9610, 0x08, ARG(0x02, 0x03), A,  OnAnswer), // BH mode, ESI password, CX length | code AH
    TARVELL_OP(AskSetupPasswd,             0x9610, 0x08, FIX(0x01),       A,  OnAnswer), //  | code AH (0: a password is set)
    TARVELL_OP(DisableSetupPasswd,         0x9610, 0x08, FIX(0x00),       A,  OnAnswer), //  | code AH
    // Power management (the hotkey beep lives in the setup group)
    TARVELL_OP(EnablePMU,                  0x9611, 0x01, ARG(0x00, 0x01), S,  None),     // BH on |
    TARVELL_OP(GetPMU,                     0x9611, 0x81, FIX(0x00),       S,  None),     //  | on BH
    TARVELL_OP(EnableHotkeyBeep,           0x9610, 0x21, ARG(0x00, 0x01), S,  None),     // BH on |
    TARVELL_OP(GetHotkeyBeep,              0x9610, 0x21, FIX(0x02),       S,  None),     //  | on AL
    TARVELL_OP(EnableModemRingWakeup,      0x9611, 0x05, ARG(0x00, 0x01), S,  None),     // BH on |
    TARVELL_OP(GetModemRingWakeup,         0x9611, 0x05, FIX(0x02),       S,  None),     //  | on AL
    TARVELL_OP(SetResumeTimer,             0x9611, 0x06, ARG(0x00, 0x01), S,  None),     // BH on, CH second, CL 0, DH hour, DL minute, SI monthDay, DI year |
    TARVELL_OP(GetResumeTimer,             0x9611, 0x06, FIX(0x02),       S,  None),     //  | on AL, second CH, minute DL, hour DH, monthDay SI, year DI
    TARVELL_OP(EnableBattLowBeep,          0x9611, 0x08, ARG(0x00, 0x01), S,  None),     // BH on |
    TARVELL_OP(GetBattLowBeep,             0x9611, 0x08, FIX(0x02),       S,  None),     //  | on AL
    TARVELL_OP(EnableSleepWhenBattLow,     0x9611, 0x09, ARG(0x00, 0x01), S,  None),     // BH on |
    TARVELL_OP(GetSleepWhenBattLow,        0x9611, 0x09, FIX(0x02),       S,  None),     //  | on AL
    TARVELL_OP(EnableDspAlwaysOn,          0x9611, 0x0D, ARG(0x00, 0x01), S,  None),     // BH on |
    TARVELL_OP(GetDspAlwaysOn,             0x9611, 0x0D, FIX(0x02),       S,  None),     //  | on AL
    // Display
    TARVELL_OP(GetBrightnessContrastRange, 0x9612, 0x08, FIX(0x00),       S,  None),     //  | contrastMax CH, contrastMin CL, brightnessMax DH, brightnessMin DL
    TARVELL_OP(GetBootDisplay,             0x9612, 0x0A, FIX(0x00),       S,  None),     //  | device CL
    TARVELL_OP(SetBootDisplay,             0x9612, 0x0A, FIX(0x01),       S,  None),     // CL device |
    TARVELL_OP(GetDisplayDevice,           0x9612, 0x0B, FIX(0x00),       S,  None),     //  | device CL
    TARVELL_OP(SetDisplayDevice,           0x9612, 0x0B, FIX(0x01),       S,  None),     // CL device |
    TARVELL_OP(GetPanelType,               0x9612, 0x0D, FIX(0x00),       S,  None),     //  | type AL
    TARVELL_OP(GetDisplayBrightness,       0x9612, 0x07, FIX(0x00),       S,  None),     //  | level CL
    TARVELL_OP(SetDisplayBrightness,       0x9612, 0x07, FIX(0x01),       S,  None),     // CL level |
    TARVELL_OP(GetDisplayContrast,         0x9612, 0x06, FIX(0x00),       S,  None),     //  | level CL
    TARVELL_OP(SetDisplayContrast,         0x9612, 0x06, FIX(0x01),       S,  None),     // CL level |
    TARVELL_OP(CheckMonitorConnected,      0x9612, 0x0C, FIX(0x00),       S,  None),     //  | returns 1: an external monitor is connected
    // Platform
    TARVELL_OP(VESKCheck,                  0x9610, 0x00, FIX(0x00),       S,  OnAnswer), //  | code AH, version BX
    TARVELL_OP(SetHotkeyButton,            0x9612, 0x05, ARG(0x00, 0x01), S,  None),     // BH state |
    TARVELL_OP(CMOSChecksum,               0x9610, 0x12, ARG(0x01, 0x01), S,  OnAnswer), // BH mode | code AH
    TARVELL_OP(LoadSetupDefault,           0x9610, 0x14, FIX(0x00),       S,  None),     //  |
};
// clang-format on

#undef ARG
#undef FIX
#undef TARVELL_OP

constexpr std::size_t kOperationCount = sizeof kCatalogue / sizeof kCatalogue[0];
static_assert(kOperationCount == 54, "the BIOS interface has 54 operations");

constexpr bool RowsFollowTheEnum() {
    for (std::size_t i = 0; i < kOperationCount; ++i) {
        if (static_cast<std::size_t>(kCatalogue[i].op) != i)
            return false;
    }
    return true;
}
static_assert(RowsFollowTheEnum(), "row i of kCatalogue must describe Op i");

constexpr const Operation& Row(Op op) {
    return kCatalogue[static_cast<std::size_t>(op)];
}

} // namespace catalogue
