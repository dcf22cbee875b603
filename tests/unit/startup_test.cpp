// Start-up from the command line to the main window, against the simulated machine.
#include <gtest/gtest.h>
#include "app/form1.h"
#include "app/instance.h"
#include "app/program.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using port::RegRoot;

using StartupTest = program_test::PlainWindowTest;

TEST_F(StartupTest, SlashTEndsBeforeAnythingIsTouched) {
    for (const char* arg : {"/T", "/t"}) {
        sim::Machine m;
        m.SetArguments(arg);
        const std::string registryBefore = m.registry.DumpTree();
        port::Platform p = m.Platform();
        app::Program program(p);
        EXPECT_FALSE(program.Start()) << arg;
        EXPECT_EQ(program.Form(), nullptr);
        EXPECT_EQ(m.atoms.Count(), 0u);
        EXPECT_EQ(m.registry.WriteCalls(), 0);
        EXPECT_EQ(m.registry.DumpTree(), registryBefore);
        EXPECT_TRUE(m.dialogs.boxes.empty());
        EXPECT_TRUE(m.ui.titles.empty());
    }
}

TEST_F(StartupTest, SlashTOnlyCountsAsTheFirstParameter) {
    machine.SetArguments("/Q /T");
    app::Program program(platform);
    EXPECT_TRUE(program.Start());
    ASSERT_NE(program.Form(), nullptr);
}

TEST_F(StartupTest, SecondStartOfTheSameUserEndsSilently) {
    app::Program first(platform);
    ASSERT_TRUE(first.Start());
    EXPECT_TRUE(machine.atoms.Has("RVLN!-Chris"));

    app::Program second(platform);
    EXPECT_FALSE(second.Start());
    EXPECT_EQ(second.Form(), nullptr);
    EXPECT_EQ(machine.atoms.RefCount("RVLN!-Chris"), 1);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

// A crashed or killed instance leaves its atom behind but not its mutex: the next start runs.
// Where no mutex can be made the atom alone decides, as before.
TEST_F(StartupTest, AStaleAtomWithoutARunningInstanceDoesNotStopAStart) {
    machine.atoms.GlobalAddAtom("RVLN!-Chris");  // left behind by a killed instance
    app::Program next(platform);
    EXPECT_TRUE(next.Start());
    ASSERT_NE(next.Form(), nullptr);
    EXPECT_TRUE(machine.atoms.MutexHeld("RVLN!-Chris"));

    app::Program third(platform);
    EXPECT_FALSE(third.Start());

    sim::Machine m;
    m.atoms.mutexUnavailable = true;
    m.atoms.GlobalAddAtom("RVLN!-Chris");
    port::Platform p = m.Platform();
    app::Program blocked(p);
    EXPECT_FALSE(blocked.Start());
}

TEST_F(StartupTest, AnotherUserRunsSideBySide) {
    app::Program first(platform);
    ASSERT_TRUE(first.Start());
    machine.SetUser("Alex");
    app::Program second(platform);
    EXPECT_TRUE(second.Start());
    EXPECT_TRUE(machine.atoms.Has("RVLN!-Chris"));
    EXPECT_TRUE(machine.atoms.Has("RVLN!-Alex"));
}

TEST_F(StartupTest, AtomNameTrimsBlanksAndNamesTheEmptyAccount) {
    machine.SetUser("Chris   ");
    EXPECT_EQ(app::InstanceAtomName(platform), "RVLN!-Chris");
    machine.SetUser("  ");
    EXPECT_EQ(app::InstanceAtomName(platform), "RVLN!-Empty Account");
    machine.SetUser("Chris");
    machine.system.userNameFails = true;
    EXPECT_EQ(app::InstanceAtomName(platform), "RVLN!-Empty Account");
}

TEST_F(StartupTest, AtomIsDeletedWhenTheWindowGoes) {
    {
        app::Program program(platform);
        ASSERT_TRUE(program.Start());
        program.Form()->Exit1Click();
        program.Run();
        EXPECT_TRUE(machine.loop.Terminated());
        EXPECT_FALSE(machine.atoms.Has("RVLN!-Chris"));
    }
    app::Program again(platform);
    EXPECT_TRUE(again.Start());
}

TEST_F(StartupTest, CloseBoxEndsTheProgram) {
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    program.Form()->PeerCloseRequested();
    EXPECT_TRUE(machine.loop.Terminated());
    program.Run();
    EXPECT_FALSE(machine.atoms.Has("RVLN!-Chris"));
}

TEST_F(StartupTest, TitleHelpFileAndHintTiming) {
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(machine.ui.Title(), "Ravelin v3.31");
    EXPECT_EQ(program.State().application.helpFile, "C:\\RAVELIN\\RVLN.HLP");
    EXPECT_EQ(machine.ui.hintPauseMs, 1200);
    EXPECT_EQ(machine.ui.hintHidePauseMs, 10000);
}

TEST_F(StartupTest, DrivesAndTheSavedCdAudioDrive) {
    machine.AddRemovableDrive('A');
    machine.AddCdrom('E');
    machine.AddCdrom('D');
    machine.AddRemovableDrive('F');
    machine.SetMciDefaultDrive(1);
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.State().CdromLetters, "DE");
    EXPECT_EQ(program.State().RemovableLetters, "AF");
    EXPECT_EQ(program.State().SavedMciDrive, "E:");
}

