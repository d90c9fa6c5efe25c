// What the operations put on the wire and how they read the answer, checked against
// hand-written request blocks and replies taken from the BIOS interface's wire format.
#include "BiosCatalogue.h"
#include "ScriptedBios.h"
#include "TestDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

struct RequestCase {
    const char* what;
    std::function<void()> call;
    BiosRegs expected; // the whole 44-byte request
};

// Each call must send exactly its expected block: every byte not named is 0.
void ExpectRequests(const std::vector<RequestCase>& cases) {
    for (const RequestCase& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedBios bios;
        c.call();
        ASSERT_EQ(1u, bios.Requests().size());
        EXPECT_EQ(c.expected, bios.Requests()[0]);
    }
}

uint8_t b[6];
uint16_t w[2];

// clang-format off
//                                                                          status eax     ebx     ecx     edx     esi     edi
TEST(CatalogueRequests, Information) {
    ExpectRequests({
        {"GetCpuInfo", [] { GetCpuInfo(&b[0], &b[1], &b[2], &b[3], &w[0]); },   Block(0, 0x9610, 0x0001)},
        {"GetVideoRam: BX 0", [] { GetVideoRam(); },                           Block(0, 0x9602, 0x0000)},
        {"GetIdeType(0x82)", [] { GetIdeType(0x82, &b[0], &b[1]); },            Block(0, 0x9610, 0x000A, 0,      0x0082)},
        {"GetIdeInfo(0x80)", [] { GetIdeInfo(0x80, &w[0], &b[0], &b[1]); },     Block(0, 0x9610, 0x0009, 0,      0x0080, 0,      0)},
        {"GetSerialPort(0)", [] { GetSerialPort(0, &b[0], &w[0], &b[1], &b[2]); }, Block(0, 0x9610, 0x0002)},
        {"GetSerialPort(1)", [] { GetSerialPort(1, &b[0], &w[0], &b[1], &b[2]); }, Block(0, 0x9610, 0x0102)},
        {"GetInternalCacheStatus", [] { GetInternalCacheStatus(&b[0], &b[1]); }, Block(0, 0x9610, 0x0005)},
        {"GetExtCacheStatus", [] { GetExtCacheStatus(&b[0], &b[1]); },          Block(0, 0x9610, 0x0004)},
        {"GetTouchPad", [] { GetTouchPad(&b[0]); },                             Block(0, 0x9612, 0x020F)},
        {"GetPointDev", [] { GetPointDev(&b[0]); },                             Block(0, 0x9612, 0x0001)},
    });
}

TEST(CatalogueRequests, PostAndBoot) {
    ExpectRequests({
        {"EnableSilentBoot(1)", [] { EnableSilentBoot(1); },  Block(0, 0x9610, 0x0116)},
        {"EnableSilentBoot(0)", [] { EnableSilentBoot(0); },  Block(0, 0x9610, 0x0016)},
        {"GetSilentBoot", [] { GetSilentBoot(&b[0]); },       Block(0, 0x9610, 0x0216)},
        {"EnableMemoryTest(1)", [] { EnableMemoryTest(1); },  Block(0, 0x9610, 0x0115)},
        {"GetMemoryTest", [] { GetMemoryTest(&b[0]); },       Block(0, 0x9610, 0x0215)},
        {"EnableCDROMBoot(0)", [] { EnableCDROMBoot(0); },    Block(0, 0x9610, 0x0006)},
        {"GetCDROMBoot", [] { GetCDROMBoot(&b[0]); },         Block(0, 0x9610, 0x0206)},
    });
}

TEST(CatalogueRequests, PasswordQueries) {
    ExpectRequests({
        {"AskPowerOnPasswd", [] { AskPowerOnPasswd(&b[0]); },         Block(0, 0x9610, 0x0107)},
        {"DisablePowerOnPasswd", [] { DisablePowerOnPasswd(&b[0]); }, Block(0, 0x9610, 0x0007)},
        {"AskSetupPasswd", [] { AskSetupPasswd(&b[0]); },             Block(0, 0x9610, 0x0108)},
        {"DisableSetupPasswd", [] { DisableSetupPasswd(&b[0]); },     Block(0, 0x9610, 0x0008)},
    });
}

