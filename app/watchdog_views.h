#pragma once
// The main window's controls and state as the watchdog run sees them.
#include "shutdown/watchdog.h"
#include "shutdown/watchdog_page.h"

namespace app {

class TForm1;

shutdown::WatchdogView MakeWatchdogView(TForm1& form);
shutdown::WatchdogPageView MakeWatchdogPageView(TForm1& form);

}  // namespace app
