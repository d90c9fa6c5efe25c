// The 54 BIOS operations, in the order of BiosCatalogue.h and CatalogueTable.h.
// Every operation takes the same three steps:
//   fill    Call call(Op::X) or Call call(Op::X, value) starts a zero-filled request with
//           AX and BX from the operation's row; the operation then sets its other inputs.
//   send    call.Send() passes the request to CallBios under the row's name; Judge() turns
//           the reply into a verdict by the row's rule. Judge() is the only place that
//           reads status or AH, and the only place that writes a `code` output.
//   decode  on success the operation copies its outputs out of call.reply and returns 1.
#include "BiosCatalogue.h"

#include "BufferAddress.h"
#include "CatalogueTable.h"
#include "DriverChannel.h"
#include "SystemMemory.h"

#include <cassert>
#include <cstring>

using catalogue::Bh;
using catalogue::Code;
using catalogue::Op;
using catalogue::Operation;
using catalogue::Rule;

namespace {

// The verdict on an answered request. Writes *code as the row's code column says.
bool Judge(const Operation& row, const BiosRegs& reply, uint8_t* code) {
    const bool statusPassed = reply.status != kBiosCallFailed;
    const uint8_t ah = HighByte(reply.eax);
    if (row.code == Code::OnAnswer)
        *code = ah;
    if (row.rule != Rule::A && !statusPassed) // rules S and SA
        return false;
    if (row.code == Code::OnStatus)
        *code = ah;
    return row.rule == Rule::S || ah == 0; // rules A and SA
}

// One request of one operation: filled from the operation's row, sent once.
class Call {
public:
    // An operation whose BH is fixed by its row.
    explicit Call(Op op) : row_(catalogue::Row(op)) {
        assert(row_.bh == Bh::Fixed);
        Fill(row_.bhLow);
    }
    // An operation whose BH carries an argument: BX = value << 8 | BL. Enable operations
    // pass their 32-bit value unchanged (callers pass 0 or 1).
    Call(Op op, uint32_t bhValue) : row_(catalogue::Row(op)) {
        assert(row_.bh == Bh::Argument);
        Fill(bhValue);
    }

    // CallBios under the row's name, then the row's rule. `code` receives AH for the
    // operations whose row has a code output (and must be nullptr for the others).
    bool Send(uint8_t* code = nullptr) {
        assert((row_.code == Code::None) == (code == nullptr));
        if (!CallBios(request, reply, row_.name))
            return false;
        return Judge(row_, reply, code);
    }

    BiosRegs request;
    BiosRegs reply;

private:
    void Fill(uint32_t bhValue) {
        std::memset(&request, 0, sizeof request);
        std::memset(&reply, 0, sizeof reply);
        request.eax = row_.ax;
        request.ebx = (bhValue << 8) | row_.bl;
    }

    const Operation& row_;
};

// The shapes several operations share.
int Enable(Op op, int on) {
    return Call(op, static_cast<uint32_t>(on)).Send();
}

int ReadAL(Op op, uint8_t* value) {
    Call call(op);
    if (!call.Send())
        return 0;
    *value = LowByte(call.reply.eax);
    return 1;
}

int ReadCL(Op op, uint8_t* value) {
    Call call(op);
    if (!call.Send())
        return 0;
    *value = LowByte(call.reply.ecx);
    return 1;
}

int WriteCL(Op op, uint8_t value) {
    Call call(op);
    call.request.ecx = value;
    return call.Send();
}

int ReadFlagsAndSizeCode(Op op, uint8_t* flags, uint8_t* sizeCode) {
    Call call(op);
    if (!call.Send())
        return 0;
    *flags = LowByte(call.reply.eax);
    *sizeCode = LowByte(call.reply.ecx);
    return 1;
}

int SetChkPasswd(Op op, uint8_t* code, uint8_t mode, uint8_t* password, uint16_t length) {
    Call call(op, mode);
    call.request.esi = BufferAddress(password);
    call.request.ecx = length;
    return call.Send(code);
}

// Interface versions: high byte major, low byte minor. An interface is old for a feature
// when its major is 0 or 1 and its minor is below the first minor that has the feature.
bool IsOldInterface(uint16_t version, uint8_t firstNewMinor) {
    return HighByte(version) <= 1 && LowByte(version) < firstNewMinor;
}
constexpr uint8_t kSystemRamFromBios = 8; // x.08: GetSystemRam asks the BIOS
constexpr uint8_t kParallelDmaInDh = 5;   // x.05: GetParellelPort's DMA is in DH bits 6-7

uint64_t DivideRoundingUp(uint64_t value, uint64_t divisor) {
    return value / divisor + (value % divisor != 0 ? 1 : 0);
}

// KB below 2048 KB, else MB below 2048 MB, else GB; every division rounds up.
void MemorySize(uint64_t bytes, uint32_t* size, uint8_t* unit) {
    uint64_t value = DivideRoundingUp(bytes, 1024);
    uint8_t scale = 0;
    while (scale < 2 && value >= 2048) {
        value = DivideRoundingUp(value, 1024);
        ++scale;
    }
    *size = static_cast<uint32_t>(value);
    *unit = scale;
}

} // namespace

