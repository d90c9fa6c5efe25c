// What only the driver path shows: the 44-byte block through DeviceIoControl, caller
// buffers reached through esi in the caller's own address space, and the requests the
// driver refuses.
#include "BiosCatalogue.h"
#include "DeviceTest.h"

#include <windows.h>

namespace {

using Transport = DeviceTest;

uint32_t AddressOf(const void* p) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p));
}

// Every byte of the block reaches the BIOS, and every byte of its answer comes back; the
// BIOS reads and writes the caller's own buffers at the addresses in esi.
TEST_F(Transport, BlocksTravelWholeAndCallerBuffersThroughEsi) {
    BiosRegs request = Request(0x9610, 0x0116);
    request.edx = 0x22222222;
    request.reserved[2] = 0x77777777;
    request.pad[1] = 0x88;
    BiosRegs reply;
    std::memset(&reply, 0xAA, sizeof reply);
    ASSERT_TRUE(CallBios(request, reply, "EnableSilentBoot"));
    BootSequence wanted = {
        {2, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
    ASSERT_EQ(1, SetBootSeq(&wanted));
    BootSequence read;
    std::memset(read.devices, 0xAA, sizeof read.devices);
    ASSERT_EQ(1, GetBootSeq(&read));
    EXPECT_EQ(0, std::memcmp(wanted.devices, read.devices, sizeof read.devices));

    const std::vector<sim::LogEntry> log = Log();
    ASSERT_EQ(3u, log.size());
    EXPECT_EQ(0, std::memcmp(&request, &log[0].request, sizeof request));
    EXPECT_EQ(0, std::memcmp(&log[0].reply, &reply, sizeof reply));
    EXPECT_EQ(AddressOf(&wanted), log[1].request.esi);
    EXPECT_EQ(AddressOf(&read), log[2].request.esi);
    const sim::BiosSettings settings = Settings();
    EXPECT_EQ(1, settings.silentBoot);
    EXPECT_EQ(0, std::memcmp(wanted.devices, settings.bootSequence, sizeof wanted.devices));
}

// Freed memory, a buffer that runs into a freed page, and read-only memory the BIOS would
// write: the call fails, and the driver goes on.
TEST_F(Transport, UnreachableBuffersFailTheCallNotTheDriver) {
    auto* pages = static_cast<uint8_t*>(
        VirtualAlloc(nullptr, 3 * 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    ASSERT_NE(nullptr, pages);
    ASSERT_TRUE(VirtualFree(pages + 4096, 2 * 4096, MEM_DECOMMIT));
    uint8_t* freed = pages + 2 * 4096;
    EXPECT_EQ(0, GetBootSeq(reinterpret_cast<BootSequence*>(freed)));
    EXPECT_EQ(0, SetBootSeq(reinterpret_cast<BootSequence*>(freed)));
    EXPECT_EQ(0, GetBootSeq(reinterpret_cast<BootSequence*>(pages + 4096 - 8))) << "straddles";
    uint8_t code = 0;
    EXPECT_EQ(0, SetChkSetupPasswd(&code, 2, freed, 3));
    EXPECT_EQ(0, Settings().setupPasswordLength);

    auto* list = reinterpret_cast<BootSequence*>(pages);
    std::memset(list->devices, 0xFF, sizeof list->devices);
    list->devices[0] = 1;
    DWORD old = 0;
    ASSERT_TRUE(VirtualProtect(pages, 4096, PAGE_READONLY, &old));
    EXPECT_EQ(1, SetBootSeq(list)) << "read-only memory can be read";
    EXPECT_EQ(1, Settings().bootSequence[0]);
    BootSequence other = *list;
    other.devices[0] = 2;
    ASSERT_EQ(1, SetBootSeq(&other));
    EXPECT_EQ(0, GetBootSeq(list));
    EXPECT_EQ(1, list->devices[0]) << "read-only memory is left as it was";
    VirtualFree(pages, 0, MEM_RELEASE);

    BootSequence read;
    EXPECT_EQ(1, GetBootSeq(&read)) << "the next request is answered as usual";
    EXPECT_EQ(2, read.devices[0]);
}

// Requests the driver refuses without answering, each followed by one that works.
TEST_F(Transport, MalformedRequestsAreRefused) {
    const BiosRegs request = Request(0x9610, 0x0000);
    uint8_t out[64] = {};
    DWORD returned = 0;
    const struct {
        const char* what;
        DWORD code, inSize, outSize;
    } refused[] = {
        {"short input", 0x222000, 43, 44},    {"short output", 0x222000, 44, 43},
        {"no buffers", 0x222000, 0, 0},       {"another function", 0x222008, 44, 44},
        {"another method", 0x222003, 44, 44},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(Send(c.code, c.inSize ? &request : nullptr, c.inSize,
                          c.outSize ? out : nullptr, c.outSize));
        ASSERT_TRUE(Send(0x222000, &request, 44, out, 44, &returned));
        EXPECT_EQ(44u, returned);
    }
    // Larger buffers are accepted; the answer is still the 44-byte block.
    ASSERT_TRUE(Send(0x222000, &request, 44, out, sizeof out, &returned));
    EXPECT_EQ(44u, returned);
}

// A request that never completes fails DeviceIoControl and leaves the caller's reply alone.
TEST_F(Transport, TransportFailureFailsTheChannel) {
    sim::Fault fault = {};
    fault.kind = sim::kFaultTransport;
    fault.ax = 0x9610;
    fault.bl = 0x16;
    ASSERT_TRUE(control_.ArmFault(fault));
    BiosRegs reply = Request(0x1234, 0x5678);
    EXPECT_FALSE(CallBios(Request(0x9610, 0x0116), reply, "EnableSilentBoot"));
    EXPECT_EQ(0x1234u, reply.eax);
    EXPECT_EQ(0x5678u, reply.ebx);
    EXPECT_EQ(0, Settings().silentBoot);
}

} // namespace
