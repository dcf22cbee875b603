#pragma once
// The tasks run before a shutdown: start an application, wake the local drives.
namespace app {
struct ProgramState;
}

namespace shutdown {

// Starts the watchdog application; sets localState to 2 when the shutdown is to be abandoned.
void RunWatchdogApplication(app::ProgramState& program, int& localState);
// Writes and deletes a scratch file on every local drive.
void InitLocalDrives(app::ProgramState& program);

}  // namespace shutdown
