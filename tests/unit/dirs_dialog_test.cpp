// The "Empty Directories" dialog and the buttons of its notebook group, on the whole program.
#include <gtest/gtest.h>

#include "dirs/empty_dialog.h"
#include "dirs/empty_dirs.h"
#include "tests/unit/program_fixture.h"

namespace {

using port::RegRoot;
constexpr const char* kControls = "Software\\QAV\\Ravelin\\LocalUser\\Controls";

class EmptyDialogTest : public program_test::PlainWindowTest {
  protected:
    void SetUp() override {
        machine.files.AddFile("C:\\E1\\A.TXT");
        machine.files.AddFile("C:\\E1\\SUB\\B.TXT");
        machine.files.AddFile("C:\\E2\\C.TXT");
        machine.files.AddDirectory("C:\\E3");
    }
    void StartWithList(const std::string& list, bool neverConfirm = false) {
        // A running program would save its own list over the stored one.
        program.reset();
        form = nullptr;
        machine.registry.SetDword(RegRoot::CurrentUser, kControls, "EmptyConfirm", neverConfirm);
        machine.registry.SetString(RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Guards",
                                   "EmptyDirList", list);
        Start();
    }
    void OnDialog(std::function<int(dirs::TForm6&)> script) {
        machine.ui.OnModal("TForm6", [script](ui::Form& f) { return script(static_cast<dirs::TForm6&>(f)); });
    }
    bool StoredNeverConfirm() {
        return machine.registry.Dword(RegRoot::CurrentUser, kControls, "EmptyConfirm").value_or(0) != 0;
    }
    int Runs() const { return static_cast<int>(machine.ui.modalRuns.size()); }
};

TEST_F(EmptyDialogTest, ListsEveryDirectoryAndSelectsThoseWithContent) {
    StartWithList("C:\\E1;C:\\E3;C:\\E2;");
    machine.registry.SetDword(RegRoot::CurrentUser, kControls, "EmptyConfirm", 0);
    form->ComboBox2.SetItemIndex(4);
    OnDialog([this](dirs::TForm6& d) {
        EXPECT_EQ(d.Caption(), "Empty Directories:");
        EXPECT_EQ(d.Label1.Caption(), "Only the files of the following directories are about to be deleted:");
        EXPECT_EQ(d.ListBox1.Items(), (std::vector<std::string>{"C:\\E1", "C:\\E3", "C:\\E2"}));
        EXPECT_TRUE(d.ListBox1.Selected(0));
        EXPECT_FALSE(d.ListBox1.Selected(1));
        EXPECT_EQ(d.ListBox1.Picture(1), dirs::kRowEmpty);
        EXPECT_EQ(d.ActiveControl(), &d.Button4);
        // F1 or the caption's "?" over any control: the dialog's topic.
        EXPECT_TRUE(d.helpButton);
        d.PeerHelp(&d.ListBox1);
        EXPECT_EQ(machine.feedback.helpCalls.back().keyword, "empty_now");
        d.ListBox1.PeerToggled(2, false);  // the user keeps C:\E2
        d.Button4.Click();
        return 0;
    });
    form->SpeedButton4.Click();
    ASSERT_EQ(Runs(), 1);
    EXPECT_EQ(machine.ui.modalRuns[0].result, 1);
    EXPECT_FALSE(machine.files.Exists("C:\\E1\\A.TXT"));
    EXPECT_TRUE(machine.files.Exists("C:\\E1\\SUB\\B.TXT"));  // files only in mode 4
    EXPECT_TRUE(machine.files.Exists("C:\\E2\\C.TXT"));
    EXPECT_EQ(machine.dialogs.boxes.size(), 0u);
    EXPECT_TRUE(machine.registry.HasValue(RegRoot::CurrentUser,
                                          "Software\\QAV\\Ravelin\\LocalUser\\DirEmptyWindow", "Top"));
}

TEST_F(EmptyDialogTest, StoredNeverConfirmDeletesAndClosesByItself) {
    StartWithList("C:\\E1;C:\\E2;", true);
    form->SpeedButton4.Click();
    ASSERT_EQ(Runs(), 1);
    EXPECT_EQ(machine.ui.modalRuns[0].result, 1);
    EXPECT_EQ(machine.files.List("C:\\E1"), std::vector<std::string>{});
    EXPECT_EQ(machine.files.List("C:\\E2"), std::vector<std::string>{});
    EXPECT_TRUE(StoredNeverConfirm());
}

TEST_F(EmptyDialogTest, NeverConfirmAsksYesNoAbort) {
    StartWithList("C:\\E1;");
    // Abort: the box goes back, OK with it.
    OnDialog([this](dirs::TForm6& d) {
        machine.dialogs.Answer(port::kIdAbort);
        d.CheckBox1.SetChecked(true);
        EXPECT_FALSE(d.CheckBox1.Checked());
        EXPECT_TRUE(d.Button4.Enabled());
        EXPECT_TRUE(d.Button4.Default());
        return 2;
    });
    form->SpeedButton4.Click();
    const sim::BoxRecord* box = machine.dialogs.Last();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Buttons(), (std::vector<int>{port::kIdYes, port::kIdNo, port::kIdAbort}));
    EXPECT_EQ(box->kind, sim::BoxKind::Warning);
    EXPECT_NE(box->text.find(" Do you want to empty the directories now?"), std::string::npos);
    EXPECT_TRUE(machine.files.Exists("C:\\E1\\A.TXT"));
    EXPECT_FALSE(StoredNeverConfirm());
    EXPECT_TRUE(form->CheckBox16.Checked());

