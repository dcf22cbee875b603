// The shutdown engine from the window session and from the command line.
#include <gtest/gtest.h>
#include "app/form1.h"
#include "app/program.h"
#include "log/log_actions.h"
#include "shutdown/engine.h"
#include "shutdown/launch_file.h"
#include "shutdown/methods.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using sim::BoxKind;

constexpr const char* kGuards = "Software\\QAV\\Ravelin\\LocalUser\\Guards";

class EngineTest : public program_test::ProgramTest {
  protected:
    void Start(sim::Os os = sim::Os::Win98, const std::string& args = {}) {
        ProgramTest::Start(os);
        // The command line the command-line methods see; start-up itself ran without it.
        if (!args.empty()) program->State().params = cmdline::Parameters("RVLN " + args);
    }
    // Selects the list position and presses the main button.
    void Run(int position) {
        form->ComboBox1.SetItemIndex(position);
        form->Button1.Click();
    }
    shutdown::Engine& engine() { return program->State().engine; }
    bool Ended() const { return program->State().ended; }
};

TEST_F(EngineTest, ShutdownOnWindows98EndsTheSessionAndTheProgram) {
    Start();
    Run(0);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{shutdown::EWX_SHUTDOWN});
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(machine.loop.Terminated());
    EXPECT_FALSE(machine.atoms.Has("RVLN!-Chris"));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(engine().state.currentLogCode, 0);
    EXPECT_EQ(engine().state.triggerKind, 0);
}

TEST_F(EngineTest, EachListPositionPassesItsFlags) {
    const std::pair<int, std::uint32_t> cases[] = {{0, 1}, {1, 2}, {2, 0}, {3, 5}, {4, 6}, {5, 4}};
    for (auto [position, flags] : cases) {
        sim::Machine m;
        port::Platform p = m.Platform();
        app::Program prog(p);
        ASSERT_TRUE(prog.Start());
        prog.Form()->ComboBox1.SetItemIndex(position);
        prog.Form()->Button1.Click();
        ASSERT_EQ(m.session.exitCalls.size(), 1u) << position;
        EXPECT_EQ(m.session.exitCalls[0].flags, flags) << position;
    }
}

TEST_F(EngineTest, RefusedRequestShowsHelpAndTheErrorBoxThenEnds) {
    Start();
    machine.session.exitResults.Push(false, 5);
    Run(1);
    ASSERT_EQ(machine.feedback.helpCalls.size(), 1u);
    EXPECT_EQ(machine.feedback.helpCalls[0].keyword, "menuProblems");
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "ERROR: Not able to shut down or power-off this way!\rPlease restart and try another function. "
        "Consult "
        "the FAQ\rsection of the online-help for further information ...\r\r(Clicking on >> OK << closes the "
        "online-help too!)");
    EXPECT_TRUE(Ended());
}

TEST_F(EngineTest, LogOffFailureHasTheShorterHeading) {
    EXPECT_EQ(shutdown::Engine::NotAbleText(0).substr(0, 40), "ERROR: Not able to shut down this way!\rP");
    EXPECT_EQ(shutdown::Engine::NotAbleText(4).substr(0, 38), "ERROR: Not able to shut down this way!");
    EXPECT_EQ(shutdown::Engine::NotAbleText(5).substr(0, 51),
              "ERROR: Not able to shut down or power-off this way!");
}

TEST_F(EngineTest, ForceOnWindows9xCountsAsSuccessWhateverWindowsSays) {
    Start(sim::Os::Win95);
    machine.session.exitResults.Push(false, 0);
    Run(3);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{5});
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(Ended());
}

TEST_F(EngineTest, ForceRefusedByAGuardedProgramExplainsThenFails) {
    Start();
    machine.AddForeignWindow("REGEDIT_REGEDIT");
    form->ComboBox1.SetItemIndex(4);  // by code: no selection guard runs
    form->Button1.Click();
    EXPECT_TRUE(machine.session.exitCalls.empty());
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(machine.dialogs.boxes[1].kind, BoxKind::Error);
    EXPECT_TRUE(Ended());
}

