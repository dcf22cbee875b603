#pragma once
// The record of every session end: RVLN.LOG or the NT application event log.
#include <string>

namespace app {
struct ProgramState;
}

namespace eventlog {

// The entry for the engine's current method: who, how, from where, and the free memory.
std::string ShutdownEntryText(app::ProgramState& program, bool fromCommandLine);

// One entry for the engine's current log code, trigger kind and method name. Never fails the
// shutdown that asks for it.
void WriteShutdownLogEntry(app::ProgramState& program);

}  // namespace eventlog