TEST_F(StartupTest, SavedCdAudioDriveOutOfRangeOrWithoutCdromIsEmpty) {
    machine.AddCdrom('D');
    machine.SetMciDefaultDrive(1);
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.State().SavedMciDrive, "");

    sim::Machine bare;
    bare.registry.SetBinary(RegRoot::LocalMachine,
                            "System\\CurrentControlSet\\Control\\MediaResources\\mci\\cdaudio",
                            "Default Drive", {0, 0, 0, 0});
    port::Platform p = bare.Platform();
    app::Program noCd(p);
    ASSERT_TRUE(noCd.Start());
    EXPECT_EQ(noCd.State().SavedMciDrive, "");
}

TEST_F(StartupTest, WindowIsCentredAndShown) {
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    app::TForm1& form = *program.Form();
    form.CheckBox1.SetChecked(true);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.ClientWidth(), 235);
    EXPECT_EQ(form.ClientHeight(), 218);
    EXPECT_EQ(form.Width(), 241);
    EXPECT_EQ(form.Height(), 243);
    EXPECT_EQ(form.CentredLeft(), (1024 - 241) / 2);
    EXPECT_EQ(form.CentredTop(), (768 - 243) / 2);
}

TEST_F(StartupTest, SlashSOpensTheNotebook) {
    machine.SetArguments("/s");
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    app::TForm1& form = *program.Form();
    EXPECT_TRUE(form.NotebookShowing());
    EXPECT_FALSE(form.ComboBox1.Visible());
    EXPECT_FALSE(form.Button1.Enabled());
    EXPECT_TRUE(form.Button2.Default());
    EXPECT_EQ(form.PageControl1.ActivePageIndex(), 0);
}

TEST_F(StartupTest, AlwaysInTrayHidesTheTaskbarWindow) {
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    ASSERT_FALSE(machine.taskbar.showCalls.empty());
    EXPECT_EQ(machine.taskbar.showCalls.front().window, machine.windows.ApplicationWindow());
    EXPECT_EQ(machine.taskbar.showCalls.front().command, port::kSwShowNormal);
}

TEST_F(StartupTest, NoDevicesDisablesTheDeviceQuestions) {
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    EXPECT_FALSE(program.Form()->CheckBox18.Enabled());
    EXPECT_FALSE(program.Form()->CheckBox19.Enabled());
}

TEST_F(StartupTest, LogoPanelsOnWindows9xOnly) {
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.Form()->StatusBar1.PanelText(4), "LS");
    EXPECT_EQ(program.Form()->StatusBar1.PanelText(5), "L1");
    EXPECT_EQ(program.Form()->StatusBar1.PanelText(6), "L2");

    sim::Machine nt;
    nt.SetOs(sim::Os::NT4);
    port::Platform p = nt.Platform();
    app::Program onNt(p);
    ASSERT_TRUE(onNt.Start());
    app::TForm1& form = *onNt.Form();
    EXPECT_EQ(form.StatusBar1.PanelText(4), "");
    for (ui::CheckBox* box :
         {&form.CheckBox7, &form.CheckBox8, &form.CheckBox9, &form.CheckBox26, &form.CheckBox27}) {
        EXPECT_FALSE(box->Enabled()) << box->Name();
    }
    EXPECT_FALSE(form.Page6.enabled);
    EXPECT_FALSE(form.Win98ReBoot1.enabled);
}

TEST_F(StartupTest, FunctionKeyList) {
    machine.system.functionKeys = 0;
    app::Program program(platform);
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.Form()->ComboBox5.Items(), std::vector<std::string>{"F?"});
    EXPECT_EQ(program.Form()->ComboBox5.ItemIndex(), 0);
}

}  // namespace
