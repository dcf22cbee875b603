// The ask dialog: its choices, its task boxes, and the request it hands to the engine.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "app/form1.h"
#include "app/program.h"
#include "shutdown/ask_form.h"
#include "shutdown/methods.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

constexpr const char* kObjects = "Software\\QAV\\Ravelin\\LocalUser\\Objects";
constexpr const char* kGuards = "Software\\QAV\\Ravelin\\LocalUser\\Guards";
constexpr const char* kLog = "C:\\RAVELIN\\RVLN.LOG";
constexpr int kOk = 1;
constexpr int kCancel = 2;

class AskTest : public program_test::PlainWindowTest {
  protected:
    // The user's part while the dialog is up; the modal result it returns closes the dialog.
    void OnDialog(std::function<int(shutdown::TForm3&)> user) {
        machine.ui.OnModal("TForm3", [this, user](ui::Form& f) {
            auto& dialog = static_cast<shutdown::TForm3&>(f);
            ++shows;
            items = dialog.RadioGroup1.Items();
            selected = dialog.RadioGroup1.ItemIndex();
            status = dialog.StatusBar1.Caption();
            return user(dialog);
        });
    }
    // Clicks the radio button of the choice with this text.
    static void Choose(shutdown::TForm3& dialog, const std::string& text) {
        for (int i = 0; i < dialog.RadioGroup1.Count(); ++i) {
            if (dialog.RadioGroup1.Items()[i] == text) dialog.RadioGroup1.Button(i)->PeerClicked();
        }
    }
    void Ask() {
        form->ComboBox1.SetItemIndex(app::IsWin9x(program->State().osKind) ? 9 : 8);
        form->Button1.Click();
    }
    // "&Run Application first:" with an existing program.
    void RunApplicationFirst() {
        machine.files.AddFile("C:\\TOOLS\\BACKUP.EXE");
        form->Edit1.SetText("C:\\TOOLS\\BACKUP.EXE");
        form->CheckBox5.SetChecked(true);
    }
    int Flushes() const {
        int n = 0;
        for (const sim::FileCall& call : machine.files.calls)
            n += call.op == sim::FileOp::Flush && call.ok;
        return n;
    }
    std::string LogBytes() const { return machine.files.FileBytes(kLog).value_or(""); }
    shutdown::EngineState& Engine() { return program->State().engine.state; }
    bool HasObject(const char* name) const {
        return machine.registry.Dword(port::RegRoot::CurrentUser, kObjects, name).has_value();
    }
    int Object(const char* name) const {
        return static_cast<int>(
            machine.registry.Dword(port::RegRoot::CurrentUser, kObjects, name).value_or(-99));
    }

    int shows = 0;
    std::vector<std::string> items;
    int selected = -2;
    std::string status;
};

TEST_F(AskTest, TheDialogGetsItsWindowsWhenFirstAskedForAndKeepsThem) {
    machine.ui.recordingPeers = true;
    Start(sim::Os::Win98);
    shutdown::TForm3& dialog = *program->State().askForm;
    EXPECT_EQ(machine.ui.Log(dialog), nullptr) << "start-up made the ask dialog's windows";
    EXPECT_EQ(machine.ui.Log(dialog.RadioGroup1), nullptr);
    const sim::PeerLog* made = nullptr;
    const sim::PeerLog* choices = nullptr;
    bool shownWithWindows = false;
    OnDialog([&](shutdown::TForm3& d) {
        made = machine.ui.Log(d);
        choices = machine.ui.Log(d.RadioGroup1);
        shownWithWindows = made != nullptr && d.Visible();
        return kCancel;
    });
    Ask();
    ASSERT_EQ(shows, 1);
    EXPECT_TRUE(shownWithWindows);
    EXPECT_NE(choices, nullptr);
    EXPECT_EQ(items.size(), 10u);
    Ask();
    ASSERT_EQ(shows, 2);
    EXPECT_EQ(machine.ui.Log(dialog), made) << "the second ask made new windows";
    EXPECT_EQ(machine.ui.Log(dialog.RadioGroup1), choices);
}

