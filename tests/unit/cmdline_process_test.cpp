// The command line at start-up: refusals, commands without a window, /RUN, /SAFE and /DOSSTART.
#include <gtest/gtest.h>
#include "app/form1.h"
#include "app/program.h"
#include "cmdline/command_line.h"
#include "cmdline/options.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using port::RegRoot;
using sim::BoxKind;

constexpr const char* kAtom = "RVLN!-Chris";
constexpr const char* kWarning =
    "WARNING: You have started another application!\r\rIf you answer OK, then Ravelin will continue\rwith "
    "the selected shutdown event! Otherwise it will\rcontinue running, as if nothing has happend.\r\rTo "
    "suspend this message, you can start RVLN with\rthe (commandline/shortcut) option: /NOMESSAGE[:x]\rwhere "
    "<colon!> x is a numeric value from 0 to 65535 in\rmilliseconds, that lets RVLN wait before shut down!";

class CmdlineProcessTest : public program_test::ProgramTest {
  protected:
    bool Start(const std::string& args, sim::Os os = sim::Os::Win98) {
        machine.SetOs(os);
        return Launch(args.c_str());
    }
    // Ended on the command line: no main window, no instance marker, no window ever shown.
    void ExpectEndedWithoutWindow() {
        EXPECT_EQ(program->Form(), nullptr);
        EXPECT_TRUE(program->State().ended);
        EXPECT_TRUE(machine.loop.Terminated());
        EXPECT_FALSE(machine.atoms.Has(kAtom));
        EXPECT_TRUE(machine.ui.titles.empty());
    }
    void ExpectMainWindow() {
        ASSERT_NE(program->Form(), nullptr);
        EXPECT_FALSE(program->State().ended);
        EXPECT_TRUE(machine.atoms.Has(kAtom));
        EXPECT_TRUE(machine.session.exitCalls.empty());
    }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : machine.dialogs.boxes)
            texts.push_back(box.text);
        return texts;
    }
};

// Scripts read the outcome from the exit code.
TEST(CmdlineExitCode, DoneDeclinedNotUnderstoodRefused) {
    struct Case {
        const char* args;
        sim::Os os;
        int answer;  // 0: no box answered
        bool windowsSays;
        int code;
    };
    const Case cases[] = {
        {"/SHUTDOWN", sim::Os::Win98, 0, true, 0},
        {"/?", sim::Os::Win98, 0, true, 0},
        {"/REBOOT /SAFE", sim::Os::Win98, port::kIdNo, true, 1},
        {"/REBOOT /SAFE", sim::Os::Win98, port::kIdYes, true, 0},
        {"/FOO", sim::Os::Win98, port::kIdOk, true, 2},
        {"/SHUTDOWN", sim::Os::Win32s, port::kIdOk, true, 2},
        {"/REBOOT", sim::Os::NT4, port::kIdOk, false, 3},
    };
    for (const Case& c : cases) {
        sim::Machine m;
        m.SetOs(c.os);
        m.SetArguments(c.args);
        if (c.answer) m.dialogs.Answer(c.answer);
        if (!c.windowsSays) m.session.exitResults.Push(false, 5);
        port::Platform p = m.Platform();
        EXPECT_EQ(app::RunProgram(p), c.code) << c.args;
    }
}

