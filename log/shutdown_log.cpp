#include "log/shutdown_log.h"

#include "app/form1.h"
#include "app/method_list.h"
#include "app/program_state.h"
#include "log/log_format.h"
#include "log/log_writer.h"
#include "log/nt_event.h"
#include "settings/user_values.h"
#include "shutdown/methods.h"

namespace eventlog {
namespace {

// The list text of the method being logged: in the window session the entry of the list as
// shown at the log code, from the command line the name the engine chose.
std::string MethodText(const app::ProgramState& program, bool fromCommandLine) {
    const shutdown::EngineState& state = program.engine.state;
    if (fromCommandLine) return state.commandLineMethodName;
    const int code = state.currentLogCode;
    const std::vector<std::string> texts =
        program.form ? program.form->ComboBox1.Items() : app::MethodListTexts(program.osKind);
    return code >= 0 && code < static_cast<int>(texts.size()) ? texts[code] : std::string();
}

}  // namespace

std::string ShutdownEntryText(app::ProgramState& program, bool fromCommandLine) {
    port::SystemInfoPort& system = program.os.system;
    std::string user;
    const bool known = system.GetUserName(user);
    EntryFacts facts;
    facts.userName = EntryUserName(known, user);
    facts.fromCommandLine = fromCommandLine;
    facts.methodText = MethodText(program, fromCommandLine);
    facts.memory = system.GlobalMemoryStatus();
    facts.languageId = system.GetSystemDefaultLangID();
    return FormatEntryText(facts);
}

void WriteShutdownLogEntry(app::ProgramState& program) {
    const shutdown::EngineState& state = program.engine.state;
    if (state.currentLogCode == -1 || state.triggerKind == shutdown::TRIGGER_NONE) return;
    app::TForm1* form = program.form;
    // Without the window there are no controls to ask, only the stored settings.
    const bool fromCommandLine = state.triggerKind == shutdown::TRIGGER_COMMAND_LINE || !form;
    const bool enabled = fromCommandLine
                             ? settings::ReadUserBool(program.os, "Controls", "EnableLogging", true)
                             : form->CheckBox20.Checked();
    if (!enabled) return;

    const std::string entry = ShutdownEntryText(program, fromCommandLine);
    const std::uint32_t eventId = 500 + static_cast<std::uint32_t>(state.currentLogCode);
    if (app::IsWin9x(program.osKind)) {
        if (fromCommandLine || form->RadioButton3.Checked()) AppendLogLine(program, entry, fromCommandLine);
    } else if (fromCommandLine) {
        if (settings::ReadUserBool(program.os, "Controls", "RVLNLog", true)) {
            AppendLogLine(program, entry, true);
        } else {
            ReportNtEvent(program, entry, kEventSource, eventId);
        }
    } else if (form->RadioButton4.Checked()) {
        ReportNtEvent(program, entry, kEventSource, eventId);
    } else if (form->RadioButton3.Checked()) {
        AppendLogLine(program, entry, false);
    }
}

}  // namespace eventlog
