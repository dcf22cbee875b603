// The shutdown entry as it lands in RVLN.LOG: prefix, the thirteen fields and their widths.
#include <gtest/gtest.h>
#include <algorithm>
#include "app/form1.h"
#include "app/program.h"
#include "log/log_format.h"
#include "log/shutdown_log.h"
#include "shutdown/methods.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

constexpr const char* kLog = "C:\\RAVELIN\\RVLN.LOG";

std::string Blanks(size_t n) {
    return std::string(n, ' ');
}

class LogEntryTest : public program_test::ProgramTest {
  protected:
    void Start(sim::Os os = sim::Os::Win98) {
        ProgramTest::Start(os);
        // Monday, 7 December 1998.
        machine.loop.SetDateTime(1998, 12, 7, 14, 5, 9, 25);
        machine.system.memory.availPhys = 1000;
        machine.system.memory.availPageFile = 999;
        machine.system.memory.availVirtual = 4'294'967'295ull;
    }
    void Log(int logCode, int trigger = shutdown::TRIGGER_WINDOW) {
        shutdown::EngineState& state = program->State().engine.state;
        state.currentLogCode = logCode;
        state.triggerKind = trigger;
        eventlog::WriteShutdownLogEntry(program->State());
    }
    std::string LogBytes() const { return machine.files.FileBytes(kLog).value_or("<no log>"); }
};

// The entry of the TEST method by "Chris" with the figures of Start(), by separator.
std::string TestEntryLine(const std::string& userField, const std::string& figures1000,
                          const std::string& big) {
    return " User: [ " + userField + " " + Blanks(21) + "] has shut down with: [ " + Blanks(15) +
           "TEST with MessageBox ]! =>    Free Physical Memory: [ " + Blanks(15 - figures1000.size()) +
           figures1000 + " ] Free PageFile Size: [ " + Blanks(12) + "999 ] Free Virtual Memory: [ " +
           Blanks(15 - big.size()) + big + " ]";
}

TEST_F(LogEntryTest, GermanSystemWritesTheDocumentedLine) {
    Start();
    machine.system.languageId = 1031;
    Log(7);
    const std::string expected = "Mo. , 07.12.1998 at:  14:05:09,25 h -" +
                                 TestEntryLine(Blanks(45) + "Chris", "1.000", "4.294.967.295") + "\r\n";
    EXPECT_EQ(LogBytes(), expected);
}

TEST_F(LogEntryTest, UsEnglishAndOtherSystemsOrderTheDateAndSeparateTheirOwnWay) {
    Start();
    machine.system.languageId = 1033;
    Log(7);
    EXPECT_EQ(LogBytes(), "Mo. , 12/07/1998 at:  14:05:09,25 h -" +
                              TestEntryLine(Blanks(45) + "Chris", "1,000", "4,294,967,295") + "\r\n");

    machine.files.DeleteFile(kLog);
    machine.system.languageId = 1036;
    Log(7);
    EXPECT_EQ(LogBytes(), "Mo. , 07/12/1998 at:  14:05:09,25 h -" +
                              TestEntryLine(Blanks(45) + "Chris", "1.000", "4.294.967.295") + "\r\n");

    for (std::uint16_t dotted : {1070, 2055, 3079}) {
        machine.files.DeleteFile(kLog);
        machine.system.languageId = dotted;
        Log(7);
        EXPECT_EQ(LogBytes().substr(0, 17), "Mo. , 07.12.1998 ") << dotted;
    }
}

TEST_F(LogEntryTest, LongUserNameIsWrittenWholeAndShiftsTheLine) {
    Start();
    const std::string name(57, 'x');
    machine.SetUser(name + "   ");
    Log(7);
    const std::string line = LogBytes();
    EXPECT_EQ(line.substr(37, 9 + name.size() + 1), " User: [ " + name + " ");
    // Everything after the name moves right by the seven characters beyond the field.
    const size_t method = line.find("TEST with MessageBox");
    EXPECT_EQ(method, 37u + 8 + 1 + 50 + 1 + 44 + 1 + 15 + 7);
}

TEST_F(LogEntryTest, MissingUserNameIsAnEmptyAccount) {
    Start();
    machine.system.userNameFails = true;
    Log(7);
    EXPECT_NE(LogBytes().find(" User: [ " + Blanks(37) + "Empty Account "), std::string::npos);
    machine.files.DeleteFile(kLog);
    machine.system.userNameFails = false;
    machine.SetUser("   ");
    Log(7);
    EXPECT_NE(LogBytes().find(Blanks(37) + "Empty Account "), std::string::npos);
}

TEST_F(LogEntryTest, CommandLineFormOfTheThirdField) {
    Start();
    program->State().engine.state.commandLineMethodName = "ShutDown   (+Power OFF)";
    Log(0, shutdown::TRIGGER_COMMAND_LINE);
    const std::string line = LogBytes();
    EXPECT_NE(line.find("Chris ] has shut down from the Commandline with: [ " + Blanks(14) +
                        "ShutDown (+Power OFF) ]! =>"),
              std::string::npos)
        << line;
}