// The operations. One-line operations stay on one line, like the rows they are.
// clang-format off

// ---- Information ------------------------------------------------------------------------

int GetCpuInfo(uint8_t* vendor, uint8_t* model, uint8_t* clockCode, uint8_t* ratioCode,
               uint16_t* mhz) {
    Call call(Op::GetCpuInfo);
    if (!call.Send())
        return 0;
    *vendor = LowByte(call.reply.ecx);
    *model = HighByte(call.reply.ecx);
    *clockCode = LowByte(call.reply.edx);
    *ratioCode = HighByte(call.reply.edx);
    *mhz = LowWord(call.reply.ebx);
    return 1;
}

int GetSystemRam(uint32_t* size, uint8_t* unit) {
    uint8_t code;
    uint16_t version;
    if (!VESKCheck(&code, &version))
        return 0;
    if (IsOldInterface(version, kSystemRamFromBios)) {
        MemorySize(TotalPhysicalMemoryBytes(), size, unit); // the BIOS is not asked
        return 1;
    }
    Call call(Op::GetSystemRam);
    if (!call.Send())
        return 0;
    *size = LowWord(call.reply.ecx);
    *unit = 1; // MB
    return 1;
}

uint32_t GetVideoRam() {
    Call call(Op::GetVideoRam);
    if (!call.Send())
        return 0;
    return static_cast<uint32_t>(LowByte(call.reply.eax)) * 64;
}

int GetIdeType(uint8_t drive, uint8_t* type, uint8_t* flag) {
    Call call(Op::GetIdeType);
    call.request.edx = drive;
    if (!call.Send())
        return 0;
    *type = LowByte(call.reply.eax);
    *flag = HighByte(call.reply.eax);
    return 1;
}

int GetIdeInfo(uint8_t drive, uint16_t* cylinders, uint8_t* heads, uint8_t* sectors) {
    Call call(Op::GetIdeInfo);
    call.request.edx = drive;
    call.request.edi = 0; // the BIOS reads EDI here; it must be 0
    if (!call.Send())
        return 0;
    *cylinders = LowWord(call.reply.ecx);
    *heads = HighByte(call.reply.edx);
    *sectors = LowByte(call.reply.esi);
    return 1;
}

int GetSerialPort(uint8_t port, uint8_t* flags, uint16_t* ioBase, uint8_t* irq, uint8_t* mode) {
    Call call(Op::GetSerialPort, port);
    if (!call.Send())
        return 0;
    *flags = LowByte(call.reply.eax);
    *ioBase = LowWord(call.reply.ecx);
    *irq = LowByte(call.reply.edx);
    *mode = HighByte(call.reply.edx);
    return 1;
}

