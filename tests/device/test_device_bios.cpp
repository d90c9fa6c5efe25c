// The program's BIOS requests through \\.\vovudo, answered by the simulated notebook.
#include "BiosCatalogue.h"
#include "DeviceTest.h"

#include <windows.h>

namespace {

using BiosThroughDevice = DeviceTest;

TEST_F(BiosThroughDevice, SilentBootChangeReadsBackAndIsLoggedAsSent) {
    ASSERT_EQ(1, EnableSilentBoot(1));
    uint8_t on = 0xAA;
    ASSERT_EQ(1, GetSilentBoot(&on));
    EXPECT_EQ(1, on);
    EXPECT_EQ(1, Settings().silentBoot);

    const std::vector<sim::LogEntry> log = Log();
    ASSERT_EQ(2u, log.size());
    sim::Regs expected = {};
    expected.eax = 0x9610;
    expected.ebx = 0x0116;
    EXPECT_EQ(0, std::memcmp(&expected, &log[0].request, sizeof expected))
        << "every field the operation does not name goes out as 0";
    EXPECT_EQ(0x0216u, log[1].request.ebx);
    EXPECT_EQ(1u, log[0].sequence);
    EXPECT_EQ(2u, log[1].sequence);
}

TEST_F(BiosThroughDevice, InformationComesFromTheMachineProfile) {
    const sim::MachineProfile profile = Profile();
    uint8_t code = 0xAA;
    uint16_t version = 0;
    ASSERT_EQ(1, VESKCheck(&code, &version));
    EXPECT_EQ(0, code);
    EXPECT_EQ(profile.interfaceVersion, version);

    uint8_t vendor = 0, model = 0, clock = 0, ratio = 0;
    uint16_t mhz = 0;
    ASSERT_EQ(1, GetCpuInfo(&vendor, &model, &clock, &ratio, &mhz));
    EXPECT_EQ(profile.cpuVendor, vendor);
    EXPECT_EQ(profile.cpuModel, model);
    EXPECT_EQ(profile.cpuMhz, mhz);

    uint32_t size = 0;
    uint8_t unit = 0xAA;
    ASSERT_EQ(1, GetSystemRam(&size, &unit));
    EXPECT_EQ(profile.systemRamMb, size);
    EXPECT_EQ(1, unit);
    EXPECT_EQ(profile.videoRam64Kb * 64u, GetVideoRam());
}

TEST_F(BiosThroughDevice, BootListRoundTripsThroughTheCallersBuffer) {
    BootSequence wanted;
    std::memset(wanted.devices, 0xFF, sizeof wanted.devices);
    wanted.devices[0] = 2;
    wanted.devices[1] = 1;
    wanted.devices[2] = 0;
    ASSERT_EQ(1, SetBootSeq(&wanted));
    EXPECT_EQ(0, std::memcmp(wanted.devices, Settings().bootSequence, sizeof wanted.devices));

    BootSequence read;
    std::memset(read.devices, 0xAA, sizeof read.devices);
    ASSERT_EQ(1, GetBootSeq(&read));
    EXPECT_EQ(0, std::memcmp(wanted.devices, read.devices, sizeof read.devices));

    const std::vector<sim::LogEntry> log = Log();
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ(AddressOf(&wanted), log[0].request.esi);
    EXPECT_EQ(0, log[0].bufferWritten);
    EXPECT_EQ(AddressOf(&read), log[1].request.esi);
    EXPECT_EQ(1, log[1].bufferWritten);
    EXPECT_EQ(0, std::memcmp(wanted.devices, log[1].buffer, sizeof wanted.devices));
}

TEST_F(BiosThroughDevice, PasswordsAreStoredAndCheckedThroughTheCallersBuffer) {
    uint8_t password[] = {0x1E, 0x30, 0x2E};
    uint8_t code = 0xAA;
    ASSERT_EQ(1, SetChkPowerOnPasswd(&code, 2, password, sizeof password));
    EXPECT_EQ(0, code);
    EXPECT_EQ(1, AskPowerOnPasswd(&code));
    EXPECT_EQ(1, SetChkPowerOnPasswd(&code, 3, password, sizeof password));

    const sim::BiosSettings stored = Settings();
    EXPECT_EQ(sizeof password, stored.powerOnPasswordLength);
    EXPECT_EQ(0, std::memcmp(password, stored.powerOnPassword, sizeof password));
    EXPECT_EQ(0, stored.setupPasswordLength) << "the other password is untouched";

    uint8_t wrong[] = {0x1E, 0x30, 0x2F};
    EXPECT_EQ(0, SetChkPowerOnPasswd(&code, 3, wrong, sizeof wrong));
    EXPECT_NE(0, code);

    ASSERT_EQ(1, SetChkSetupPasswd(&code, 2, wrong, sizeof wrong));
    EXPECT_EQ(1, AskSetupPasswd(&code));
    EXPECT_EQ(1, SetChkSetupPasswd(&code, 3, wrong, sizeof wrong));
    EXPECT_EQ(1, DisableSetupPasswd(&code));
    EXPECT_EQ(0, AskSetupPasswd(&code));
    EXPECT_EQ(1, AskPowerOnPasswd(&code));
}

// An address the caller cannot read or write: freed pages.
class UnmappedPage {
public:
    UnmappedPage() {
        void* page = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        address_ = page;
        VirtualFree(page, 0, MEM_RELEASE);
    }
    void* get() const { return address_; }

private:
    void* address_;
};

TEST_F(BiosThroughDevice, UnreachableBufferFailsTheCallNotTheDriver) {
    UnmappedPage unmapped;
    BiosRegs reply = Request(0, 0);
    ASSERT_TRUE(CallBios(Request(0x9610, 0x0017, AddressOf(unmapped.get())), reply, "GetBootSeq"));
    EXPECT_EQ(kBiosCallFailed, reply.status);
    EXPECT_NE(0, HighByte(reply.eax)) << "AH must not read as accepted";

    EXPECT_EQ(0, GetBootSeq(static_cast<BootSequence*>(unmapped.get())));
    EXPECT_EQ(0, SetBootSeq(static_cast<BootSequence*>(unmapped.get())));
    uint8_t code = 0;
    EXPECT_EQ(0, SetChkSetupPasswd(&code, 2, static_cast<uint8_t*>(unmapped.get()), 3));
    EXPECT_EQ(0, Settings().setupPasswordLength);

    BootSequence read;
    EXPECT_EQ(1, GetBootSeq(&read)) << "the next request is answered as usual";
}

TEST_F(BiosThroughDevice, BufferMustBeReachableOverItsWholeLength) {
    // Two pages; the second is given back, so a list starting 8 bytes before it is cut.
    auto* pages = static_cast<uint8_t*>(
        VirtualAlloc(nullptr, 8192, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    ASSERT_NE(nullptr, pages);
    ASSERT_TRUE(VirtualFree(pages + 4096, 4096, MEM_DECOMMIT));
    auto* straddling = reinterpret_cast<BootSequence*>(pages + 4096 - 8);
    EXPECT_EQ(0, GetBootSeq(straddling));
    const std::vector<sim::LogEntry> log = Log();
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ(kBiosCallFailed, log[0].reply.status);

    // A read-only list can be sent but not written into.
    auto* list = reinterpret_cast<BootSequence*>(pages);
    std::memset(list->devices, 0xFF, sizeof list->devices);
    list->devices[0] = 1;
    DWORD old = 0;
    ASSERT_TRUE(VirtualProtect(pages, 4096, PAGE_READONLY, &old));
    EXPECT_EQ(1, SetBootSeq(list));
    EXPECT_EQ(1, Settings().bootSequence[0]);
    BootSequence other;
    std::memset(other.devices, 0xFF, sizeof other.devices);
    other.devices[0] = 2;
    ASSERT_EQ(1, SetBootSeq(&other));
    EXPECT_EQ(0, GetBootSeq(list));
    EXPECT_EQ(1, list->devices[0]) << "read-only memory is left as it was";
    VirtualFree(pages, 0, MEM_RELEASE);
}

TEST_F(BiosThroughDevice, SettingsRestoredByLoadSetupDefault) {
    sim::BiosSettings defaults = Settings();
    ASSERT_EQ(1, EnableSilentBoot(1));
    ASSERT_EQ(1, EnableMemoryTest(0));
    ASSERT_EQ(1, SetBootDisplay(2));
    ASSERT_EQ(1, EnableModemRingWakeup(1));
    ASSERT_EQ(1, SetResumeTimer(1, 0x09, 0x05, 0x07, 0x1231, 0x1999));
    uint8_t on = 0, second = 0, minute = 0, hour = 0;
    uint16_t monthDay = 0, year = 0;
    ASSERT_EQ(1, GetResumeTimer(&on, &second, &minute, &hour, &monthDay, &year));
    EXPECT_EQ(0x07, hour);
    EXPECT_EQ(0x1231, monthDay);
    const sim::BiosSettings changed = Settings();
    EXPECT_NE(0, std::memcmp(&defaults, &changed, sizeof defaults));

    ASSERT_EQ(1, LoadSetupDefault());
    uint8_t code = 0;
    ASSERT_EQ(1, CMOSChecksum(&code, 1));
    defaults.checksumCalls = 1;
    const sim::BiosSettings restored = Settings();
    EXPECT_EQ(0, std::memcmp(&defaults, &restored, sizeof defaults));
}

// Requests the driver must refuse without answering, each followed by a request that works.
TEST_F(BiosThroughDevice, MalformedRequestsAreRefused) {
    HANDLE device = CreateFileA("\\\\.\\vovudo", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, device) << kNoDriver;
    BiosRegs request = Request(0x9610, 0x0000);
    uint8_t out[64] = {};
    DWORD returned = 0;
    struct Case {
        const char* what;
        DWORD code, inSize, outSize;
    };
    const Case refused[] = {
        {"short input", 0x222000, 43, 44},    {"short output", 0x222000, 44, 43},
        {"no buffers", 0x222000, 0, 0},       {"another function", 0x222008, 44, 44},
        {"another method", 0x222003, 44, 44},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(DeviceIoControl(device, c.code, c.inSize ? &request : nullptr, c.inSize,
                                     c.outSize ? out : nullptr, c.outSize, &returned, nullptr));
        returned = 0;
        ASSERT_TRUE(DeviceIoControl(device, 0x222000, &request, 44, out, 44, &returned, nullptr));
        EXPECT_EQ(44u, returned);
    }

    // Larger buffers are accepted; the answer is still the 44-byte block.
    ASSERT_TRUE(
        DeviceIoControl(device, 0x222000, &request, 44, out, sizeof out, &returned, nullptr));
    EXPECT_EQ(44u, returned);
    CloseHandle(device);
}

TEST_F(BiosThroughDevice, NamedMachinesChangeWhatTheBiosAnswers) {
    ASSERT_TRUE(control_.LoadProfile("no-vesk")) << "error " << control_.LastError();
    uint8_t code = 0;
    uint16_t version = 0;
    EXPECT_EQ(0, VESKCheck(&code, &version));

    ASSERT_TRUE(control_.LoadProfile("default"));
    EXPECT_EQ(1, VESKCheck(&code, &version));

    sim::MachineProfile profile = Profile();
    profile.contrastMin = 2;
    profile.contrastMax = 9;
    profile.brightnessMin = 1;
    profile.brightnessMax = 5;
    ASSERT_TRUE(control_.LoadProfile(profile));
    uint8_t contrastMax = 0, contrastMin = 0, brightnessMax = 0, brightnessMin = 0;
    ASSERT_EQ(
        1, GetBrightnessContrastRange(&contrastMax, &contrastMin, &brightnessMax, &brightnessMin));
    EXPECT_EQ(9, contrastMax);
    EXPECT_EQ(2, contrastMin);
    EXPECT_EQ(5, brightnessMax);
    EXPECT_EQ(1, brightnessMin);
}

} // namespace
