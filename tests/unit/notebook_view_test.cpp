// The Settings notebook in the main window: tabs, sub-pages, the page spinner, the page items of
// the context menu, the key letters and the hints.
#include <gtest/gtest.h>
#include "shutdown/ask_form.h"
#include "tests/unit/program_fixture.h"

namespace {

using ui::kCtrl;

constexpr const char* kTabCaptions[] = {"&Controls (1/5)", "&HotKeys (1/2)", "&Timers", "&Watchdogs (1/3)",
                                        "S&ystem (1/3)"};

class NotebookViewTest : public program_test::PlainWindowTest {
  protected:
    std::string TabCaption(int tab) { return form->PageControl1.Pages()[tab]->Caption(); }
    // The user types into the page spinner and leaves it.
    void Type(const std::string& text) { form->SpinEdit1.PeerTextChanged(text); }
    void LeaveSpinner() {
        form->SpinEdit1.SetFocus();
        form->Button2.SetFocus();
    }
    // The group panels that show on a tab; exactly one is expected.
    std::vector<std::string> VisibleGroups(int tab) {
        std::vector<std::string> names;
        for (ui::Widget* w : form->PageControl1.Pages()[tab]->Children()) {
            if (w->kind() == ui::Kind::GroupBox && w->Visible()) names.push_back(w->Caption());
        }
        return names;
    }
    std::vector<std::string> Shown() { return VisibleGroups(form->PageControl1.ActivePageIndex()); }
};

using Strings = std::vector<std::string>;

TEST_F(NotebookViewTest, SettingsButtonOpensTheFirstTabAndCancelGoesBack) {
    machine.taskbar.iconResources.insert("DISABLED");
    machine.ui.recordingPeers = true;
    Start();
    EXPECT_EQ(form->Icon(), ui::Form::kClassIcon);
    const int width = form->ClientWidth(), height = form->ClientHeight();
    form->BitBtn1.Click();
    ASSERT_TRUE(form->NotebookShowing());
    for (int tab = 0; tab < 5; ++tab)
        EXPECT_EQ(TabCaption(tab), kTabCaptions[tab]);
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
    EXPECT_EQ(Shown(), Strings{"System Tray ( -Icon ):"});
    EXPECT_FALSE(form->ToolBar1.Visible());
    EXPECT_FALSE(form->ComboBox1.Visible());
    EXPECT_FALSE(form->Button1.Enabled());
    EXPECT_TRUE(form->Button2.Default());
    EXPECT_FALSE(form->Button1.Default());
    EXPECT_TRUE(form->SpinEdit1.Visible());
    EXPECT_EQ(form->SpinEdit1.Text(), "1");
    EXPECT_EQ(form->SpinEdit1.maxValue, 5);
    EXPECT_EQ(form->Label12.Caption(), std::to_string(form->TrackBar2.Position()));
    EXPECT_EQ(form->ClientWidth(), width + app::Notebook::kNotebookGrowWidth);
    EXPECT_EQ(form->ClientHeight(), height + app::Notebook::kNotebookGrowHeight);
    // While the settings show, the window wears the tray's greyed icon.
    EXPECT_NE(form->XKTrayIcon951.DisabledIcon(), ui::Form::kClassIcon);
    EXPECT_EQ(form->Icon(), form->XKTrayIcon951.DisabledIcon());

    form->Button3.Click();
    EXPECT_EQ(form->Icon(), ui::Form::kClassIcon);
    ASSERT_NE(machine.ui.Log(*form), nullptr);
    EXPECT_EQ(machine.ui.Log(*form)->updates.at(ui::Change::Icon), 2);
    EXPECT_FALSE(form->NotebookShowing());
    EXPECT_TRUE(form->ToolBar1.Visible());
    EXPECT_TRUE(form->ComboBox1.Visible());
    EXPECT_TRUE(form->ComboBox1.Enabled());
    EXPECT_TRUE(form->Button1.Enabled());
    EXPECT_TRUE(form->Button1.Default());
    EXPECT_FALSE(form->SpinEdit1.Visible());
    EXPECT_EQ(form->ClientWidth(), width);
    EXPECT_EQ(form->ClientHeight(), height);
}

TEST_F(NotebookViewTest, OpeningStopsARunningCountdown) {
    Start();
    form->CountdownRunning = true;
    form->Timer1.SetEnabled(true);
    form->BitBtn1.Click();
    EXPECT_FALSE(form->CountdownRunning);
    EXPECT_FALSE(form->Timer1.Enabled());
}

TEST_F(NotebookViewTest, SpinnerClampsPerTabAndRewritesTheCaption) {
    Start();
    form->BitBtn1.Click();
    Type("9");
    EXPECT_EQ(form->SpinEdit1.Text(), "5");
    EXPECT_EQ(TabCaption(0), "&Controls (5/5)");
    EXPECT_EQ(Shown(), Strings{"Beeper:"});
    Type("0");
    EXPECT_EQ(form->SpinEdit1.Text(), "1");
    EXPECT_EQ(TabCaption(0), "&Controls (1/5)");
    EXPECT_EQ(Shown(), Strings{"System Tray ( -Icon ):"});
    Type("x");
    EXPECT_EQ(form->SpinEdit1.Text(), "");
    EXPECT_EQ(Shown(), Strings{"System Tray ( -Icon ):"});

    struct Row {
        ui::Key letter;
        const char* typed;
        const char* expected;
        const char* caption;
        const char* group;
    };
    for (Row row : {Row{'H', "7", "2", "&HotKeys (2/2)", "System HotKeys [2/2]:"},
                    Row{'W', "4", "3", "&Watchdogs (3/3)", "Device &Manager:"},
                    Row{'W', "2", "2", "&Watchdogs (2/3)", "Empty Directories:"},
                    Row{'Y', "9", "3", "S&ystem (3/3)", "Windows\xC2\xAE 98 (Re-)Boot:"},
                    Row{'Y', "2", "2", "S&ystem (2/3)", "Windows\xC2\xAE 95/98 SplashScr.:"},
                    Row{'Y', "0", "1", "S&ystem (1/3)", "Copy Control Panel:"}}) {
        Press(row.letter);
        Type(row.typed);
        EXPECT_EQ(form->SpinEdit1.Text(), row.expected) << row.typed;
        const int tab = form->PageControl1.ActivePageIndex();
        EXPECT_EQ(TabCaption(tab), row.caption);
        EXPECT_EQ(Shown(), Strings{row.group});
    }
}

TEST_F(NotebookViewTest, EmptySpinnerGetsTheRememberedSubPageBack) {
    Start();
    form->BitBtn1.Click();
    Type("3");
    Type("");
    EXPECT_EQ(Shown(), Strings{"Tasks:"});
    LeaveSpinner();
    EXPECT_EQ(form->SpinEdit1.Text(), "3");
    EXPECT_EQ(TabCaption(0), "&Controls (3/5)");
    EXPECT_EQ(Shown(), Strings{"Tasks:"});
}

TEST_F(NotebookViewTest, PageItemsOpenTheirSubPage) {
    Start();
    EXPECT_FALSE(Press('S', kCtrl));  // the menu takes the key
    ASSERT_TRUE(form->NotebookShowing());
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 4);
    EXPECT_EQ(TabCaption(4), "S&ystem (2/3)");
    EXPECT_EQ(Shown(), Strings{"Windows\xC2\xAE 95/98 SplashScr.:"});
    EXPECT_TRUE(form->SpinEdit1.Visible());
    EXPECT_EQ(form->SpinEdit1.Text(), "2");
    EXPECT_EQ(form->SpinEdit1.maxValue, 3);
    EXPECT_TRUE(form->SpinEdit1.Focused());
    // Selected, so that the next digit replaces it.
    EXPECT_EQ(form->SpinEdit1.SelStart(), 0);
    EXPECT_EQ(form->SpinEdit1.SelLength(), 1);