int GetParellelPort(uint8_t* flags, uint16_t* ioBase, uint8_t* irq, uint8_t* mode, uint8_t* dma) {
    uint8_t code;
    uint16_t version;
    if (!VESKCheck(&code, &version))
        return 0;
    Call call(Op::GetParellelPort);
    if (!call.Send())
        return 0;
    *flags = LowByte(call.reply.eax);
    *ioBase = LowWord(call.reply.ecx);
    *irq = LowByte(call.reply.edx);
    const uint8_t dh = HighByte(call.reply.edx);
    if (IsOldInterface(version, kParallelDmaInDh)) {
        *mode = dh;
        *dma = HighByte(call.reply.ebx);
    } else {
        *mode = dh & 0x3F;
        *dma = dh >> 6;
    }
    return 1;
}

int GetInternalCacheStatus(uint8_t* flags, uint8_t* sizeCode) {
    return ReadFlagsAndSizeCode(Op::GetInternalCacheStatus, flags, sizeCode);
}

int GetExtCacheStatus(uint8_t* flags, uint8_t* sizeCode) {
    return ReadFlagsAndSizeCode(Op::GetExtCacheStatus, flags, sizeCode);
}

int GetTouchPad(uint8_t* state) { return ReadAL(Op::GetTouchPad, state); }
int GetPointDev(uint8_t* kind) { return ReadCL(Op::GetPointDev, kind); }

// ---- POST and boot ------------------------------------------------------------------------

int EnableMemoryTest(int on) { return Enable(Op::EnableMemoryTest, on); }
int GetMemoryTest(uint8_t* on) { return ReadAL(Op::GetMemoryTest, on); }
int EnableSilentBoot(int on) { return Enable(Op::EnableSilentBoot, on); }
int GetSilentBoot(uint8_t* on) { return ReadAL(Op::GetSilentBoot, on); }
int EnableCDROMBoot(int on) { return Enable(Op::EnableCDROMBoot, on); }
int GetCDROMBoot(uint8_t* on) { return ReadAL(Op::GetCDROMBoot, on); }

int GetBootSeq(BootSequence* list) {
    Call call(Op::GetBootSeq);
    call.request.esi = BufferAddress(list); // the driver writes the list during the call
    return call.Send();
}

int SetBootSeq(BootSequence* list) {
    Call call(Op::SetBootSeq);
    call.request.esi = BufferAddress(list); // the driver reads the list during the call
    return call.Send();
}

// ---- Passwords ---------------------------------------------------------------------------

int AskPowerOnPasswd(uint8_t* code) { return Call(Op::AskPowerOnPasswd).Send(code); }
int DisablePowerOnPasswd(uint8_t* code) { return Call(Op::DisablePowerOnPasswd).Send(code); }

int SetChkPowerOnPasswd(uint8_t* code, uint8_t mode, uint8_t* password, uint16_t length) {
    return SetChkPasswd(Op::SetChkPowerOnPasswd, code, mode, password, length);
}

int SetChkSetupPasswd(uint8_t* code, uint8_t mode, uint8_t* password, uint16_t length) {
    return SetChkPasswd(Op::SetChkSetupPasswd, code, mode, password, length);
}

int AskSetupPasswd(uint8_t* code) { return Call(Op::AskSetupPasswd).Send(code); }
int DisableSetupPasswd(uint8_t* code) { return Call(Op::DisableSetupPasswd).Send(code); }

// ---- Power management --------------------------------------------------------------------

int EnablePMU(int on) { return Enable(Op::EnablePMU, on); }

int GetPMU(uint8_t* on) {
    Call call(Op::GetPMU);
    if (!call.Send())
        return 0;
    *on = HighByte(call.reply.ebx);
    return 1;
}

int EnableHotkeyBeep(int on) { return Enable(Op::EnableHotkeyBeep, on); }
int GetHotkeyBeep(uint8_t* on) { return ReadAL(Op::GetHotkeyBeep, on); }
int EnableModemRingWakeup(int on) { return Enable(Op::EnableModemRingWakeup, on); }
int GetModemRingWakeup(uint8_t* on) { return ReadAL(Op::GetModemRingWakeup, on); }