TEST_F(CmdlineProcessTest, NoParametersStartTheWindow) {
    EXPECT_TRUE(Start(""));
    ExpectMainWindow();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(CmdlineProcessTest, ShutdownInLowerCaseEndsTheSessionWithoutWindowOrSaving) {
    EXPECT_FALSE(Start("/shutdown"));
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{1});
    ExpectEndedWithoutWindow();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    // Saving the settings would have written these sections.
    EXPECT_FALSE(machine.registry.HasKey(RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Window"));
    EXPECT_FALSE(
        machine.registry.HasKey(RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Controls"));
    EXPECT_EQ(program->State().engine.state.triggerKind, 2);
    EXPECT_EQ(program->State().engine.state.currentLogCode, 0);
}

TEST_F(CmdlineProcessTest, EveryCommandReachesItsMethod) {
    const std::pair<const char*, std::uint32_t> cases[] = {{"/SHUTDOWN", 1},  {"/REBOOT", 2},  {"/RELOG", 0},
                                                           {"/FSHUTDOWN", 5}, {"/FREBOOT", 6}, {"/FRELOG", 4},
                                                           {"/POWEROFF", 8}};
    for (auto [word, flags] : cases) {
        sim::Machine m;
        m.SetOs(sim::Os::NT4);
        m.SetArguments(word);
        port::Platform p = m.Platform();
        app::Program prog(p);
        EXPECT_FALSE(prog.Start()) << word;
        ASSERT_EQ(m.session.exitCalls.size(), 1u) << word;
        EXPECT_EQ(m.session.exitCalls[0].flags, flags) << word;
        EXPECT_EQ(prog.Form(), nullptr) << word;
        EXPECT_FALSE(m.atoms.Has(kAtom)) << word;
    }
}

TEST_F(CmdlineProcessTest, ShutdownWithAValueIsNoCommand) {
    EXPECT_TRUE(Start("/SHUTDOWN:1"));
    ExpectMainWindow();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(CmdlineProcessTest, ForceShutdownNeverTriggersShutdown) {
    EXPECT_FALSE(Start("/FSHUTDOWN"));
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{5});
    EXPECT_EQ(program->State().engine.state.currentLogCode, 3);
}

TEST_F(CmdlineProcessTest, TheFirstParameterHoldingTheWordDecides) {
    // /REBOOT is found inside the /RUN parameter first; that one is not exactly /REBOOT.
    machine.files.AddFile("C:\\RAVELIN\\APP.EXE", "MZ");
    machine.dialogs.Answer(port::kIdOk);
    EXPECT_TRUE(Start("/RUN:APP.EXE+/REBOOT /REBOOT"));
    ExpectMainWindow();
    ASSERT_EQ(machine.shell.CallsFor("APP.EXE").size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].parameters, "/REBOOT");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kWarning});
}

TEST_F(CmdlineProcessTest, SafeDeclinedTwiceEndsWithoutWindow) {
    machine.dialogs.Answer({port::kIdNo, port::kIdNo});
    EXPECT_FALSE(Start("/SHUTDOWN /REBOOT /SAFE"));
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{"Do you really want to shutdown?",
                                        "Do you really want to shutdown\rand reboot the system?"}));
    EXPECT_EQ(machine.dialogs.Count(BoxKind::Confirmation), 2u);
    EXPECT_TRUE(machine.session.exitCalls.empty());
    ExpectEndedWithoutWindow();
}

TEST_F(CmdlineProcessTest, SafeDeclinedFallsThroughToTheNextCommand) {
    machine.dialogs.Answer({port::kIdNo, port::kIdYes});
    EXPECT_FALSE(Start("/SAFE /REBOOT /SHUTDOWN"));
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{2});
    EXPECT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(program->State().engine.state.currentLogCode, 1);
    ExpectEndedWithoutWindow();
}

TEST_F(CmdlineProcessTest, UnknownParameterShowsTheErrorBoxAndEnds) {
    EXPECT_FALSE(Start("/FOO"));
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "ERROR: => I do not understand this parameter:\r\r\" /FOO \"\r\rPlease run RVLN with the \" /? \" "
        "parameter to get the syntax!");
    ExpectEndedWithoutWindow();
}

TEST_F(CmdlineProcessTest, TheLastUnknownParameterIsNamedBeforeAnyCommandRuns) {
    EXPECT_FALSE(Start("bad /SHUTDOWN \"Two Words\""));
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_NE(machine.dialogs.boxes[0].text.find("\" Two Words \""), std::string::npos);
    EXPECT_TRUE(machine.session.exitCalls.empty());
}