    struct Row {
        char key;
        int tab;
        const char* caption;
        const char* group;
    };
    for (Row row :
         {Row{'Y', 0, "&Controls (1/5)", "System Tray ( -Icon ):"},
          Row{'G', 0, "&Controls (2/5)", "Graphic Controls:"}, Row{'A', 0, "&Controls (3/5)", "Tasks:"},
          Row{'L', 0, "&Controls (4/5)", "Event Log:"}, Row{'B', 0, "&Controls (5/5)", "Beeper:"},
          Row{'1', 1, "&HotKeys (1/2)", "System HotKeys [1/2]:"},
          Row{'2', 1, "&HotKeys (2/2)", "System HotKeys [2/2]:"},
          Row{'R', 3, "&Watchdogs (1/3)", "Run Application && Init Drives:"},
          Row{'D', 3, "&Watchdogs (2/3)", "Empty Directories:"},
          Row{'M', 3, "&Watchdogs (3/3)", "Device &Manager:"},
          Row{'P', 4, "S&ystem (1/3)", "Copy Control Panel:"},
          Row{'O', 4, "S&ystem (3/3)", "Windows\xC2\xAE 98 (Re-)Boot:"}}) {
        EXPECT_FALSE(Press(row.key, kCtrl)) << row.key;
        EXPECT_EQ(form->PageControl1.ActivePageIndex(), row.tab) << row.key;
        EXPECT_EQ(TabCaption(row.tab), row.caption);
        EXPECT_EQ(Shown(), Strings{row.group}) << row.key;
    }
    EXPECT_FALSE(Press('T', kCtrl));
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 2);
    EXPECT_FALSE(form->SpinEdit1.Visible());
    EXPECT_EQ(Shown(), Strings{"Timers:"});
}

