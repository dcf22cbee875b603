// The watchdog run before a shutdown: finding the program, the warning or the wait, the
// abandoned request, and waking the local drives.
#include <gtest/gtest.h>
#include <algorithm>
#include "app/form1.h"
#include "app/program.h"
#include "cmdline/run_application.h"
#include "shutdown/watchdog.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using sim::BoxKind;

constexpr const char* kQuestion =
    "WARNING: You have started another application!\r\rIf you answer OK, then Ravelin will continue\rwith "
    "the selected shutdown event! Otherwise it will\rcontinue running, as if nothing has happend.\r\rTo "
    "suspend this message, you can start RVLN with\rthe (commandline/shortcut) option: /NOMESSAGE[:x]\rwhere "
    "<colon!> x is a numeric value from 0 to 65535 in\rmilliseconds, that lets RVLN wait before shut down!";
constexpr const char* kLog = "C:\\RAVELIN\\RVLN.LOG";

TEST(SplitCommandTest, FindsTheProgramAndItsParameters) {
    sim::Machine m;
    for (const char* file :
         {"C:\\TOOLS\\BACKUP.EXE", "C:\\PROGRA~1\\X.EXE", "C:\\Program Files\\T\\b.exe", "C:\\X.EXE",
          "C:\\TOOLS\\RUN", "C:\\TOOLS\\RUN.EXE", "C:\\APPS\\EDIT.EXE", "C:\\RAVELIN\\BACKUP.EXE"})
        ASSERT_TRUE(m.files.AddFile(file));
    m.files.AddDirectory("C:\\APPS\\EDIT");
    struct Case {
        const char* command;
        bool found;
        const char* program;
        const char* parameters;
    };
    const Case cases[] = {
        {"C:\\TOOLS\\BACKUP.EXE /AUTO C:\\DATA ", true, "C:\\TOOLS\\BACKUP.EXE", "/AUTO C:\\DATA"},
        {"C:\\PROGRA~1\\X.EXE ", true, "C:\\PROGRA~1\\X.EXE", ""},
        // Without a drive letter, even a file in the current folder is not the program.
        {"BACKUP.EXE ", false, "", ""},
        {"BACKUP.EXE /X C:\\DATA ", false, "", ""},
        {"\"C:\\Program Files\\T\\b.exe\" /A ", true, "C:\\Program Files\\T\\b.exe", "/A"},
        {"C:\\Program Files\\T\\b.exe /A ", true, "C:\\Program Files\\T\\b.exe", "/A"},
        {"\"C:\\Program Files\\T\\none.exe\" /A", false, "", ""},
        {"C:\\TOOLS\\BACKUP.EXE \\\\SRV\\SHARE ", true, "C:\\TOOLS\\BACKUP.EXE", "\\\\SRV\\SHARE"},
        {"C:\\TOOLS\\BACKUP.EXE ..\\LOG ", true, "C:\\TOOLS\\BACKUP.EXE", "..\\LOG"},
        {"C:\\TOOLS\\RUN.EXE /X ", true, "C:\\TOOLS\\RUN.EXE", "/X"},
        {"C:\\X.EXE/AUTO ", true, "C:\\X.EXE", "/AUTO"},
        // A folder named like the program is passed over.
        {"C:\\APPS\\EDIT.EXE/N ", true, "C:\\APPS\\EDIT.EXE", "/N"},
        {"C:\\APPS\\EDIT ", false, "", ""},
        {"", false, "", ""},
    };
    for (const Case& c : cases) {
        const cmdline::SplitResult r = cmdline::SplitCommand(m.files, c.command);
        EXPECT_EQ(r.found, c.found) << c.command;
        EXPECT_EQ(r.program, c.program) << c.command;
        EXPECT_EQ(r.parameters, c.parameters) << c.command;
    }
}

