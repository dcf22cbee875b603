// The "Event Log:" page, showing and erasing RVLN.LOG, and the "&LogFile" menu.
#include <gtest/gtest.h>
#include "app/form1.h"
#include "app/program.h"
#include "log/log_actions.h"
#include "log/log_page.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using sim::BoxKind;

constexpr const char* kLog = "C:\\RAVELIN\\RVLN.LOG";

class LogPageTest : public program_test::ProgramTest {
  protected:
    // Typing replaces the text as a whole, as the edit reports it.
    void Type(const std::string& text) { form->SpinEdit3.PeerTextChanged(text); }
    void SetSizeFieldQuietly(const std::string& text) {
        auto onChange = std::move(form->SpinEdit3.OnChange);
        form->SpinEdit3.SetText(text);
        form->SpinEdit3.OnChange = std::move(onChange);
    }
    void OpenContextMenu(const std::string& choose = {}) {
        if (!choose.empty()) machine.ui.ChooseInPopup(choose);
        machine.ui.Popup(form->PopupMenu2, 100, 100);
    }
};

TEST(LogSizeText, CleanUpRules) {
    EXPECT_EQ(eventlog::CleanSizeText(""), "");
    EXPECT_EQ(eventlog::CleanSizeText("0"), "");
    EXPECT_EQ(eventlog::CleanSizeText("000"), "");
    EXPECT_EQ(eventlog::CleanSizeText("abc"), "");
    EXPECT_EQ(eventlog::CleanSizeText("64"), "64");
    EXPECT_EQ(eventlog::CleanSizeText("064"), "064");
    EXPECT_EQ(eventlog::CleanSizeText("-5"), "0");
    EXPECT_EQ(eventlog::CleanSizeText("+5"), "0");
    EXPECT_EQ(eventlog::CleanSizeText(" 5"), "0");
    EXPECT_EQ(eventlog::CleanSizeText("5x"), "");
}

TEST_F(LogPageTest, TypingZeroGivesTheSmallestSize) {
    Start();
    Type("0");
    EXPECT_EQ(form->SpinEdit3.Text(), "32");
    Type("");
    EXPECT_EQ(form->SpinEdit3.Text(), "32");
    Type("-1");
    EXPECT_EQ(form->SpinEdit3.Text(), "32");
    Type("640");
    EXPECT_EQ(form->SpinEdit3.Text(), "640");
    Type("12");
    EXPECT_EQ(form->SpinEdit3.Text(), "12");
}

TEST_F(LogPageTest, LeavingTheFieldCleansItToo) {
    Start();
    SetSizeFieldQuietly("0");
    form->SpinEdit3.OnExit();
    EXPECT_EQ(form->SpinEdit3.Text(), "32");
    SetSizeFieldQuietly("x1");
    form->SpinEdit3.OnExit();
    EXPECT_EQ(form->SpinEdit3.Text(), "32");
}

TEST_F(LogPageTest, ClickCleansWithoutFillingAndSelectsOnlyAText) {
    Start();
    SetSizeFieldQuietly("96");
    EXPECT_TRUE(eventlog::SpinEdit3Click(*form));
    EXPECT_EQ(form->SpinEdit3.Text(), "96");
    form->SpinEdit3.SetEnabled(false);
    EXPECT_FALSE(eventlog::SpinEdit3Click(*form));
}

TEST_F(LogPageTest, LoggingSwitchEnablesTheControlsOfThePage) {
    Start(sim::Os::NT4);
    form->CheckBox20.SetChecked(false);
    for (ui::Widget* w :
         std::initializer_list<ui::Widget*>{&form->SpinEdit3, &form->RadioButton3, &form->RadioButton4}) {
        EXPECT_FALSE(w->Enabled()) << w->Name();
    }
    form->CheckBox20.SetChecked(true);
    for (ui::Widget* w :
         std::initializer_list<ui::Widget*>{&form->SpinEdit3, &form->RadioButton3, &form->RadioButton4}) {
        EXPECT_TRUE(w->Enabled()) << w->Name();
    }
}

TEST(LogErase, QuestionForAGivenSize) {
    EXPECT_EQ(
        eventlog::EraseQuestionText(41'000, 32'768, kLog),
        "      Current logfile size: 41,000 Byte,\rcurrent maximum size: 32,768 Byte,\rcurrent usage "
        "percent: 125.12 %.\r\rErasing the logfile, if the usage has reached 100%, will\rspeed up "
        "logging. - Are you sure, that you want to erase\rthe logfile: C:\\RAVELIN\\RVLN.LOG\rand loose "
        "all logged events?");
    EXPECT_NE(eventlog::EraseQuestionText(0, 1'015'808, kLog)
                  .find("size: 0 Byte,\rcurrent maximum size: "
                        "1,015,808 Byte,\rcurrent usage percent: "
                        "0.00 %."),
              std::string::npos);
}

