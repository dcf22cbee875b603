// Loading the settings at start-up: defaults for a fresh user, the accepted ranges, values of
// the wrong type, and the values only some systems read.
#include "settings_fixture.h"

#include "settings/settings_store.h"

namespace {

using namespace settings_test;

class SettingsLoadTest : public SettingsTest {};

// What every system shares after the first start of a new user.
void ExpectFreshControls(app::TForm1& f) {
    SCOPED_TRACE(f.program.osKind);
    EXPECT_EQ(f.ComboBox1.Text(), "ASK                always how...");
    EXPECT_FALSE(f.CheckBox4.Checked());
    EXPECT_EQ(f.Edit2.Text(), "60");
    EXPECT_TRUE(f.CheckBox3.Checked());
    EXPECT_TRUE(f.program.application.ShowHint());
    EXPECT_TRUE(f.StatusBar1.Visible());
    EXPECT_TRUE(f.StatusBar2.Visible());
    EXPECT_TRUE(f.SpeedButton6.Down());

    EXPECT_TRUE(f.CheckBox1.Checked());
    EXPECT_FALSE(f.CheckBox2.Enabled());
    EXPECT_FALSE(f.CheckBox5.Checked());
    EXPECT_FALSE(f.CheckBox6.Checked());
    EXPECT_FALSE(f.CheckBox10.Checked());
    EXPECT_TRUE(f.CheckBox11.Checked());
    EXPECT_FALSE(f.CheckBox12.Checked());
    EXPECT_FALSE(f.CheckBox12.Enabled());
    EXPECT_FALSE(f.CheckBox13.Checked());
    EXPECT_FALSE(f.CheckBox13.Enabled());
    EXPECT_TRUE(f.CheckBox14.Checked());
    EXPECT_TRUE(f.CheckBox16.Checked());
    EXPECT_TRUE(f.CheckBox18.Checked());
    EXPECT_FALSE(f.CheckBox19.Checked());
    for (ui::CheckBox* on : {&f.CheckBox20, &f.CheckBox21, &f.CheckBox22, &f.CheckBox23})
        EXPECT_TRUE(on->Checked()) << on->Name();
    EXPECT_FALSE(f.CheckBox24.Checked());
    EXPECT_FALSE(f.CheckBox24.Enabled());
    EXPECT_TRUE(f.CheckBox25.Checked());
    EXPECT_FALSE(f.CheckBox25.Enabled());
    for (ui::CheckBox* logo : {&f.CheckBox7, &f.CheckBox8, &f.CheckBox9, &f.CheckBox15})
        EXPECT_FALSE(logo->Checked()) << logo->Name();

    EXPECT_TRUE(f.RadioButton2.Checked());
    EXPECT_FALSE(f.RadioButton1.Checked());
    for (ui::Label* label : {&f.Label5, &f.Label6, &f.Label7, &f.Label10})
        EXPECT_EQ(label->Caption(), "00") << label->Name();
    EXPECT_EQ(f.UpDown2.Position(), 0);
    EXPECT_EQ(f.UpDown3.Position(), 0);
    EXPECT_EQ(f.UpDown4.Position(), 0);
    EXPECT_EQ(f.UpDown1.Position(), -32768);
    EXPECT_EQ(f.TrackBar1.Position(), 1);
    EXPECT_EQ(f.TrackBar2.Position(), 180);
    EXPECT_EQ(f.Label12.Caption(), "180");
    EXPECT_EQ(f.ComboBox2.ItemIndex(), 0);
    EXPECT_EQ(f.ComboBox3.Text(), "D");
    EXPECT_EQ(f.ComboBox4.Text(), "Shift+CTRL");
    // The stored function key reads as its first entry; "&Default" picks F4 (below).
    EXPECT_EQ(f.ComboBox5.Text(), "F1");
    EXPECT_EQ(f.Edit1.Text(), "");
    EXPECT_EQ(f.Edit4.Text(), "");
    EXPECT_EQ(f.Edit3.Text(), "Control Panel");
    EXPECT_EQ(f.SpinEdit3.Value(), 64);
    EXPECT_TRUE(f.SpinEdit3.Enabled());
    EXPECT_EQ(f.SpinEdit4.Value(), 20);
    EXPECT_FALSE(f.SpinEdit4.Enabled());
    EXPECT_TRUE(f.SysHotKeys);
    EXPECT_EQ(f.TextViewer, "NOTEPAD.EXE");
    EXPECT_EQ(f.DirectoryViewer, "EXPLORER.EXE");
    EXPECT_FALSE(f.LoadingSettings);

    for (size_t panel = 0; panel <= 3; ++panel)
        EXPECT_EQ(f.StatusBar1.PanelText(panel), "") << panel;
    EXPECT_EQ(f.StatusBar2.PanelText(0), "");
    EXPECT_EQ(f.StatusBar2.PanelText(1), "");
    EXPECT_EQ(f.StatusBar2.PanelText(5), "D");
}

TEST_F(SettingsLoadTest, FreshUserOnWindows98GetsEveryDefault) {
    Start(sim::Os::Win98);
    const int writes = ValueWrites();
    ExpectFreshControls(*form);
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 9);
    EXPECT_TRUE(form->RadioButton3.Checked());
    EXPECT_FALSE(form->RadioButton4.Enabled());
    EXPECT_EQ(form->StatusBar1.PanelText(4), "LS");
    EXPECT_EQ(form->StatusBar1.PanelText(5), "L1");
    EXPECT_EQ(form->StatusBar1.PanelText(6), "L2");
    // The invisible-start option is on after a fresh start, though disabled with the timer off.
    EXPECT_TRUE(form->CheckBox2.Checked());
    EXPECT_FALSE(form->CheckBox15.Enabled());
    // The first start asks nothing and writes only the shutdown hotkey it took.
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(machine.registry.String(RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\HotKeys",
                                      "ShutDown HotKey"),
              "D");
    EXPECT_FALSE(Autostart());
}

