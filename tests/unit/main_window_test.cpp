// The main window's keys, status bars, message hook and show animation.
#include <gtest/gtest.h>
#include "tests/unit/program_fixture.h"
#include "timers/countdown.h"

namespace {

using ui::kAlt;
using ui::kCtrl;
using ui::kShift;
using ui::kShiftNone;

class MainWindowTest : public program_test::PlainWindowTest {
  protected:
    void Start(sim::Os os = sim::Os::Win98) {
        PlainWindowTest::Start(os);
        form->Button1.OnClick = [this] { ++mainActions; };
        form->ComboBox1.OnChange = [this] { ++listChanges; };
    }

    int mainActions = 0;
    int listChanges = 0;
};

TEST_F(MainWindowTest, MethodListPerSystemIsMadeFinalWithoutARefill) {
    const std::vector<std::string> win9x = {
        "ShutDown   (+Power OFF)",       "ShutDown    and ReBoot",
        "LogOFF        and LogON again", "FORCE         ShutDown* (+Pw. OFF)",
        "FORCE         ReBoot*",         "FORCE         Close(/ReLog)*",
        "Power OFF (APM/Battery)",       "TEST             with MessageBox",
        "ShutDown     into MS-DOS mode", "ASK                always how...",
        "Restart          Windows 95/98"};
    const std::vector<std::string> others = {"ShutDown",
                                             "ShutDown    and ReBoot",
                                             "LogOFF        and LogON again",
                                             "FORCE         ShutDown",
                                             "FORCE         ReBoot",
                                             "FORCE         ReLog",
                                             "Power OFF (APM/Battery)",
                                             "TEST             with MessageBox",
                                             "ASK                always how...",
                                             "Windows NT - Commandline"};
    struct Case {
        sim::Os os;
        const std::vector<std::string>& items;
        int selected;
    };
    for (Case c : {Case{sim::Os::Win95, win9x, 9}, Case{sim::Os::Win98, win9x, 9},
                   Case{sim::Os::NT3, others, 8}, Case{sim::Os::NT4, others, 8}}) {
        sim::Machine m;
        m.SetOs(c.os);
        m.ui.recordingPeers = true;
        port::Platform p = m.Platform();
        app::Program started(p);
        ASSERT_TRUE(started.Start()) << static_cast<int>(c.os);
        const ui::ComboBox& list = started.Form()->ComboBox1;
        EXPECT_EQ(list.Items(), c.items) << static_cast<int>(c.os);
        EXPECT_EQ(list.ItemIndex(), c.selected) << static_cast<int>(c.os);
        // Each change of the entries refills the native list: the list is made with its final
        // entries, and start-up changes them no more.
        const sim::PeerLog* log = m.ui.Log(list);
        ASSERT_NE(log, nullptr);
        EXPECT_EQ(log->updates.count(ui::Change::Items), 0u) << static_cast<int>(c.os);
    }

    Start(sim::Os::Win98);
    EXPECT_EQ(form->ComboBox1.dropDownCount, 11);
    EXPECT_EQ(form->ComboBox1.Color(), ui::kAqua);
}

TEST_F(MainWindowTest, ControlsThatShowLaterGetTheirWindowsWhenTheyShow) {
    machine.ui.recordingPeers = true;
    Start();
    const std::initializer_list<ui::Widget*> later{&form->SpeedButton1, &form->SpeedButton2,
                                                   &form->ProgressBar1};
    for (ui::Widget* w : later) {
        EXPECT_EQ(w->GetPeer(), nullptr) << w->Name();
        EXPECT_TRUE(w->PeerWaiting()) << w->Name();
    }
    EXPECT_NE(form->Button1.GetPeer(), nullptr);
    EXPECT_NE(form->StatusBar2.GetPeer(), nullptr);

    form->CheckBox4.SetChecked(true);
    timers::ShowTimerControls(form->TimersView());
    for (ui::Widget* w : later) {
        EXPECT_NE(w->GetPeer(), nullptr) << w->Name();
        EXPECT_TRUE(w->Visible()) << w->Name();
    }
}

TEST_F(MainWindowTest, LayoutOfTheMainView) {
    Start();
    EXPECT_EQ(form->Caption(), "Ravelin");
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_EQ(form->Button1.Width(), 190);
    EXPECT_EQ(form->Button1.Height(), 35);
    EXPECT_TRUE(form->Button1.Default());
    EXPECT_FALSE(form->SpeedButton1.Visible());
    EXPECT_FALSE(form->SpeedButton2.Visible());
    EXPECT_FALSE(form->ProgressBar1.Visible());
    EXPECT_FALSE(form->Panel1.Visible());
    EXPECT_EQ(form->BitBtn1.Hint(), "Settings...");
    EXPECT_EQ(form->BitBtn3.Hint(), "Move to the System-Tray");
    EXPECT_EQ(form->BitBtn2.Hint(), "Information...");
    std::vector<int> widths1, widths2;
    for (const auto& p : form->StatusBar1.Panels())
        widths1.push_back(p.width);
    for (const auto& p : form->StatusBar2.Panels())
        widths2.push_back(p.width);
    EXPECT_EQ(widths1, (std::vector<int>{44, 72, 28, 24, 24, 21, 21}));
    EXPECT_EQ(widths2, (std::vector<int>{44, 100, 40, 14, 14, 14}));
    EXPECT_TRUE(form->StatusBar2.Panels()[3].ownerDraw);
    EXPECT_FALSE(form->StatusBar2.Panels()[2].ownerDraw);
    // Bottom-up: StatusBar2, StatusBar1, then the lock button above them.
    EXPECT_EQ(form->StatusBar2.Top() + form->StatusBar2.Height(), 218);
    EXPECT_EQ(form->StatusBar1.Top() + form->StatusBar1.Height(), form->StatusBar2.Top());
    EXPECT_EQ(form->SpeedButton6.Top() + form->SpeedButton6.Height(), form->StatusBar1.Top());
    EXPECT_EQ(form->SpeedButton6.Width(), 235);
    for (ui::Widget* w : std::initializer_list<ui::Widget*>{&form->Label1, &form->Button1, &form->ComboBox1,
                                                            &form->ProgressBar1}) {
        EXPECT_LE(w->Top() + w->Height(), form->SpeedButton6.Top()) << w->Name();
        EXPECT_GE(w->Top(), form->ToolBar1.Height()) << w->Name();
    }
    // Every entry of the context menu is there.
    std::vector<std::string> captions;
    for (ui::MenuItem* item : form->PopupMenu2.Items())
        captions.push_back(item->caption);
    EXPECT_EQ(captions,
              (std::vector<std::string>{"&Settings", "&Eject && Retract", "&LogFile",
                                        "Context sensitive &Help...", "&Commandline Options...", "E&xit"}));
}

TEST_F(MainWindowTest, DigitKeysSelectWithoutTheChangeHandler) {
    Start(sim::Os::Win98);
    Press('1');
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 0);
    Press('9');
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 8);
    EXPECT_EQ(form->ComboBox1.Text(), "ShutDown     into MS-DOS mode");
    Press('0');
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 9);
    EXPECT_EQ(form->ComboBox1.Text(), "ASK                always how...");
    EXPECT_EQ(listChanges, 0);
    EXPECT_TRUE(form->Button1.Focused());
}