class WatchdogTest : public program_test::PlainWindowTest {
  protected:
    // The program with "&Run Application first:" on for the command.
    void StartWith(const std::string& command, const char* arguments = nullptr, sim::Os os = sim::Os::Win98) {
        machine.files.AddFile("C:\\TOOLS\\BACKUP.EXE");
        machine.SetOs(os);
        ASSERT_TRUE(Launch(arguments));
        form->Edit1.SetText(command);
        form->CheckBox5.SetChecked(true);
    }
    void Run(int position) {
        form->ComboBox1.SetItemIndex(position);
        form->Button1.Click();
    }
    std::vector<std::uint32_t> SleepsOf() const {
        std::vector<std::uint32_t> ms;
        for (const auto& s : machine.loop.Sleeps())
            ms.push_back(s.ms);
        return ms;
    }
    bool Slept(std::uint32_t ms) const {
        const auto all = SleepsOf();
        return std::find(all.begin(), all.end(), ms) != all.end();
    }
    bool Ended() const { return program->State().ended; }
};

TEST_F(WatchdogTest, CancelAbandonsTheWholeRequest) {
    StartWith("C:\\TOOLS\\BACKUP.EXE /AUTO C:\\DATA");
    form->CheckBox6.SetChecked(true);
    machine.dialogs.Answer(port::kIdCancel);
    Run(2);  // log off
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].file, "C:\\TOOLS\\BACKUP.EXE");
    EXPECT_EQ(machine.shell.calls[0].parameters, "/AUTO C:\\DATA");
    EXPECT_EQ(machine.shell.calls[0].directory, "C:\\TOOLS\\");
    EXPECT_EQ(machine.shell.calls[0].verb, "open");
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].text, kQuestion);
    EXPECT_EQ(machine.dialogs.boxes[0].Buttons(), (std::vector<int>{port::kIdOk, port::kIdCancel}));
    EXPECT_TRUE(machine.session.exitCalls.empty());
    EXPECT_FALSE(Ended());
    EXPECT_EQ(form->PendingMethodCode, 0);
    // The drives were not initialised: no scratch file and no wait for the disks.
    EXPECT_EQ(machine.files.CountCalls(sim::FileOp::Flush, ""), 0);
    EXPECT_FALSE(Slept(1500));
    EXPECT_FALSE(machine.files.Exists(kLog));
    // Nothing is pending: the next request runs again.
    machine.dialogs.Answer(port::kIdOk);
    Run(2);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{0});
}

TEST_F(WatchdogTest, OkEndsTheSessionOnce) {
    StartWith("C:\\TOOLS\\BACKUP.EXE");
    machine.dialogs.Answer(port::kIdOk);
    Run(2);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{0});
    EXPECT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(Ended());
}

TEST_F(WatchdogTest, NoMessageWaitsItsLow16BitsWithoutABox) {
    StartWith("C:\\TOOLS\\BACKUP.EXE", "/NOMESSAGE:70000");
    form->CheckBox13.SetChecked(true);
    form->Label10.SetCaption("1234");
    Run(0);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(Slept(4464));
    EXPECT_FALSE(Slept(1234));
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{1});
}

TEST_F(WatchdogTest, TheWaitOfThePageWithoutTheOption) {
    StartWith("C:\\TOOLS\\BACKUP.EXE");
    form->CheckBox13.SetChecked(true);
    form->Label10.SetCaption("2500");
    Run(0);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(Slept(2500));
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{1});
}

TEST_F(WatchdogTest, AnUntickedBoxBeatsNoMessage) {
    StartWith("C:\\TOOLS\\BACKUP.EXE", "/NOMESSAGE:500");
    form->CheckBox13.SetChecked(false);
    machine.dialogs.Answer(port::kIdCancel);
    Run(0);
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].text, kQuestion);
    EXPECT_FALSE(Slept(500));
    EXPECT_TRUE(machine.session.exitCalls.empty());
}

