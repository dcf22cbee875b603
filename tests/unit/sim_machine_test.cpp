#include <gtest/gtest.h>

#include "sim/machine.h"

namespace {

TEST(SimMachine, ThePlatformReachesTheMachinesOwnPorts) {
    sim::Machine m;
    port::Platform p = m.Platform();
    EXPECT_EQ(&p.loop, &m.loop);
    EXPECT_EQ(&p.files, &m.files);
    EXPECT_EQ(&p.ui, &m.ui);
    p.registry.SetValue(port::RegRoot::CurrentUser, "Software\\QAV", "A", {port::kRegDword, {1, 0, 0, 0}});
    EXPECT_EQ(m.registry.Dword(port::RegRoot::CurrentUser, "Software\\QAV", "A"), 1u);
    p.dialogs.MessageBox("hello", "", port::kMbOk);
    EXPECT_EQ(m.dialogs.boxes.size(), 1u);
}

TEST(SimMachine, TwoMachinesShareNothing) {
    sim::Machine a, b;
    a.SetOs(sim::Os::NT4);
    a.SetUser("Pat");
    a.atoms.GlobalAddAtom("RVLN!-Pat");
    a.files.AddFile("C:\\X.TXT", "x");
    a.loop.Sleep(500);
    a.AddCdrom('E');
    EXPECT_FALSE(b.system.IsNt());
    EXPECT_EQ(b.system.userName, "Chris");
    EXPECT_FALSE(b.atoms.Has("RVLN!-Pat"));
    EXPECT_FALSE(b.files.Exists("C:\\X.TXT"));
    EXPECT_EQ(b.loop.NowMs(), 0u);
    EXPECT_EQ(b.devices.GetLogicalDrives(), 1u << 2);
    EXPECT_FALSE(b.registry.HasValue(port::RegRoot::LocalMachine,
                                     "System\\CurrentControlSet\\Control\\MediaResources\\mci\\cdaudio",
                                     "Default Drive"));
}

TEST(SimMachine, TheEventLogExistsOnNtOnly) {
    sim::Machine m;
    EXPECT_FALSE(m.eventLog.ReportEvent("Ravelin", port::kEventInformation, 0, 500, {"a"}));
    m.SetOs(sim::Os::NT4);
    EXPECT_TRUE(m.eventLog.ReportEvent("Ravelin", port::kEventInformation, 0, 509, {" => ", "b "}));
    m.eventLog.failNext = 1;
    EXPECT_FALSE(m.eventLog.ReportEvent("Ravelin", port::kEventInformation, 0, 501, {}));
    ASSERT_EQ(m.eventLog.events.size(), 1u);
    EXPECT_EQ(m.eventLog.events[0].eventId, 509u);
    EXPECT_EQ(m.eventLog.events[0].strings[1], "b ");
    EXPECT_EQ(m.eventLog.failedReports, 2);
}

TEST(SimMachine, ShellResultsArePerFile) {
    sim::Machine m;
    m.shell.SetResult("C:\\TOOLS\\MISSING.EXE", 2);
    EXPECT_EQ(
        m.shell.ShellExecute(1, "open", "c:\\tools\\missing.exe", "", "C:\\TOOLS\\", port::kSwShowNormal), 2);
    EXPECT_EQ(m.shell.ShellExecute(1, "open", "NOTEPAD.EXE", "C:\\RAVELIN\\RVLN.LOG", "", port::kSwShow), 42);
    m.shell.handler = [&](const sim::ShellCall& call) {
        m.windows.AddWindow("Notepad");
        return call.verb == "print" ? 31 : 33;
    };
    EXPECT_EQ(m.shell.ShellExecute(1, "print", "A.TXT", "", "", 1), 31);
    EXPECT_EQ(m.windows.ZOrder().size(), 2u);
    ASSERT_EQ(m.shell.CallsFor("NOTEPAD.EXE").size(), 1u);
    EXPECT_EQ(m.shell.CallsFor("NOTEPAD.EXE")[0].parameters, "C:\\RAVELIN\\RVLN.LOG");
}

TEST(SimMachine, FeedbackIsRecordedWithItsTime) {
    sim::Machine m;
    m.feedback.MessageBeep(port::kMbBeepExclamation);
    m.loop.Sleep(150);
    m.feedback.FlashWindow(m.windows.ApplicationWindow(), true);
    m.feedback.WinHelp("C:\\RAVELIN\\RVLN.HLP", port::kHelpKey, 0, "menuProblems");
    ASSERT_EQ(m.feedback.beeps.size(), 1u);
    EXPECT_EQ(m.feedback.beeps[0].type, port::kMbBeepExclamation);
    ASSERT_EQ(m.feedback.flashes.size(), 1u);
    EXPECT_EQ(m.feedback.flashes[0].atMs, 150u);
    EXPECT_EQ(m.feedback.helpCalls[0].keyword, "menuProblems");
}

}  // namespace