TEST_F(LogEntryTest, EveryCrOfTheEntryBecomesABlank) {
    Start();
    machine.SetUser("Chris\rSmith");
    Log(7);
    const std::string bytes = LogBytes();
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find('\r'), bytes.size() - 2);
    EXPECT_NE(bytes.find(" Chris Smith " + Blanks(21) + "] has shut down"), std::string::npos);
    // The entry itself keeps its break between the method and the memory figures.
    const std::string entry = eventlog::ShutdownEntryText(program->State(), false);
    EXPECT_EQ(std::count(entry.begin(), entry.end(), '\r'), 2);
}

TEST_F(LogEntryTest, EachNewEntryGoesBelowTheLastOne) {
    Start();
    Log(7);
    Log(0);
    const std::string bytes = LogBytes();
    const size_t first = bytes.find("\r\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(bytes.find("TEST with MessageBox"), std::string::npos);
    EXPECT_GT(bytes.find("ShutDown (+Power OFF)"), first);
    EXPECT_EQ(bytes.size(), 2 * (first + 2));
}

TEST_F(LogEntryTest, NothingIsLoggedWithoutACodeOrWhenSwitchedOff) {
    Start();
    Log(-1);
    Log(7, shutdown::TRIGGER_NONE);
    EXPECT_FALSE(machine.files.Exists(kLog));
    form->CheckBox20.SetChecked(false);
    Log(7);
    EXPECT_FALSE(machine.files.Exists(kLog));
    form->CheckBox20.SetChecked(true);
    Log(7, shutdown::TRIGGER_ASK);
    EXPECT_TRUE(machine.files.Exists(kLog));
}

TEST_F(LogEntryTest, CommandLineAsksTheStoredSwitch) {
    Start();
    machine.registry.SetDword(port::RegRoot::CurrentUser, "Software\\QAV\\Ravelin\\LocalUser\\Controls",
                              "EnableLogging", 0);
    program->State().engine.state.commandLineMethodName = "ShutDown   (+Power OFF)";
    Log(0, shutdown::TRIGGER_COMMAND_LINE);
    EXPECT_FALSE(machine.files.Exists(kLog));
    // The window session goes by its check box, whatever is stored.
    Log(0);
    EXPECT_TRUE(machine.files.Exists(kLog));
}

TEST_F(LogEntryTest, MemoryFiguresAboveFourGigabytesShowAsTheLargest32BitNumber) {
    Start();
    machine.system.memory.availVirtual = 128ull << 40;
    Log(7);
    EXPECT_NE(LogBytes().find("Free Virtual Memory: [   4,294,967,295 ]"), std::string::npos);
}

TEST(LogFormat, MemoryFiguresWithAndWithoutSeparators) {
    EXPECT_EQ(eventlog::GroupThousands(999, ','), "999");
    EXPECT_EQ(eventlog::GroupThousands(1000, ','), "1,000");
    EXPECT_EQ(eventlog::GroupThousands(4'294'967'295ull, ','), "4,294,967,295");
    EXPECT_EQ(eventlog::GroupThousands(4'294'967'295ull, '.'), "4.294.967.295");
    EXPECT_EQ(eventlog::GroupThousands(0, ','), "0");
    EXPECT_EQ(eventlog::GroupThousands(100'000, ','), "100,000");
    EXPECT_EQ(eventlog::ThousandsSeparator(1033), ',');
    EXPECT_EQ(eventlog::ThousandsSeparator(2057), '.');
}

TEST(LogFormat, PrefixPiecesAndWeekdays) {
    port::LocalTime t;
    t.year = 98;
    t.month = 1;
    t.day = 4;
    t.hour = 3;
    t.minute = 2;
    t.second = 1;
    t.millisecond = 999;
    const char* days[7] = {"So.", "Mo.", "Tu.", "We.", "Th.", "Fr.", "Sa."};
    for (int d = 0; d < 7; ++d) {
        t.dayOfWeek = d;
        EXPECT_EQ(eventlog::FormatLogPrefix(t, 1031),
                  std::string(days[d]) + " , 04.01.1998 at: 03:02:01,999 h -");
    }
    t.year = 5;
    t.millisecond = 5;
    EXPECT_EQ(eventlog::FormatLogDate(t, 1033), "01/04/2005");
    EXPECT_EQ(eventlog::FormatLogTime(t), "03:02:01,05");
}

TEST(LogFormat, MethodTextLosesItsAlignmentBlanks) {
    EXPECT_EQ(eventlog::CompactMethodText("  FORCE         ShutDown* (+Pw. OFF)  "),
              "FORCE ShutDown* (+Pw. OFF)");
    EXPECT_EQ(eventlog::CompactMethodText("ASK                always how..."), "ASK always how...");
    EXPECT_EQ(eventlog::CompactMethodText(""), "");
}

TEST(LogFormat, WidthsCountCharactersNotBytes) {
    EXPECT_EQ(eventlog::PadLeft("J\xC3\xBCrgen", 8), "  J\xC3\xBCrgen");
    EXPECT_EQ(eventlog::PadLeft("abcdef", 3), "abcdef");
}

}  // namespace