TEST_F(CmdlineProcessTest, AFourHundredCharacterParameterIsCutTo255InTheBox) {
    const std::string word = "/X" + std::string(398, 'Y');
    EXPECT_FALSE(Start(word));
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_NE(machine.dialogs.boxes[0].text.find("\" " + word.substr(0, 255) + " \""), std::string::npos);
}

TEST_F(CmdlineProcessTest, ThreeHundredParametersOnlyTheFirst255Count) {
    std::string args;
    for (int i = 0; i < 299; ++i)
        args += "/Q ";
    EXPECT_TRUE(Start(args + "/SHUTDOWN"));
    EXPECT_TRUE(machine.session.exitCalls.empty());
    // /Q as the first parameter is a restart of the program; the window still comes up.
    EXPECT_NE(program->Form(), nullptr);

    sim::Machine m;
    std::string within;
    for (int i = 0; i < 254; ++i)
        within += "/SAFEX ";
    m.SetArguments(within + "/SHUTDOWN");
    port::Platform p = m.Platform();
    app::Program prog(p);
    EXPECT_FALSE(prog.Start());
    EXPECT_EQ(m.session.exitCalls.size(), 1u);
}

TEST_F(CmdlineProcessTest, Win32sIsRefused) {
    EXPECT_FALSE(Start("", sim::Os::Win32s));
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(machine.dialogs.boxes[0].text,
              "Sorry! - This version of Ravelin only\rworks with Windows 95 or Windows NT v3.5x.");
    ExpectEndedWithoutWindow();
}

TEST_F(CmdlineProcessTest, AnUnknownSystemIsRefusedBeforeTheParameters) {
    EXPECT_FALSE(Start("/FOO /SHUTDOWN", sim::Os::Unknown));
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{
                  "Sorry! - This version of Ravelin only\rworks with Windows 95 or Windows NT v3.5x."});
    EXPECT_TRUE(machine.session.exitCalls.empty());
    ExpectEndedWithoutWindow();
}

TEST_F(CmdlineProcessTest, NoMessageWaitsTheLow16Bits) {
    machine.files.AddFile("C:\\TOOLS\\APP.EXE", "MZ");
    EXPECT_TRUE(Start("/RUN:C:\\TOOLS\\APP.EXE /NOMESSAGE:70000"));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].file, "C:\\TOOLS\\APP.EXE");
    EXPECT_EQ(machine.shell.calls[0].verb, "open");
    EXPECT_EQ(machine.shell.calls[0].showCommand, port::kSwShowNormal);
    ASSERT_FALSE(machine.loop.Sleeps().empty());
    EXPECT_EQ(machine.loop.Sleeps()[0].ms, 4464u);
    ExpectMainWindow();
}

TEST_F(CmdlineProcessTest, NoMessageWithoutANumberWaitsNothing) {
    machine.files.AddFile("C:\\TOOLS\\APP.EXE", "MZ");
    EXPECT_FALSE(Start("/RUN:C:\\TOOLS\\APP.EXE /NOMESSAGE:ABC /RELOG"));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    ASSERT_FALSE(machine.loop.Sleeps().empty());
    EXPECT_EQ(machine.loop.Sleeps()[0].ms, 0u);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{0});
}

TEST_F(CmdlineProcessTest, TheApplicationRunsBeforeTheCommand) {
    machine.files.AddFile("C:\\TOOLS\\APP.EXE", "MZ");
    machine.shell.handler = [this](const sim::ShellCall&) {
        EXPECT_TRUE(machine.session.exitCalls.empty());
        return std::intptr_t{42};
    };
    machine.dialogs.Answer(port::kIdOk);
    EXPECT_FALSE(Start("/SHUTDOWN /RUN:C:\\TOOLS\\APP.EXE+-fast"));
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].parameters, "-fast");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kWarning});
    EXPECT_EQ(machine.dialogs.boxes[0].style, port::kMbOkCancel | port::kMbIconQuestion);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{1});
}

