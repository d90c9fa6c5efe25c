// The driver channel: what goes to the device and what comes back.
#include "DriverChannel.h"
#include "DriverDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// A scripted device: records what it was asked and answers with a prepared block.
struct Device {
    HANDLE openResult = reinterpret_cast<HANDLE>(0x1234);
    BOOL controlResult = TRUE;
    DWORD replyBytes = sizeof(BiosRegs); // how many bytes of `reply` the device writes
    BiosRegs reply, request;
    std::string opened;  // "path access share disposition"
    std::string control; // "code inSize outSize" of the last request
    HANDLE handle = nullptr;
    int closes = 0;
} g;

HANDLE WINAPI Create(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES,
                     DWORD disposition, DWORD, HANDLE) {
    char text[128];
    std::snprintf(text, sizeof text, "%s %lx %lx %lu", path, access, share, disposition);
    g.opened = text;
    return g.openResult;
}
BOOL WINAPI Control(HANDLE h, DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                    LPDWORD returned, LPOVERLAPPED) {
    char text[64];
    std::snprintf(text, sizeof text, "%lx %lu %lu", code, inSize, outSize);
    g.control = text;
    g.handle = h;
    std::memcpy(&g.request, in, sizeof g.request);
    if (h == INVALID_HANDLE_VALUE || !g.controlResult)
        return FALSE;
    std::memcpy(out, &g.reply, g.replyBytes);
    *returned = g.replyBytes;
    return TRUE;
}
BOOL WINAPI Close(HANDLE) {
    ++g.closes;
    return TRUE;
}
const DriverDevice kScripted = {Create, Control, Close};

BiosRegs Filled(uint8_t byte) {
    BiosRegs r;
    std::memset(&r, byte, sizeof r);
    return r;
}

class ChannelTest : public ::testing::Test {
protected:
    void SetUp() override {
        g = Device();
        g.reply = Filled(0x5A);
        SetDriverDevice(&kScripted);
    }
    void TearDown() override {
        CloseDriver();
        SetDriverDevice(nullptr);
    }
};

// Opened for shared reading; a failed status is still an answered request (judging it
// is the catalogue's job); a short answer is the whole block, zero beyond what came.
TEST_F(ChannelTest, SendsTheWholeBlockAndTakesTheWholeAnswer) {
    g.openResult = INVALID_HANDLE_VALUE;
    EXPECT_FALSE(OpenDriver());
    g.openResult = reinterpret_cast<HANDLE>(0x1234);
    ASSERT_TRUE(OpenDriver());
    EXPECT_EQ("\\\\.\\vovudo 80000000 1 3",
              g.opened); // GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING

    BiosRegs request = Filled(0);
    request.eax = 0x9610;
    request.ebx = 0x0116;
    g.reply.status = kBiosCallFailed;
    BiosRegs reply = Filled(0);
    ASSERT_TRUE(CallBios(request, reply, "EnableSilentBoot"));
    EXPECT_EQ("222000 44 44", g.control);
    EXPECT_EQ(reinterpret_cast<HANDLE>(0x1234), g.handle);
    EXPECT_EQ(0, std::memcmp(&request, &g.request, sizeof(BiosRegs)));
    EXPECT_EQ(0, std::memcmp(&g.reply, &reply, sizeof(BiosRegs)));

    g.replyBytes = 8; // a short answer: status and eax, the rest 0
    BiosRegs expected = Filled(0);
    expected.status = kBiosCallFailed;
    expected.eax = 0x5A5A5A5Au;
    ASSERT_TRUE(CallBios(request, reply, "EnableSilentBoot"));
    EXPECT_EQ(0, std::memcmp(&expected, &reply, sizeof(BiosRegs)));
}

TEST_F(ChannelTest, ReplyIsUntouchedWhenTheDeviceFailsOrIsClosed) {
    const BiosRegs before = Filled(0x77);
    BiosRegs reply = before;
    EXPECT_FALSE(CallBios(Filled(0), reply, "VESKCheck")) << "before OpenDriver";
    ASSERT_TRUE(OpenDriver());
    g.controlResult = FALSE;
    EXPECT_FALSE(CallBios(Filled(0), reply, "VESKCheck"));
    g.controlResult = TRUE;
    CloseDriver();
    EXPECT_EQ(1, g.closes);
    EXPECT_FALSE(CallBios(Filled(0), reply, "SetHotkeyButton")) << "after CloseDriver";
    EXPECT_EQ(INVALID_HANDLE_VALUE, g.handle);
    EXPECT_EQ(0, std::memcmp(&before, &reply, sizeof(BiosRegs)));
}

} // namespace
