// Shutdown entries in the NT application event log, and where each entry goes.
#include <gtest/gtest.h>
#include "app/form1.h"
#include "app/program.h"
#include "log/nt_event.h"
#include "log/shutdown_log.h"
#include "shutdown/methods.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using port::RegRoot;

constexpr const char* kLog = "C:\\RAVELIN\\RVLN.LOG";
constexpr const char* kSourceKey = "SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Ravelin";
constexpr const char* kControls = "Software\\QAV\\Ravelin\\LocalUser\\Controls";

class NtEventTest : public program_test::ProgramTest {
  protected:
    void Start(sim::Os os = sim::Os::NT4) { ProgramTest::Start(os); }
    void Log(int logCode, int trigger = shutdown::TRIGGER_WINDOW) {
        shutdown::EngineState& state = program->State().engine.state;
        state.currentLogCode = logCode;
        state.triggerKind = trigger;
        if (trigger == shutdown::TRIGGER_COMMAND_LINE) state.commandLineMethodName = "ShutDown";
        eventlog::WriteShutdownLogEntry(program->State());
    }
};

TEST(NtEventFormat, TypeFollowsTheId) {
    EXPECT_EQ(eventlog::NtEventType(500), port::kEventInformation);
    EXPECT_EQ(eventlog::NtEventType(999), port::kEventInformation);
    EXPECT_EQ(eventlog::NtEventType(1000), port::kEventWarning);
    EXPECT_EQ(eventlog::NtEventType(1499), port::kEventWarning);
    EXPECT_EQ(eventlog::NtEventType(1500), port::kEventError);
    EXPECT_EQ(eventlog::NtEventType(1999), port::kEventError);
    EXPECT_EQ(eventlog::NtEventType(2000), 0);
    EXPECT_EQ(eventlog::NtEventType(499), 0);
}

TEST(NtEventFormat, ElevenStrings) {
    const auto strings = eventlog::NtEventStrings("Ravelin v3.31", 507, "first half\rsecond half");
    ASSERT_EQ(strings.size(), 11u);
    EXPECT_EQ(strings[0], " => RAVELIN V3.31 EVENT LOG REPORT ( 507 ):  => ");
    EXPECT_EQ(strings[1], "first half ");
    EXPECT_EQ(strings[2], "second half ");
    for (size_t i = 3; i < 11; ++i)
        EXPECT_EQ(strings[i], " ") << i;

    // More breaks than pieces: the tenth piece takes the rest.
    std::string many;
    for (int i = 0; i < 12; ++i)
        many += std::to_string(i) + "\r";
    const auto cut = eventlog::NtEventStrings("x", 1000, many);
    ASSERT_EQ(cut.size(), 11u);
    EXPECT_EQ(cut[0], " => X EVENT LOG REPORT ( 1000 ):  => ");
    EXPECT_EQ(cut[9], "8 ");
    EXPECT_EQ(cut[10], "9\r10\r11\r ");
}

TEST_F(NtEventTest, EventLogChoiceWritesOneInformationEvent) {
    Start();
    form->RadioButton4.SetChecked(true);
    Log(7);
    ASSERT_EQ(machine.eventLog.events.size(), 1u);
    const sim::LoggedEvent& event = machine.eventLog.events[0];
    EXPECT_EQ(event.source, "Ravelin");
    EXPECT_EQ(event.eventId, 507u);
    EXPECT_EQ(event.type, port::kEventInformation);
    EXPECT_EQ(event.category, 0);
    const std::string entry = eventlog::ShutdownEntryText(program->State(), false);
    const size_t cr = entry.find('\r');
    ASSERT_NE(cr, std::string::npos);
    ASSERT_EQ(event.strings.size(), 11u);
    EXPECT_EQ(event.strings[0], " => RAVELIN V3.31 EVENT LOG REPORT ( 507 ):  => ");
    EXPECT_EQ(event.strings[1], entry.substr(0, cr) + " ");
    EXPECT_EQ(event.strings[2], entry.substr(cr + 1) + " ");
    EXPECT_NE(event.strings[1].find("TEST with MessageBox ]! =>"), std::string::npos);
    EXPECT_FALSE(machine.files.Exists(kLog));

    // The source is registered once, naming the program as the file of its messages.
    EXPECT_EQ(machine.registry.String(RegRoot::LocalMachine, kSourceKey, "EventMessageFile"),
              "C:\\RAVELIN\\RVLN.EXE");
    EXPECT_EQ(machine.registry.Dword(RegRoot::LocalMachine, kSourceKey, "TypesSupported"), 7u);
}