TEST_F(NotebookViewTest, EachTabReopensAtItsRememberedSubPage) {
    Start();
    Press('G', kCtrl);  // Controls 2
    Press('M', kCtrl);  // Watchdogs 3
    Press('2', kCtrl);  // HotKeys 2
    Press('C');
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
    EXPECT_EQ(Shown(), Strings{"Graphic Controls:"});
    EXPECT_EQ(form->SpinEdit1.Text(), "2");
    Press('Y');
    EXPECT_EQ(Shown(), Strings{"Copy Control Panel:"});
    EXPECT_EQ(form->SpinEdit1.maxValue, 3);
    Press('T');
    EXPECT_FALSE(form->SpinEdit1.Visible());
    Press('W');
    EXPECT_TRUE(form->SpinEdit1.Visible());
    EXPECT_EQ(form->SpinEdit1.Text(), "3");
    EXPECT_EQ(Shown(), Strings{"Device &Manager:"});
    Press('H');
    EXPECT_EQ(Shown(), Strings{"System HotKeys [2/2]:"});
    EXPECT_EQ(form->SpinEdit1.maxValue, 2);

    // The user clicks a tab: the same as its letter.
    form->PageControl1.PeerSelected(0);
    EXPECT_EQ(Shown(), Strings{"Graphic Controls:"});
    EXPECT_EQ(form->SpinEdit1.Text(), "2");

    // Closing keeps them for the run.
    form->Button3.Click();
    form->BitBtn1.Click();
    EXPECT_EQ(TabCaption(0), "&Controls (2/5)");
    EXPECT_EQ(Shown(), Strings{"Graphic Controls:"});
    EXPECT_EQ(form->SpinEdit1.Text(), "2");
    for (int tab = 0; tab < 5; ++tab)
        EXPECT_EQ(VisibleGroups(tab).size(), 1u) << tab;
}