// Only a shutdown that goes ahead is logged: neither a refused FORCE nor a missing privilege
// leaves an entry, while Windows refusing the request itself still does (the attempt happened).
TEST_F(EngineTest, OnlyARequestThatReachesWindowsIsLogged) {
    constexpr const char* kLog = "C:\\RAVELIN\\RVLN.LOG";
    Start(sim::Os::NT4);
    machine.AddForeignWindow("REGEDIT_REGEDIT");
    form->ComboBox1.SetItemIndex(3);
    form->Button1.Click();
    EXPECT_TRUE(machine.session.exitCalls.empty());
    EXPECT_FALSE(machine.files.Exists(kLog));

    sim::Machine m;
    m.SetOs(sim::Os::NT4);
    m.session.openTokenResults.Push(false, 5);
    port::Platform p = m.Platform();
    app::Program prog(p);
    ASSERT_TRUE(prog.Start());
    prog.State().form->ComboBox1.SetItemIndex(0);
    prog.State().form->Button1.Click();
    EXPECT_TRUE(m.session.exitCalls.empty());
    EXPECT_FALSE(m.files.Exists(kLog));

    sim::Machine refused;
    refused.SetOs(sim::Os::NT4);
    refused.session.exitResults.Push(false, 5);
    port::Platform rp = refused.Platform();
    app::Program refusedProg(rp);
    ASSERT_TRUE(refusedProg.Start());
    refusedProg.State().form->ComboBox1.SetItemIndex(0);
    refusedProg.State().form->Button1.Click();
    ASSERT_EQ(refused.session.exitCalls.size(), 1u);
    EXPECT_NE(refused.files.FileBytes(kLog).value_or("").find("has shut down with"), std::string::npos);
}

