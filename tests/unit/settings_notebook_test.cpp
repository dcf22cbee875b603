// "&Save", "&Default" and "Ca&ncel" under the notebook, and the snapshot behind "Ca&ncel".
#include "settings_fixture.h"

#include "settings/settings_store.h"

namespace {

using namespace settings_test;

constexpr const char* kDefaultInfo =
    "INFORMATION:\r\rAll settings are now at their default values!\r\rPress [Save] to save the default "
    "settings, "
    "or\rpress [Cancel] to let the old settings valid.";

// Everything a user can see of the setting controls, as one text to compare.
std::string ControlState(app::TForm1& f) {
    std::string out;
    auto add = [&out](const ui::Widget& w, const std::string& value) {
        out += w.Name() + "=" + value + (w.Enabled() ? "" : " (disabled)") + "\n";
    };
    for (ui::CheckBox* b :
         {&f.CheckBox1,  &f.CheckBox2,  &f.CheckBox3,  &f.CheckBox4,  &f.CheckBox5,  &f.CheckBox6,
          &f.CheckBox7,  &f.CheckBox8,  &f.CheckBox9,  &f.CheckBox10, &f.CheckBox11, &f.CheckBox12,
          &f.CheckBox13, &f.CheckBox14, &f.CheckBox15, &f.CheckBox16, &f.CheckBox17, &f.CheckBox18,
          &f.CheckBox19, &f.CheckBox20, &f.CheckBox21, &f.CheckBox22, &f.CheckBox23, &f.CheckBox24,
          &f.CheckBox25, &f.CheckBox26, &f.CheckBox27})
        add(*b, b->Checked() ? "on" : "off");
    for (ui::RadioButton* r : {&f.RadioButton1, &f.RadioButton2, &f.RadioButton3, &f.RadioButton4})
        add(*r, r->Checked() ? "on" : "off");
    for (ui::SpinEdit* s : {&f.SpinEdit2, &f.SpinEdit3, &f.SpinEdit4})
        add(*s, s->Text());
    for (ui::Label* l : {&f.Label5, &f.Label6, &f.Label7, &f.Label10, &f.Label12})
        add(*l, l->Caption());
    for (ui::UpDown* u : {&f.UpDown1, &f.UpDown2, &f.UpDown3, &f.UpDown4})
        add(*u, std::to_string(u->Position()));
    for (ui::Edit* e : {&f.Edit1, &f.Edit2, &f.Edit3, &f.Edit4})
        add(*e, e->Text());
    for (ui::ComboBox* c : {&f.ComboBox2, &f.ComboBox3, &f.ComboBox4, &f.ComboBox5})
        add(*c, std::to_string(c->ItemIndex()));
    for (ui::TrackBar* t : {&f.TrackBar1, &f.TrackBar2})
        add(*t, std::to_string(t->Position()));
    add(f.SpeedButton6, f.SpeedButton6.Down() ? "down" : "up");
    for (size_t i = 0; i < 7; ++i)
        out += "StatusBar1[" + std::to_string(i) + "]=" + f.StatusBar1.PanelText(i) + "\n";
    out += "Window=" + std::to_string(f.Left()) + "," + std::to_string(f.Top()) + "\n";
    return out;
}

class SettingsNotebookTest : public SettingsTest {
  protected:
    // A user whose settings differ from the defaults on every page.
    void StartWithOwnSettings(sim::Os os = sim::Os::Win98) {
        SetDword("Timer1", "Enabled", 1);
        SetDword("Timer1", "StartUp", 1);
        SetDword("Timer1", "Radio1", 1);
        SetDword("Timer1", "UpDown1", 22);
        SetDword("Timer1", "Edit1", 900);
        // The start-up countdown shows its window, so that the window can take the focus.
        SetDword("Controls", "InvisibleWindow", 0);
        SetDword("Controls", "Center", 0);
        SetDword("Window", "Top", 10);
        SetDword("Window", "Left", 20);
        SetDword("Controls", "Hints", 0);
        SetDword("Controls", "AniSpeed", 42);
        SetDword("Controls", "BeeperEnabled", 1);
        SetDword("Controls", "BeeperValue", 9);
        SetDword("Controls", "LogSize", 128);
        SetDword("Controls", "RVLNLog", 0);
        SetDword("Objects", "LockedStatus", 0);
        SetDword("Guards", "Run", 1);
        SetDword("Guards", "Warning", 1);
        SetDword("Guards", "Sleep", 2500);
        SetString("Guards", "Edit2", "C:\\TOOLS\\BACKUP.EXE");
        SetString("Guards", "EmptyDirList", "C:\\WINDOWS\\TEMP\\;");
        SetDword("Guards", "ComboBox2", 6);
        SetDword("Guards", "PowerResult", 0);
        SetDword("HotKeys", "User ShutDown HotKey Selection", 20);
        SetDword("HotKeys", "AutoRemap Device HotKeys", 0);
        machine.registry.SetString(RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\LocalUser", "Systray", "1");
        Start(os);
    }
};

TEST_F(SettingsNotebookTest, DefaultThenCancelLeavesRegistryAndControlsAsBefore) {
    StartWithOwnSettings();
    const std::string controlsBefore = ControlState(*form);
    const std::string registryBefore = machine.registry.DumpTree();
    form->OpenSettingsNotebook(0);
    form->CheckBox11.SetChecked(false);  // a change before "&Default"
    machine.dialogs.Answer(port::kIdOk);
    form->Button4.Click();
    EXPECT_TRUE(form->NotebookShowing());
    EXPECT_NE(ControlState(*form), controlsBefore);
    EXPECT_EQ(form->Edit2.Text(), "60");
    EXPECT_FALSE(form->CheckBox10.Checked());
    // Nothing reaches the registry before "&Save".
    EXPECT_EQ(machine.registry.DumpTree(), registryBefore);

    form->Button3.Click();
    EXPECT_FALSE(form->NotebookShowing());
    EXPECT_EQ(ControlState(*form), controlsBefore);
    EXPECT_EQ(machine.registry.DumpTree(), registryBefore);
    EXPECT_EQ(Autostart(), "C:\\RAVELIN\\RVLN.EXE");
    EXPECT_EQ(machine.dialogs.unscriptedBoxes, 0);
}

TEST_F(SettingsNotebookTest, SaveWithARefusedAutostartValueShowsOneBox) {
    Start();
    form->OpenSettingsNotebook(0);
    form->CheckBox10.SetChecked(true);
    machine.registry.DenyWrites(RegRoot::CurrentUser, kRun);
    const size_t before = machine.dialogs.boxes.size();
    form->Button2.Click();
    ASSERT_EQ(machine.dialogs.boxes.size(), before + 1);
    EXPECT_NE(machine.dialogs.boxes.back().text.find("[ Ravelin ]"), std::string::npos);
    EXPECT_FALSE(form->NotebookShowing());
}

TEST_F(SettingsNotebookTest, DefaultShowsItsInformationAndForgetsThePowerOffWay) {
    SetDword("Guards", "PowerResult", 2);
    Start();
    form->OpenSettingsNotebook(1);
    machine.dialogs.Answer(port::kIdOk);
    form->Button4.Click();
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, sim::BoxKind::Information);
    EXPECT_EQ(machine.dialogs.boxes[0].text, kDefaultInfo);
    EXPECT_EQ(Dword("Guards", "PowerResult"), 0u);
    EXPECT_TRUE(form->NotebookShowing());
}

TEST_F(SettingsNotebookTest, CancelPutsBackWhatWasChangedOnThePages) {
    StartWithOwnSettings(sim::Os::NT4);
    const std::string before = ControlState(*form);
    form->OpenSettingsNotebook(2);
    form->CheckBox4.SetChecked(false);
    form->RadioButton2.SetChecked(true);
    form->UpDown2.SetPosition(3);
    form->Label5.SetCaption("3");
    form->Edit2.SetText("5");
    form->ComboBox3.SetItemIndex(0);
    form->TrackBar2.SetPosition(1999);
    form->SpeedButton6.SetDown(true);
    form->StatusBar1.SetPanelText(2, "");
    form->CheckBox10.SetChecked(false);
    form->RadioButton3.SetChecked(true);
    form->SpinEdit4.SetValue(50);
    form->SetBounds(300, 300, form->Width(), form->Height());
    form->Button3.Click();
    EXPECT_EQ(ControlState(*form), before);
    EXPECT_TRUE(form->Button1.Visible());
    EXPECT_TRUE(form->Button1.Enabled());
    EXPECT_TRUE(form->Button1.Focused());
    // "&Always start in System Tray" is on again, and so is its autostart value.
    EXPECT_EQ(Autostart(), "C:\\RAVELIN\\RVLN.EXE");
}

TEST_F(SettingsNotebookTest, CancelPutsTheTextsBackBeforeTheBoxesClick) {
    StartWithOwnSettings();
    std::vector<std::string> commandsSeen;
    form->CheckBox5.OnClick = [this, &commandsSeen] {
        if (form->CheckBox5.Checked()) commandsSeen.push_back(form->Edit1.Text());
    };
    form->OpenSettingsNotebook(3);
    machine.dialogs.Answer(port::kIdOk);
    form->Button4.Click();
    EXPECT_EQ(form->Edit1.Text(), "");
    form->Button3.Click();
    EXPECT_EQ(commandsSeen, std::vector<std::string>{"C:\\TOOLS\\BACKUP.EXE"});
}

TEST_F(SettingsNotebookTest, SnapshotIsTakenOnlyWhenComingFromTheMainView) {
    Start();
    form->OpenSettingsNotebook(0);
    form->CheckBox14.SetChecked(false);
    form->OpenSettingsNotebook(3);  // another page: still the first snapshot
    form->Button3.Click();
    EXPECT_TRUE(form->CheckBox14.Checked());
}

TEST_F(SettingsNotebookTest, SlashSOpensTheNotebookWithASnapshot) {
    machine.SetArguments("/S");
    Start();
    ASSERT_TRUE(form->NotebookShowing());
    form->CheckBox3.SetChecked(false);
    form->Button3.Click();
    EXPECT_TRUE(form->CheckBox3.Checked());
    EXPECT_FALSE(form->NotebookShowing());
}

TEST_F(SettingsNotebookTest, SaveWritesLeavesTheNotebookAndKeepsThePlace) {
    machine.system.executablePath = "C:\\My Tools\\RVLN.EXE";
    Start();
    form->OpenSettingsNotebook(0);
    form->CheckBox10.SetChecked(true);
    form->CheckBox1.SetChecked(false);
    form->SetBounds(200, 150, form->Width(), form->Height());
    form->Button2.Click();
    EXPECT_FALSE(form->NotebookShowing());
    EXPECT_TRUE(form->Button1.Focused());
    EXPECT_TRUE(form->BitBtn3.Enabled());
    EXPECT_EQ(Autostart(), "\"C:\\My Tools\\RVLN.EXE\"");
    EXPECT_EQ(Dword("Controls", "Center"), 0u);
    EXPECT_EQ(Dword("Window", "Top"), 150u);
    EXPECT_EQ(form->WindowTop, 150);
    EXPECT_EQ(form->WindowLeft, 200);

    form->OpenSettingsNotebook(0);
    form->CheckBox1.SetChecked(true);
    form->CheckBox10.SetChecked(false);
    form->Button2.Click();
    EXPECT_EQ(form->WindowTop, form->CentredTop());
    EXPECT_EQ(form->WindowLeft, form->CentredLeft());
    EXPECT_FALSE(Autostart());
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(SettingsNotebookTest, CancelWithThePausedTimerLeavesTheMainButtonAlone) {
    Start();
    form->OpenSettingsNotebook(0);
    form->SpeedButton2.SetDown(true);
    form->Button1.SetVisible(false);
    form->Button3.Click();
    EXPECT_FALSE(form->Button1.Visible());
}

}  // namespace
