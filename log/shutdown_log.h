#pragma once
// The record of every session end: RVLN.LOG or the NT application event log.
namespace app {
struct ProgramState;
}

namespace eventlog {

// One entry for the engine's current log code, trigger kind and method name. Never fails the
// shutdown that asks for it.
void WriteShutdownLogEntry(app::ProgramState& program);

}  // namespace eventlog