// Restarting Windows 95/98 moves DOSSTART.BAT aside only once the value that brings it back is
// stored; a refused value leaves the file where it is.
TEST_F(EngineTest, RefusedRunOnceValueKeepsDosStart) {
    Start(sim::Os::Win98);
    machine.files.AddFile("C:\\WINDOWS\\DOSSTART.BAT", "@ECHO OFF\r\n");
    machine.files.AddFile("C:\\RAVELIN\\RVLNEXIT.PIF", "pif");
    machine.registry.DenyWrites(port::RegRoot::LocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
    Run(10);
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\DOSSTART.BAT"), "@ECHO OFF\r\n");
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\DOSSTART.~TM"));
    ASSERT_FALSE(machine.dialogs.boxes.empty());
    EXPECT_EQ(machine.dialogs.boxes[0].text.rfind("Registry ERROR!", 0), 0u);
    ASSERT_EQ(machine.shell.calls.size(), 1u);  // the restart itself goes on

    // A copy that fails takes the value back, so that nothing is restored from a missing file.
    sim::Machine m;
    m.SetOs(sim::Os::Win98);
    port::Platform p = m.Platform();
    app::Program prog(p);
    ASSERT_TRUE(prog.Start());
    m.files.AddFile("C:\\WINDOWS\\DOSSTART.BAT", "@ECHO OFF\r\n");
    m.files.InjectFailure(sim::FileOp::Copy, 5);
    prog.State().form->ComboBox1.SetItemIndex(10);
    prog.State().form->Button1.Click();
    EXPECT_TRUE(m.files.Exists("C:\\WINDOWS\\DOSSTART.BAT"));
    EXPECT_FALSE(m.registry.Raw(port::RegRoot::LocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce", "RVLN"));
}

// A standard user cannot write beside a program installed under Program Files: the log goes to
// the user's own folder without a box, and showing and erasing find it there.
TEST_F(EngineTest, UnwritableProgramFolderLogsInTheUsersFolder) {
    constexpr const char* kUserLog = "C:\\USERS\\CHRIS\\APPDATA\\LOCAL\\Ravelin\\RVLN.LOG";
    machine.files.AddDirectory("C:\\USERS\\CHRIS\\APPDATA\\LOCAL");
    machine.files.InjectFailure(sim::FileOp::Write, port::kErrAccessDenied, -1, "C:\\RAVELIN");
    Start(sim::Os::Win98);
    Run(7);  // TEST
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Information);
    EXPECT_NE(machine.files.FileBytes(kUserLog).value_or("").find("has shut down with"), std::string::npos);
    EXPECT_FALSE(machine.files.Exists("C:\\RAVELIN\\RVLN.LOG"));
    EXPECT_TRUE(eventlog::LogFileExists(program->State()));
    eventlog::ShowLog(*form);
    ASSERT_FALSE(machine.shell.calls.empty());
    EXPECT_EQ(machine.shell.calls.back().directory + machine.shell.calls.back().parameters, kUserLog);
    machine.dialogs.Answer(port::kIdYes);
    eventlog::EraseLog(*form);
    EXPECT_FALSE(machine.files.Exists(kUserLog));
}

TEST_F(EngineTest, NtEnablesThePrivilegeFirst) {
    Start(sim::Os::NT4);
    Run(1);
    EXPECT_EQ(machine.session.tokenOpens, 1);
    EXPECT_EQ(machine.session.adjusts, 1);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{2});
    EXPECT_TRUE(machine.session.exitCalls[0].ok);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(EngineTest, NtPowerOffUsesThePowerOffFlag) {
    Start(sim::Os::NT4);
    Run(6);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{shutdown::EWX_POWEROFF});
}

TEST_F(EngineTest, PrivilegeFailuresEachHaveTheirBox) {
    struct Case {
        int step;
        std::uint32_t error;
        const char* text;  // nullptr: counts as success
    };
    const Case cases[] = {{0, 5, "ERROR: OpenProcessToken denied"},
                          {1, 1313, "ERROR: LookupPrivilegeValue"},
                          {2, 5, "ERROR: AdjustTokenPrivileges denied."},
                          {2, 0, nullptr}};
    for (const Case& c : cases) {
        sim::Machine m;
        m.SetOs(sim::Os::NT4);
        if (c.step == 0) m.session.openTokenResults.Push(false, c.error);
        if (c.step == 1) m.session.lookupResults.Push(false, c.error);
        if (c.step == 2) m.session.adjustResults.Push(false, c.error);
        port::Platform p = m.Platform();
        app::Program prog(p);
        ASSERT_TRUE(prog.Start());
        m.session.exitResults.Push(true, 0);
        const bool ok = prog.State().engine.EnableShutdownPrivilege();
        if (c.text) {
            EXPECT_FALSE(ok) << c.text;
            ASSERT_EQ(m.dialogs.boxes.size(), 1u) << c.text;
            EXPECT_EQ(m.dialogs.boxes[0].text, c.text);
            EXPECT_EQ(m.dialogs.boxes[0].kind, BoxKind::Error);
        } else {
            EXPECT_TRUE(ok);
            EXPECT_TRUE(m.dialogs.boxes.empty());
        }
        EXPECT_FALSE(m.session.TokenOpen());  // never left open
    }
}

TEST_F(EngineTest, PrivilegeFailureSkipsTheRequest) {
    Start(sim::Os::NT3);
    machine.session.openTokenResults.Push(false, 5);
    Run(0);
    EXPECT_TRUE(machine.session.exitCalls.empty());
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[0].text, "ERROR: OpenProcessToken denied");
    EXPECT_TRUE(Ended());
}

TEST_F(EngineTest, PowerOffLearnsTheFirstWay) {
    Start(sim::Os::Win98);
    machine.session.powerResults.Push(true, 0);
    machine.dialogs.Answer(port::kIdYes);  // "Was the system powered down?"
    Run(6);
    ASSERT_EQ(machine.session.powerCalls.size(), 1u);
    EXPECT_FALSE(machine.session.powerCalls[0].suspend);
    EXPECT_EQ(machine.registry.Dword(port::RegRoot::CurrentUser, kGuards, "PowerResult"), 1u);
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].text, "Was the system powered down?");
    // Suspended and woken: the program goes on with its window back.
    ASSERT_FALSE(machine.feedback.beeps.empty());
    EXPECT_EQ(machine.feedback.beeps.back().type, port::kMbBeepAsterisk);
    EXPECT_FALSE(Ended());
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->PendingMethodCode, 0);
    EXPECT_FALSE(engine().state.resumedFromSuspend);
}

