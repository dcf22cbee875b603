#include <gtest/gtest.h>

#include "sim/machine.h"

namespace {

TEST(SimSession, NtRefusesToShutDownWithoutThePrivilege) {
    sim::Machine m;
    m.SetOs(sim::Os::NT4);
    EXPECT_TRUE(m.session.ExitWindowsEx(port::kEwxLogoff));
    EXPECT_FALSE(m.session.ExitWindowsEx(port::kEwxShutdown));
    EXPECT_EQ(m.session.LastError(), sim::kErrPrivilegeNotHeld);
    ASSERT_TRUE(m.session.OpenProcessToken());
    ASSERT_TRUE(m.session.LookupShutdownPrivilege());
    ASSERT_TRUE(m.session.AdjustTokenPrivileges());
    m.session.CloseProcessToken();
    EXPECT_TRUE(m.session.PrivilegeEnabled());
    EXPECT_TRUE(m.session.ExitWindowsEx(port::kEwxPowerOff));
    ASSERT_EQ(m.session.exitCalls.size(), 3u);
    EXPECT_EQ(m.session.exitCalls[1].error, sim::kErrPrivilegeNotHeld);
    EXPECT_EQ(m.session.tokenCloses, 1);
    EXPECT_TRUE(m.session.SessionEnded());
}

TEST(SimSession, AdjustTokenPrivilegesCanSucceedWithoutAssigning) {
    sim::Machine m;
    m.SetOs(sim::Os::NT3);
    m.session.adjustResults.Push(true, port::kErrNotAllAssigned);
    m.session.OpenProcessToken();
    m.session.LookupShutdownPrivilege();
    EXPECT_TRUE(m.session.AdjustTokenPrivileges());
    EXPECT_EQ(m.session.LastError(), port::kErrNotAllAssigned);
    EXPECT_FALSE(m.session.PrivilegeEnabled());
    EXPECT_FALSE(m.session.ExitWindowsEx(port::kEwxReboot));

    m.session.openTokenResults.Push(false, port::kErrAccessDenied);
    EXPECT_FALSE(m.session.OpenProcessToken());
    EXPECT_EQ(m.session.LastError(), port::kErrAccessDenied);
}

TEST(SimSession, Windows98NeedsNoPrivilegeAndHasNoTokens) {
    sim::Machine m;
    EXPECT_FALSE(m.session.OpenProcessToken());
    EXPECT_EQ(m.session.LastError(), port::kErrCallNotImplemented);
    EXPECT_TRUE(m.session.ExitWindowsEx(port::kEwxShutdown));

    m.session.exitResults.Push(false, 0);
    EXPECT_FALSE(m.session.ExitWindowsEx(port::kEwxShutdown | port::kEwxForce));
    m.session.powerResults.Push(false, 50);
    EXPECT_FALSE(m.session.SetSystemPowerState(false, false));
    EXPECT_TRUE(m.session.SetSystemPowerState(true, false));
    ASSERT_EQ(m.session.powerCalls.size(), 2u);
    EXPECT_TRUE(m.session.powerCalls[1].suspend);
}

TEST(SimSystemInfo, OsKindsReportTheirVersions) {
    sim::SimSystemInfo info;
    port::OsVersion v = info.GetVersionEx();  // Windows 98 by default
    EXPECT_TRUE(v.ok);
    EXPECT_EQ(v.platformId, port::kPlatformWindows);
    EXPECT_EQ(v.minor, 10u);
    info.SetOs(sim::Os::NT3);
    v = info.GetVersionEx();
    EXPECT_EQ(v.platformId, port::kPlatformNT);
    EXPECT_EQ(v.major, 3u);
    EXPECT_EQ(v.minor, 51u);
    info.SetOs(sim::Os::Win32s);
    EXPECT_EQ(info.GetVersionEx().platformId, port::kPlatformWin32s);
    info.SetOs(sim::Os::Unknown);
    EXPECT_FALSE(info.GetVersionEx().ok);
    info.SetRawVersion(port::kPlatformWindows, 5, 0);
    EXPECT_TRUE(info.IsWin9x());

    std::string name;
    info.userNameFails = true;
    EXPECT_FALSE(info.GetUserName(name));
    EXPECT_EQ(info.GetKeyboardType(2), 12);
    EXPECT_EQ(info.GetSystemMetrics(port::kSmCxScreen), 1024);
    EXPECT_EQ(info.GetSystemMetrics(port::kSmCyIcon), 32);
    info.SetArguments("/SHUTDOWN /SAFE");
    EXPECT_EQ(info.CommandLine(), "\"C:\\RAVELIN\\RVLN.EXE\" /SHUTDOWN /SAFE");
}

}  // namespace