    // No: nothing deleted, OK stays off, confirmation off from now on.
    OnDialog([this](dirs::TForm6& d) {
        machine.dialogs.Answer(port::kIdNo);
        d.CheckBox1.SetChecked(true);
        EXPECT_FALSE(d.Button4.Enabled());
        EXPECT_TRUE(d.Button5.Default());
        return 2;
    });
    form->SpeedButton4.Click();
    EXPECT_TRUE(machine.files.Exists("C:\\E1\\A.TXT"));
    EXPECT_TRUE(StoredNeverConfirm());
    EXPECT_FALSE(form->CheckBox16.Checked());
    EXPECT_EQ(form->StatusBar2.PanelText(1), "NO CONFIRM!");

    // Yes with the box unchecked first: deletes and closes with OK.
    OnDialog([this](dirs::TForm6& d) {
        EXPECT_FALSE(d.Automatic());
        d.CheckBox1.SetChecked(false);
        machine.dialogs.Answer(port::kIdYes);
        d.CheckBox1.SetChecked(true);
        return 0;
    });
    machine.registry.SetDword(RegRoot::CurrentUser, kControls, "EmptyConfirm", 0);
    form->SpeedButton4.Click();
    EXPECT_EQ(machine.ui.modalRuns.back().result, 1);
    EXPECT_FALSE(machine.files.Exists("C:\\E1\\A.TXT"));
    EXPECT_TRUE(StoredNeverConfirm());
    EXPECT_EQ(machine.dialogs.unscriptedBoxes, 0);
}

