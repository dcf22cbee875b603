// The program in the notification area: the tray menu, its hint and default entry, going to the
// tray and back, the timer window and the locked menu, on the simulated machine.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/form1.h"
#include "app/program.h"
#include "tests/unit/program_fixture.h"
#include "tray/tray_window.h"

namespace {

constexpr const char* kUser = "Software\\QAV\\Ravelin\\LocalUser\\";
constexpr const char* kDir = "C:\\RAVELIN\\";
constexpr std::uint32_t kLDown = 0x201, kLDbl = 0x203, kRDown = 0x204;
constexpr std::uint32_t kScClose = 0xF060;

class TrayMenuTest : public program_test::PlainWindowTest {
  protected:
    void Set(const std::string& section, const char* name, std::uint32_t value) {
        machine.registry.SetDword(port::RegRoot::CurrentUser, kUser + section, name, value);
    }
    void Timer(std::uint32_t seconds) {
        Set("Timer1", "Enabled", 1);
        Set("Timer1", "Edit1", seconds);
    }
    const port::NotifyIconData* Icon() const {
        return machine.taskbar.TrayIcon(form->XKTrayIcon951.Handle(), 42);
    }
    std::string Tip() const { return Icon() ? Icon()->tip : std::string("<no icon>"); }
    void Mouse(std::uint32_t message) {
        ASSERT_TRUE(machine.taskbar.SendIconMouse(form->XKTrayIcon951.Handle(), 42, message));
    }
    port::WindowId App() { return program->State().application.Handle(); }
    port::WindowId Main() { return form->GetPeer()->Native(); }
    std::vector<bool> Enabled() const {
        std::vector<bool> states;
        for (const ui::MenuItem* item : form->PopupMenu1.Items())
            states.push_back(item->enabled);
        return states;
    }
    std::vector<std::string> SystemMenu() {
        std::vector<std::string> texts;
        for (const sim::MenuEntry& e : machine.taskbar.SystemMenu(Main()))
            texts.push_back(e.separator ? "-" : std::to_string(e.id) + " " + e.text);
        return texts;
    }
};

TEST_F(TrayMenuTest, MenuEntriesHintAndDefaultEntryFollowMethodAndTimer) {
    Start();
    const std::vector<std::string> names{"Open1", "Settings3",     "N4",       "N1", "Timer2", "TimerWindow1",
                                         "N3",    "EjectRetract2", "LogFile2", "N7", "N12",    "N2",
                                         "Exit1"};
    ASSERT_EQ(form->PopupMenu1.Items().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(form->PopupMenu1.Items()[i]->Name(), names[i]);
    EXPECT_EQ(form->Open1.caption, "&Open...");
    EXPECT_EQ(form->N12.caption, "&Information");
    EXPECT_TRUE(form->N4.IsSeparator());
    EXPECT_FALSE(form->LogFile2.enabled);
    EXPECT_TRUE(form->ShowLog2.isDefault);
    EXPECT_TRUE(form->Hide1.checked);
    // "&Settings": the page items without their shortcuts, in the window menu's order.
    const auto& groups = form->Settings3.Items();
    ASSERT_EQ(groups.size(), 5u);
    EXPECT_EQ(groups[2]->caption, "&Timers");
    EXPECT_EQ(groups[2]->shortCut.key, 0);
    ASSERT_EQ(groups[0]->Items().size(), 5u);
    EXPECT_EQ(groups[0]->Items()[0]->caption, "System Tr&ay");
    EXPECT_EQ(groups[4]->Items()[2]->Name(), "Win98ReBoot2");
    EXPECT_TRUE(groups[4]->Items()[2]->enabled) << "Windows 98";

    form->ComboBox1.SetItemIndex(0);
    form->BitBtn3.Click();
    ASSERT_TRUE(form->XKTrayIcon951.Active());
    EXPECT_EQ(Tip(), "DoubleClick = ShutDown (+Power OFF)");
    EXPECT_EQ(form->N1.caption, "ShutDown \xC2\xBB ShutDown (+Power OFF) \xC2\xAB");
    EXPECT_TRUE(form->N1.isDefault);
    EXPECT_FALSE(form->Timer2.visible);
    EXPECT_FALSE(form->TimerWindow1.visible);

    form->CheckBox4.SetChecked(true);
    tray::UpdateTrayMenu(*form);
    EXPECT_EQ(Tip(), "DoubleClick (Timer) = ShutDown (+Power OFF)");
    EXPECT_EQ(form->N1.caption, "Timer \xC2\xBB ShutDown (+Power OFF) \xC2\xAB");
    EXPECT_TRUE(form->Timer2.visible);
    EXPECT_FALSE(form->Timer2.enabled);
    EXPECT_TRUE(form->TimerWindow1.enabled);

    form->N1.enabled = true;
    form->Edit2.SetText("60");
    form->N1.Click();  // the default entry: the countdown starts
    ASSERT_TRUE(form->CountdownRunning);
    EXPECT_EQ(Tip(), "Left MB = open / Right MB = menu");
    EXPECT_FALSE(form->N1.enabled);
    EXPECT_TRUE(form->Timer2.enabled);
    EXPECT_TRUE(form->TimerWindow1.enabled);
    machine.loop.RunFor(2000);
    EXPECT_EQ(Tip(), "Time remaining: [ 00:00:58 ] h.");

    form->Pause1.Click();
    EXPECT_TRUE(form->Pause1.checked);
    EXPECT_TRUE(form->SpeedButton2.Down());
    form->Stop1.Click();
    EXPECT_FALSE(form->CountdownRunning);
    EXPECT_FALSE(form->Pause1.checked);
    EXPECT_TRUE(form->N1.enabled);
    EXPECT_EQ(Tip(), "DoubleClick (Timer) = ShutDown (+Power OFF)");
    EXPECT_EQ(machine.session.exitCalls.size(), 0u);
}

TEST_F(TrayMenuTest, FramesAreTheNumberedIconsInNumberOrder) {
    for (const char* name : {"S1.ICO", "S10.ICO", "S2.ICO", "SX.ICO", "S0.ICO", "S101.ICO"})
        machine.files.AddFile(std::string(kDir) + name, "ico");
    Start();
    form->BitBtn3.Click();
    EXPECT_EQ(form->TrayFrames, (std::vector<std::string>{"S1.ICO", "S2.ICO", "S10.ICO"}));
    EXPECT_EQ(form->XKTrayIcon951.State(), tray::tsAnimated);
    EXPECT_EQ(
        form->XKTrayIcon951.Animation().Icons(),
        (std::vector<std::string>{"C:\\RAVELIN\\S1.ICO", "C:\\RAVELIN\\S2.ICO", "C:\\RAVELIN\\S10.ICO"}));
    EXPECT_EQ(form->XKTrayIcon951.Animation().Interval(), 180u);
    EXPECT_GT(machine.loop.ActiveTimers(), 0u);
}

TEST_F(TrayMenuTest, WithoutFramesTheIconStaysStillAndArmsNoTimer) {
    Start();
    form->BitBtn3.Click();
    EXPECT_TRUE(form->TrayFrames.empty());
    EXPECT_EQ(form->XKTrayIcon951.State(), tray::tsEnabled);
    EXPECT_EQ(machine.loop.ActiveTimers(), 0u);
}

TEST_F(TrayMenuTest, ToTheTrayAndBackByClickDoubleClickAndMenu) {
    Start(sim::Os::Win95);
    form->ComboBox1.SetItemIndex(7);
    ASSERT_EQ(tray::TrayMethodText(form->ComboBox1.Text()), "TEST with MessageBox");
    form->BitBtn3.Click();
    ASSERT_NE(Icon(), nullptr);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(machine.taskbar.IsWindowVisible(App()));
    EXPECT_TRUE(form->MainWindowAway);

    // A press is a click once the double-click time has passed: the window comes back.
    Mouse(kLDown);
    machine.loop.RunFor(499);
    EXPECT_FALSE(form->Visible());
    machine.loop.RunFor(200);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->Button1.Focused());
    EXPECT_EQ(Icon(), nullptr);
    EXPECT_FALSE(form->MainWindowAway);

    // The right button: the menu, right-aligned, after its popup handler saw RVLN.LOG.
    form->BitBtn3.Click();
    machine.files.AddFile(std::string(kDir) + "RVLN.LOG", "x");
    Mouse(kRDown);
    ASSERT_EQ(machine.ui.popups.size(), 1u);
    EXPECT_EQ(machine.ui.popups[0].menuName, "PopupMenu1");
    EXPECT_EQ(machine.ui.popups[0].alignment, ui::PopupAlignment::Right);
    EXPECT_TRUE(form->LogFile2.enabled);
    EXPECT_FALSE(form->Visible());

    // A double click runs the main action without the window ever showing.
    bool shown = false;
    form->OnShow = [&] { shown = true; };
    Mouse(kLDown);
    Mouse(kLDbl);
    machine.loop.RunFor(1000);
    ASSERT_FALSE(machine.dialogs.Containing("This is a message, generated by").empty());
    EXPECT_FALSE(shown);
}

TEST_F(TrayMenuTest, NoTrayOnNt351AndNoneForTheNotebookStart) {
    Start(sim::Os::NT3);
    form->BitBtn3.Click();
    EXPECT_EQ(form->State(), ui::WindowState::Minimized);
    EXPECT_FALSE(form->XKTrayIcon951.Active());
    EXPECT_EQ(machine.taskbar.TrayIconCount(), 0u);

    program.reset();  // it saves its own settings as it ends
    machine.registry.SetString(port::RegRoot::CurrentUser, "SOFTWARE\\QAV\\Ravelin\\LocalUser", "Systray",
                               "1");
    machine.SetOs(sim::Os::Win98);
    ASSERT_TRUE(Launch("/S"));
    EXPECT_FALSE(form->XKTrayIcon951.Active());
    EXPECT_TRUE(form->NotebookShowing());
    ASSERT_TRUE(Launch(""));
    EXPECT_TRUE(form->XKTrayIcon951.Active());
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(Tip().rfind("DoubleClick = ", 0), 0u);
}

TEST_F(TrayMenuTest, TimerWindowHasItsOwnSystemMenuAndCommands) {
    machine.ui.recordingPeers = true;
    Timer(600);
    Start();
    form->BitBtn3.Click();
    EXPECT_EQ(form->State(), ui::WindowState::Minimized);
    EXPECT_FALSE(machine.taskbar.IsWindowVisible(App()));
    EXPECT_EQ(SystemMenu(), (std::vector<std::string>{std::to_string(port::kScRestore) + " &Restore",
                                                      "61456 &Move", "-", "1 Hide", "2 Move to TaskBar", "-",
                                                      std::to_string(kScClose) + " &Close\tAlt+F4"}));
    EXPECT_TRUE(form->SystemMenuChanged);

    bool handled = false;
    form->AppMessage({Main(), port::kWmSysCommand, 1, 0}, handled);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->TimerWindowHidden);
    EXPECT_TRUE(form->Hide1.checked);
    EXPECT_EQ(form->Hide1.caption, "&Show");