TEST_F(NotebookViewTest, KeyLettersOnlyActInTheNotebook) {
    Start();
    form->PageControl1.SetActivePageIndex(0);
    for (ui::Key letter : {'C', 'H', 'W', 'Y'})
        Press(letter);
    EXPECT_FALSE(form->NotebookShowing());
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
    form->BitBtn1.Click();
    Press('Y');
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 4);
    // "O" and "D" do their main-view work only there.
    Press('O');
    Press('D');
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 4);
    EXPECT_TRUE(form->NotebookShowing());
    EXPECT_EQ(form->program.engine.state.currentLogCode, -1);
}

TEST_F(NotebookViewTest, WipingShowsOnePanelWithItsControlsAsBefore) {
    Start();
    form->BitBtn1.Click();
    form->RadioButton4.SetVisible(false);  // a control hidden on purpose stays hidden
    int steps = 0;
    machine.loop.OnProcessMessages = [&] {
        ++steps;
        // Nothing can be clicked while a panel moves.
        EXPECT_FALSE(form->Button2.Enabled());
        EXPECT_FALSE(form->PageControl1.Enabled());
        EXPECT_FALSE(form->SpinEdit1.Enabled());
    };
    Type("4");
    machine.loop.OnProcessMessages = nullptr;
    const int width = form->TabSheet1.ClientWidth();
    EXPECT_GE(steps, width / 4 - 1);
    EXPECT_EQ(form->GroupEventLog.Width(), width);
    EXPECT_EQ(form->GroupTray.Width(), width);
    EXPECT_FALSE(form->GroupTray.Visible());
    EXPECT_TRUE(form->CheckBox20.Visible());
    EXPECT_FALSE(form->RadioButton4.Visible());
    EXPECT_TRUE(form->Button2.Enabled());
    EXPECT_TRUE(form->SpinEdit1.Enabled());
    EXPECT_TRUE(form->SpinEdit1.Focused());
    Type("1");
    EXPECT_TRUE(form->CheckBox1.Visible());
}

TEST_F(NotebookViewTest, HintsOffMeansNoHintAnywhere) {
    Start();
    form->BitBtn1.Click();
    // The notebook's own hint lives over the row of tabs only.
    form->PageControl1.PeerMouseMove(30, 5);
    EXPECT_EQ(form->PageControl1.Hint(),
              " Use the arrows (or type the under-\r lined letters) to scroll from >Controls<\r to >System< "
              "and/or back!");
    form->PageControl1.PeerMouseMove(30, 40);
    EXPECT_EQ(form->PageControl1.Hint(), "");
    form->PageControl1.PeerMouseMove(30, 5);
    form->GroupTray.PeerMouseMove(10, 10);
    EXPECT_EQ(form->PageControl1.Hint(), "");
    form->PageControl1.PeerMouseMove(30, 5);
    form->StatusBar2.PeerMouseMove(10, 10);
    EXPECT_EQ(form->PageControl1.Hint(), "");

    form->CheckBox3.PeerClicked();
    ASSERT_FALSE(form->CheckBox3.Checked());
    EXPECT_FALSE(form->program.application.ShowHint());
    std::vector<ui::Widget*> pending{form};
    int controls = 0;
    while (!pending.empty()) {
        ui::Widget* w = pending.back();
        pending.pop_back();
        EXPECT_FALSE(w->ShowHint()) << w->Name();
        ++controls;
        pending.insert(pending.end(), w->Children().begin(), w->Children().end());
    }
    EXPECT_GT(controls, 60);
    form->CheckBox3.PeerClicked();
    EXPECT_TRUE(form->SpinEdit1.ShowHint());
    EXPECT_TRUE(form->program.application.ShowHint());
}

TEST_F(NotebookViewTest, SlashSStartsInTheNotebook) {
    Start(sim::Os::Win98, "/S");
    EXPECT_TRUE(form->NotebookShowing());
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
    EXPECT_FALSE(form->ComboBox1.Visible());
    // Cancel returns to the settings the program started with.
    form->CheckBox1.PeerClicked();
    form->Button3.Click();
    EXPECT_TRUE(form->CheckBox1.Checked());
}