TEST_F(CmdlineProcessTest, CancelInTheWarningEndsWithoutTheCommand) {
    machine.files.AddFile("C:\\TOOLS\\APP.EXE", "MZ");
    machine.dialogs.Answer(port::kIdCancel);
    EXPECT_FALSE(Start("/RUN:C:\\TOOLS\\APP.EXE /SHUTDOWN"));
    EXPECT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_TRUE(machine.session.exitCalls.empty());
    ExpectEndedWithoutWindow();
}

TEST_F(CmdlineProcessTest, AMissingApplicationIsSkippedSilently) {
    EXPECT_TRUE(Start("/RUN:C:\\TOOLS\\GONE.EXE /NOMESSAGE"));
    EXPECT_TRUE(machine.shell.calls.empty());
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    ExpectMainWindow();
    // It still replaces the watchdog application for this run.
    const cmdline::RunOption run = cmdline::CommandLineRunOption(program->State().params);
    EXPECT_TRUE(run.given);
    EXPECT_EQ(run.application, "C:\\TOOLS\\GONE.EXE");
}

TEST_F(CmdlineProcessTest, AnApplicationThatDoesNotStartShowsTwoBoxesThenGoesOn) {
    machine.files.AddFile("C:\\TOOLS\\APP.EXE", "MZ");
    machine.shell.SetResult("C:\\TOOLS\\APP.EXE", 11);
    EXPECT_FALSE(Start("\"/RUN:C:\\TOOLS\\APP.EXE+x y\" /NOMESSAGE /REBOOT"));
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "ERROR: The executable file you specified\ris invalid!\r\r(Non-Win32 .EXE or error "
                  "in .EXE image)",
                  "ERROR: Unable to run: C:\\TOOLS\\APP.EXE x y\r\rGetLastError = 11"}));
    EXPECT_EQ(machine.dialogs.Count(BoxKind::Error), 2u);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{2});
}

TEST_F(CmdlineProcessTest, RunWithoutAColonDoesNothing) {
    EXPECT_TRUE(Start("/RUN"));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(machine.loop.Sleeps().empty());
    ExpectMainWindow();
}

TEST_F(CmdlineProcessTest, AMissingApplicationStillAsksWithoutNoMessage) {
    machine.dialogs.Answer(port::kIdOk);
    EXPECT_TRUE(Start("/SAFE /RUN:C:\\TOOLS\\APP.EXE"));
    EXPECT_TRUE(machine.shell.calls.empty());
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kWarning});
    ExpectMainWindow();
}

TEST_F(CmdlineProcessTest, RunAloneDirectlyFromTheFunction) {
    ASSERT_TRUE(Start("/SAFE /RUN:C:\\TOOLS\\APP.EXE /NOMESSAGE:1"));
    machine.files.AddFile("C:\\TOOLS\\APP.EXE", "MZ");
    EXPECT_TRUE(machine.shell.calls.empty());
    EXPECT_TRUE(cmdline::RunCommandLineApplication(program->State(), 2));
    EXPECT_EQ(machine.shell.calls.size(), 1u);
    // Position 1 holds no colon: nothing starts and nothing is asked.
    EXPECT_TRUE(cmdline::RunCommandLineApplication(program->State(), 1));
    EXPECT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    std::vector<std::uint32_t> sleeps;
    for (const sim::SleepRecord& sleep : machine.loop.Sleeps())
        sleeps.push_back(sleep.ms);
    EXPECT_EQ(sleeps, (std::vector<std::uint32_t>{1, 1}));
}