TEST_F(WatchdogTest, RunOptionReplacesThePageCommand) {
    machine.files.AddFile("C:\\OTHER\\TOOL.EXE");
    StartWith("C:\\TOOLS\\BACKUP.EXE", "/RUN:C:\\OTHER\\TOOL.EXE+-x /NOMESSAGE");
    const size_t before = machine.shell.calls.size();  // start-up ran /RUN once already
    Run(0);
    ASSERT_EQ(machine.shell.calls.size(), before + 1);
    EXPECT_EQ(machine.shell.calls.back().file, "C:\\OTHER\\TOOL.EXE");
    EXPECT_EQ(machine.shell.calls.back().parameters, "-x");
}

TEST_F(WatchdogTest, AFailedStartRestartsTheProgramInsteadOfShuttingDown) {
    machine.files.AddFile("C:\\X\\F.XYZ");
    StartWith("C:\\X\\F.XYZ", "/NOMESSAGE:300");
    form->CheckBox13.SetChecked(true);
    machine.shell.SetResult("C:\\X\\F.XYZ", 31);
    Run(0);
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[0].text, "ERROR: No filetype associated with\rthis extension!");
    EXPECT_EQ(machine.dialogs.boxes[1].kind, BoxKind::Error);
    EXPECT_EQ(machine.dialogs.boxes[1].text,
              "ERROR running watchdog file:\r\rC:\\X\\F.XYZ\r\rShutdown canceled! (GetLastError: 31 )");
    ASSERT_EQ(machine.shell.calls.size(), 2u);
    EXPECT_EQ(machine.shell.calls[1].file, "C:\\RAVELIN\\RVLN.EXE");
    EXPECT_EQ(machine.shell.calls[1].parameters, "/Q /NOMESSAGE:300");
    EXPECT_TRUE(machine.session.exitCalls.empty());
    EXPECT_FALSE(machine.files.Exists(kLog));
    EXPECT_TRUE(Ended());
}

TEST_F(WatchdogTest, AFailedStartDoesNotShutDownWhenTheCopyFailsToo) {
    machine.files.AddFile("C:\\X\\F.XYZ");
    StartWith("C:\\X\\F.XYZ");
    machine.shell.SetResult("C:\\X\\F.XYZ", 31);
    machine.shell.SetResult("C:\\RAVELIN\\RVLN.EXE", 2);
    Run(0);
    ASSERT_EQ(machine.shell.calls.size(), 2u);
    EXPECT_EQ(machine.shell.calls[1].parameters, "/Q");
    EXPECT_EQ(machine.dialogs.boxes.size(), 3u);  // both boxes, then the copy's
    EXPECT_TRUE(machine.session.exitCalls.empty());
    EXPECT_FALSE(machine.files.Exists(kLog));
    EXPECT_FALSE(Ended());
    EXPECT_EQ(form->PendingMethodCode, 0);
    EXPECT_TRUE(machine.atoms.Has("RVLN!-Chris"));
}

TEST_F(WatchdogTest, AMissingProgramIsReportedAndTheShutdownGoesOn) {
    StartWith("BACKUP.EXE /X");
    Run(0);
    EXPECT_TRUE(machine.shell.calls.empty());
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(machine.dialogs.boxes[0].text,
              "ERROR: => Watchdog RUN-File:\r\rBACKUP.EXE /X \r\r... does not exists!\r\rPlease change your "
              "settings for the file-\rname/path at \"Watchdogs\" page no. 1!");
    ASSERT_FALSE(machine.feedback.beeps.empty());
    EXPECT_EQ(machine.feedback.beeps[0].type, port::kMbBeepExclamation);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{1});
}