TEST_F(NotebookViewTest, CentreNowAndTheInvisibleStartOption) {
    Start();
    form->BitBtn1.Click();
    form->SetBounds(3, 4, form->Width(), form->Height());
    form->SpeedButton5.Click();
    EXPECT_EQ(form->Left(), form->CentredLeft());
    EXPECT_EQ(form->Top(), form->CentredTop());

    // "Invisible" needs "Run at Start" on and usable.
    form->CheckBox4.SetChecked(true);
    form->CheckBox12.SetEnabled(true);
    form->CheckBox12.SetChecked(true);
    form->Button3.Click();
    form->BitBtn1.Click();
    form->CheckBox12.SetEnabled(true);
    form->CheckBox12.SetChecked(true);
    form->Button2.Click();
    EXPECT_TRUE(form->CheckBox2.Enabled());
    form->BitBtn1.Click();
    form->CheckBox12.SetChecked(false);
    form->Button2.Click();
    EXPECT_FALSE(form->CheckBox2.Enabled());
}

TEST_F(NotebookViewTest, PagesGetReadyWhenTheyOpen) {
    Start();
    // The directory list takes the caret at its end, ready for the next entry.
    form->Edit4.SetText("C:\\TEMP\\;D:\\OLD\\;");
    form->Edit4.SetSelStart(0);
    Press('D', kCtrl);
    EXPECT_EQ(form->Edit4.SelStart(), static_cast<int>(form->Edit4.Text().size()));
    EXPECT_EQ(form->Edit4.SelLength(), 0);

    // A help button pops up its tip from the help file.
    form->SpeedButton16.PeerClicked();
    form->SpeedButton20.PeerClicked();
    ASSERT_EQ(machine.feedback.helpCalls.size(), 2u);
    EXPECT_EQ(machine.feedback.helpCalls[0].helpFile, "C:\\RAVELIN\\RVLN.HLP");
    EXPECT_EQ(machine.feedback.helpCalls[0].command, port::kHelpContextPopup);
    EXPECT_EQ(machine.feedback.helpCalls[0].context, 10000u);
    EXPECT_EQ(machine.feedback.helpCalls[1].context, 10009u);
}

TEST_F(NotebookViewTest, MainActionAppliesTheAutostartValue) {
    Start();
    const auto autostart = [this] {
        return machine.registry.String(port::RegRoot::CurrentUser,
                                       "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Ravelin");
    };
    // With the timer on, the main action only arms it: nothing ends here.
    form->CheckBox4.SetChecked(true);
    form->CheckBox10.SetChecked(true);
    form->Exit_Choice();
    EXPECT_EQ(autostart(), "C:\\RAVELIN\\RVLN.EXE");
    form->PendingMethodCode = 0;
    form->CheckBox10.SetChecked(false);
    form->Exit_Choice();
    EXPECT_EQ(autostart(), std::nullopt);
}

TEST_F(NotebookViewTest, TrackBarHintFollowsTheStoredTimerMode) {
    Start();
    EXPECT_EQ(form->TrackBar1.Hint(), " Set >Shut down in< intervals.\r One interval represents 1 hour.");
    program.reset();
    machine.registry.SetDword(port::RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Timer1",
                              "Radio1", 1);
    Start();
    EXPECT_EQ(form->TrackBar1.Hint(), " Set >Shut down at< intervals.\r One interval represents 5 min.");
}

TEST_F(NotebookViewTest, F1ShowsTheTopicOfTheControlOrItsContainer) {
    Start();
    form->BitBtn1.Click();
    form->PeerHelp(&form->Button2);
    form->PeerHelp(&form->GroupTray);  // the group has no topic: the notebook's page has
    form->PeerHelp(&form->Button1);
    ASSERT_EQ(machine.feedback.helpCalls.size(), 3u);
    EXPECT_EQ(machine.feedback.helpCalls[0].command, port::kHelpContext);
    EXPECT_EQ(machine.feedback.helpCalls[0].context, 400u);
    EXPECT_EQ(machine.feedback.helpCalls[1].context, 100u);
    EXPECT_EQ(machine.feedback.helpCalls[2].context, 10u);
}