TEST(CatalogueRequests, PowerManagement) {
    ExpectRequests({
        {"EnablePMU(1)", [] { EnablePMU(1); },                         Block(0, 0x9611, 0x0101)},
        {"GetPMU", [] { GetPMU(&b[0]); },                              Block(0, 0x9611, 0x0081)},
        {"EnableHotkeyBeep(1): setup group", [] { EnableHotkeyBeep(1); }, Block(0, 0x9610, 0x0121)},
        {"GetHotkeyBeep", [] { GetHotkeyBeep(&b[0]); },                Block(0, 0x9610, 0x0221)},
        {"EnableModemRingWakeup(0)", [] { EnableModemRingWakeup(0); }, Block(0, 0x9611, 0x0005)},
        {"GetModemRingWakeup", [] { GetModemRingWakeup(&b[0]); },      Block(0, 0x9611, 0x0205)},
        {"EnableBattLowBeep(1)", [] { EnableBattLowBeep(1); },         Block(0, 0x9611, 0x0108)},
        {"GetBattLowBeep", [] { GetBattLowBeep(&b[0]); },              Block(0, 0x9611, 0x0208)},
        {"EnableSleepWhenBattLow(1)", [] { EnableSleepWhenBattLow(1); }, Block(0, 0x9611, 0x0109)},
        {"GetSleepWhenBattLow", [] { GetSleepWhenBattLow(&b[0]); },    Block(0, 0x9611, 0x0209)},
        {"EnableDspAlwaysOn(1)", [] { EnableDspAlwaysOn(1); },         Block(0, 0x9611, 0x010D)},
        {"GetDspAlwaysOn", [] { GetDspAlwaysOn(&b[0]); },              Block(0, 0x9611, 0x020D)},
        {"GetResumeTimer", [] { GetResumeTimer(&b[0], &b[1], &b[2], &b[3], &w[0], &w[1]); }, Block(0, 0x9611, 0x0206)},
        // 7:05:09 on 31 December 1999, timer on: CH second, CL 0, DH hour, DL minute.
        {"SetResumeTimer example", [] { SetResumeTimer(1, 0x09, 0x05, 0x07, 0x1231, 0x1999); },
                                                   Block(0, 0x9611, 0x0106, 0x0900, 0x0705, 0x1231, 0x1999)},
        {"SetResumeTimer off, 23:59:58", [] { SetResumeTimer(0, 0x58, 0x59, 0x23, 0x0101, 0x2000); },
                                                   Block(0, 0x9611, 0x0006, 0x5800, 0x2359, 0x0101, 0x2000)},
    });
}

TEST(CatalogueRequests, Display) {
    ExpectRequests({
        {"GetBrightnessContrastRange", [] { GetBrightnessContrastRange(&b[0], &b[1], &b[2], &b[3]); }, Block(0, 0x9612, 0x0008)},
        {"GetBootDisplay", [] { GetBootDisplay(&b[0]); },          Block(0, 0x9612, 0x000A)},
        {"SetBootDisplay(3)", [] { SetBootDisplay(3); },           Block(0, 0x9612, 0x010A, 0x0003)},
        {"GetDisplayDevice", [] { GetDisplayDevice(&b[0]); },      Block(0, 0x9612, 0x000B)},
        {"SetDisplayDevice(2)", [] { SetDisplayDevice(2); },       Block(0, 0x9612, 0x010B, 0x0002)},
        {"GetPanelType", [] { GetPanelType(&b[0]); },              Block(0, 0x9612, 0x000D)},
        {"GetDisplayBrightness", [] { GetDisplayBrightness(&b[0]); }, Block(0, 0x9612, 0x0007)},
        {"SetDisplayBrightness(0xFF)", [] { SetDisplayBrightness(0xFF); }, Block(0, 0x9612, 0x0107, 0x00FF)},
        {"GetDisplayContrast", [] { GetDisplayContrast(&b[0]); },  Block(0, 0x9612, 0x0006)},
        {"SetDisplayContrast(4)", [] { SetDisplayContrast(4); },   Block(0, 0x9612, 0x0106, 0x0004)},
        {"CheckMonitorConnected", [] { CheckMonitorConnected(); }, Block(0, 0x9612, 0x000C)},
    });
}