TEST_F(AskTest, ChoicesLeaveOutTheAskEntryAndBlockedForceEntries) {
    Start(sim::Os::Win98);
    OnDialog([](shutdown::TForm3&) { return kCancel; });
    Ask();
    EXPECT_EQ(items, (std::vector<std::string>{"ShutDown (+Power OFF)", "ShutDown and ReBoot",
                                               "LogOFF and LogON again", "FORCE ShutDown* (+Pw. OFF)",
                                               "FORCE ReBoot*", "FORCE Close(/ReLog)*",
                                               "Power OFF (APM/Battery)", "TEST with MessageBox",
                                               "ShutDown into MS-DOS mode", "Restart Windows 95/98"}));
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(status, "Shutdown (+ PowerOFF) the system normally.");
    EXPECT_TRUE(form->Visible());

    // A stored FORCE entry, a position beyond the list and a negative one all select the first
    // choice while the registry editor blocks FORCE; position 7 moves up by the three left out.
    machine.AddForeignWindow("REGEDIT_REGEDIT");
    for (int stored : {4, 99, -1, 7}) {
        machine.registry.SetDword(port::RegRoot::CurrentUser, kObjects, "AskWindow",
                                  static_cast<std::uint32_t>(stored));
        Ask();
        EXPECT_EQ(items.size(), 7u) << stored;
        EXPECT_EQ(selected, stored == 7 ? 4 : 0) << stored;
    }
    EXPECT_EQ(items[3], "Power OFF (APM/Battery)");
    EXPECT_TRUE(machine.dialogs.boxes.empty());  // no word about the guarded program

    // Radio position 3 is full position 6: stored so, and the power-off runs as the second call.
    machine.registry.SetDword(port::RegRoot::CurrentUser, kGuards, "PowerResult", 3);
    OnDialog([](shutdown::TForm3& d) {
        d.RadioGroup1.Button(3)->PeerClicked();
        EXPECT_EQ(d.StatusBar1.Caption(), "Soft-Initiated Power OFF (Standby-Mode).");
        return kOk;
    });
    Ask();
    EXPECT_EQ(Object("AskWindow"), 6);
    EXPECT_EQ(Engine().pendingAskChoice, shutdown::METHOD_POWEROFF);
    EXPECT_EQ(machine.session.exitCalls.size(), 1u);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{shutdown::EWX_POWEROFF});
    EXPECT_NE(LogBytes().find("Power OFF (APM/Battery)"), std::string::npos);
    EXPECT_EQ(machine.ui.modalRuns.size(), 6u);
}

TEST_F(AskTest, NtOffersItsCommandLineAndLogsItUnderItsOwnId) {
    Start(sim::Os::NT4);
    form->RadioButton4.SetChecked(true);  // the NT event log
    OnDialog([](shutdown::TForm3& d) {
        Choose(d, "Windows NT - Commandline");
        EXPECT_EQ(d.StatusBar1.Caption(), "Shut down into MS-DOS compatibility-mode.");
        return kOk;
    });
    Ask();
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0], "ShutDown");
    EXPECT_EQ(items[8], "Windows NT - Commandline");
    EXPECT_EQ(Object("AskWindow"), 8);
    ASSERT_EQ(machine.eventLog.events.size(), 1u);
    EXPECT_EQ(machine.eventLog.events[0].eventId, 509u);
    EXPECT_EQ(Engine().triggerKind, shutdown::TRIGGER_ASK);
    EXPECT_FALSE(program->State().ended);
    EXPECT_EQ(form->PendingMethodCode, 0);
}

// While an ASK countdown runs the list stays usable; whatever it shows when the countdown ends,
// the entry clicked in the dialog is the one that runs.
TEST_F(AskTest, TheClickedEntryRunsWhateverTheListShows) {
    Start(sim::Os::Win98);
    form->ComboBox1.SetItemIndex(2);
    OnDialog([](shutdown::TForm3& d) {
        Choose(d, "ShutDown and ReBoot");
        return kOk;
    });
    program->State().engine.ExecuteActionWithChoice(shutdown::METHOD_ASK);
    EXPECT_EQ(items.size(), 10u);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{shutdown::EWX_REBOOT});
    EXPECT_NE(LogBytes().find("ShutDown and ReBoot"), std::string::npos);
}

