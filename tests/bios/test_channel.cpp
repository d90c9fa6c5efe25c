// The driver channel: what goes to the device and what comes back.
#include "DriverChannel.h"
#include "DriverDevice.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A scripted device: records the last request and answers with a prepared block.
struct ScriptedDevice {
    static HANDLE openResult;
    static BOOL controlResult;
    static DWORD replyBytes; // how many bytes of `reply` the device writes
    static BiosRegs reply;
    static BiosRegs lastRequest;
    static DWORD lastCode, lastInSize, lastOutSize;
    static HANDLE lastHandle;
    static int closes;
    static char lastPath[64];
    static DWORD lastAccess, lastShare, lastDisposition;

    static HANDLE WINAPI Create(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES,
                                DWORD disposition, DWORD, HANDLE) {
        snprintf(lastPath, sizeof lastPath, "%s", path);
        lastAccess = access;
        lastShare = share;
        lastDisposition = disposition;
        return openResult;
    }
    static BOOL WINAPI Control(HANDLE h, DWORD code, LPVOID in, DWORD inSize, LPVOID out,
                               DWORD outSize, LPDWORD returned, LPOVERLAPPED) {
        lastHandle = h;
        lastCode = code;
        lastInSize = inSize;
        lastOutSize = outSize;
        std::memcpy(&lastRequest, in, sizeof lastRequest);
        if (h == INVALID_HANDLE_VALUE || !controlResult)
            return FALSE;
        std::memcpy(out, &reply, replyBytes);
        *returned = replyBytes;
        return TRUE;
    }
    static BOOL WINAPI Close(HANDLE) {
        ++closes;
        return TRUE;
    }
};
HANDLE ScriptedDevice::openResult;
BOOL ScriptedDevice::controlResult;
DWORD ScriptedDevice::replyBytes;
BiosRegs ScriptedDevice::reply;
BiosRegs ScriptedDevice::lastRequest;
DWORD ScriptedDevice::lastCode, ScriptedDevice::lastInSize, ScriptedDevice::lastOutSize;
HANDLE ScriptedDevice::lastHandle;
int ScriptedDevice::closes;
char ScriptedDevice::lastPath[64];
DWORD ScriptedDevice::lastAccess, ScriptedDevice::lastShare, ScriptedDevice::lastDisposition;

const DriverDevice kScripted = {ScriptedDevice::Create, ScriptedDevice::Control,
                                ScriptedDevice::Close};

class ChannelTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDriverDevice(&kScripted);
        ScriptedDevice::openResult = reinterpret_cast<HANDLE>(0x1234);
        ScriptedDevice::controlResult = TRUE;
        ScriptedDevice::replyBytes = sizeof(BiosRegs);
        std::memset(&ScriptedDevice::reply, 0x5A, sizeof(BiosRegs));
        ScriptedDevice::closes = 0;
    }
    void TearDown() override {
        CloseDriver();
        SetDriverDevice(nullptr);
    }
    static BiosRegs Filled(uint8_t byte) {
        BiosRegs r;
        std::memset(&r, byte, sizeof r);
        return r;
    }
};

TEST_F(ChannelTest, OpensTheDeviceForSharedReading) {
    ASSERT_TRUE(OpenDriver());
    EXPECT_STREQ("\\\\.\\vovudo", ScriptedDevice::lastPath);
    EXPECT_EQ(static_cast<DWORD>(GENERIC_READ), ScriptedDevice::lastAccess);
    EXPECT_EQ(static_cast<DWORD>(FILE_SHARE_READ), ScriptedDevice::lastShare);
    EXPECT_EQ(static_cast<DWORD>(OPEN_EXISTING), ScriptedDevice::lastDisposition);

    ScriptedDevice::openResult = INVALID_HANDLE_VALUE;
    EXPECT_FALSE(OpenDriver());
}

TEST_F(ChannelTest, SendsTheWholeBlockWithTheBiosControlCode) {
    ASSERT_TRUE(OpenDriver());
    BiosRegs request = Filled(0);
    request.eax = 0x9610;
    request.ebx = 0x0116;
    BiosRegs reply = Filled(0);
    ASSERT_TRUE(CallBios(request, reply, "EnableSilentBoot"));
    EXPECT_EQ(0x222000u, ScriptedDevice::lastCode);
    EXPECT_EQ(44u, ScriptedDevice::lastInSize);
    EXPECT_EQ(44u, ScriptedDevice::lastOutSize);
    EXPECT_EQ(0, std::memcmp(&request, &ScriptedDevice::lastRequest, sizeof request));
    EXPECT_EQ(reinterpret_cast<HANDLE>(0x1234), ScriptedDevice::lastHandle);
}

TEST_F(ChannelTest, FailedStatusIsStillAnAnsweredRequest) {
    ASSERT_TRUE(OpenDriver());
    ScriptedDevice::reply = Filled(0);
    ScriptedDevice::reply.status = 0xFFFFFFFF;
    BiosRegs reply = Filled(0x11);
    EXPECT_TRUE(CallBios(Filled(0), reply, "GetSilentBoot"));
    EXPECT_EQ(0xFFFFFFFFu, reply.status);
}

TEST_F(ChannelTest, ReplyIsUntouchedWhenTheDeviceFailsOrIsClosed) {
    BiosRegs reply = Filled(0x77);
    const BiosRegs before = reply;
    EXPECT_FALSE(CallBios(Filled(0), reply, "VESKCheck")) << "before OpenDriver";
    EXPECT_EQ(0, std::memcmp(&before, &reply, sizeof reply));

    ASSERT_TRUE(OpenDriver());
    ScriptedDevice::controlResult = FALSE;
    EXPECT_FALSE(CallBios(Filled(0), reply, "VESKCheck"));
    EXPECT_EQ(0, std::memcmp(&before, &reply, sizeof reply));

    ScriptedDevice::controlResult = TRUE;
    CloseDriver();
    EXPECT_EQ(1, ScriptedDevice::closes);
    EXPECT_FALSE(CallBios(Filled(0), reply, "SetHotkeyButton")) << "after CloseDriver";
    EXPECT_EQ(INVALID_HANDLE_VALUE, ScriptedDevice::lastHandle);
    EXPECT_EQ(0, std::memcmp(&before, &reply, sizeof reply));
}

TEST_F(ChannelTest, ShortReplyStillFillsAllBytesWithZerosBeyondIt) {
    ASSERT_TRUE(OpenDriver());
    ScriptedDevice::replyBytes = 8; // status and eax only
    BiosRegs reply = Filled(0x77);
    ASSERT_TRUE(CallBios(Filled(0), reply, "GetCpuInfo"));
    EXPECT_EQ(0x5A5A5A5Au, reply.eax);
    EXPECT_EQ(0u, reply.ebx);
    EXPECT_EQ(0u, reply.edi);
    EXPECT_EQ(0, reply.control[0] | reply.control[1] | reply.pad[0] | reply.pad[1]);
}

} // namespace