TEST_F(EngineTest, PowerOffLearningFallsBackToExitWindows) {
    Start(sim::Os::Win95);
    machine.session.powerResults.Push(false, 50);
    machine.session.powerResults.Push(false, 50);
    machine.dialogs.Answer({port::kIdYes, port::kIdYes});
    Run(6);
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "The system is not ready to suspend now!\r\rDo you want to try to force going into suspend-\rmode? "
        "(Unsaved data may got lost!)");
    EXPECT_EQ(machine.dialogs.boxes[1].text,
              "The system is not able to suspend this way!\r\rDo you want to try an alternative mode, which "
              "will\rtry "
              "to shut down and then power-off the system?\r(This is not supported by all systems.)");
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{shutdown::EWX_POWEROFF});
    EXPECT_EQ(machine.registry.Dword(port::RegRoot::CurrentUser, kGuards, "PowerResult"), 3u);
    EXPECT_TRUE(Ended());
}

TEST_F(EngineTest, AFailingStoredWayIsNotForgotten) {
    Start(sim::Os::Win98);
    machine.registry.SetDword(port::RegRoot::CurrentUser, kGuards, "PowerResult", 2);
    machine.session.powerResults.Push(false, 50);
    Run(6);
    ASSERT_EQ(machine.session.powerCalls.size(), 1u);
    EXPECT_TRUE(machine.session.powerCalls[0].suspend);
    EXPECT_EQ(machine.registry.Dword(port::RegRoot::CurrentUser, kGuards, "PowerResult"), 2u);
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_TRUE(Ended());
}

TEST_F(EngineTest, InvalidPowerOffIndexIsResetThenMarked) {
    Start(sim::Os::Win98);
    machine.registry.SetDword(port::RegRoot::CurrentUser, kGuards, "PowerResult", 99);
    machine.session.powerResults.Push(false, 50);
    machine.dialogs.Answer(port::kIdNo);
    EXPECT_FALSE(engine().PowerOffApm());
    EXPECT_EQ(machine.registry.Dword(port::RegRoot::CurrentUser, kGuards, "PowerResult"), 0u);

    machine.registry.SetDword(port::RegRoot::CurrentUser, kGuards, "PowerResult", 7);
    EXPECT_FALSE(engine().PowerOffApm());
    EXPECT_EQ(machine.registry.Dword(port::RegRoot::CurrentUser, kGuards, "PowerResult"), 99u);
    EXPECT_EQ(machine.dialogs.Last()->text, "Invalid power-off index!\rPlease try again!");
}

TEST_F(EngineTest, TestMethodShowsItsBoxAndRestartsTheProgram) {
    Start();
    Run(7);
    EXPECT_TRUE(machine.session.exitCalls.empty());
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "This is a message, generated by\r Ravelin v3.31\r\rUse this to test Ravelin or\rto be reminded at a "
        "specific time,\rwithout being thrown out of the system.");
    ASSERT_FALSE(machine.feedback.beeps.empty());
    EXPECT_EQ(machine.feedback.beeps[0].type, port::kMbBeepExclamation);
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].file, "C:\\RAVELIN\\RVLN.EXE");
    EXPECT_EQ(machine.shell.calls[0].parameters, "/Q");
    EXPECT_EQ(machine.shell.calls[0].verb, "open");
    EXPECT_EQ(machine.shell.calls[0].directory, "C:\\RAVELIN\\");
    EXPECT_FALSE(machine.atoms.Has("RVLN!-Chris"));
    EXPECT_TRUE(Ended());
}

TEST_F(EngineTest, FailedRelaunchKeepsTheInstanceMarked) {
    Start();
    machine.shell.SetResult("C:\\RAVELIN\\RVLN.EXE", 2);
    Run(7);
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[1].text, "ERROR: The specified file was not found!");
    EXPECT_TRUE(machine.atoms.Has("RVLN!-Chris"));
    EXPECT_FALSE(Ended());
    EXPECT_EQ(form->PendingMethodCode, 0);
}