TEST_F(LogPageTest, EraseAsksWithTheFiguresAndDeletesOnYes) {
    Start();
    machine.system.languageId = 1031;  // the question groups with "," all the same
    SetSizeFieldQuietly("64");
    machine.files.AddFile(kLog, std::string(1234, 'x'));
    machine.dialogs.Answer(port::kIdNo);
    eventlog::EraseLog(*form);
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Confirmation);
    EXPECT_EQ(machine.dialogs.boxes[0].text, eventlog::EraseQuestionText(1234, 65'536, kLog));
    EXPECT_NE(machine.dialogs.boxes[0].text.find("size: 1,234 Byte,\rcurrent maximum size: 65,536 Byte,\r"
                                                 "current usage percent: 1.88 %."),
              std::string::npos);
    EXPECT_TRUE(machine.files.Exists(kLog));

    machine.dialogs.Answer(port::kIdYes);
    eventlog::EraseLog(*form);
    EXPECT_FALSE(machine.files.Exists(kLog));
    EXPECT_EQ(machine.dialogs.boxes.size(), 2u);
}

TEST_F(LogPageTest, EraseFailureSaysSo) {
    Start();
    machine.files.AddFile(kLog, "x\r\n", port::kAttrReadOnly);
    machine.dialogs.Answer(port::kIdYes);
    eventlog::EraseLog(*form);
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[1].kind, BoxKind::Error);
    EXPECT_EQ(machine.dialogs.boxes[1].text, "ERROR: => Could not delete:\rC:\\RAVELIN\\RVLN.LOG");
    EXPECT_TRUE(machine.files.Exists(kLog));
}

TEST_F(LogPageTest, EraseIsRefusedWithoutAValidSize) {
    Start();
    machine.files.AddFile(kLog, "x\r\n");
    const std::string refusal =
        "ERROR: => Please set the max. value of the EventLogFile\rto a value between 32 and 992 on page no. "
        "4/5\rof the \"Controls\" section of the Settings-Notebook first!";
    for (const char* text : {"", "16", "1000"}) {
        SetSizeFieldQuietly(text);
        eventlog::EraseLog(*form);
        ASSERT_FALSE(machine.dialogs.boxes.empty());
        EXPECT_EQ(machine.dialogs.boxes.back().kind, BoxKind::Error) << text;
        EXPECT_EQ(machine.dialogs.boxes.back().text, refusal) << text;
    }
    SetSizeFieldQuietly("64");
    form->SpinEdit3.SetEnabled(false);
    eventlog::EraseLog(*form);
    EXPECT_EQ(machine.dialogs.boxes.back().text, refusal);
    EXPECT_EQ(machine.dialogs.Count(BoxKind::Confirmation), 0u);
    EXPECT_TRUE(machine.files.Exists(kLog));
}

TEST_F(LogPageTest, ShowOpensTheLogInTheTextViewer) {
    Start();
    eventlog::ShowLog(*form);
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    const sim::ShellCall& call = machine.shell.calls[0];
    EXPECT_EQ(call.file, "NOTEPAD.EXE");
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.showCommand, port::kSwShow);
    // A document as parameter runs in its own folder under its bare name.
    EXPECT_EQ(call.parameters, "RVLN.LOG");
    EXPECT_EQ(call.directory, "C:\\RAVELIN\\");

    form->TextViewer = "C:\\TOOLS\\VIEW.EXE";
    eventlog::ShowLog(*form);
    ASSERT_EQ(machine.shell.calls.size(), 2u);
    EXPECT_EQ(machine.shell.calls[1].file, "C:\\TOOLS\\VIEW.EXE");
}

TEST_F(LogPageTest, LogFileMenuFollowsTheFileEachTimeItOpens) {
    Start();
    EXPECT_FALSE(form->LogFile1.enabled);
    OpenContextMenu("ShowLog1");
    EXPECT_FALSE(machine.ui.popups.back().clicked);
    EXPECT_TRUE(machine.shell.calls.empty());

    machine.files.AddFile(kLog, "x\r\n");
    OpenContextMenu("ShowLog1");
    EXPECT_TRUE(form->LogFile1.enabled);
    ASSERT_TRUE(machine.ui.popups.back().clicked);
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].parameters, "RVLN.LOG");

    machine.dialogs.Answer(port::kIdYes);
    OpenContextMenu("EraseLog1");
    EXPECT_FALSE(machine.files.Exists(kLog));
    OpenContextMenu();
    EXPECT_FALSE(form->LogFile1.enabled);
    EXPECT_TRUE(form->ShowLog1.isDefault);
}

TEST_F(LogPageTest, ShowLogButtonFollowsTheFileWhenThePageOpens) {
    Start();
    // No file: the button stays off, whichever way the page opens.
    form->OpenSettingsSubPage(0, 4);
    EXPECT_TRUE(form->GroupEventLog.Visible());
    EXPECT_FALSE(form->SpeedButton9.Enabled());

    machine.files.AddFile(kLog, "x\r\n");
    EXPECT_FALSE(form->SpeedButton9.Enabled());  // checked on opening, not all the time
    form->SpinEdit1.PeerTextChanged("1");
    form->SpinEdit1.PeerTextChanged("4");
    ASSERT_TRUE(form->SpeedButton9.Enabled());
    form->SpeedButton9.PeerClicked();
    ASSERT_EQ(machine.shell.calls.size(), 1u);
    EXPECT_EQ(machine.shell.calls[0].parameters, "RVLN.LOG");

    // Erasing the file turns it off again; a failed erase leaves it on.
    machine.files.SetFileAttributes(kLog, port::kAttrReadOnly);
    machine.dialogs.Answer(port::kIdYes);
    eventlog::EraseLog(*form);
    EXPECT_TRUE(form->SpeedButton9.Enabled());
    machine.files.SetFileAttributes(kLog, 0);
    machine.dialogs.Answer(port::kIdYes);
    eventlog::EraseLog(*form);
    EXPECT_FALSE(machine.files.Exists(kLog));
    EXPECT_FALSE(form->SpeedButton9.Enabled());
}

}  // namespace