TEST_F(WatchdogTest, InitTouchesOnlyLocalHardDisksAndRamDrives) {
    machine.AddRemovableDrive('A');
    machine.AddFixedDrive('D', 10);  // full: the line does not fit
    machine.AddNetworkDrive('E', "\\\\SRV\\SHARE");
    machine.AddRemovableDrive('F');
    machine.AddCdrom('G');
    machine.files.AddDrive('H', port::kDriveRamdisk, 1 << 20);
    machine.files.AddFile("C:\\~RVLNINI.000", "mine");
    machine.SetOs(sim::Os::Win98);
    ASSERT_TRUE(Launch());
    const std::string directory = machine.files.GetCurrentDirectory();
    const std::uint32_t mode = machine.devices.ErrorMode();
    machine.files.calls.clear();

    shutdown::InitLocalDrives(platform);

    std::vector<std::string> written, flushed;
    for (const sim::FileCall& call : machine.files.calls) {
        if (call.op == sim::FileOp::Write) written.push_back(call.path);
        if (call.op == sim::FileOp::Flush && call.ok) flushed.push_back(call.path);
        EXPECT_TRUE(call.path.empty() || std::string("CDH").find(call.path[0]) != std::string::npos)
            << call.path;
    }
    EXPECT_EQ(flushed, (std::vector<std::string>{"C:\\~RVLNINI.001", "H:\\~RVLNINI.000"}));
    EXPECT_EQ(std::count(written.begin(), written.end(), "D:\\~RVLNINI.000"), 2);  // created, then full
    for (const char* left : {"C:\\~RVLNINI.001", "D:\\~RVLNINI.000", "H:\\~RVLNINI.000"})
        EXPECT_FALSE(machine.files.Exists(left)) << left;
    EXPECT_EQ(machine.files.FileBytes("C:\\~RVLNINI.000"), "mine");
    EXPECT_EQ(machine.files.CountCalls(sim::FileOp::Delete, "C:\\~RVLNINI.000"), 0);
    EXPECT_EQ(machine.files.GetCurrentDirectory(), directory);
    EXPECT_EQ(machine.devices.ErrorMode(), mode);
    const auto modes = machine.devices.ErrorModeHistory();
    ASSERT_GE(modes.size(), 2u);
    EXPECT_EQ(modes[modes.size() - 2], port::kSemFailCriticalErrors);
    EXPECT_EQ(SleepsOf().back(), 1500u);
}

TEST_F(WatchdogTest, TickingAskForTheProgramAndACancelUnticks) {
    Start();
    machine.dialogs.AnswerOpenFile(std::nullopt);
    form->CheckBox5.Click();
    ASSERT_EQ(machine.dialogs.openFileRequests.size(), 1u);
    EXPECT_EQ(machine.dialogs.openFileRequests[0].title, "Search executable file ...");
    EXPECT_EQ(machine.dialogs.openFileRequests[0].defaultExtension, "EXE");
    EXPECT_TRUE(machine.dialogs.openFileRequests[0].fileMustExist);
    EXPECT_FALSE(form->CheckBox5.Checked());
    EXPECT_FALSE(form->Edit1.Enabled());
    EXPECT_FALSE(form->CheckBox13.Enabled());
    EXPECT_EQ(form->StatusBar1.PanelText(2), "");

    machine.dialogs.AnswerOpenFile("C:\\TOOLS\\BACKUP.EXE");
    form->CheckBox5.Click();
    EXPECT_TRUE(form->CheckBox5.Checked());
    EXPECT_EQ(form->Edit1.Text(), "C:\\TOOLS\\BACKUP.EXE");
    EXPECT_TRUE(form->Edit1.Enabled());
    EXPECT_TRUE(form->CheckBox13.Enabled());
    EXPECT_TRUE(form->Label9.Enabled());
    EXPECT_FALSE(form->UpDown1.Enabled());
    EXPECT_EQ(form->StatusBar1.PanelText(2), "EX");
    form->CheckBox13.Click();
    EXPECT_TRUE(form->UpDown1.Enabled());
    EXPECT_TRUE(form->Label10.Enabled());
    EXPECT_TRUE(program->State().watchdog.noWarning);

    // Emptying the command switches the task off.
    form->Edit1.SetText("");
    EXPECT_FALSE(form->CheckBox5.Checked());
    EXPECT_FALSE(form->CheckBox13.Enabled());
    EXPECT_FALSE(form->UpDown1.Enabled());
    EXPECT_EQ(form->StatusBar1.PanelText(2), "");
    EXPECT_EQ(machine.dialogs.openFileRequests.size(), 2u);

    form->CheckBox6.Click();
    EXPECT_EQ(form->StatusBar1.PanelText(3), "IN");
    form->CheckBox6.Click();
    EXPECT_EQ(form->StatusBar1.PanelText(3), "");
}