    form->AppMessage({Main(), port::kWmSysCommand, 2, 0}, handled);
    EXPECT_TRUE(form->MinimizedToTaskBar);
    EXPECT_FALSE(form->MovetoTaskBar1.enabled);
    EXPECT_FALSE(form->Hide1.checked);
    EXPECT_EQ(form->Hide1.caption, "&Hide");

    // "&Hide" in the tray menu: hidden, then "&Show" brings the timer window back.
    form->Hide1.Click();
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->Hide1.checked);
    EXPECT_EQ(form->Hide1.caption, "&Show");
    EXPECT_TRUE(form->MovetoTaskBar1.enabled);
    form->Hide1.Click();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->State(), ui::WindowState::Minimized);
    EXPECT_TRUE(form->XKTrayIcon951.Active());
    EXPECT_FALSE(form->Hide1.checked);
    EXPECT_EQ(form->Hide1.caption, "&Hide");

    // Shown normally, the window's first paint puts the usual system menu back.
    form->SetState(ui::WindowState::Normal);
    form->Form1_Resize();
    EXPECT_FALSE(form->SystemMenuChanged);
    EXPECT_EQ(SystemMenu().size(), 7u);
    EXPECT_EQ(SystemMenu()[3], std::to_string(port::kScMinimize) + " Mi&nimize");
}