int SetResumeTimer(uint8_t on, uint8_t second, uint8_t minute, uint8_t hour, uint16_t monthDay,
                   uint16_t year) {
    Call call(Op::SetResumeTimer, on);
    call.request.ecx = MakeWord(second, 0);    // CH second, CL 0
    call.request.edx = MakeWord(hour, minute); // DH hour, DL minute
    call.request.esi = monthDay;
    call.request.edi = year;
    return call.Send();
}

int GetResumeTimer(uint8_t* on, uint8_t* second, uint8_t* minute, uint8_t* hour, uint16_t* monthDay,
                   uint16_t* year) {
    Call call(Op::GetResumeTimer);
    if (!call.Send())
        return 0;
    *on = LowByte(call.reply.eax);
    *second = HighByte(call.reply.ecx);
    *minute = LowByte(call.reply.edx);
    *hour = HighByte(call.reply.edx);
    *monthDay = LowWord(call.reply.esi);
    *year = LowWord(call.reply.edi);
    return 1;
}

int EnableBattLowBeep(int on) { return Enable(Op::EnableBattLowBeep, on); }
int GetBattLowBeep(uint8_t* on) { return ReadAL(Op::GetBattLowBeep, on); }
int EnableSleepWhenBattLow(int on) { return Enable(Op::EnableSleepWhenBattLow, on); }
int GetSleepWhenBattLow(uint8_t* on) { return ReadAL(Op::GetSleepWhenBattLow, on); }
int EnableDspAlwaysOn(int on) { return Enable(Op::EnableDspAlwaysOn, on); }
int GetDspAlwaysOn(uint8_t* on) { return ReadAL(Op::GetDspAlwaysOn, on); }

// ---- Display -----------------------------------------------------------------------------

int GetBrightnessContrastRange(uint8_t* contrastMax, uint8_t* contrastMin, uint8_t* brightnessMax,
                               uint8_t* brightnessMin) {
    Call call(Op::GetBrightnessContrastRange);
    if (!call.Send())
        return 0;
    *contrastMax = HighByte(call.reply.ecx);
    *contrastMin = LowByte(call.reply.ecx);
    *brightnessMax = HighByte(call.reply.edx);
    *brightnessMin = LowByte(call.reply.edx);
    return 1;
}

int GetBootDisplay(uint8_t* device) { return ReadCL(Op::GetBootDisplay, device); }
int SetBootDisplay(uint8_t device) { return WriteCL(Op::SetBootDisplay, device); }
int GetDisplayDevice(uint8_t* device) { return ReadCL(Op::GetDisplayDevice, device); }
int SetDisplayDevice(uint8_t device) { return WriteCL(Op::SetDisplayDevice, device); }
int GetPanelType(uint8_t* type) { return ReadAL(Op::GetPanelType, type); }
int GetDisplayBrightness(uint8_t* level) { return ReadCL(Op::GetDisplayBrightness, level); }
int SetDisplayBrightness(uint8_t level) { return WriteCL(Op::SetDisplayBrightness, level); }
int GetDisplayContrast(uint8_t* level) { return ReadCL(Op::GetDisplayContrast, level); }
int SetDisplayContrast(uint8_t level) { return WriteCL(Op::SetDisplayContrast, level); }
int CheckMonitorConnected() { return Call(Op::CheckMonitorConnected).Send(); }

// ---- Platform ----------------------------------------------------------------------------

int VESKCheck(uint8_t* code, uint16_t* version) {
    Call call(Op::VESKCheck);
    if (!call.Send(code))
        return 0;
    *version = LowWord(call.reply.ebx);
    return 1;
}

int SetHotkeyButton(uint8_t state) { return Call(Op::SetHotkeyButton, state).Send(); }

int CMOSChecksum(uint8_t* code, uint8_t mode) { return Call(Op::CMOSChecksum, mode).Send(code); }

int LoadSetupDefault() { return Call(Op::LoadSetupDefault).Send(); }

// clang-format on