TEST_F(MainWindowTest, DigitZeroSelectsTheLastEntryOnNt) {
    Start(sim::Os::NT4);
    Press('9');
    EXPECT_EQ(form->ComboBox1.Text(), "ASK                always how...");
    Press('0');
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 9);
    EXPECT_EQ(form->ComboBox1.Text(), "Windows NT - Commandline");
}

TEST_F(MainWindowTest, TwoModifiersAreIgnoredOneActsLikeThePlainKey) {
    Start();
    form->ComboBox1.SetItemIndex(0);
    for (ui::ShiftState pair : {kCtrl | kAlt, kShift | kCtrl, kShift | kAlt, kShift | kCtrl | kAlt}) {
        Press('5', pair);
        Press('D', pair);
    }
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 0);
    EXPECT_EQ(mainActions, 0);
    Press('5', kShift);
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 4);
    Press('3', kAlt);
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 2);
    Press('D', kAlt);
    EXPECT_EQ(mainActions, 1);
    Press('D');
    EXPECT_EQ(mainActions, 2);
}

TEST_F(MainWindowTest, MenuShortcutsComeBeforeTheKeyTable) {
    Start();
    // Ctrl+D is "Empty Directories": the notebook opens instead of the main action.
    Press('D', kCtrl);
    EXPECT_EQ(mainActions, 0);
    EXPECT_TRUE(form->NotebookShowing());
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 3);
    // Ctrl+X is "Exit".
    Press('X', kCtrl);
    EXPECT_TRUE(machine.loop.Terminated());
}

TEST_F(MainWindowTest, KeysAreIgnoredWhileMinimisedOrHidden) {
    Start();
    form->SetState(ui::WindowState::Minimized);
    Press('D');
    Press('2');
    form->SetState(ui::WindowState::Normal);
    form->SetEnabled(false);
    Press('D');
    form->SetEnabled(true);
    form->SetVisible(false);
    Press('D');
    EXPECT_EQ(mainActions, 0);
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 9);
}

