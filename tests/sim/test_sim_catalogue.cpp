// The driver channel and the catalogue against the in-process simulated driver:
// what each operation puts on the wire, and that it reads back what the BIOS holds.
#include "BiosCatalogue.h"
#include "BufferAddress.h"
#include "DriverChannel.h"
#include "SimDevice.h"
#include "SimProfiles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(SimDeviceTest, AnswersOnlyWhileOpen) {
    simdevice::ScopedSimDevice device;
    BiosRegs request;
    std::memset(&request, 0, sizeof request);
    request.eax = 0x9610;
    BiosRegs reply = request;
    EXPECT_FALSE(CallBios(request, reply, "VESKCheck"));
    simdevice::SetOpenFails(true);
    EXPECT_FALSE(OpenDriver());
    simdevice::SetOpenFails(false);
    ASSERT_TRUE(OpenDriver());
    ASSERT_TRUE(CallBios(request, reply, "VESKCheck"));
    EXPECT_EQ(0x0108u, reply.ebx);
    EXPECT_TRUE(CloseDriver());
    EXPECT_FALSE(CallBios(request, reply, "VESKCheck"));
}

class CatalogueOnSimTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenDriver()); }
    void TearDown() override { CloseDriver(); }

    sim::SimBios& Bios() { return device_.bios(); }
    const sim::LogEntry& Last() { return Bios().LogAt(Bios().LogCount() - 1); }
    // The newest request carries exactly these registers and zeros elsewhere.
    void ExpectWire(uint32_t ax, uint32_t bx, uint32_t ecx = 0, uint32_t esi = 0) {
        sim::Regs expected;
        std::memset(&expected, 0, sizeof expected);
        expected.eax = ax;
        expected.ebx = bx;
        expected.ecx = ecx;
        expected.esi = esi;
        const sim::Regs& sent = Last().request;
        EXPECT_EQ(0, std::memcmp(&expected, &sent, sizeof expected))
            << std::hex << "eax " << sent.eax << " ebx " << sent.ebx << " ecx " << sent.ecx
            << " esi " << sent.esi;
    }

    simdevice::ScopedSimDevice device_;
};

TEST_F(CatalogueOnSimTest, SilentBootGoesOutAsAxAndBxAlone) {
    EXPECT_EQ(1, EnableSilentBoot(1));
    ExpectWire(0x9610, 0x0116);
    uint8_t on = 0xEE;
    EXPECT_EQ(1, GetSilentBoot(&on));
    ExpectWire(0x9610, 0x0216);
    EXPECT_EQ(1, on);
    EXPECT_EQ(2u, Bios().LogCount());
}

TEST_F(CatalogueOnSimTest, BootListRoundTripThroughEsi) {
    BootSequence list;
    std::memset(list.devices, 0xFF, sizeof list.devices);
    list.devices[0] = 2;
    list.devices[1] = 1;
    list.devices[2] = 0;
    EXPECT_EQ(1, SetBootSeq(&list));
    ExpectWire(0x9610, 0x0117, 0, BufferAddress(&list));
    EXPECT_EQ(0, std::memcmp(list.devices, Last().buffer, 16));

    BootSequence back;
    std::memset(back.devices, 0xFF, sizeof back.devices);
    EXPECT_EQ(1, GetBootSeq(&back));
    ExpectWire(0x9610, 0x0017, 0, BufferAddress(&back));
    EXPECT_EQ(0, std::memcmp(list.devices, back.devices, 16));

    simdevice::SetBufferAccessFails(true);
    EXPECT_EQ(0, GetBootSeq(&back));
}

TEST_F(CatalogueOnSimTest, PasswordStoreThenCheckRightAndWrong) {
    uint8_t code = 0xEE;
    EXPECT_EQ(0, AskSetupPasswd(&code));
    uint8_t codes[8] = {0x1E, 0x30, 0x2E};
    EXPECT_EQ(1, SetChkSetupPasswd(&code, 2, codes, 3));
    ExpectWire(0x9610, 0x0208, 3, BufferAddress(codes));
    EXPECT_EQ(1, AskSetupPasswd(&code));

    EXPECT_EQ(1, SetChkSetupPasswd(&code, 3, codes, 3));
    uint8_t wrong[8] = {0x1E, 0x30, 0x2F};
    EXPECT_EQ(0, SetChkSetupPasswd(&code, 3, wrong, 3));
    EXPECT_NE(0, code);
    // Judged on AH alone, yet an unreadable buffer is never taken for a match.
    simdevice::SetBufferAccessFails(true);
    EXPECT_EQ(0, SetChkSetupPasswd(&code, 3, codes, 3));
    simdevice::SetBufferAccessFails(false);

    EXPECT_EQ(1, DisableSetupPasswd(&code));
    EXPECT_EQ(0, AskSetupPasswd(&code));
}

TEST_F(CatalogueOnSimTest, LoadSetupDefaultRestoresTheDefaults) {
    ASSERT_EQ(1, EnableMemoryTest(0));
    ASSERT_EQ(1, SetBootDisplay(2));
    ASSERT_EQ(1, SetDisplayBrightness(7));
    EXPECT_EQ(1, LoadSetupDefault());
    ExpectWire(0x9610, 0x0014);
    uint8_t value = 0xEE;
    EXPECT_EQ(1, GetMemoryTest(&value));
    EXPECT_EQ(1, value);
    EXPECT_EQ(1, GetBootDisplay(&value));
    EXPECT_EQ(3, value);
    EXPECT_EQ(1, GetDisplayBrightness(&value));
    EXPECT_EQ(4, value);
}

// The two interface-dependent decodings agree with the simulator's encodings.
TEST_F(CatalogueOnSimTest, VersionDependentOperations) {
    for (const char* profile : {"default", "old-interface"}) {
        SCOPED_TRACE(profile);
        ASSERT_TRUE(sim::LoadNamedProfile(Bios(), profile));
        uint8_t flags = 0xEE, irq = 0, mode = 0, dma = 0;
        uint16_t ioBase = 0;
        ASSERT_EQ(1, GetParellelPort(&flags, &ioBase, &irq, &mode, &dma));
        EXPECT_EQ(0x378, ioBase);
        EXPECT_EQ(3, mode);
        EXPECT_EQ(3, dma);
    }
    ASSERT_TRUE(sim::LoadNamedProfile(Bios(), "default"));
    uint32_t size = 0;
    uint8_t unit = 0xEE;
    ASSERT_EQ(1, GetSystemRam(&size, &unit));
    EXPECT_EQ(64u, size);
    EXPECT_EQ(1, unit);
}

TEST_F(CatalogueOnSimTest, ResumeTimerRoundTrip) {
    ASSERT_EQ(1, SetResumeTimer(1, 0x09, 0x05, 0x07, 0x1231, 0x1999));
    uint8_t on = 0, second = 0, minute = 0, hour = 0;
    uint16_t monthDay = 0, year = 0;
    ASSERT_EQ(1, GetResumeTimer(&on, &second, &minute, &hour, &monthDay, &year));
    EXPECT_EQ(1, on);
    EXPECT_EQ(0x09, second);
    EXPECT_EQ(0x05, minute);
    EXPECT_EQ(0x07, hour);
    EXPECT_EQ(0x1231, monthDay);
    EXPECT_EQ(0x1999, year);
}

} // namespace