TEST_F(SettingsLoadTest, FreshUserOnWindowsNt4GetsEveryDefault) {
    Start(sim::Os::NT4);
    ExpectFreshControls(*form);
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 8);
    // A fresh start logs to the own file on every system.
    EXPECT_TRUE(form->RadioButton3.Checked());
    EXPECT_FALSE(form->RadioButton4.Checked());
    EXPECT_TRUE(form->RadioButton4.Enabled());
    EXPECT_EQ(form->StatusBar1.PanelText(4), "");
    EXPECT_TRUE(form->CheckBox2.Checked());
    EXPECT_TRUE(form->CheckBox15.Enabled());
    EXPECT_EQ(ValueWrites(), 1);
}

TEST_F(SettingsLoadTest, FreshUserOnNt351HasNoShellOptions) {
    Start(sim::Os::NT3);
    EXPECT_FALSE(form->CheckBox2.Checked());
    EXPECT_FALSE(form->CheckBox2.Enabled());
    EXPECT_FALSE(form->CheckBox10.Enabled());
    EXPECT_FALSE(form->CheckBox11.Checked());
    EXPECT_FALSE(form->CheckBox11.Enabled());
    EXPECT_FALSE(form->TrackBar2.Enabled());
    EXPECT_FALSE(form->Edit3.Enabled());
    EXPECT_FALSE(form->CheckBox15.Enabled());
    EXPECT_FALSE(form->GroupTray.Visible());
}

TEST_F(SettingsLoadTest, DefaultButtonDiffersFromTheFreshStartInTwoPoints) {
    Start(sim::Os::NT4);
    form->OpenSettingsNotebook(0);
    machine.dialogs.Answer(port::kIdOk);
    form->Button4.Click();
    EXPECT_TRUE(form->RadioButton4.Checked());
    EXPECT_FALSE(form->RadioButton3.Checked());
    EXPECT_FALSE(form->CheckBox2.Checked());
    EXPECT_FALSE(form->CheckBox2.Enabled());
    EXPECT_EQ(form->ComboBox5.Text(), "F4");
    form->ComboBox5.SetItemIndex(0);
    ExpectFreshControls(*form);
}