TEST_F(MainWindowTest, LetterKeysOfTheMainView) {
    Start();
    Press('I');
    ASSERT_EQ(machine.ui.modalRuns.size(), 1u);
    EXPECT_EQ(machine.ui.modalRuns[0].className, "TInfoForm");
    Press('O');
    EXPECT_TRUE(form->NotebookShowing());
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
}

TEST_F(MainWindowTest, NotebookLettersOnlyInTheNotebook) {
    Start();
    Press('Y');
    Press('W');
    EXPECT_FALSE(form->NotebookShowing());
    form->OpenSettingsNotebook(0);
    Press('Y');
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 4);
    Press('H');
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 1);
    Press('T');
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 2);
    Press('W');
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 3);
    Press('C');
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
    Press('D');
    Press('3');
    EXPECT_EQ(mainActions, 0);
    EXPECT_EQ(form->ComboBox1.ItemIndex(), 9);
}

TEST_F(MainWindowTest, EditFieldsSwitchKeyPreviewOff) {
    Start();
    form->OpenSettingsNotebook(2);
    form->Edit2.PeerFocused(true);
    EXPECT_FALSE(form->KeyPreview());
    form->Button2.PeerFocused(true);
    EXPECT_TRUE(form->KeyPreview());
    form->Edit1.PeerFocused(true);
    EXPECT_FALSE(form->KeyPreview());
    EXPECT_TRUE(Press('T'));  // reaches the field
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 2);
}

TEST_F(MainWindowTest, StatusBarsHideAndShowByHeight) {
    Start();
    const int full = form->ClientHeight();
    const int bar = form->StatusBar1.Height();
    form->SpeedButton6.PeerMouseMove(100, 10);  // lower half: nothing to show
    EXPECT_EQ(form->ClientHeight(), full);
    form->SpeedButton6.PeerMouseMove(100, 9);
    EXPECT_FALSE(form->StatusBar1.Visible());
    EXPECT_FALSE(form->StatusBar2.Visible());
    EXPECT_EQ(form->ClientHeight(), full - 2 * bar);
    form->SpeedButton6.PeerMouseMove(100, 0);  // already hidden
    EXPECT_EQ(form->ClientHeight(), full - 2 * bar);
    form->SpeedButton6.PeerMouseMove(100, 19);
    EXPECT_TRUE(form->StatusBar1.Visible());
    EXPECT_FALSE(form->StatusBar2.Visible());
    EXPECT_EQ(form->ClientHeight(), full - bar);
    EXPECT_EQ(form->StatusBar1.Top() + bar, form->ClientHeight());

    form->StatusBar1.PeerMouseMove(5, 9);
    EXPECT_TRUE(form->StatusBar2.Visible());
    EXPECT_EQ(form->ClientHeight(), full);
    form->StatusBar1.PeerMouseMove(5, 18);  // shown already
    EXPECT_EQ(form->ClientHeight(), full);
    form->StatusBar1.PeerMouseMove(5, 8);
    EXPECT_FALSE(form->StatusBar2.Visible());
    EXPECT_EQ(form->ClientHeight(), full - bar);
    form->StatusBar1.PeerMouseMove(5, 19);  // beyond the band
    EXPECT_FALSE(form->StatusBar2.Visible());
}

// The visibility is stored when the user changes it, never from painting: a refused write shows
// one box for the change, and painting (also the repaint under that box) shows none.
TEST_F(MainWindowTest, ARefusedStatusBarWriteShowsOneBoxAndPaintingNone) {
    Start();
    const std::string objects = "Software\\QAV\\Ravelin\\LocalUser\\Objects";
    machine.registry.DenyWrites(port::RegRoot::CurrentUser, objects);
    int paintsUnderTheBox = 0;
    machine.dialogs.handler = [&](const sim::BoxRecord&) {
        form->PeerPainted();
        ++paintsUnderTheBox;
        return port::kIdOk;
    };
    form->PeerPainted();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    form->SpeedButton6.PeerMouseMove(100, 9);  // both bars go: one change, one box
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].text.rfind("Registry ERROR!", 0), 0u);
    EXPECT_EQ(paintsUnderTheBox, 1);
    form->PeerPainted();
    form->PeerPainted();
    EXPECT_EQ(machine.dialogs.boxes.size(), 1u);

    machine.registry.ClearAccessRules();
    form->SpeedButton6.PeerMouseMove(100, 19);
    EXPECT_EQ(machine.registry.Dword(port::RegRoot::CurrentUser, objects, "StatusBar1").value_or(9), 1u);
    EXPECT_EQ(machine.registry.Dword(port::RegRoot::CurrentUser, objects, "StatusBar2").value_or(9), 0u);
}

