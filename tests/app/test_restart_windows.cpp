// RestartWindows: the reboot is requested only once the shut-down privilege is held,
// and the token is never leaked.
#include "RestartWindows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The fake system: what it was asked, and how it answers.
struct FakeSystem {
    bool openSucceeds = true;
    bool lookupSucceeds = true;
    DWORD errorAfterAdjust = ERROR_SUCCESS;
    std::vector<std::string> calls;
    DWORD access = 0;
    std::string privilege;
    TOKEN_PRIVILEGES adjusted = {};
    BOOL disableAll = TRUE;
    UINT exitFlags = 0;
    DWORD exitReason = 1;
    DWORD lastError = 0;
};
FakeSystem* g_fake = nullptr;
HANDLE const kToken = reinterpret_cast<HANDLE>(0x5150);
const LUID kShutdownLuid = {19, 0};

BOOL WINAPI FakeOpen(HANDLE, DWORD access, PHANDLE token) {
    g_fake->calls.push_back("open");
    g_fake->access = access;
    if (!g_fake->openSucceeds)
        return FALSE;
    *token = kToken;
    return TRUE;
}

BOOL WINAPI FakeLookup(LPCSTR system, LPCSTR name, PLUID luid) {
    g_fake->calls.push_back(system ? "lookup remote" : "lookup");
    g_fake->privilege = name;
    if (!g_fake->lookupSucceeds)
        return FALSE;
    *luid = kShutdownLuid;
    return TRUE;
}

BOOL WINAPI FakeAdjust(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state, DWORD,
                       PTOKEN_PRIVILEGES previous, PDWORD) {
    g_fake->calls.push_back(token == kToken && !previous ? "adjust" : "adjust ?");
    g_fake->disableAll = disableAll;
    g_fake->adjusted = *state;
    g_fake->lastError = g_fake->errorAfterAdjust;
    return TRUE;
}

DWORD WINAPI FakeGetLastError() {
    return g_fake->lastError;
}

BOOL WINAPI FakeExit(UINT flags, DWORD reason) {
    g_fake->calls.push_back("exit windows");
    g_fake->exitFlags = flags;
    g_fake->exitReason = reason;
    return TRUE;
}

BOOL WINAPI FakeClose(HANDLE token) {
    g_fake->calls.push_back(token == kToken ? "close" : "close ?");
    return TRUE;
}

const ShutdownCalls kFakeCalls = {FakeOpen,         FakeLookup, FakeAdjust,
                                  FakeGetLastError, FakeExit,   FakeClose};

class RestartWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { g_fake = &m_system; }
    void TearDown() override { g_fake = nullptr; }
    FakeSystem m_system;
};

using Calls = std::vector<std::string>;

TEST_F(RestartWindowsTest, GrantedPrivilegeRequestsAReboot) {
    EXPECT_EQ(1, RestartWindows(kFakeCalls));

    EXPECT_EQ((Calls{"open", "lookup", "adjust", "close", "exit windows"}), m_system.calls);
    EXPECT_EQ(static_cast<DWORD>(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY), m_system.access);
    EXPECT_EQ("SeShutdownPrivilege", m_system.privilege);
    EXPECT_EQ(FALSE, m_system.disableAll);
    ASSERT_EQ(1u, m_system.adjusted.PrivilegeCount);
    EXPECT_EQ(static_cast<DWORD>(SE_PRIVILEGE_ENABLED), m_system.adjusted.Privileges[0].Attributes);
    EXPECT_EQ(0, std::memcmp(&kShutdownLuid, &m_system.adjusted.Privileges[0].Luid, sizeof(LUID)));
    EXPECT_EQ(static_cast<UINT>(EWX_REBOOT), m_system.exitFlags);
    EXPECT_EQ(0u, m_system.exitReason);
}

TEST_F(RestartWindowsTest, NoRebootWithoutThePrivilegeAndTheTokenIsClosedWhenOpened) {
    const struct {
        bool openSucceeds, lookupSucceeds;
        DWORD errorAfterAdjust;
        Calls calls;
    } cases[] = {
        {true, true, ERROR_NOT_ALL_ASSIGNED, {"open", "lookup", "adjust", "close"}},
        {false, true, ERROR_SUCCESS, {"open"}},
        {true, false, ERROR_SUCCESS, {"open", "lookup", "close"}},
    };
    for (const auto& c : cases) {
        m_system = FakeSystem();
        m_system.openSucceeds = c.openSucceeds;
        m_system.lookupSucceeds = c.lookupSucceeds;
        m_system.errorAfterAdjust = c.errorAfterAdjust;
        EXPECT_EQ(0, RestartWindows(kFakeCalls));
        EXPECT_EQ(c.calls, m_system.calls);
    }
}

} // namespace