TEST_F(SettingsLoadTest, CountdownSecondsBetweenOneAnd99999998) {
    struct Case {
        std::uint32_t stored;
        const char* shown;
    };
    for (Case c : {Case{0, "60"}, Case{1, "1"}, Case{99'999'998, "99999998"}, Case{99'999'999, "60"},
                   Case{0xFFFFFFFF, "60"}}) {
        SetDword("Timer1", "Edit1", c.stored);
        Start();
        EXPECT_EQ(form->Edit2.Text(), c.shown) << c.stored;
    }
}

TEST_F(SettingsLoadTest, AnimationSpeedBetweenOneAnd2000) {
    struct Case {
        std::uint32_t stored;
        int position;
    };
    for (Case c : {Case{0, 180}, Case{1, 1}, Case{2000, 2000}, Case{2001, 180}}) {
        SetDword("Controls", "AniSpeed", c.stored);
        Start();
        EXPECT_EQ(form->TrackBar2.Position(), c.position) << c.stored;
        EXPECT_EQ(form->Label12.Caption(), std::to_string(c.position)) << c.stored;
    }
}

TEST_F(SettingsLoadTest, MethodPositionWithinTheListOfTheSystem) {
    struct Case {
        sim::Os os;
        int stored;
        int selected;
    };
    for (Case c : {Case{sim::Os::NT4, 10, 8}, Case{sim::Os::NT4, 9, 9}, Case{sim::Os::NT4, 0, 0},
                   Case{sim::Os::Win98, 10, 10}, Case{sim::Os::Win98, 11, 9}, Case{sim::Os::Win98, -1, 9}}) {
        SetDword("Objects", "ComboBox1", static_cast<std::uint32_t>(c.stored));
        Start(c.os);
        EXPECT_EQ(form->ComboBox1.ItemIndex(), c.selected) << c.stored;
    }
}