TEST_F(AskTest, TaskBoxesFollowTheMainWindowAndTheirMenu) {
    Start(sim::Os::Win98);
    RunApplicationFirst();
    form->CheckBox6.SetChecked(true);
    form->CheckBox13.SetChecked(false);
    form->Edit4.SetText("C:\\TEMP");
    program->State().DeviceTable.Assign({"CD - E:,1,0,5,"});
    machine.registry.SetDword(port::RegRoot::CurrentUser, kObjects, "AskEmptyDirs", 0);
    auto state = [](shutdown::TForm3& d) {
        std::string s;
        for (int n = 1; n <= shutdown::TForm3::kBoxCount; ++n)
            s += std::string(d.Box(n)->Enabled() ? "e" : "-") + (d.Box(n)->Checked() ? "x" : "_");
        return s;
    };
    std::vector<std::string> seen;
    OnDialog([&](shutdown::TForm3& d) {
        seen.push_back(state(d));  // the last shutdown's values; "&No Warning" from the main window
        d.PeerKeyDown('U', ui::kCtrl);
        seen.push_back(state(d));  // "&No Warning" went with "- &Run Application"
        d.PeerKeyDown('E', ui::kCtrl);
        seen.push_back(state(d));
        d.PeerKeyDown('D', ui::kCtrl);
        seen.push_back(state(d));
        d.PeerKeyDown('L', ui::kCtrl);
        seen.push_back(state(d));
        d.CheckBox4.Click();
        return kOk;
    });
    machine.dialogs.Answer(port::kIdCancel);  // the application's warning: nothing more happens
    Ask();
    EXPECT_EQ(seen, (std::vector<std::string>{"e_exe_exex", "e_e_-_e_e_", "exexexexex", "exexe_exex",
                                              "e_exe_exex"}));
    // Only what the enabled boxes showed at OK is stored.
    EXPECT_EQ(Object("AskInitLocalDrives"), 0);
    EXPECT_EQ(Object("AskEmptyDirs"), 0);
    EXPECT_EQ(Object("AskNoWarning"), 0);

    // Without "&Run Application first:" its two boxes stay disabled and clear, even under Ctrl+E,
    // and keep their stored values.
    form->CheckBox5.SetChecked(false);
    form->Edit4.SetText("");
    program->State().DeviceTable.Clear();
    machine.registry.DeleteValue(port::RegRoot::CurrentUser, kObjects, "AskRunApplication");
    OnDialog([&](shutdown::TForm3& d) {
        d.PeerKeyDown('E', ui::kCtrl);
        seen.push_back(state(d));
        return kOk;
    });
    Ask();
    EXPECT_EQ(seen.back(), "-_-_-_ex-_");
    EXPECT_FALSE(HasObject("AskRunApplication"));
    EXPECT_EQ(Object("AskNoWarning"), 0);
    EXPECT_EQ(Object("AskInitLocalDrives"), 1);
}

TEST_F(AskTest, OkRunsTheTickedTasksOnceInOrderThenTheChosenMethod) {
    machine.AddFixedDrive('D');
    Start(sim::Os::Win98);
    RunApplicationFirst();
    form->CheckBox6.SetChecked(true);
    machine.files.AddFile("C:\\TEMP\\OLD.TXT");
    form->Edit4.SetText("C:\\TEMP");
    // The emptying dialog comes after the application and before the drives are woken.
    std::vector<std::string> order;
    machine.ui.OnModal("TForm6", [&](ui::Form&) {
        order.push_back("empty after " + std::to_string(machine.shell.calls.size()) + " start(s), " +
                        std::to_string(Flushes()) + " flush(es)");
        return kCancel;
    });
    OnDialog([](shutdown::TForm3& d) {
        Choose(d, "LogOFF and LogON again");
        d.CheckBox3.SetChecked(true);  // no warning for the application
        return kOk;
    });
    Ask();
    EXPECT_EQ(order, std::vector<std::string>{"empty after 1 start(s), 0 flush(es)"});
    EXPECT_EQ(Flushes(), 2);                    // C: and D:
    EXPECT_EQ(machine.shell.calls.size(), 1u);  // the second call runs no task again
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{shutdown::EWX_LOGOFF});
    EXPECT_NE(LogBytes().find("LogOFF and LogON again"), std::string::npos);
    EXPECT_EQ(Object("AskWindow"), 2);
    EXPECT_EQ(Object("AskNoWarning"), 1);
}