TEST_F(WatchdogTest, AStoredRunWithoutCommandLoadsOffWithoutAsking) {
    const char* guards = "Software\\QAV\\Ravelin\\LocalUser\\Guards";
    machine.registry.SetDword(port::RegRoot::CurrentUser, guards, "Run", 1);
    machine.registry.SetDword(port::RegRoot::CurrentUser, guards, "Warning", 1);
    Start();
    EXPECT_TRUE(machine.dialogs.openFileRequests.empty());
    EXPECT_FALSE(form->CheckBox5.Checked());
    EXPECT_TRUE(form->CheckBox13.Checked());
    EXPECT_TRUE(program->State().watchdog.noWarning);
}

TEST_F(WatchdogTest, TheArrowsRepeatWhileAButtonIsHeld) {
    StartWith("C:\\TOOLS\\BACKUP.EXE");
    form->CheckBox13.SetChecked(true);
    ui::UpDown& arrows = form->UpDown1;

    // Left button near the top: steps of 100 a second in the clicked direction, not into the
    // last hundred.
    arrows.SetPosition(32500);
    form->Label10.SetCaption("65268");
    arrows.PeerMouseDown(ui::MouseButton::Left);
    arrows.PeerArrow(true);
    EXPECT_EQ(form->Label10.Caption(), "65269");
    machine.loop.RunFor(1000);
    EXPECT_EQ(form->Label10.Caption(), "65369");
    machine.loop.RunFor(5000);
    EXPECT_EQ(form->Label10.Caption(), "65369");
    arrows.PeerMouseUp(ui::MouseButton::Left);
    EXPECT_FALSE(form->Timer3.Enabled());

    // And down near the bottom.
    arrows.SetPosition(-32500);
    form->Label10.SetCaption("268");
    arrows.PeerMouseDown(ui::MouseButton::Left);
    arrows.PeerArrow(false);
    machine.loop.RunFor(999);
    EXPECT_EQ(form->Label10.Caption(), "267");
    machine.loop.RunFor(1);
    EXPECT_EQ(form->Label10.Caption(), "167");
    machine.loop.RunFor(3000);
    EXPECT_EQ(form->Label10.Caption(), "167");
    arrows.PeerMouseUp(ui::MouseButton::Left);
    machine.loop.RunFor(3000);
    EXPECT_EQ(form->Label10.Caption(), "167");

    // The right button: 1000 every 100 ms, wrapping past the top with the distance kept.
    arrows.SetPosition(32000);
    form->Label10.SetCaption("64768");
    arrows.PeerMouseDown(ui::MouseButton::Right);
    machine.loop.RunFor(100);
    EXPECT_EQ(form->Label10.Caption(), "767");
    machine.loop.RunFor(100);
    EXPECT_EQ(form->Label10.Caption(), "1767");
    arrows.PeerMouseUp(ui::MouseButton::Right);
    machine.loop.RunFor(1000);
    EXPECT_EQ(form->Label10.Caption(), "1767");
    EXPECT_FALSE(arrows.PeerContextMenu());
    EXPECT_TRUE(machine.ui.popups.empty());

    // A single click shows the position plus 32768, "00" at the bottom.
    arrows.SetPosition(-32767);
    arrows.PeerArrow(false);
    EXPECT_EQ(form->Label10.Caption(), "00");
}

}  // namespace
