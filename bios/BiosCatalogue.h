// The 54 named BIOS operations. Each fills a zero-filled register block, sends it
// through CallBios under its own name and decodes the reply. Every operation returns
// 1 on success and 0 on failure (GetVideoRam returns a size); outputs are written
// only on success, except the `code` outputs, which carry AH as documented below.
// Free of <windows.h>: the wire format is the only platform fact here.
#pragma once

#include <cstdint>

// A 16-byte boot device list: 0 drive A, 1 drive C, 2 CD-ROM, 0xFF empty (ends the list).
struct BootSequence {
    uint8_t devices[16];
};
static_assert(sizeof(BootSequence) == 16, "the BIOS reads and writes 16 bytes");

// Information
int GetCpuInfo(uint8_t* vendor, uint8_t* model, uint8_t* clockCode, uint8_t* ratioCode,
               uint16_t* mhz);
int GetSystemRam(uint32_t* size, uint8_t* unit); // unit: 0 KB, 1 MB, 2 GB
uint32_t GetVideoRam();                          // KB; 0 on failure
int GetIdeType(uint8_t drive, uint8_t* type, uint8_t* flag);
int GetIdeInfo(uint8_t drive, uint16_t* cylinders, uint8_t* heads, uint8_t* sectors);
int GetSerialPort(uint8_t port, uint8_t* flags, uint16_t* ioBase, uint8_t* irq, uint8_t* mode);
int GetParellelPort(uint8_t* flags, uint16_t* ioBase, uint8_t* irq, uint8_t* mode, uint8_t* dma);
int GetInternalCacheStatus(uint8_t* flags, uint8_t* sizeCode);
int GetExtCacheStatus(uint8_t* flags, uint8_t* sizeCode);
int GetTouchPad(uint8_t* state);
int GetPointDev(uint8_t* kind);

// POST and boot
int EnableMemoryTest(int on);
int GetMemoryTest(uint8_t* on);
int EnableSilentBoot(int on);
int GetSilentBoot(uint8_t* on);
int EnableCDROMBoot(int on);
int GetCDROMBoot(uint8_t* on);
int GetBootSeq(BootSequence* list);
int SetBootSeq(BootSequence* list);

// Passwords. mode 2 stores `password`, mode 3 checks it (1 = it matches).
int AskPowerOnPasswd(uint8_t* code); // 1 when a power-on password is set
int DisablePowerOnPasswd(uint8_t* code);
int SetChkPowerOnPasswd(uint8_t* code, uint8_t mode, uint8_t* password, uint16_t length);
int SetChkSetupPasswd(uint8_t* code, uint8_t mode, uint8_t* password, uint16_t length);
int AskSetupPasswd(uint8_t* code); // 1 when a setup password is set
int DisableSetupPasswd(uint8_t* code);

// Power management. The resume time is packed BCD; monthDay = month << 8 | day.
int EnablePMU(int on);
int GetPMU(uint8_t* on);
int EnableHotkeyBeep(int on);
int GetHotkeyBeep(uint8_t* on);
int EnableModemRingWakeup(int on);
int GetModemRingWakeup(uint8_t* on);
int SetResumeTimer(uint8_t on, uint8_t second, uint8_t minute, uint8_t hour, uint16_t monthDay,
                   uint16_t year);
int GetResumeTimer(uint8_t* on, uint8_t* second, uint8_t* minute, uint8_t* hour, uint16_t* monthDay,
                   uint16_t* year);
int EnableBattLowBeep(int on);
int GetBattLowBeep(uint8_t* on);
int EnableSleepWhenBattLow(int on);
int GetSleepWhenBattLow(uint8_t* on);
int EnableDspAlwaysOn(int on);
int GetDspAlwaysOn(uint8_t* on);

// Display
int GetBrightnessContrastRange(uint8_t* contrastMax, uint8_t* contrastMin, uint8_t* brightnessMax,
                               uint8_t* brightnessMin);
int GetBootDisplay(uint8_t* device); // 2 both CRT and LCD, 3 auto detect
int SetBootDisplay(uint8_t device);
int GetDisplayDevice(uint8_t* device); // 0 external monitor, 1 LCD panel, 2 both
int SetDisplayDevice(uint8_t device);
int GetPanelType(uint8_t* type);
int GetDisplayBrightness(uint8_t* level);
int SetDisplayBrightness(uint8_t level);
int GetDisplayContrast(uint8_t* level);
int SetDisplayContrast(uint8_t level);
int CheckMonitorConnected(); // 1 when an external monitor is connected

// Platform
int VESKCheck(uint8_t* code, uint16_t* version); // version 0x0108 = 1.08
int SetHotkeyButton(uint8_t state);
int CMOSChecksum(uint8_t* code, uint8_t mode);
int LoadSetupDefault();