TEST_F(NotebookViewTest, ASubPageGetsItsWindowsWhenItFirstShowsAndKeepsThem) {
    machine.ui.recordingPeers = true;
    Start();
    // Start-up: the main view only; neither the notebook, nor any sub-page, nor the ask dialog.
    EXPECT_NE(machine.ui.Log(form->Button1), nullptr);
    EXPECT_NE(machine.ui.Log(form->ComboBox1), nullptr);
    for (const ui::Widget* frame :
         std::initializer_list<const ui::Widget*>{&form->Panel1, &form->PageControl1, &form->TabSheet1,
                                                  &form->Panel2, &form->Button2, &form->SpinEdit1})
        EXPECT_EQ(machine.ui.Log(*frame), nullptr) << frame->Name();
    ASSERT_NE(form->program.askForm, nullptr);
    EXPECT_EQ(machine.ui.Log(*form->program.askForm), nullptr);
    for (int tab = 0; tab < 5; ++tab) {
        for (int page = 1; page <= app::TForm1::SubPageCount(tab); ++page) {
            const ui::GroupBox& group = form->SubPagePanel(tab, page);
            EXPECT_EQ(machine.ui.Log(group), nullptr) << group.Name();
            for (const ui::Widget* control : group.Children())
                EXPECT_EQ(machine.ui.Log(*control), nullptr) << control->Name();
        }
    }

    EXPECT_FALSE(Press('G', kCtrl));
    const sim::PeerLog* frame = machine.ui.Log(form->PageControl1);
    ASSERT_NE(frame, nullptr);
    EXPECT_NE(machine.ui.Log(form->Button2), nullptr);
    EXPECT_NE(machine.ui.Log(form->SpinEdit1), nullptr);
    ASSERT_NE(machine.ui.Log(form->GroupGraphic), nullptr);
    EXPECT_NE(machine.ui.Log(form->CheckBox1), nullptr);
    // The first sub-page of the tab showed on the way; the other tabs still have none.
    EXPECT_NE(machine.ui.Log(form->GroupTray), nullptr);
    EXPECT_EQ(machine.ui.Log(form->GroupBeeper), nullptr);
    EXPECT_EQ(machine.ui.Log(form->GroupCPanel), nullptr);

    // Every page once, then every page again: the second round makes nothing new.
    std::vector<const sim::PeerLog*> first;
    for (int round = 0; round < 2; ++round) {
        int index = 0;
        for (char key : {'Y', 'G', 'A', 'L', 'B', '1', '2', 'T', 'R', 'D', 'M', 'P', 'S', 'O'}) {
            Press(key, kCtrl);
            const int tab = form->PageControl1.ActivePageIndex();
            const int page = tab == 2 ? 1 : std::stoi(form->SpinEdit1.Text());
            const ui::GroupBox& group = form->SubPagePanel(tab, page);
            const sim::PeerLog* log = machine.ui.Log(group);
            ASSERT_NE(log, nullptr) << key;
            for (const ui::Widget* control : group.Children())
                EXPECT_NE(machine.ui.Log(*control), nullptr) << control->Name();
            if (round == 0) {
                first.push_back(log);
            } else {
                EXPECT_EQ(log, first[static_cast<size_t>(index)]) << key;
            }
            ++index;
        }
        // Closed and opened again: the notebook keeps the windows it was given the first time.
        form->Button3.Click();
        ASSERT_FALSE(form->NotebookShowing());
        EXPECT_FALSE(Press('G', kCtrl));
        ASSERT_TRUE(form->NotebookShowing());
        EXPECT_EQ(machine.ui.Log(form->PageControl1), frame);
    }
}

}  // namespace
