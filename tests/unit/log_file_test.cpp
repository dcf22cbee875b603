// RVLN.LOG on disk: creation, the size limit, dropping the oldest line, and the failures.
#include <gtest/gtest.h>
#include <algorithm>
#include "app/form1.h"
#include "app/program.h"
#include "lib/files.h"
#include "log/log_trim.h"
#include "log/log_writer.h"
#include "sim/errors.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using sim::BoxKind;
using sim::FileOp;

constexpr const char* kLog = "C:\\RAVELIN\\RVLN.LOG";
constexpr const char* kTemp0 = "C:\\RAVELIN\\RVLN.000";
constexpr const char* kTemp1 = "C:\\RAVELIN\\RVLN.001";
constexpr const char* kControls = "Software\\QAV\\Ravelin\\LocalUser\\Controls";

// Lines of 100 bytes each, numbered from 0, CR LF ended.
std::string Lines(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        std::string line = "old line " + std::to_string(i) + " ";
        line.resize(98, '.');
        bytes += line + "\r\n";
    }
    return bytes;
}

class LogFileTest : public program_test::ProgramTest {
  protected:
    void Append(const std::string& entry = "NEW ENTRY", bool fromCommandLine = false) {
        eventlog::AppendLogLine(program->State(), entry, fromCommandLine);
    }
    std::string LogBytes() const { return machine.files.FileBytes(kLog).value_or("<no log>"); }
    std::string LastLine() const {
        const std::string bytes = LogBytes();
        const size_t start = bytes.rfind("\r\n", bytes.size() - 3);
        return bytes.substr(start == std::string::npos ? 0 : start + 2);
    }
    // The field is set as the settings load sets it, without the clean-up of typing.
    void SetSizeField(const std::string& text) {
        auto onChange = std::move(form->SpinEdit3.OnChange);
        form->SpinEdit3.SetText(text);
        form->SpinEdit3.OnChange = std::move(onChange);
    }
    bool EndsWithNewEntry() const {
        const std::string last = LastLine();
        return last.size() > 11 && last.substr(last.size() - 11) == "NEW ENTRY\r\n";
    }
};