TEST(CatalogueRequests, Platform) {
    ExpectRequests({
        {"VESKCheck", [] { VESKCheck(&b[0], &w[0]); },      Block(0, 0x9610, 0x0000)},
        {"SetHotkeyButton(0)", [] { SetHotkeyButton(0); },  Block(0, 0x9612, 0x0005)},
        {"SetHotkeyButton(1)", [] { SetHotkeyButton(1); },  Block(0, 0x9612, 0x0105)},
        {"CMOSChecksum mode 1", [] { CMOSChecksum(&b[0], 1); }, Block(0, 0x9610, 0x0112)},
        {"LoadSetupDefault", [] { LoadSetupDefault(); },    Block(0, 0x9610, 0x0014)},
    });
}

// clang-format on

// ---- Buffer operations: the caller's buffer, by address, during the call ----------------

TEST(CatalogueBuffers, GetBootSeqLetsTheDriverFillTheCallersList) {
    ScriptedBios bios;
    const uint8_t biosList[16] = {2,    1,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    bios.duringCall = [&](const BiosRegs& request) {
        std::memcpy(WritableCallerBuffer(request.esi, 16), biosList, 16);
    };
    BootSequence list;
    std::memset(&list, 0x33, sizeof list);
    ASSERT_EQ(1, GetBootSeq(&list));
    EXPECT_EQ(Block(0, 0x9610, 0x0017, 0, 0, BufferAddress(&list)), bios.Requests()[0]);
    EXPECT_EQ(0, std::memcmp(biosList, list.devices, 16));
}

TEST(CatalogueBuffers, SetBootSeqHandsOverTheCallersList) {
    ScriptedBios bios;
    uint8_t seen[16] = {};
    bios.duringCall = [&](const BiosRegs& request) {
        std::memcpy(seen, ReadableCallerBuffer(request.esi, 16), 16);
    };
    BootSequence list = {
        {1, 2, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
    ASSERT_EQ(1, SetBootSeq(&list));
    EXPECT_EQ(Block(0, 0x9610, 0x0117, 0, 0, BufferAddress(&list)), bios.Requests()[0]);
    EXPECT_EQ(0, std::memcmp(list.devices, seen, 16));
}

TEST(CatalogueBuffers, PasswordsGoByAddressWithTheirLengthInCx) {
    uint8_t password[8] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0};
    struct Case {
        const char* what;
        std::function<int(uint8_t*)> call;
        uint32_t ebx, ecx;
    } cases[] = {
        // clang-format off
        {"SetChkPowerOnPasswd store", [&](uint8_t* c) { return SetChkPowerOnPasswd(c, 2, password, 7); }, 0x0207, 7},
        {"SetChkPowerOnPasswd check", [&](uint8_t* c) { return SetChkPowerOnPasswd(c, 3, password, 1); }, 0x0307, 1},
        {"SetChkSetupPasswd store", [&](uint8_t* c) { return SetChkSetupPasswd(c, 2, password, 0); }, 0x0208, 0},
        {"SetChkSetupPasswd check", [&](uint8_t* c) { return SetChkSetupPasswd(c, 3, password, 7); }, 0x0308, 7},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedBios bios;
        uint8_t seen[8] = {};
        bios.duringCall = [&](const BiosRegs& request) {
            std::memcpy(seen, ReadableCallerBuffer(request.esi, LowWord(request.ecx)),
                        LowWord(request.ecx));
        };
        uint8_t code = 0xA5;
        EXPECT_EQ(1, c.call(&code));
        EXPECT_EQ(0, code);
        EXPECT_EQ(Block(0, 0x9610, c.ebx, c.ecx, 0, BufferAddress(password)), bios.Requests()[0]);
        EXPECT_EQ(0, std::memcmp(password, seen, c.ecx));
    }
}

// ---- Decoding: each output from its register part, whatever the rest holds --------------

TEST(CatalogueDecoding, Information) {
    uint8_t flags, irq, mode, sizeCode;
    uint16_t ioBase;
    {
        ScriptedBios bios;
        //                status eax         ebx         ecx         edx
        bios.Answer(Block(0, 0x11110000, 0xAAAA01F4, 0xBBBB0602, 0xCCCC0305));
        uint8_t vendor, model, clockCode, ratioCode;
        uint16_t mhz;
        ASSERT_EQ(1, GetCpuInfo(&vendor, &model, &clockCode, &ratioCode, &mhz));
        EXPECT_EQ(2, vendor);
        EXPECT_EQ(6, model);
        EXPECT_EQ(5, clockCode);
        EXPECT_EQ(3, ratioCode);
        EXPECT_EQ(500, mhz);
    }
    {
        ScriptedBios bios;
        bios.Answer(Block(0, 0x22228001)); // GetIdeType: AL type, AH flag
        //                status eax         ebx         ecx         edx         esi
        bios.Answer(
            Block(0, 0x22220000, 0x33333333, 0xFFFF3FFF, 0xFFFF0F80, 0xFFFF123F, 0x44444444));
        uint8_t type, flag, heads, sectors;
        uint16_t cylinders;
        ASSERT_EQ(1, GetIdeType(0x80, &type, &flag));
        EXPECT_EQ(1, type);
        EXPECT_EQ(0x80, flag);
        ASSERT_EQ(1, GetIdeInfo(0x80, &cylinders, &heads, &sectors));
        EXPECT_EQ(0x3FFF, cylinders);
        EXPECT_EQ(0x0F, heads);
        EXPECT_EQ(0x3F, sectors);
    }
    {
        ScriptedBios bios;
        //                status eax         ebx         ecx         edx
        bios.Answer(Block(0, 0x12340002, 0x55555555, 0x999903F8, 0x77770104));
        ASSERT_EQ(1, GetSerialPort(0, &flags, &ioBase, &irq, &mode));
        EXPECT_EQ(2, flags);
        EXPECT_EQ(0x03F8, ioBase);
        EXPECT_EQ(4, irq);
        EXPECT_EQ(1, mode);
    }
    {
        ScriptedBios bios;
        bios.Answer(Block(0, 0x00000101, 0, 0xEEEE0203)); // AL flags, CL size code
        ASSERT_EQ(1, GetInternalCacheStatus(&flags, &sizeCode));
        EXPECT_EQ(1, flags);
        EXPECT_EQ(3, sizeCode);
        ASSERT_EQ(1, GetExtCacheStatus(&flags, &sizeCode));
        EXPECT_EQ(1, flags);
        EXPECT_EQ(3, sizeCode);
    }
    {
        ScriptedBios bios;
        bios.Answer(Block(0, 0x00000001, 0, 0x00000203)); // AL touch pad, CL pointing kind
        uint8_t state, kind;
        ASSERT_EQ(1, GetTouchPad(&state));
        EXPECT_EQ(1, state);
        ASSERT_EQ(1, GetPointDev(&kind));
        EXPECT_EQ(3, kind);
    }
}

TEST(CatalogueDecoding, VideoRamIsAlTimes64WidenedAndZeroOnFailure) {
    struct {
        const char* what;
        bool transportFails;
        BiosRegs reply;
        uint32_t kb;
    } cases[] = {
        {"AL 0xFF (AH ignored)", false, Block(0, 0x1234FFFF), 16320},
        {"AL 0x20", false, Block(0, 0x00000020), 2048},
        {"AL 0", false, Block(0, 0x00000000), 0},
        {"status failed", false, Block(0xFFFFFFFF, 0x00000020), 0},
        {"transport failed", true, Block(0, 0x00000020), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedBios bios;
        bios.Answer(c.reply);
        if (c.transportFails)
            bios.FailTransport();
        EXPECT_EQ(c.kb, GetVideoRam());
    }
}

TEST(CatalogueDecoding, SwitchesComeFromAlExceptPmuFromBh) {
    ScriptedBios bios;
    for (int i = 0; i < 9; ++i) // AL 1, BH 0 for the eight Gets and the first GetPMU
        bios.Answer(Block(0, 0x12340001, 0x00000081, 0xFFFFFFFF, 0xFFFFFFFF));
    uint8_t on = 0xA5;
    for (auto get : {GetMemoryTest, GetSilentBoot, GetCDROMBoot, GetHotkeyBeep, GetModemRingWakeup,
                     GetBattLowBeep, GetSleepWhenBattLow, GetDspAlwaysOn}) {
        on = 0xA5;
        ASSERT_EQ(1, get(&on));
        EXPECT_EQ(1, on);
    }
    ASSERT_EQ(1, GetPMU(&on));
    EXPECT_EQ(0, on);

    bios.Answer(Block(0, 0x00000000, 0x00000181)); // the next request: BH 1
    ASSERT_EQ(1, GetPMU(&on));
    EXPECT_EQ(1, on);
}

TEST(CatalogueDecoding, ResumeTimerIsReadBackInTheLayoutItIsSent) {
    ScriptedBios bios;
    //                status eax         ebx         ecx         edx         esi         edi
    bios.Answer(Block(0, 0x00000001, 0xFFFFFFFF, 0xFFFF0900, 0xFFFF0705, 0xABCD1231, 0xABCD1999));
    uint8_t on, second, minute, hour;
    uint16_t monthDay, year;
    ASSERT_EQ(1, GetResumeTimer(&on, &second, &minute, &hour, &monthDay, &year));
    EXPECT_EQ(1, on);
    EXPECT_EQ(0x09, second);
    EXPECT_EQ(0x05, minute);
    EXPECT_EQ(0x07, hour);
    EXPECT_EQ(0x1231, monthDay);
    EXPECT_EQ(0x1999, year);
}

TEST(CatalogueDecoding, Display) {
    ScriptedBios bios;
    bios.Answer(Block(0, 0x00000000, 0, 0xFFFF0F00, 0xFFFF0703));
    uint8_t contrastMax, contrastMin, brightnessMax, brightnessMin;
    ASSERT_EQ(
        1, GetBrightnessContrastRange(&contrastMax, &contrastMin, &brightnessMax, &brightnessMin));
    EXPECT_EQ(0x0F, contrastMax);
    EXPECT_EQ(0x00, contrastMin);
    EXPECT_EQ(0x07, brightnessMax);
    EXPECT_EQ(0x03, brightnessMin);

    bios.Answer(Block(0, 0x00000009, 0x01010101, 0xFFFFFF02)); // every later request
    for (auto get : {GetBootDisplay, GetDisplayDevice, GetDisplayBrightness, GetDisplayContrast}) {
        uint8_t value = 0xA5;
        ASSERT_EQ(1, get(&value));
        EXPECT_EQ(2, value) << "from CL";
    }
    uint8_t panel = 0xA5;
    ASSERT_EQ(1, GetPanelType(&panel));
    EXPECT_EQ(9, panel) << "from AL";
}

TEST(CatalogueDecoding, CheckMonitorConnectedIsTheVerdict) {
    ScriptedBios bios;
    bios.Answer(Block(0, 0x00000000));
    bios.Answer(Block(0xFFFFFFFF, 0x00000000));
    EXPECT_EQ(1, CheckMonitorConnected()) << "connected";
    EXPECT_EQ(0, CheckMonitorConnected()) << "none connected";
}

TEST(CatalogueDecoding, VeskCheckGivesVersionFromBxAndCodeFromAh) {
    ScriptedBios bios;
    bios.Answer(Block(0, 0x00000000, 0xDEAD0108));
    uint8_t code = 0xA5;
    uint16_t version = 0;
    ASSERT_EQ(1, VESKCheck(&code, &version));
    EXPECT_EQ(0, code);
    EXPECT_EQ(0x0108, version);
}

} // namespace
