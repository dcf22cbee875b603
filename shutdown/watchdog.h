#pragma once
// The tasks run before a shutdown: start an application, wake the local drives.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include "cmdline/parameters.h"
#include "ports/platform.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
struct ProgramState;
}

namespace shutdown {

// What decides the watchdog run for the whole run of the program.
struct WatchdogRunState {
    // Skip the warning after the start and wait instead. Starts from the stored "Warning" and
    // /NOMESSAGE; "No Warnin&g," decides while it is enabled.
    bool noWarning = false;
    // The application and parameters of /RUN replace the page's command.
    bool runOverride = false;
    std::string runCommand;
};

// The /RUN override and the first no-warning flag of a program started with these parameters.
WatchdogRunState InitialWatchdogState(const cmdline::Parameters& params);

// The window state the watchdog run reads and changes (built by the main window).
struct WatchdogView {
    app::ProgramState& program;
    ui::Form& window;
    ui::CheckBox& CheckBox13;
    ui::Edit& Edit1;
    ui::Label& Label10;
    std::uint8_t& PendingMethodCode;
    const bool& TrayIconActive;
    std::function<void(bool active)> setTrayIcon;
    std::function<void()> stopCountdown;
    std::function<void()> refreshTrayHint;
};

enum : int { kWatchdogHideOnly = 1, kWatchdogRun = 2 };

// Mode 1 only hides the windows for the shutdown. Mode 2 starts the application and then
// warns or waits; localState becomes 2 when the shutdown is to be abandoned (the user chose
// Cancel, or the application could not start and the program restarts). code is the method.
// An ask dialog passes its own "No Warning" box in askNoWarning.
void RunWatchdogApplication(WatchdogView& view, int mode, int& localState, int code,
                            std::optional<bool> askNoWarning = std::nullopt);

// Writes, flushes and deletes a scratch file on every local hard disk and RAM drive.
void InitLocalDrives(port::Platform& os);

}  // namespace shutdown
