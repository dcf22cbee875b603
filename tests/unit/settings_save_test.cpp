// Saving the settings: every control comes back after a restart, the fixed order of the
// writes, the stop after a refused write, and the autostart value.
#include "settings_fixture.h"

#include "settings/settings_store.h"

namespace {

using namespace settings_test;

class SettingsSaveTest : public SettingsTest {
  protected:
    // The values SaveSettings writes or deletes, in order, as "section\name" below the per-user
    // key and as "root key\name" elsewhere.
    std::vector<std::string> SavedInOrder() {
        machine.registry.calls.clear();
        settings::SaveSettings(*form);
        std::vector<std::string> order;
        const std::string user = std::string(kUser) + "\\";
        for (const sim::RegCall& call : machine.registry.calls) {
            if (call.kind != sim::RegCall::SetValue && call.kind != sim::RegCall::DeleteValue) continue;
            std::string where = call.key.rfind(user, 0) == 0 ? call.key.substr(user.size()) : call.key;
            if (call.root == RegRoot::LocalMachine) where = "HKLM " + where;
            order.push_back(where + "\\" + call.name);
        }
        return order;
    }
};

TEST_F(SettingsSaveTest, SaveThenLoadRestoresEveryControl) {
    machine.files.AddFile("C:\\TOOLS\\VIEW.EXE");
    machine.files.AddFile("C:\\TOOLS\\FILER.EXE");
    // The boot switches edit MSDOS.SYS as they are ticked.
    machine.files.AddFile("C:\\MSDOS.SYS", "[Options]\r\n");
    machine.files.AddDirectory("C:\\TEMP");
    machine.AddFixedDrive('D');
    machine.files.AddDirectory("D:\\SPOOL");
    Start(sim::Os::Win98);
    app::TForm1& f = *form;
    f.ComboBox1.SetItemIndex(2);
    f.ComboBox2.SetItemIndex(5);
    f.SpeedButton6.SetDown(false);
    f.SetStatusBarShown(f.StatusBar2, false);
    f.SetStatusBarShown(f.StatusBar1, false);
    f.CheckBox1.SetChecked(false);
    f.SetBounds(120, 80, f.Width(), f.Height());
    f.CheckBox10.SetChecked(true);
    f.CheckBox11.SetChecked(false);
    f.TrackBar2.SetPosition(777);
    f.CheckBox14.SetChecked(false);
    f.CheckBox3.SetChecked(false);
    f.CheckBox19.SetChecked(true);
    f.CheckBox18.SetChecked(false);
    f.SpinEdit3.SetValue(320);
    f.CheckBox24.SetChecked(true);
    f.SpinEdit4.SetValue(33);
    f.CheckBox25.SetChecked(false);
    f.CheckBox21.SetChecked(false);
    f.CheckBox22.SetChecked(false);
    f.CheckBox23.SetChecked(false);
    f.ComboBox3.SetItemIndex(10);
    f.ComboBox4.SetItemIndex(2);
    f.ComboBox5.SetItemIndex(7);
    f.CheckBox4.SetChecked(true);
    f.CheckBox12.SetEnabled(true);
    f.CheckBox12.SetChecked(true);
    f.CheckBox2.SetChecked(false);
    // Typing the seconds selects "in"; "at" is chosen afterwards.
    f.Edit2.SetText("3600");
    f.RadioButton1.SetChecked(true);
    f.UpDown2.SetPosition(13);
    f.UpDown3.SetPosition(5);
    f.UpDown4.SetPosition(59);
    f.Edit1.SetText("C:\\TOOLS\\BACKUP.EXE /Q");
    f.CheckBox5.SetChecked(true);
    f.CheckBox13.SetChecked(true);
    f.UpDown1.SetPosition(1500 - 32768);
    f.Label10.SetCaption("1500");
    f.CheckBox6.SetChecked(true);
    f.SysHotKeys = false;
    f.Edit4.SetText("C:\\TEMP\\;D:\\SPOOL\\;");
    for (ui::CheckBox* system : {&f.CheckBox7, &f.CheckBox8, &f.CheckBox9, &f.CheckBox26, &f.CheckBox27})
        system->SetChecked(true);
    f.TextViewer = "C:\\TOOLS\\VIEW.EXE";
    f.DirectoryViewer = "C:\\TOOLS\\FILER.EXE";
    settings::SaveSettings(f);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    Stop();

    StartAgain();
    app::TForm1& g = *form;
    EXPECT_EQ(g.ComboBox1.ItemIndex(), 2);
    EXPECT_EQ(g.ComboBox2.ItemIndex(), 5);
    EXPECT_FALSE(g.SpeedButton6.Down());
    EXPECT_FALSE(g.StatusBar1.Visible());
    EXPECT_FALSE(g.StatusBar2.Visible());
    EXPECT_FALSE(g.CheckBox1.Checked());
    EXPECT_EQ(g.WindowTop, 80);
    EXPECT_EQ(g.WindowLeft, 120);
    EXPECT_TRUE(g.CheckBox10.Checked());
    EXPECT_FALSE(g.CheckBox11.Checked());
    EXPECT_EQ(g.TrackBar2.Position(), 777);
    EXPECT_EQ(g.Label12.Caption(), "777");
    EXPECT_FALSE(g.CheckBox14.Checked());
    EXPECT_FALSE(g.CheckBox3.Checked());
    EXPECT_TRUE(g.CheckBox19.Checked());
    EXPECT_FALSE(g.CheckBox18.Checked());
    EXPECT_EQ(g.SpinEdit3.Value(), 320);
    EXPECT_TRUE(g.CheckBox24.Checked());
    EXPECT_EQ(g.SpinEdit4.Value(), 33);
    EXPECT_FALSE(g.CheckBox25.Checked());
    EXPECT_FALSE(g.CheckBox21.Checked());
    EXPECT_FALSE(g.CheckBox22.Checked());
    EXPECT_FALSE(g.CheckBox23.Checked());
    EXPECT_EQ(g.ComboBox3.ItemIndex(), 10);
    EXPECT_EQ(g.ComboBox4.ItemIndex(), 2);
    EXPECT_EQ(g.ComboBox5.ItemIndex(), 7);
    EXPECT_TRUE(g.CheckBox4.Checked());
    EXPECT_TRUE(g.CheckBox12.Checked());
    EXPECT_FALSE(g.CheckBox2.Checked());
    EXPECT_TRUE(g.RadioButton1.Checked());
    EXPECT_EQ(g.UpDown2.Position(), 13);
    EXPECT_EQ(g.Label5.Caption(), "13");
    EXPECT_EQ(g.UpDown3.Position(), 5);
    EXPECT_EQ(g.Label6.Caption(), "5");
    EXPECT_EQ(g.UpDown4.Position(), 59);
    EXPECT_EQ(g.Label7.Caption(), "59");
    EXPECT_EQ(g.Edit2.Text(), "3600");
    EXPECT_EQ(g.Edit1.Text(), "C:\\TOOLS\\BACKUP.EXE /Q");
    EXPECT_TRUE(g.CheckBox5.Checked());
    EXPECT_TRUE(g.CheckBox13.Checked());
    EXPECT_EQ(g.UpDown1.Position(), 1500 - 32768);
    EXPECT_EQ(g.Label10.Caption(), "1500");
    EXPECT_TRUE(g.CheckBox6.Checked());
    EXPECT_FALSE(g.SysHotKeys);
    EXPECT_EQ(g.Edit4.Text(), "C:\\TEMP\\;D:\\SPOOL\\;");
    for (ui::CheckBox* system : {&g.CheckBox7, &g.CheckBox8, &g.CheckBox9, &g.CheckBox26, &g.CheckBox27})
        EXPECT_TRUE(system->Checked()) << system->Name();
    EXPECT_EQ(g.TextViewer, "C:\\TOOLS\\VIEW.EXE");
    EXPECT_EQ(g.DirectoryViewer, "C:\\TOOLS\\FILER.EXE");
}

TEST_F(SettingsSaveTest, SaveThenLoadOnNt4KeepsTheEventLogAndThePrivateCopy) {
    Start(sim::Os::NT4);
    form->RadioButton4.SetChecked(true);
    form->CheckBox15.SetChecked(true);
    Stop();
    StartAgain();
    EXPECT_TRUE(form->RadioButton4.Checked());
    EXPECT_FALSE(form->RadioButton3.Checked());
    EXPECT_TRUE(form->CheckBox15.Checked());
    EXPECT_EQ(Dword("Controls", "RVLNLog"), 0u);
}

TEST_F(SettingsSaveTest, WritesInTheFixedOrder) {
    Start(sim::Os::Win98);
    const std::vector<std::string> expected = {
        "Objects\\ComboBox1",
        "Guards\\ComboBox2",
        "Objects\\LockedStatus",
        "Objects\\StatusBar1",
        "Objects\\StatusBar2",
        "Window\\Top",
        "Window\\Left",
        std::string(kRun) + "\\Ravelin",
        "SOFTWARE\\QAV\\Ravelin\\LocalUser\\Systray",
        "Controls\\Animation",
        "Controls\\AniSpeed",
        "Controls\\Center",
        "Controls\\WinAni",
        "Controls\\Hints",
        "Controls\\InvisibleWindow",
        "Controls\\AskBeforeEject",
        "Controls\\InfoBeforeRetract",
        "Controls\\EnableLogging",
        "Controls\\RVLNLog",
        "Controls\\LogSize",
        "Controls\\BeeperEnabled",
        "Controls\\BeeperValue",
        "Controls\\FlashEnabled",
        "HotKeys\\AutoRemap ShutDown HotKey",
        "HotKeys\\AutoRemap Device HotKeys",
        "HotKeys\\AutoRemap AllIfInsert HotKey",
        "HotKeys\\User ShutDown HotKey Selection",
        "HotKeys\\User Device HotKeys Selection",
        "HotKeys\\User AllIfInsert HotKey Selection",
        "Timer1\\Enabled",
        "Timer1\\StartUp",
        "Timer1\\Radio1",
        "Timer1\\UpDown1",
        "Timer1\\UpDown2",
        "Timer1\\UpDown3",
        "Timer1\\Edit1",
        "Guards\\Run",
        "Guards\\Warning",
        "Guards\\Init",
        "Guards\\SysHotKeys",
        "Guards\\Sleep",
        "Guards\\Edit2",
        "Guards\\EmptyDirList",
        "HKLM Software\\QAV\\Ravelin\\GlobalUser\\Logos\\StartUp",
        "HKLM Software\\QAV\\Ravelin\\GlobalUser\\Logos\\First_ShutDown",
        "HKLM Software\\QAV\\Ravelin\\GlobalUser\\Logos\\Second_ShutDown",
        "HKLM Software\\QAV\\Ravelin\\GlobalUser\\98_Features\\AutoScan",
        "HKLM Software\\QAV\\Ravelin\\GlobalUser\\98_Features\\FastReboot",
        "CPanel\\Global",
        "ExternalPrograms\\TextViewer",
        "ExternalPrograms\\DirectoryViewer",
        "SOFTWARE\\QAV\\Ravelin\\ID\\Uninstall",
    };
    EXPECT_EQ(SavedInOrder(), expected);
}

TEST_F(SettingsSaveTest, OtherSystemsLeaveOutTheMachineOptions) {
    Start(sim::Os::Win95);
    std::vector<std::string> order = SavedInOrder();
    EXPECT_EQ(std::count_if(order.begin(), order.end(),
                            [](const std::string& s) { return s.find("Logos") != s.npos; }),
              3);
    EXPECT_EQ(std::count_if(order.begin(), order.end(),
                            [](const std::string& s) { return s.find("98_Features") != s.npos; }),
              0);
    Stop();
    machine.SetOs(sim::Os::NT4);
    StartAgain();
    order = SavedInOrder();
    EXPECT_EQ(std::count_if(order.begin(), order.end(),
                            [](const std::string& s) { return s.rfind("HKLM", 0) == 0; }),
              0);
    EXPECT_EQ(order.back(), "SOFTWARE\\QAV\\Ravelin\\ID\\Uninstall");
}

TEST_F(SettingsSaveTest, RefusedMachineWriteStopsTheSave) {
    Start(sim::Os::Win98);
    machine.DenyMachineKeyWrites();
    const std::vector<std::string> order = SavedInOrder();
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.back(), "HKLM Software\\QAV\\Ravelin\\GlobalUser\\Logos\\StartUp");
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, sim::BoxKind::Error);
    EXPECT_NE(machine.dialogs.boxes[0].text.find("[ StartUp ]"), std::string::npos);
    EXPECT_NE(machine.dialogs.boxes[0].text.find("GlobalUser\\Logos"), std::string::npos);
    // What comes before is in place, what comes after is not.
    EXPECT_EQ(String("Guards", "EmptyDirList"), "*");
    EXPECT_FALSE(Dword("CPanel", "Global"));
    EXPECT_FALSE(String("ExternalPrograms", "TextViewer"));
    EXPECT_FALSE(machine.registry.HasValue(RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\ID", "Uninstall"));
}

TEST_F(SettingsSaveTest, RefusedUserWriteStopsTheSaveThere) {
    Start(sim::Os::Win98);
    machine.registry.DenyWrites(RegRoot::CurrentUser, Section("Timer1"));
    const std::vector<std::string> order = SavedInOrder();
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.back(), "Timer1\\Enabled");
    EXPECT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(Dword("HotKeys", "User AllIfInsert HotKey Selection"));
    EXPECT_FALSE(Dword("Guards", "Run"));
}