TEST_F(NtEventTest, ExistingSourceKeyIsLeftAlone) {
    Start();
    machine.registry.SetString(RegRoot::LocalMachine, kSourceKey, "EventMessageFile", "D:\\OTHER.DLL");
    form->RadioButton4.SetChecked(true);
    Log(0);
    EXPECT_EQ(machine.registry.String(RegRoot::LocalMachine, kSourceKey, "EventMessageFile"),
              "D:\\OTHER.DLL");
    EXPECT_FALSE(machine.registry.HasValue(RegRoot::LocalMachine, kSourceKey, "TypesSupported"));
    ASSERT_EQ(machine.eventLog.events.size(), 1u);
    EXPECT_EQ(machine.eventLog.events[0].eventId, 500u);
}

TEST_F(NtEventTest, FailuresStaySilent) {
    Start();
    machine.DenyMachineKeyWrites();
    machine.eventLog.failing = true;
    form->RadioButton4.SetChecked(true);
    Log(9);
    EXPECT_EQ(machine.eventLog.failedReports, 1);
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_FALSE(machine.files.Exists(kLog));
}

TEST_F(NtEventTest, FileChoiceOnNtWritesTheFile) {
    Start();
    form->RadioButton3.SetChecked(true);
    Log(7);
    EXPECT_TRUE(machine.files.Exists(kLog));
    EXPECT_TRUE(machine.eventLog.events.empty());
}

TEST_F(NtEventTest, CommandLineOnNtFollowsTheStoredTarget) {
    Start();
    Log(0, shutdown::TRIGGER_COMMAND_LINE);
    EXPECT_TRUE(machine.files.Exists(kLog));
    EXPECT_TRUE(machine.eventLog.events.empty());

    machine.files.DeleteFile(kLog);
    machine.registry.SetDword(RegRoot::CurrentUser, kControls, "RVLNLog", 0);
    Log(1, shutdown::TRIGGER_COMMAND_LINE);
    EXPECT_FALSE(machine.files.Exists(kLog));
    ASSERT_EQ(machine.eventLog.events.size(), 1u);
    EXPECT_EQ(machine.eventLog.events[0].eventId, 501u);
    EXPECT_NE(machine.eventLog.events[0].strings[1].find("] has shut down from the Commandline with: ["),
              std::string::npos);
}

TEST_F(NtEventTest, Windows98NeverWritesEventsNorOffersThem) {
    Start(sim::Os::Win98);
    EXPECT_FALSE(form->RadioButton4.Enabled());
    form->CheckBox20.SetChecked(false);
    form->CheckBox20.SetChecked(true);
    EXPECT_FALSE(form->RadioButton4.Enabled());
    EXPECT_TRUE(form->RadioButton3.Enabled());
    EXPECT_TRUE(form->SpinEdit3.Enabled());

    // Even a stored choice of the event log comes back to the file here.
    form->RadioButton4.SetChecked(true);
    EXPECT_TRUE(form->RadioButton3.Checked());
    Log(7);
    EXPECT_TRUE(machine.files.Exists(kLog));

    eventlog::ReportNtEvent(program->State(), "text", "Ravelin", 500);
    machine.registry.SetDword(RegRoot::CurrentUser, kControls, "RVLNLog", 0);
    Log(0, shutdown::TRIGGER_COMMAND_LINE);
    EXPECT_TRUE(machine.eventLog.events.empty());
    EXPECT_EQ(machine.eventLog.failedReports, 0);
    EXPECT_FALSE(machine.registry.HasKey(RegRoot::LocalMachine, kSourceKey));
}

TEST_F(NtEventTest, NtOffersTheEventLogOnlyWhileLogging) {
    Start();
    EXPECT_TRUE(form->RadioButton4.Enabled());
    form->CheckBox20.SetChecked(false);
    EXPECT_FALSE(form->RadioButton4.Enabled());
    EXPECT_FALSE(form->RadioButton3.Enabled());
    EXPECT_FALSE(form->SpinEdit3.Enabled());
    form->CheckBox20.SetChecked(true);
    EXPECT_TRUE(form->RadioButton4.Enabled());
}

TEST_F(NtEventTest, EmptyTextReportsNothing) {
    Start();
    eventlog::ReportNtEvent(program->State(), "", "Ravelin", 500);
    EXPECT_TRUE(machine.eventLog.events.empty());
    EXPECT_FALSE(machine.registry.HasKey(RegRoot::LocalMachine, kSourceKey));
    eventlog::ReportNtEvent(program->State(), "hardware changed", "Ravelin", 1000);
    ASSERT_EQ(machine.eventLog.events.size(), 1u);
    EXPECT_EQ(machine.eventLog.events[0].type, port::kEventWarning);
    EXPECT_EQ(machine.eventLog.events[0].strings[1], "hardware changed ");
}

}  // namespace