TEST_F(EmptyDialogTest, FailingDirectoryIsOnTopWhileReportedAndTheNextIsStillEmptied) {
    machine.AddCdrom('E');
    machine.files.AddFile("E:\\DATA\\X.TXT");
    StartWithList("E:\\DATA;C:\\E1;");
    dirs::TForm6* dialog = nullptr;
    std::string topRow;
    bool busyWhileReported = false;
    machine.dialogs.handler = [&](const sim::BoxRecord&) {
        if (dialog) topRow = dialog->ListBox1.Items().front();
        busyWhileReported = machine.ui.busyCursor;
        return port::kIdOk;
    };
    OnDialog([&](dirs::TForm6& d) {
        dialog = &d;
        d.Button4.Click();
        return 0;
    });
    form->SpeedButton4.Click();
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, sim::BoxKind::Error);
    EXPECT_EQ(machine.dialogs.boxes[0].text.rfind("Some files/folders could not be deleted by\rRavelin.", 0),
              0u);
    EXPECT_EQ(topRow, "E:\\DATA");
    // The hourglass for the whole deletion, the normal cursor afterwards.
    EXPECT_TRUE(busyWhileReported);
    EXPECT_EQ(machine.ui.busyCursorChanges, (std::vector<bool>{true, false}));
    EXPECT_TRUE(machine.files.Exists("E:\\DATA\\X.TXT"));
    EXPECT_FALSE(machine.files.Exists("C:\\E1\\A.TXT"));
}

TEST_F(EmptyDialogTest, NowButtonSaysWhyNothingHappens) {
    StartWithList("*");
    form->SpeedButton4.Click();
    StartWithList("C:\\E3;");
    form->SpeedButton4.Click();
    form->DeviceOperationRunning = true;
    form->CheckBox19.SetChecked(true);
    form->Edit4.SetText("C:\\E1;");
    form->SpeedButton4.Click();
    EXPECT_EQ(Runs(), 0);
    ASSERT_EQ(machine.dialogs.boxes.size(), 3u);
    EXPECT_EQ(machine.dialogs.boxes[0].text,
              "ERROR: There are no directories to empty!\rPlease specify one or more directories in the\r"
              "appropriate field on \"Watchdogs\" page 2.");
    EXPECT_EQ(machine.dialogs.boxes[1].text,
              "All Directories are currently empty!\rPlease copy a file/folder into one and try again.");
    EXPECT_EQ(
        machine.dialogs.boxes[2].text.rfind("The \"Empty Directories\" function/window is not available,", 0),
        0u);
    EXPECT_TRUE(machine.files.Exists("C:\\E1\\A.TXT"));
}

TEST_F(EmptyDialogTest, ShutdownWithNothingToEmptyShowsNothing) {
    StartWithList("C:\\E3;");
    dirs::EmptyDirectoriesNow(form->program);
    EXPECT_EQ(Runs(), 0);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(EmptyDialogTest, ConfirmBoxAsksOnlyWhenTheUserUnchecksItOnTheTasksPage) {
    StartWithList("C:\\E1;");
    form->CheckBox16.SetChecked(false);  // not on its page: no question
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(StoredNeverConfirm());
    form->CheckBox16.SetChecked(true);
    EXPECT_FALSE(StoredNeverConfirm());
    form->OpenSettingsSubPage(0, 3);
    ASSERT_TRUE(form->GroupTasks.Showing());
    machine.dialogs.Answer(port::kIdNo);
    form->CheckBox16.SetChecked(false);
    EXPECT_TRUE(form->CheckBox16.Checked());
    EXPECT_FALSE(StoredNeverConfirm());
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].text.rfind("C A U T I O N !!!:\r\r", 0), 0u);
    machine.dialogs.Answer(port::kIdYes);
    form->CheckBox16.SetChecked(false);
    EXPECT_TRUE(StoredNeverConfirm());
    EXPECT_EQ(form->StatusBar2.PanelText(1), "NO CONFIRM!");
}

TEST_F(EmptyDialogTest, TempButtonAppendsTheTemporaryFolder) {
    StartWithList("C:\\E1;");
    form->SpeedButton3.Click();
    EXPECT_EQ(form->Edit4.Text(), "C:\\E1;C:\\WINDOWS\\TEMP;");
    form->SpeedButton3.Click();
    EXPECT_EQ(form->Edit4.Text(), "C:\\E1;C:\\WINDOWS\\TEMP;");
    EXPECT_EQ(machine.dialogs.Containing("exists several times").size(), 1u);
}

}  // namespace