TEST_F(LogFileTest, FirstEntryCreatesTheFile) {
    Start();
    ASSERT_FALSE(machine.files.Exists(kLog));
    Append();
    EXPECT_TRUE(EndsWithNewEntry());
    const std::string bytes = LogBytes();
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(LogFileTest, AboveTheLimitOneLineGoesAndOneComes) {
    Start();
    SetSizeField("32");
    const std::string old = Lines(410);  // 41,000 bytes
    machine.files.AddFile(kLog, old);
    Append();
    const std::string bytes = LogBytes();
    EXPECT_EQ(bytes.substr(0, old.size() - 100), old.substr(100));
    EXPECT_TRUE(EndsWithNewEntry());
    EXPECT_GT(bytes.size(), 32u * 1024);
    EXPECT_FALSE(machine.files.Exists(kTemp0));
    EXPECT_TRUE(machine.dialogs.boxes.empty());

    // And again with the next entry: still one out, one in.
    Append();
    EXPECT_EQ(LogBytes().substr(0, old.size() - 200), old.substr(200));
}

TEST_F(LogFileTest, AtOrBelowTheLimitTheFileOnlyGrows) {
    Start();
    SetSizeField("32");
    const std::string old = Lines(327);
    machine.files.AddFile(kLog, old);
    Append();
    EXPECT_EQ(LogBytes().substr(0, old.size()), old);
}

TEST_F(LogFileTest, TemporaryNameTakesTheFirstFreeNumber) {
    Start();
    EXPECT_EQ(lib::NumberedTempName(machine.files, kLog), kTemp0);
    machine.files.AddFile(kTemp0, "someone else's");
    EXPECT_EQ(lib::NumberedTempName(machine.files, kLog), kTemp1);
    EXPECT_EQ(lib::NumberedTempName(machine.files, "C:\\A.B\\NAME.TAR.GZ"), "C:\\A.B\\NAME.000");

    SetSizeField("32");
    machine.files.AddFile(kLog, Lines(410));
    Append();
    EXPECT_EQ(machine.files.FileBytes(kTemp0).value_or(""), "someone else's");
    EXPECT_GE(machine.files.CountCalls(FileOp::Write, kTemp1), 1);
    EXPECT_EQ(LogBytes().substr(0, 100), Lines(2).substr(100));
}

TEST_F(LogFileTest, TooLittleRoomEmptiesTheFileAndKeepsTheNewLine) {
    Start();
    SetSizeField("32");
    const std::string old = Lines(410);
    machine.files.AddFile(kLog, old);
    machine.files.SetFreeBytes('C', 2 * old.size() - 1);
    Append();
    const std::string bytes = LogBytes();
    EXPECT_EQ(bytes.find("old line"), std::string::npos);
    EXPECT_TRUE(EndsWithNewEntry());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(LogFileTest, EnoughRoomIsTwiceTheFile) {
    Start();
    SetSizeField("32");
    const std::string old = Lines(410);
    machine.files.AddFile(kLog, old);
    machine.files.SetFreeBytes('C', 2 * old.size());
    Append();
    EXPECT_EQ(LogBytes().substr(0, 100), Lines(2).substr(100));
}

TEST_F(LogFileTest, EmptyOrDisabledSizeFieldMeansTheLargestLimit) {
    Start();
    SetSizeField("");
    EXPECT_EQ(eventlog::WindowLimitKb(form->SpinEdit3), 992);
    SetSizeField("31");
    EXPECT_EQ(eventlog::WindowLimitKb(form->SpinEdit3), 992);
    SetSizeField("993");
    EXPECT_EQ(eventlog::WindowLimitKb(form->SpinEdit3), 992);
    SetSizeField("12a");
    EXPECT_EQ(eventlog::WindowLimitKb(form->SpinEdit3), 992);
    SetSizeField("64");
    EXPECT_EQ(eventlog::WindowLimitKb(form->SpinEdit3), 64);
    form->SpinEdit3.SetEnabled(false);
    EXPECT_EQ(eventlog::WindowLimitKb(form->SpinEdit3), 992);

    // A 40 KB file under a disabled 32 KB field keeps every line.
    SetSizeField("32");
    const std::string old = Lines(410);
    machine.files.AddFile(kLog, old);
    Append();
    EXPECT_EQ(LogBytes().substr(0, old.size()), old);
}

TEST_F(LogFileTest, CommandLineTakesTheStoredSizeWithTheLargestAsDefault) {
    Start();
    SetSizeField("32");
    EXPECT_EQ(eventlog::CommandLineLimitKb(program->State()), 992);
    const std::pair<std::uint32_t, int> cases[] = {{32, 32}, {640, 640}, {16, 992}, {1000, 992}, {0, 992}};
    for (auto [stored, limit] : cases) {
        machine.registry.SetDword(port::RegRoot::CurrentUser, kControls, "LogSize", stored);
        EXPECT_EQ(eventlog::CommandLineLimitKb(program->State()), limit) << stored;
    }
    machine.registry.SetDword(port::RegRoot::CurrentUser, kControls, "LogSize", 992);
    const std::string old = Lines(410);
    machine.files.AddFile(kLog, old);
    Append("NEW ENTRY", true);
    EXPECT_EQ(LogBytes().substr(0, old.size()), old);
}

TEST_F(LogFileTest, FailedReplacementKeepsTheOldLogOnNt) {
    Start(sim::Os::NT4);
    SetSizeField("32");
    const std::string old = Lines(410);
    machine.files.AddFile(kLog, old);
    machine.files.InjectFailure(FileOp::Move, port::kErrAccessDenied);
    Append();
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(machine.dialogs.boxes[0].text,
              "ERROR: => Not able to rename temporary file from:\rC:\\RAVELIN\\RVLN.000 into:\r"
              "C:\\RAVELIN\\RVLN.LOG");
    EXPECT_EQ(LogBytes().substr(0, old.size()), old);
    EXPECT_TRUE(EndsWithNewEntry());
    EXPECT_FALSE(machine.files.Exists(kTemp0));
}

TEST_F(LogFileTest, WindowsNtReplacesInOneStep) {
    Start(sim::Os::NT4);
    SetSizeField("32");
    machine.files.AddFile(kLog, Lines(410));
    Append();
    EXPECT_EQ(LogBytes().substr(0, 100), Lines(2).substr(100));
    int moves = 0;
    for (const sim::FileCall& call : machine.files.calls) {
        if (call.op != FileOp::Move) continue;
        ++moves;
        EXPECT_TRUE(call.ok);
        EXPECT_EQ(call.path, kTemp0);
        EXPECT_EQ(call.path2, kLog);
    }
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(machine.files.CountCalls(FileOp::Delete, kLog), 0);
}

TEST_F(LogFileTest, Windows98StepsAsideAndComesBackWhenTheRenameFails) {
    Start(sim::Os::Win98);
    SetSizeField("32");
    const std::string old = Lines(410);
    machine.files.AddFile(kLog, old);
    // The log moves aside to RVLN.001; the trimmed copy RVLN.000 then cannot take its place.
    machine.files.InjectFailure(FileOp::Move, sim::kErrSharingViolation, 1, kTemp0);
    Append();
    ASSERT_EQ(machine.dialogs.Count(BoxKind::Error), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].text.substr(0, 50),
              "ERROR: => Not able to rename temporary file from:\r");
    EXPECT_EQ(LogBytes().substr(0, old.size()), old);
    EXPECT_TRUE(EndsWithNewEntry());
    EXPECT_FALSE(machine.files.Exists(kTemp0));
    EXPECT_FALSE(machine.files.Exists(kTemp1));
    std::vector<std::pair<std::string, std::string>> moves;
    for (const sim::FileCall& call : machine.files.calls) {
        if (call.op == FileOp::Move && call.ok) moves.emplace_back(call.path, call.path2);
    }
    using Move = std::pair<std::string, std::string>;
    EXPECT_EQ(moves, (std::vector<Move>{{kLog, kTemp1}, {kTemp1, kLog}}));
}

TEST_F(LogFileTest, Windows98TrimsWithoutMoveFileEx) {
    Start(sim::Os::Win98);
    SetSizeField("32");
    machine.files.AddFile(kLog, Lines(410));
    Append();
    EXPECT_EQ(LogBytes().substr(0, 100), Lines(2).substr(100));
    EXPECT_TRUE(EndsWithNewEntry());
    EXPECT_FALSE(machine.files.Exists(kTemp0));
    EXPECT_FALSE(machine.files.Exists(kTemp1));
    EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST_F(LogFileTest, FailuresShowTheirBoxAndLoseOnlyTheEntry) {
    Start();
    machine.files.InjectFailure(FileOp::Write, port::kErrAccessDenied, 1, kLog);
    Append();
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(machine.dialogs.boxes[0].text, "ERROR writing new logfile:\rC:\\RAVELIN\\RVLN.LOG");
    EXPECT_EQ(machine.dialogs.boxes[0].kind, BoxKind::Error);

    machine.files.AddFile(kLog, "kept\r\n");
    machine.files.InjectFailure(FileOp::Write, port::kErrAccessDenied, 1, kLog);
    Append();
    ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
    EXPECT_EQ(machine.dialogs.boxes[1].text, "ERROR opening report file:\rC:\\RAVELIN\\RVLN.LOG");
    EXPECT_EQ(LogBytes(), "kept\r\n");

    SetSizeField("32");
    machine.files.AddFile(kLog, Lines(410));
    machine.files.SetFreeBytes('C', 100);
    machine.files.InjectFailure(FileOp::Write, port::kErrAccessDenied, -1, kLog);
    Append();
    ASSERT_EQ(machine.dialogs.boxes.size(), 3u);
    EXPECT_EQ(machine.dialogs.boxes[2].text, "ERROR on appending/rewriting logfile:\rC:\\RAVELIN\\RVLN.LOG");
}

TEST_F(LogFileTest, LastLineWithoutItsEndIsClosedBeforeTheNewOne) {
    Start();
    SetSizeField("32");
    machine.files.AddFile(kLog, Lines(410) + "unfinished");
    Append();
    EXPECT_NE(LogBytes().find("unfinished\r\n"), std::string::npos);
    EXPECT_TRUE(EndsWithNewEntry());
}

}  // namespace