TEST_F(EngineTest, NtConsoleOpensCommandComAndGoesOn) {
    Start(sim::Os::NT4);
    machine.files.AddFile("C:\\WINDOWS\\SYSTEM32\\COMMAND.COM", "MZ");
    Run(9);
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].file, "C:\\WINDOWS\\SYSTEM32\\COMMAND.COM");
    EXPECT_FALSE(Ended());
    EXPECT_EQ(form->PendingMethodCode, 0);
    Run(9);  // accepted again
    EXPECT_EQ(machine.shell.calls.size(), 2u);
}

TEST_F(EngineTest, MsDosModePrefersTheProgramsPif) {
    Start(sim::Os::Win98);
    machine.files.AddFile("C:\\RAVELIN\\RVLNDOS.PIF", "pif");
    machine.files.AddFile("C:\\WINDOWS\\_DEFAULT.PIF", "pif");
    Run(8);
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].file, "C:\\RAVELIN\\RVLNDOS.PIF");
    EXPECT_TRUE(Ended());
}

TEST_F(EngineTest, MsDosModeWithoutSupportFiles) {
    Start(sim::Os::Win95);
    machine.files.AddFile("C:\\WINDOWS\\SYSTEM32\\COMMAND.COM", "MZ");  // not used on Windows 95
    Run(8);
    EXPECT_TRUE(machine.shell.calls.empty());
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "ERROR: File not found!\r\rEither RVLNDOS.PIF (in the Ravelin folder)\ror _DEFAULT.PIF (in your "
        "Windows\xC2\xAE folder) has to\rexist to support this function!");
    EXPECT_TRUE(Ended());
}

TEST_F(EngineTest, RestartWindowsKeepsDosStartAsideAndQuotesThePath) {
    machine.system.executablePath = "C:\\PROGRAM FILES\\RAVELIN\\RVLN.EXE";
    Start(sim::Os::Win98);
    machine.files.AddFile("C:\\WINDOWS\\DOSSTART.BAT", "@ECHO OFF\r\n");
    machine.files.AddFile("C:\\WINDOWS\\_DEFAULT.PIF", "pif");
    Run(10);
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\DOSSTART.BAT"));
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\DOSSTART.~TM"), "@ECHO OFF\r\n");
    EXPECT_EQ(machine.registry.String(port::RegRoot::LocalMachine,
                                      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce", "RVLN"),
              "\"C:\\PROGRAM FILES\\RAVELIN\\RVLN.EXE\" /DOSSTART");
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].file, "C:\\WINDOWS\\_DEFAULT.PIF");
    EXPECT_EQ(machine.shell.calls[0].parameters, "/C EXIT");
    EXPECT_TRUE(Ended());

    program->State().engine.RestoreDosStart();
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\DOSSTART.BAT"), "@ECHO OFF\r\n");
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\DOSSTART.~TM"));
}

TEST_F(EngineTest, RestartWithoutRoomLeavesDosStartAlone) {
    Start(sim::Os::Win98);
    machine.files.AddFile("C:\\WINDOWS\\DOSSTART.BAT", std::string(4000, 'x'));
    machine.files.SetFreeBytes('C', 100);
    machine.files.AddFile("C:\\RAVELIN\\RVLNEXIT.PIF", "pif");
    Run(10);
    EXPECT_TRUE(machine.files.Exists("C:\\WINDOWS\\DOSSTART.BAT"));
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\DOSSTART.~TM"));
    ASSERT_FALSE(machine.dialogs.boxes.empty());
    EXPECT_EQ(machine.dialogs.boxes[0].text,
              "Not enough space on drive: [C] to copy:\rC:\\WINDOWS\\DOSSTART.BAT");
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].file, "C:\\RAVELIN\\RVLNEXIT.PIF");
}

TEST_F(EngineTest, RestartWithoutAnExitPif) {
    Start(sim::Os::Win98);
    Run(10);
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].text, "ERROR: RVLNEXIT.PIF or C:\\WINDOWS\\_DEFAULT.PIF not found!");
}