// Windows ending the session by other means (a log off from the Start menu) saves as "E&xit"
// does, once.
TEST_F(MainWindowTest, EndOfTheSessionSavesOnce) {
    Start();
    const std::string window = "Software\\QAV\\Ravelin\\LocalUser\\Window";
    form->SetBounds(40, 50, form->Width(), form->Height());
    form->PeerEndSession();
    EXPECT_TRUE(machine.registry.HasValue(port::RegRoot::CurrentUser, window, "Top"));
    EXPECT_FALSE(machine.atoms.Has("RVLN!-Chris"));
    const int writes = machine.registry.WriteCalls();
    form->PeerEndSession();
    EXPECT_EQ(machine.registry.WriteCalls(), writes);
}

TEST_F(MainWindowTest, LockedStatusBarsStay) {
    Start();
    form->SpeedButton6.Click();
    ASSERT_TRUE(form->SpeedButton6.Down());
    form->SpeedButton6.PeerMouseMove(100, 3);
    form->StatusBar1.PeerMouseMove(5, 3);
    EXPECT_TRUE(form->StatusBar1.Visible());
    EXPECT_TRUE(form->StatusBar2.Visible());
    form->SpeedButton6.Click();
    form->OpenSettingsNotebook(0);  // notebook view: no auto-hiding either
    form->SpeedButton6.PeerMouseMove(100, 3);
    EXPECT_TRUE(form->StatusBar1.Visible());
}

TEST_F(MainWindowTest, ShutdownHotkeyRunsTheMainActionOnlyInTheMainView) {
    Start();
    machine.loop.PostMessage({0, port::kWmHotkey, 1000, 0});
    machine.loop.ProcessMessages();
    EXPECT_EQ(mainActions, 1);
    form->OpenSettingsNotebook(0);
    machine.loop.PostMessage({0, port::kWmHotkey, 1000, 0});
    machine.loop.ProcessMessages();
    EXPECT_EQ(mainActions, 1);
    form->CloseSettingsPanel();
    form->AskOrEmptyDialogVisible = true;
    machine.loop.PostMessage({0, port::kWmHotkey, 1000, 0});
    machine.loop.ProcessMessages();
    EXPECT_EQ(mainActions, 1);
}

TEST_F(MainWindowTest, MinimiseThroughTheSystemMenuIsNoted) {
    Start();
    bool handled = false;
    form->AppMessage({0, port::kWmSysCommand, port::kScMinimize, 0}, handled);
    EXPECT_TRUE(form->MinimizedToTaskBar);
    form->Form1_Resize();
    EXPECT_FALSE(form->MinimizedToTaskBar);
}

TEST_F(MainWindowTest, AnimatedShowGrowsFromBeyondTheScreenCorner) {
    Start();
    form->SetVisible(false);
    form->CheckBox14.SetChecked(true);
    const ui::Rect placed = form->Bounds();
    form->Show();
    EXPECT_EQ(form->Bounds(), (ui::Rect{1024 + 32, 768 + 32, 32, 32}));
    form->PeerActivated(true);
    EXPECT_EQ(form->Bounds(), (ui::Rect{form->WindowLeft, form->WindowTop, placed.width, placed.height}));
    EXPECT_TRUE(form->Button1.Visible());
    EXPECT_TRUE(form->Enabled());
}

TEST_F(MainWindowTest, SkippedAnimationStillBringsTheWindowBack) {
    Start();
    form->SetVisible(false);
    form->CheckBox14.SetChecked(true);
    form->DeviceOperationRunning = true;
    form->Show();
    form->PeerActivated(true);
    EXPECT_EQ(form->Left(), form->WindowLeft);
    EXPECT_EQ(form->Width(), 241);
    EXPECT_TRUE(form->Button1.Visible());
}

TEST_F(MainWindowTest, WithoutAnimationShowingMovesNothing) {
    Start();
    form->SetVisible(false);
    const ui::Rect placed = form->Bounds();
    form->Show();
    form->PeerActivated(true);
    EXPECT_EQ(form->Bounds(), placed);
}

}  // namespace

namespace {

TEST_F(MainWindowTest, MinimiseFromTheCaptionIsNotedToo) {
    Start();
    form->PeerStateChanged(ui::WindowState::Minimized);
    EXPECT_TRUE(form->MinimizedToTaskBar);
    form->PeerStateChanged(ui::WindowState::Normal);
    form->Form1_Resize();
    EXPECT_FALSE(form->MinimizedToTaskBar);
}

}  // namespace