TEST_F(TrayMenuTest, LockedMenuOffersOnlyInformationAndExit) {
    Start();
    form->BitBtn3.Click();
    const std::string hint = Tip();
    form->LogFile2.enabled = false;
    const std::vector<bool> before = Enabled();
    tray::LockTrayMenu(*form);
    EXPECT_EQ(Tip(), "Canceled!");
    const std::vector<bool> locked = Enabled();
    for (std::size_t i = 0; i <= 9; ++i)
        EXPECT_FALSE(locked[i]) << i;
    EXPECT_TRUE(locked[10]);
    EXPECT_TRUE(locked[12]);

    machine.files.AddFile(std::string(kDir) + "RVLN.LOG", "x");
    Mouse(kRDown);
    EXPECT_EQ(Enabled(), locked) << "the popup handler keeps the entries off";
    Mouse(kLDown);
    Mouse(kLDbl);
    EXPECT_EQ(machine.session.exitCalls.size(), 0u);
    EXPECT_EQ(form->PendingMethodCode, 0);

    tray::UnlockTrayMenu(*form);
    EXPECT_EQ(Enabled(), before);
    EXPECT_EQ(Tip(), hint);
    EXPECT_TRUE(form->MainActionGate);
}

TEST_F(TrayMenuTest, MethodTextLosesRunsOfBlanks) {
    EXPECT_EQ(tray::TrayMethodText("ShutDown    and ReBoot  "), "ShutDown and ReBoot");
    EXPECT_EQ(tray::TrayMethodText("  a  b"), " a b");
    EXPECT_EQ(tray::TrayMethodText(""), "");
}

}  // namespace