TEST_F(SettingsSaveTest, NormalUserOnNtWithoutDevicesSavesEverything) {
    Start(sim::Os::NT4);
    machine.DenyMachineKeyWrites();
    settings::SaveSettings(*form);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_EQ(String("ExternalPrograms", "DirectoryViewer"), "EXPLORER.EXE");
    EXPECT_EQ(machine.registry.String(RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\ID", "Uninstall"),
              "C:\\RAVELIN");
}

TEST_F(SettingsSaveTest, FieldsAndNumbersAsTheyAreStored) {
    Start();
    form->Edit2.SetText("12x");
    settings::SaveSettings(*form);
    EXPECT_EQ(String("Guards", "Edit2"), "*");
    EXPECT_EQ(String("Guards", "EmptyDirList"), "*");
    EXPECT_EQ(Dword("Timer1", "Edit1"), 0u);
    EXPECT_EQ(Dword("Guards", "Sleep"), 0u);
    EXPECT_EQ(Dword("Controls", "RVLNLog"), 1u);
    auto systray = machine.registry.Raw(RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\LocalUser", "Systray");
    ASSERT_TRUE(systray);
    EXPECT_EQ(systray->type, port::kRegSz);
    EXPECT_EQ(machine.registry.String(RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\LocalUser", "Systray"),
              "0");
    EXPECT_EQ(machine.registry.Raw(RegRoot::CurrentUser, Section("Controls"), "Hints")->type,
              port::kRegDword);
    // The window position is the one it has now.
    form->SetBounds(33, 44, form->Width(), form->Height());
    settings::SaveSettings(*form);
    EXPECT_EQ(Dword("Window", "Top"), 44u);
    EXPECT_EQ(Dword("Window", "Left"), 33u);
    EXPECT_EQ(form->WindowTop, 44);
}

TEST_F(SettingsSaveTest, StatusBarsOnlyWhileTheWindowIsEnabled) {
    Start();
    form->SetStatusBarShown(form->StatusBar1, false);
    form->SetEnabled(false);
    settings::SaveSettings(*form);
    EXPECT_FALSE(Dword("Objects", "StatusBar1"));
    form->SetEnabled(true);
    settings::SaveSettings(*form);
    EXPECT_EQ(Dword("Objects", "StatusBar1"), 0u);
}

TEST_F(SettingsSaveTest, AutostartFollowsTheTrayOptionAndIsQuoted) {
    machine.system.executablePath = "C:\\Program Files\\Ravelin\\RVLN.EXE";
    Start();
    form->CheckBox10.SetChecked(true);
    settings::SaveSettings(*form);
    EXPECT_EQ(Autostart(), "\"C:\\Program Files\\Ravelin\\RVLN.EXE\"");
    EXPECT_EQ(machine.registry.String(RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\ID", "Uninstall"),
              "C:\\Program Files\\Ravelin");
    form->CheckBox10.SetChecked(false);
    settings::SaveSettings(*form);
    EXPECT_FALSE(Autostart());
}

TEST_F(SettingsSaveTest, AUsersChangeStoresTheStatusBarsARepaintDoesNot) {
    Start();
    const int writes = ValueWrites();
    form->Form1_Resize();
    EXPECT_EQ(ValueWrites(), writes);
    form->SetStatusBarShown(form->StatusBar2, false);
    form->Form1_Resize();
    EXPECT_EQ(ValueWrites(), writes);
    settings::StoreStatusBarVisibility(*form);
    EXPECT_EQ(Dword("Objects", "StatusBar1"), 1u);
    EXPECT_EQ(Dword("Objects", "StatusBar2"), 0u);
    const int afterChange = ValueWrites();
    form->SetStatusBarShown(form->StatusBar2, true);
    settings::StoreStatusBarVisibility(*form);  // only what changed is written
    EXPECT_EQ(Dword("Objects", "StatusBar2"), 1u);
    EXPECT_EQ(ValueWrites(), afterChange + 1);
}

}  // namespace