TEST_F(EngineTest, SafeQuestionDeclinedEndsNothing) {
    Start(sim::Os::Win98, "/REBOOT /SAFE");
    machine.dialogs.Answer(port::kIdNo);
    EXPECT_FALSE(engine().ExecuteCommandLineMethod(1));
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Confirmation);
    EXPECT_EQ(machine.dialogs.boxes[0].text, "Do you really want to shutdown\rand reboot the system?");
    EXPECT_TRUE(machine.session.exitCalls.empty());
    EXPECT_FALSE(Ended());
}

TEST_F(EngineTest, CommandLineMethodEndsTheSessionWithoutSaving) {
    Start(sim::Os::Win98, "/FSHUTDOWN /SAFE");
    machine.dialogs.Answer(port::kIdYes);
    const int writesBefore = machine.registry.WriteCalls();
    EXPECT_TRUE(engine().ExecuteCommandLineMethod(3));
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{5});
    EXPECT_EQ(machine.registry.WriteCalls(), writesBefore);
    EXPECT_EQ(engine().state.triggerKind, shutdown::TRIGGER_COMMAND_LINE);
    EXPECT_EQ(engine().state.currentLogCode, 3);
    EXPECT_EQ(engine().state.commandLineMethodName, "FORCE         ShutDown* (+Pw. OFF)");
    EXPECT_FALSE(engine().state.commandLineRun);
    EXPECT_TRUE(Ended());
}

TEST_F(EngineTest, SafeMustBeTheWholeWord) {
    Start(sim::Os::Win98, "/SAFEX");
    EXPECT_TRUE(engine().ExecuteCommandLineMethod(0));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(EngineTest, CommandLineNamesAndLogCodesPerSystem) {
    Start(sim::Os::NT4);
    machine.files.AddFile("C:\\WINDOWS\\SYSTEM32\\COMMAND.COM", "MZ");
    EXPECT_TRUE(engine().ExecuteCommandLineMethod(7));
    EXPECT_EQ(engine().state.currentLogCode, 9);
    EXPECT_EQ(engine().state.commandLineMethodName, "Windows NT - Commandline");
    EXPECT_EQ(machine.shell.calls.size(), 1u);
}

TEST_F(EngineTest, RestartIsIgnoredOnNt) {
    Start(sim::Os::NT4, "/RESTART /SAFE");
    EXPECT_FALSE(engine().ExecuteCommandLineMethod(8));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(machine.shell.calls.empty());
}

TEST_F(EngineTest, ASecondTriggerWhilePendingIsIgnored) {
    Start();
    form->CheckBox4.SetChecked(true);  // timer on: the main action arms the countdown
    Run(0);
    EXPECT_TRUE(form->CountdownRunning);
    EXPECT_EQ(form->PendingMethodCode, 1);
    Run(2);
    EXPECT_EQ(form->PendingMethodCode, 1);
    EXPECT_TRUE(machine.session.exitCalls.empty());
}

TEST_F(EngineTest, AskNotConfirmedGoesBackToIdle) {
    Start();
    Run(9);
    EXPECT_EQ(form->PendingMethodCode, 0);
    EXPECT_EQ(engine().state.pendingAskChoice, 0);
    EXPECT_EQ(engine().state.askResult, 2);
    EXPECT_TRUE(machine.session.exitCalls.empty());
    EXPECT_FALSE(Ended());
}

TEST_F(EngineTest, NoMethodDoesNotLockTheMainAction) {
    Start();
    Run(-1);
    EXPECT_EQ(form->PendingMethodCode, 0);
    EXPECT_FALSE(Ended());
}

TEST_F(EngineTest, ForceSelectionGuard) {
    Start(sim::Os::Win98);
    form->ComboBox1.PeerSelected(3);
    EXPECT_EQ(form->Label1.Caption(), "*resident programs might hang!");
    EXPECT_EQ(form->Label1.Color(), ui::kLime);
    form->ComboBox1.PeerSelected(1);
    EXPECT_EQ(form->Label1.Caption(), "");
    machine.AddForeignWindow("REGEDIT_REGEDIT");
    form->ComboBox1.PeerSelected(5);
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 1);
    EXPECT_EQ(form->Label1.Caption(), "");
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(form->PreviousMethodIndex, 1);
}