TEST_F(SettingsLoadTest, BeeperLeadLogSizeAndSleepRanges) {
    struct Case {
        std::uint32_t stored;
        int loaded;
    };
    for (Case c : {Case{0, 20}, Case{1, 1}, Case{59, 59}, Case{60, 20}}) {
        SetDword("Controls", "BeeperValue", c.stored);
        Start();
        EXPECT_EQ(form->SpinEdit4.Value(), c.loaded) << "BeeperValue " << c.stored;
    }
    // Outside the spin limits the field keeps what it had.
    for (Case c : {Case{31, 64}, Case{32, 32}, Case{992, 992}, Case{993, 64}}) {
        SetDword("Controls", "LogSize", c.stored);
        Start();
        EXPECT_EQ(form->SpinEdit3.Value(), c.loaded) << "LogSize " << c.stored;
    }
    SetDword("Guards", "Warning", 1);
    for (Case c : {Case{0, 0}, Case{1, 1}, Case{65'535, 65'535}, Case{65'536, 0}, Case{0xFFFFFFFF, 0}}) {
        SetDword("Guards", "Sleep", c.stored);
        Start();
        EXPECT_EQ(form->UpDown1.Position(), c.loaded - 32768) << "Sleep " << c.stored;
        EXPECT_EQ(form->Label10.Caption(), c.loaded == 0 ? "00" : std::to_string(c.loaded)) << c.stored;
    }
    // Without "No Warnin&g," there is no wait.
    SetDword("Guards", "Warning", 0);
    SetDword("Guards", "Sleep", 500);
    Start();
    EXPECT_EQ(form->UpDown1.Position(), -32768);
    EXPECT_EQ(form->Label10.Caption(), "00");
}

TEST_F(SettingsLoadTest, TimeOfDayOutOfRangeKeepsTheDefaults) {
    SetDword("Timer1", "UpDown1", 23);
    SetDword("Timer1", "UpDown2", 7);
    SetDword("Timer1", "UpDown3", 60);
    Start();
    EXPECT_EQ(form->UpDown2.Position(), 23);
    EXPECT_EQ(form->Label5.Caption(), "23");
    EXPECT_EQ(form->UpDown3.Position(), 7);
    EXPECT_EQ(form->Label6.Caption(), "7");
    EXPECT_EQ(form->UpDown4.Position(), 0);
    EXPECT_EQ(form->Label7.Caption(), "00");

    SetDword("Timer1", "UpDown1", 24);
    SetDword("Timer1", "UpDown2", 0);
    Start();
    EXPECT_EQ(form->Label5.Caption(), "00");
    EXPECT_EQ(form->Label6.Caption(), "00");
}

TEST_F(SettingsLoadTest, ListSelectionsOutOfRangeGiveTheirDefaults) {
    SetDword("Guards", "ComboBox2", 7);
    SetDword("HotKeys", "User ShutDown HotKey Selection", 35);
    SetDword("HotKeys", "User Device HotKeys Selection", 4);
    SetDword("HotKeys", "User AllIfInsert HotKey Selection", 11);
    Start();
    EXPECT_EQ(form->ComboBox2.Text(), "secure");
    EXPECT_EQ(form->ComboBox3.Text(), "9");
    EXPECT_EQ(form->ComboBox4.Text(), "ALT");
    EXPECT_EQ(form->ComboBox5.Text(), "F12");

    SetDword("Guards", "ComboBox2", 8);
    SetDword("HotKeys", "User ShutDown HotKey Selection", 36);
    SetDword("HotKeys", "User Device HotKeys Selection", 5);
    SetDword("HotKeys", "User AllIfInsert HotKey Selection", 12);
    Start();
    EXPECT_EQ(form->ComboBox2.ItemIndex(), 0);
    EXPECT_EQ(form->ComboBox3.ItemIndex(), 3);
    EXPECT_EQ(form->ComboBox4.ItemIndex(), 0);
    EXPECT_EQ(form->ComboBox5.ItemIndex(), 0);
}

TEST_F(SettingsLoadTest, ValuesOfTheWrongTypeReadAsDefaults) {
    SetString("Timer1", "Enabled", "1");
    SetString("Controls", "Hints", "0");
    machine.registry.SetBinary(RegRoot::CurrentUser, Section("Controls"), "AniSpeed", {0x20, 0, 0, 0});
    SetDword("Guards", "Edit2", 1);
    SetString("Objects", "ComboBox1", "2");
    SetDword("Controls", "Center", 0);
    SetString("Window", "Top", "10");
    machine.registry.SetRaw(RegRoot::CurrentUser, Section("Controls"), "LogSize",
                            port::RegValue{port::kRegDword, {0x40, 0x01}});
    Start();
    EXPECT_FALSE(form->CheckBox4.Checked());
    EXPECT_TRUE(form->CheckBox3.Checked());
    EXPECT_EQ(form->TrackBar2.Position(), 180);
    EXPECT_EQ(form->Edit1.Text(), "");
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 9);
    EXPECT_EQ(form->WindowTop, (768 - 243) / 2);
    EXPECT_EQ(form->SpinEdit3.Value(), 64);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(SettingsLoadTest, RunAtStartStoredAsTheStringZeroIsOff) {
    SetDword("Timer1", "Enabled", 1);
    SetString("Timer1", "StartUp", "0");
    Start();
    EXPECT_TRUE(form->CheckBox12.Enabled());
    EXPECT_FALSE(form->CheckBox12.Checked());

    SetDword("Timer1", "StartUp", 1);
    Start();
    EXPECT_TRUE(form->CheckBox12.Checked());
    // Timer and "&Run at Start" on: the invisible-start option can be used.
    EXPECT_TRUE(form->CheckBox2.Enabled());
    EXPECT_TRUE(form->CheckBox2.Checked());

    // Without the timer "&Run at Start" stays off and disabled, whatever is stored.
    SetDword("Timer1", "Enabled", 0);
    Start();
    EXPECT_FALSE(form->CheckBox12.Checked());
    EXPECT_FALSE(form->CheckBox12.Enabled());
}

TEST_F(SettingsLoadTest, InvisibleStartOffIsUncheckedButUsable) {
    SetDword("Timer1", "Enabled", 1);
    SetDword("Timer1", "StartUp", 1);
    SetDword("Controls", "InvisibleWindow", 0);
    Start();
    EXPECT_TRUE(form->CheckBox2.Enabled());
    EXPECT_FALSE(form->CheckBox2.Checked());
}

TEST_F(SettingsLoadTest, StarAndEmptyFieldsReadAsEmpty) {
    for (const char* stored : {"*", ""}) {
        SetString("Guards", "Edit2", stored);
        SetString("Guards", "EmptyDirList", stored);
        Start();
        EXPECT_EQ(form->Edit1.Text(), "") << '"' << stored << '"';
        EXPECT_EQ(form->Edit4.Text(), "") << '"' << stored << '"';
    }
    SetString("Guards", "Edit2", "C:\\TOOLS\\BACKUP.EXE /Q");
    SetString("Guards", "EmptyDirList", "C:\\WINDOWS\\TEMP\\;");
    Start();
    EXPECT_EQ(form->Edit1.Text(), "C:\\TOOLS\\BACKUP.EXE /Q");
    EXPECT_EQ(form->Edit4.Text(), "C:\\WINDOWS\\TEMP\\;");
}

TEST_F(SettingsLoadTest, EmptyDirectoryStatusFollowsTheListAndTheConfirmation) {
    SetString("Guards", "EmptyDirList", "C:\\WINDOWS\\TEMP\\;");
    SetDword("Controls", "EmptyConfirm", 1);
    Start();
    EXPECT_FALSE(form->CheckBox16.Checked());
    EXPECT_TRUE(form->CheckBox16.Enabled());
    EXPECT_EQ(form->StatusBar2.PanelText(0), "Empty");
    EXPECT_EQ(form->StatusBar2.PanelText(1), "NO CONFIRM!");

    SetDword("Controls", "EmptyConfirm", 0);
    Start();
    EXPECT_TRUE(form->CheckBox16.Checked());
    EXPECT_EQ(form->StatusBar2.PanelText(1), "Confirmation");

    SetString("Guards", "EmptyDirList", "*");
    Start();
    EXPECT_FALSE(form->CheckBox16.Enabled());
    EXPECT_EQ(form->StatusBar2.PanelText(0), "");
    EXPECT_EQ(form->StatusBar2.PanelText(1), "");
}

TEST_F(SettingsLoadTest, WindowAnimationTrayAndSpeedOnlyWithAShell) {
    SetDword("Controls", "WinAni", 0);
    SetDword("Controls", "Animation", 0);
    SetDword("Controls", "AniSpeed", 500);
    for (sim::Os os : {sim::Os::Win95, sim::Os::Win98, sim::Os::NT4}) {
        Start(os);
        EXPECT_FALSE(form->CheckBox14.Checked());
        EXPECT_FALSE(form->CheckBox11.Checked());
        EXPECT_EQ(form->TrackBar2.Position(), 500);
    }
    Start(sim::Os::NT3);
    EXPECT_TRUE(form->CheckBox14.Checked());
    EXPECT_FALSE(form->CheckBox11.Checked());
    EXPECT_EQ(form->TrackBar2.Position(), 180);
}

TEST_F(SettingsLoadTest, SystrayInStringFormSetsOrClearsTheAutostart) {
    auto storeSystray = [this](const char* text) {
        Stop();
        machine.registry.SetString(RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\LocalUser", "Systray",
                                   text);
    };
    storeSystray("1");
    Start(sim::Os::Win98);
    EXPECT_TRUE(form->CheckBox10.Checked());
    EXPECT_EQ(Autostart(), "C:\\RAVELIN\\RVLN.EXE");

    // Any other number leaves the option and the value alone.
    storeSystray("2");
    Start(sim::Os::Win98);
    EXPECT_FALSE(form->CheckBox10.Checked());
    EXPECT_EQ(Autostart(), "C:\\RAVELIN\\RVLN.EXE");

    storeSystray("0x1");
    Start(sim::Os::NT4);
    EXPECT_TRUE(form->CheckBox10.Checked());

    // Missing reads as 0: the option goes off and the autostart value with it.
    Stop();
    machine.registry.RemoveKeyTree(RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\LocalUser");
    machine.registry.SetString(RegRoot::CurrentUser, kRun, "Ravelin", "C:\\RAVELIN\\RVLN.EXE");
    Start(sim::Os::Win98);
    EXPECT_FALSE(form->CheckBox10.Checked());
    EXPECT_FALSE(Autostart());
}

TEST_F(SettingsLoadTest, SystrayIsNotReadOnNt351) {
    machine.registry.SetString(RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\LocalUser", "Systray", "1");
    machine.registry.SetString(RegRoot::CurrentUser, kRun, "Ravelin", "C:\\RAVELIN\\RVLN.EXE");
    Start(sim::Os::NT3);
    EXPECT_FALSE(form->CheckBox10.Checked());
    EXPECT_FALSE(form->CheckBox10.Enabled());
    // Nothing is written or deleted on a system without a tray.
    EXPECT_EQ(Autostart(), "C:\\RAVELIN\\RVLN.EXE");
}

TEST_F(SettingsLoadTest, LogosOnWindows95And98BootOptionsOnWindows98Only) {
    for (const char* name : {"StartUp", "First_ShutDown", "Second_ShutDown"})
        machine.registry.SetDword(RegRoot::LocalMachine, std::string(kGlobal) + "\\Logos", name, 1);
    for (const char* name : {"AutoScan", "FastReboot"})
        machine.registry.SetDword(RegRoot::LocalMachine, std::string(kGlobal) + "\\98_Features", name, 1);
    Start(sim::Os::Win98);
    for (ui::CheckBox* box :
         {&form->CheckBox7, &form->CheckBox8, &form->CheckBox9, &form->CheckBox26, &form->CheckBox27})
        EXPECT_TRUE(box->Checked()) << box->Name();

    Start(sim::Os::Win95);
    EXPECT_TRUE(form->CheckBox7.Checked());
    EXPECT_FALSE(form->CheckBox26.Checked());
    EXPECT_FALSE(form->CheckBox27.Checked());

    Start(sim::Os::NT4);
    for (ui::CheckBox* box : {&form->CheckBox7, &form->CheckBox8, &form->CheckBox9}) {
        EXPECT_FALSE(box->Checked()) << box->Name();
        EXPECT_FALSE(box->Enabled()) << box->Name();
    }
    EXPECT_FALSE(form->CheckBox26.Checked());
}

TEST_F(SettingsLoadTest, PrivateControlPanelCopyOnNt4Only) {
    SetDword("CPanel", "Global", 1);
    Start(sim::Os::NT4);
    EXPECT_TRUE(form->CheckBox15.Checked());
    EXPECT_TRUE(form->CheckBox15.Enabled());
    Start(sim::Os::Win98);
    EXPECT_FALSE(form->CheckBox15.Checked());
    Start(sim::Os::NT3);
    EXPECT_FALSE(form->CheckBox15.Checked());
}

TEST_F(SettingsLoadTest, EventLogTargetOnNtOnly) {
    SetDword("Controls", "RVLNLog", 0);
    Start(sim::Os::NT4);
    EXPECT_TRUE(form->RadioButton4.Checked());
    Start(sim::Os::NT3);
    EXPECT_TRUE(form->RadioButton4.Checked());
    Start(sim::Os::Win98);
    EXPECT_TRUE(form->RadioButton3.Checked());

    // With logging off the target is not chosen from the registry.
    SetDword("Controls", "EnableLogging", 0);
    Start(sim::Os::NT4);
    EXPECT_FALSE(form->CheckBox20.Checked());
    EXPECT_TRUE(form->RadioButton4.Checked());
}

TEST_F(SettingsLoadTest, StoredWindowPositionIsPulledOntoTheScreen) {
    // A 241 x 243 window on a 1024 x 768 screen, shown without animation.
    SetDword("Controls", "WinAni", 0);
    SetDword("Controls", "Center", 0);
    SetDword("Window", "Top", static_cast<std::uint32_t>(-31));
    SetDword("Window", "Left", 995);
    Start();
    EXPECT_EQ(form->WindowTop, 0);
    EXPECT_EQ(form->WindowLeft, 1024 - 241);
    EXPECT_EQ(form->Top(), 0);
    EXPECT_EQ(form->Left(), 1024 - 241);

    SetDword("Window", "Top", static_cast<std::uint32_t>(-30));
    SetDword("Window", "Left", 994);
    Start();
    EXPECT_EQ(form->WindowTop, -30);
    EXPECT_EQ(form->WindowLeft, 994);

    // Centred windows ignore the stored place.
    SetDword("Controls", "Center", 1);
    Start();
    EXPECT_EQ(form->WindowTop, (768 - 243) / 2);
    EXPECT_EQ(form->WindowLeft, (1024 - 241) / 2);
}

TEST_F(SettingsLoadTest, HiddenStatusBarsShrinkTheWindow) {
    SetDword("Controls", "WinAni", 0);  // no show animation: the window keeps its size
    SetDword("Objects", "StatusBar1", 0);
    SetDword("Objects", "StatusBar2", 0);
    SetDword("Objects", "LockedStatus", 0);
    Start();
    EXPECT_FALSE(form->StatusBar1.Visible());
    EXPECT_FALSE(form->StatusBar2.Visible());
    EXPECT_FALSE(form->SpeedButton6.Down());
    EXPECT_EQ(form->ClientHeight(), 218 - 2 * 19);
}

TEST_F(SettingsLoadTest, HintsOffForTheWholeWindow) {
    SetDword("Controls", "Hints", 0);
    Start();
    EXPECT_FALSE(form->CheckBox3.Checked());
    EXPECT_FALSE(form->program.application.ShowHint());
    EXPECT_FALSE(form->Button1.ShowHint());
    EXPECT_FALSE(form->SpinEdit1.ShowHint());
}

TEST_F(SettingsLoadTest, OwnViewersOnlyWhenTheyExist) {
    machine.files.AddFile("C:\\TOOLS\\VIEW.EXE");
    SetString("ExternalPrograms", "TextViewer", "C:\\TOOLS\\VIEW.EXE");
    SetString("ExternalPrograms", "DirectoryViewer", "C:\\TOOLS\\MISSING.EXE");
    Start();
    EXPECT_EQ(form->TextViewer, "C:\\TOOLS\\VIEW.EXE");
    EXPECT_EQ(form->DirectoryViewer, "EXPLORER.EXE");

    machine.files.AddFile("C:\\WINDOWS\\notepad.exe");
    SetString("ExternalPrograms", "TextViewer", "notepad.exe");
    SetString("ExternalPrograms", "DirectoryViewer", "C:\\TOOLS");
    Start();
    EXPECT_EQ(form->TextViewer, "NOTEPAD.EXE");
    EXPECT_EQ(form->DirectoryViewer, "EXPLORER.EXE");
}

TEST_F(SettingsLoadTest, ClickHandlersRunWhileTheLoadingFlagIsSet) {
    // A handler set before loading sees the flag, as the start-up warnings of the timer need.
    machine.SetOs(sim::Os::Win98);
    SetDword("Timer1", "Enabled", 1);
    program = std::make_unique<app::Program>(platform);
    app::ProgramState& state = program->State();
    app::TForm1 own(state);
    std::vector<bool> seen;
    own.CheckBox4.OnClick = [&] { seen.push_back(own.LoadingSettings); };
    settings::SetDefaultSettings(own);
    settings::LoadSettings(own);
    EXPECT_EQ(seen, (std::vector<bool>{true}));
    EXPECT_FALSE(own.LoadingSettings);
}

}  // namespace
