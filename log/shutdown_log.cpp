#include "log/shutdown_log.h"

#include "app/program_state.h"

namespace eventlog {

// The log file and the event source arrive with the event log; until then nothing is recorded.
void WriteShutdownLogEntry(app::ProgramState&) {}

}  // namespace eventlog
