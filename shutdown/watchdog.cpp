#include "shutdown/watchdog.h"

#include "app/program_state.h"

namespace shutdown {

// The watchdog application and the drive initialisation arrive with the watchdog tasks; until
// then their switches cannot be turned on, so these run only in tests that turn them on.
void RunWatchdogApplication(app::ProgramState&, int&) {}
void InitLocalDrives(app::ProgramState&) {}

}  // namespace shutdown