TEST_F(CmdlineProcessTest, CancelInTheWarningIsReported) {
    machine.dialogs.Answer(port::kIdOk);
    ASSERT_TRUE(Start("/RUN:C:\\TOOLS\\APP.EXE"));
    machine.dialogs.Answer(port::kIdOk);
    EXPECT_TRUE(cmdline::RunCommandLineApplication(program->State(), 1));
    machine.dialogs.Answer(port::kIdCancel);
    EXPECT_FALSE(cmdline::RunCommandLineApplication(program->State(), 1));
    EXPECT_EQ(machine.dialogs.boxes.size(), 3u);
    EXPECT_EQ(machine.dialogs.unscriptedBoxes, 0);
}

TEST_F(CmdlineProcessTest, RestartIsIgnoredOnNt) {
    EXPECT_TRUE(Start("/RESTART /SAFE", sim::Os::NT4));
    ExpectMainWindow();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(machine.shell.calls.empty());
}

TEST_F(CmdlineProcessTest, RestartRunsOnWindows98) {
    machine.dialogs.Answer(port::kIdNo);
    EXPECT_FALSE(Start("/RESTART /SAFE"));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Do you really want to exit to MS-DOS mode?"});
    ExpectEndedWithoutWindow();
}

TEST_F(CmdlineProcessTest, MsdosOnNtOpensTheCommandWindow) {
    machine.files.AddFile("C:\\WINDOWS\\SYSTEM32\\COMMAND.COM", "MZ");
    EXPECT_FALSE(Start("/msdos", sim::Os::NT4));
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].file, "C:\\WINDOWS\\SYSTEM32\\COMMAND.COM");
    EXPECT_EQ(program->State().engine.state.currentLogCode, 9);
    ExpectEndedWithoutWindow();
}

TEST_F(CmdlineProcessTest, DosStartIsRestoredOnWindows98) {
    machine.files.AddFile("C:\\WINDOWS\\DOSSTART.~TM", "@echo off\r\n");
    EXPECT_FALSE(Start("/DOSSTART"));
    EXPECT_EQ(machine.files.FileBytes("C:\\WINDOWS\\DOSSTART.BAT"), std::string("@echo off\r\n"));
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\DOSSTART.~TM"));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(machine.session.exitCalls.empty());
    ExpectEndedWithoutWindow();
}

TEST_F(CmdlineProcessTest, DosStartAnywhereInAParameterCounts) {
    machine.files.AddFile("C:\\WINDOWS\\DOSSTART.~TM", "rem");
    // The RunOnce entry may have been written with another case; /Q lets the parameter pass.
    EXPECT_FALSE(Start("/Q/dosstart /SHUTDOWN", sim::Os::Win95));
    EXPECT_TRUE(machine.files.Exists("C:\\WINDOWS\\DOSSTART.BAT"));
    EXPECT_TRUE(machine.session.exitCalls.empty());
}

TEST_F(CmdlineProcessTest, DosStartIsIgnoredOnNt) {
    machine.files.AddFile("C:\\WINDOWS\\DOSSTART.~TM", "rem");
    EXPECT_TRUE(Start("/DOSSTART", sim::Os::NT4));
    ExpectMainWindow();
    EXPECT_TRUE(machine.files.Exists("C:\\WINDOWS\\DOSSTART.~TM"));
    EXPECT_FALSE(machine.files.Exists("C:\\WINDOWS\\DOSSTART.BAT"));
}

TEST_F(CmdlineProcessTest, ASecondInstanceEndsBeforeReadingItsCommandLine) {
    ASSERT_TRUE(Start(""));
    sim::Machine& m = machine;
    m.SetArguments("/SHUTDOWN");
    app::Program second(platform);
    EXPECT_FALSE(second.Start());
    EXPECT_TRUE(m.session.exitCalls.empty());
    EXPECT_TRUE(m.atoms.Has(kAtom));
}

TEST_F(CmdlineProcessTest, ProcessingAloneLeavesTheWindowToStartUp) {
    machine.SetArguments("/SAFE /NOMESSAGE:5");
    app::ProgramState state(platform);
    EXPECT_TRUE(cmdline::ProcessCommandLine(state));
    EXPECT_FALSE(state.ended);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

}  // namespace
