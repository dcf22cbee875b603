#include "shutdown/watchdog.h"

#include <cstdlib>

#include "app/os_kind.h"
#include "app/program_state.h"
#include "cmdline/options.h"
#include "cmdline/run_application.h"
#include "lib/messages.h"
#include "lib/files.h"
#include "shutdown/launch_file.h"
#include "shutdown/methods.h"

namespace shutdown {
namespace {

constexpr const char* kStartedQuestion =
    "WARNING: You have started another application!\r\rIf you answer OK, then Ravelin will continue\rwith "
    "the selected shutdown event! Otherwise it will\rcontinue running, as if nothing has happend.\r\rTo "
    "suspend this message, you can start RVLN with\rthe (commandline/shortcut) option: /NOMESSAGE[:x]\rwhere "
    "<colon!> x is a numeric value from 0 to 65535 in\rmilliseconds, that lets RVLN wait before shut down!";

constexpr const char* kInitLine = "Ravelin InitFile for drives. - You can delete this garbage!\r\n";

std::string NotFoundText(const std::string& command) {
    return "ERROR: => Watchdog RUN-File:\r\r" + command +
           "\r\r... does not exists!\r\rPlease change your settings for the file-\rname/path at "
           "\"Watchdogs\" "
           "page no. 1!";
}

std::string StartFailedText(const std::string& program, std::intptr_t lastError) {
    return "ERROR running watchdog file:\r\r" + program +
           "\r\rShutdown canceled! (GetLastError: " + std::to_string(lastError) + " )";
}

// The wait after the start: /NOMESSAGE's number when the option is given, else the page's.
std::uint32_t WaitMs(const WatchdogView& view) {
    const cmdline::Parameters& params = view.program.params;
    if (cmdline::FindOption(params, "/NOMESSAGE").found) return cmdline::NoMessageWait(params);
    return static_cast<std::uint32_t>(std::strtoul(view.Label10.Caption().c_str(), nullptr, 10));
}

void HideTaskbarButton(app::ProgramState& program) {
    program.os.taskbar.ShowWindow(program.application.Handle(), port::kSwHide);
}

}  // namespace

WatchdogRunState InitialWatchdogState(const cmdline::Parameters& params) {
    WatchdogRunState state;
    state.noWarning = cmdline::FindOption(params, "/NOMESSAGE").found;
    const cmdline::RunOption run = cmdline::CommandLineRunOption(params);
    if (run.given) {
        state.runOverride = true;
        state.runCommand = run.application + " " + run.parameters;
    }
    return state;
}

void RunWatchdogApplication(WatchdogView& view, int mode, int& localState, int code,
                            std::optional<bool> askNoWarning) {
    app::ProgramState& program = view.program;
    port::Platform& os = program.os;
    WatchdogRunState& run = program.watchdog;
    Engine& engine = program.engine;

    const bool trayWasActive = view.TrayIconActive;
    bool hideWhileWaiting = view.window.Visible() && view.window.State() != ui::WindowState::Minimized;
    if (app::IsNT(program.osKind) && code == METHOD_NT_CONSOLE && view.CheckBox13.Checked())
        hideWhileWaiting = false;

    if (mode == kWatchdogHideOnly) {
        engine.HideForShutdown();
        return;
    }
    if (mode != kWatchdogRun) return;

    const bool noMessageOption = cmdline::FindOption(program.params, "/NOMESSAGE").found;
    if (!run.noWarning && noMessageOption) run.noWarning = true;
    const std::string command = run.runOverride ? run.runCommand : view.Edit1.Text() + " ";
    if (trayWasActive) view.setTrayIcon(false);

    const cmdline::SplitResult split = cmdline::SplitCommand(os.files, command);
    if (!split.found) {
        os.feedback.MessageBeep(port::kMbBeepExclamation);
        lib::ShowError(os.dialogs, NotFoundText(command));
        if (trayWasActive) view.setTrayIcon(true);
        return;
    }

    const LaunchResult launched =
        LaunchFile(os, split.program, split.parameters, "open", port::kSwShowNormal);
    if (!launched.ok) {
        os.feedback.MessageBeep(port::kMbBeepExclamation);
        lib::ShowError(os.dialogs, StartFailedText(split.program, launched.raw));
        engine.HideForShutdown();
        view.PendingMethodCode = 0;
        // Whether or not the fresh copy starts, this request must not end the session.
        localState = 2;
        engine.RelaunchSelf();
        return;
    }

    os.loop.ProcessMessages();
    if (askNoWarning) {
        run.noWarning = *askNoWarning;
    } else if (view.CheckBox13.Enabled()) {
        run.noWarning = view.CheckBox13.Checked();
    }

    const bool minimised = view.window.State() == ui::WindowState::Minimized;
    if (run.noWarning) {
        const std::uint32_t wait = WaitMs(view) & 0xFFFF;
        const int choice = engine.state.pendingAskChoice;
        if (choice == -1 || choice == 0) {
            os.loop.Sleep(wait);
        } else {
            // The windows cannot repaint while the thread sleeps: they go out of sight meanwhile.
            if (hideWhileWaiting) {
                view.window.Hide();
                HideTaskbarButton(program);
                os.loop.Sleep(wait);
                view.window.Show();
                os.taskbar.ShowWindow(program.application.Handle(), port::kSwShowNormal);
            } else {
                os.loop.Sleep(wait);
            }
            if (minimised && trayWasActive) HideTaskbarButton(program);
        }
    } else {
        const int answer =
            os.dialogs.MessageBox(kStartedQuestion, "Confirm", port::kMbOkCancel | port::kMbIconQuestion);
        if (answer != port::kIdOk) {
            localState = 2;
            view.PendingMethodCode = 0;
            engine.state.askResult = 2;
        }
    }

    if (trayWasActive) view.setTrayIcon(true);
    view.stopCountdown();
    view.refreshTrayHint();
    os.loop.ProcessMessages();
    if (!run.noWarning && minimised && trayWasActive) HideTaskbarButton(program);
}

void InitLocalDrives(port::Platform& os) {
    const std::uint32_t previousMode = os.devices.SetErrorMode(port::kSemFailCriticalErrors);
    const std::string previousDirectory = os.files.GetCurrentDirectory();
    const std::uint32_t drives = os.devices.GetLogicalDrives();
    // A and B are floppies; network shares are other people's disks, and removable media, CDs
    // and unknown kinds have nothing to wake.
    for (int index = 2; index < 26; ++index) {
        if (!(drives & (1u << index))) continue;
        const std::string root = std::string(1, static_cast<char>('A' + index)) + ":\\";
        const std::uint32_t type = os.devices.GetDriveType(root);
        if (type != port::kDriveFixed && type != port::kDriveRamdisk) continue;
        if (!os.files.SetCurrentDirectory(root)) continue;
        const std::string name = lib::NumberedTempName(os.files, root + "~RVLNINI.TMP");
        if (name.empty()) continue;
        bool created = false;
        os.files.WriteNewFileFlushed(name, kInitLine, created);
        if (created) os.files.DeleteFile(name);
    }
    if (!previousDirectory.empty()) os.files.SetCurrentDirectory(previousDirectory);
    os.devices.SetErrorMode(previousMode);
    os.loop.ProcessMessages();
    os.loop.Sleep(1500);
}

}  // namespace shutdown