TEST_F(AskTest, CancelAndACancelledWarningEndNothingAndLaterRequestsRunTheirTasks) {
    Start(sim::Os::Win98);
    RunApplicationFirst();
    form->CheckBox6.SetChecked(true);
    machine.registry.SetDword(port::RegRoot::CurrentUser, kObjects, "AskWindow", 2);
    OnDialog([](shutdown::TForm3& d) {
        d.RadioGroup1.Button(4)->PeerClicked();
        d.ScrollBox1.SetVertPosition(10);
        return kCancel;
    });
    Ask();
    EXPECT_EQ(selected, 2);
    EXPECT_TRUE(machine.shell.calls.empty());
    EXPECT_TRUE(machine.session.exitCalls.empty());
    EXPECT_EQ(form->PendingMethodCode, 0);
    EXPECT_EQ(Engine().pendingAskChoice, 0);
    EXPECT_EQ(Engine().askResult, 2);
    EXPECT_EQ(Object("AskWindow"), 2);
    EXPECT_EQ(Object("AskScrollBoxPos"), 10);
    EXPECT_FALSE(form->AskOrEmptyDialogVisible);

    // The scroll position comes back; OK with the warning cancelled: no second call, no drives.
    OnDialog([](shutdown::TForm3& d) {
        EXPECT_EQ(d.ScrollBox1.VertPosition(), 10);
        d.CheckBox3.SetChecked(false);
        return kOk;
    });
    machine.dialogs.Answer(port::kIdCancel);
    Ask();
    EXPECT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(machine.session.exitCalls.empty());
    EXPECT_EQ(Flushes(), 0);
    EXPECT_EQ(Engine().askResult, 2);
    EXPECT_FALSE(program->State().ended);

    // A direct request afterwards runs the application again before it ends the session.
    machine.dialogs.Answer(port::kIdOk);
    form->ComboBox1.SetItemIndex(2);
    form->Button1.Click();
    EXPECT_EQ(machine.shell.calls.size(), 2u);
    EXPECT_EQ(ExitFlags(), std::vector<std::uint32_t>{shutdown::EWX_LOGOFF});
}

TEST_F(AskTest, SettingsOpensTheNotebookFromAVisibleAndFromAnAwayWindow) {
    Start(sim::Os::Win98);
    bool notebookWhileUp = false;
    OnDialog([&](shutdown::TForm3& d) {
        d.SpeedButton1.Click();
        notebookWhileUp = form->NotebookShowing();
        return 0;
    });
    Ask();
    EXPECT_TRUE(notebookWhileUp);  // switched at once behind the dialog
    EXPECT_EQ(machine.ui.modalRuns.back().result, kCancel);
    EXPECT_TRUE(form->NotebookShowing());
    EXPECT_TRUE(machine.session.exitCalls.empty());
    form->Button3.Click();  // "Ca&ncel" closes the notebook
    ASSERT_FALSE(form->NotebookShowing());

    form->SetState(ui::WindowState::Minimized);
    Ask();
    EXPECT_FALSE(notebookWhileUp);  // the window was away: the notebook waits for the dialog
    EXPECT_TRUE(form->NotebookShowing());
    EXPECT_EQ(form->State(), ui::WindowState::Normal);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(machine.taskbar.IsWindowVisible(program->State().application.Handle()));
    EXPECT_FALSE(form->Button1.Enabled());
}

}  // namespace