TEST_F(EngineTest, ForceLabelIsBlankWithTheTimerAndEmptyOnNt) {
    Start(sim::Os::Win98);
    form->CheckBox4.SetChecked(true);
    form->ComboBox1.PeerSelected(3);
    EXPECT_EQ(form->Label1.Caption(), " ");
    EXPECT_EQ(form->Label1.Color(), ui::kDefaultColor);

    sim::Machine nt;
    nt.SetOs(sim::Os::NT4);
    port::Platform p = nt.Platform();
    app::Program onNt(p);
    ASSERT_TRUE(onNt.Start());
    onNt.Form()->ComboBox1.PeerSelected(4);
    EXPECT_EQ(onNt.Form()->Label1.Caption(), "");
}

TEST_F(EngineTest, LaunchFileRules) {
    Start();
    machine.files.AddDirectory("C:\\DOCS");
    shutdown::LaunchFile(platform, "C:\\APPS\\EDIT.EXE", "C:\\DOCS\\LETTER.TXT", "print",
                         port::kSwShowNormal);
    shutdown::LaunchFile(platform, "C:\\APPS\\EDIT.EXE", "/x", "edit", port::kSwShowNormal);
    shutdown::LaunchFile(platform, "C:\\APPS\\EDIT.EXE", "C:\\DOCS\\", "explore", port::kSwShowNormal);
    ASSERT_EQ(machine.shell.calls.size(), 3u);
    EXPECT_EQ(machine.shell.calls[0].verb, "print");
    EXPECT_EQ(machine.shell.calls[0].directory, "C:\\DOCS\\");
    EXPECT_EQ(machine.shell.calls[0].parameters, "LETTER.TXT");
    EXPECT_EQ(machine.shell.calls[0].owner, machine.windows.ApplicationWindow());
    EXPECT_EQ(machine.shell.calls[1].verb, "");
    EXPECT_EQ(machine.shell.calls[1].directory, "C:\\APPS\\");
    EXPECT_EQ(machine.shell.calls[1].parameters, "/x");
    EXPECT_EQ(machine.shell.calls[2].parameters, "C:\\DOCS\\");
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(EngineTest, LaunchFileErrorTexts) {
    EXPECT_EQ(shutdown::LaunchErrorText(0), "ERROR: System out of memory or resources!");
    EXPECT_EQ(shutdown::LaunchErrorText(3), "ERROR: The specified path was not found!");
    EXPECT_EQ(
        shutdown::LaunchErrorText(11),
        "ERROR: The executable file you specified\ris invalid!\r\r(Non-Win32 .EXE or error in .EXE image)");
    EXPECT_EQ(shutdown::LaunchErrorText(26), "ERROR: A sharing violation occurred!");
    EXPECT_EQ(shutdown::LaunchErrorText(27), "ERROR: Filename association is incomplete or invalid!");
    EXPECT_EQ(shutdown::LaunchErrorText(28), "ERROR: DDE request timed out!");
    EXPECT_EQ(shutdown::LaunchErrorText(29), "ERROR: DDE transaction failed!");
    EXPECT_EQ(shutdown::LaunchErrorText(30),
              "ERROR: DDE transaction could not\rbe completed because other DDE transactions\rwere being "
              "processed!");
    EXPECT_EQ(shutdown::LaunchErrorText(31), "ERROR: No filetype associated with\rthis extension!");
    EXPECT_EQ(shutdown::LaunchErrorText(5), "ERROR: The operating system reports error #5 !");

    Start();
    machine.shell.defaultResult = 31;
    EXPECT_FALSE(shutdown::LaunchFile(platform, "C:\\A.XYZ", "", "open", port::kSwShowNormal).ok);
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Error);
}

}  // namespace

namespace {

TEST_F(EngineTest, TheWindowsEndAfterTheEngineSavesNothingMore) {
    Start();
    Run(0);
    const int writes = machine.registry.WriteCalls();
    program->Run();
    EXPECT_EQ(machine.registry.WriteCalls(), writes);
    EXPECT_FALSE(machine.atoms.Has("RVLN!-Chris"));
}

}  // namespace
