// MS-DOS mode, the NT command window, the restart of Windows 95/98 and the program's own restart.
#include "app/form1.h"
#include "app/instance.h"
#include "app/program_state.h"
#include "cmdline/options.h"
#include "lib/files.h"
#include "lib/messages.h"
#include "lib/paths.h"
#include "settings/registry_access.h"
#include "shutdown/engine.h"
#include "shutdown/launch_file.h"

namespace shutdown {
namespace {

constexpr const char* kRunOnceKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// Starts a support file; a failure adds its own box naming the file.
void Run(port::Platform& os, const std::string& path, const std::string& parameters = {}) {
    if (!LaunchFile(os, path, parameters, "open", port::kSwShowNormal).ok) {
        lib::ShowError(os.dialogs, "ERROR: Cannot run:\r\r" + path);
    }
}

}  // namespace

void Engine::StartDosMode() {
    port::Platform& os = program_.os;
    const bool win9x = app::IsWin9x(program_.osKind);
    const std::string own = program_.ProgramDir() + "RVLNDOS.PIF";
    const std::string windows = os.system.GetWindowsDirectory();
    const std::string defaultPif = windows + "\\_DEFAULT.PIF";
    const std::string commandCom = windows + "\\SYSTEM32\\COMMAND.COM";
    if (lib::FileExists(os.files, own)) {
        Run(os, own);
    } else if (win9x && !windows.empty() && lib::FileExists(os.files, defaultPif)) {
        Run(os, defaultPif);
    } else if (!windows.empty() && program_.osKind != app::osWin95 && lib::FileExists(os.files, commandCom)) {
        Run(os, commandCom);
    } else if (win9x) {
        lib::ShowError(
            os.dialogs,
            "ERROR: File not found!\r\rEither RVLNDOS.PIF (in the Ravelin folder)\ror _DEFAULT.PIF (in "
            "your Windows\xC2\xAE folder) has to\rexist to support this function!");
    } else {
        lib::ShowError(
            os.dialogs,
            "ERROR: File not found!\r\rEither RVLNDOS.PIF (in the Ravelin folder)\ror COMMAND.COM (in "
            "your Windows\xC2\xAE\\System32 folder)\rhas to exist to support this function!");
    }
}

void Engine::PrepareRestart() {
    if (!app::IsWin9x(program_.osKind)) return;
    port::Platform& os = program_.os;
    const std::string windows = os.system.GetWindowsDirectory();
    const std::string batch = windows + "\\DOSSTART.BAT";
    const std::string kept = windows + "\\DOSSTART.~TM";
    if (!lib::FileExists(os.files, batch)) return;
    std::string bytes;
    std::uint64_t freeBytes = 0;
    const char letter = lib::DriveLetterOf(batch);
    const std::string root = std::string(1, letter ? letter : 'C') + ":\\";
    if (!os.files.ReadFile(batch, bytes) || !os.files.GetDiskFreeSpace(root, freeBytes) ||
        freeBytes < bytes.size()) {
        lib::ShowError(os.dialogs, std::string("Not enough space on drive: [") + (letter ? letter : '?') +
                                       "] to copy:\r" + batch);
        return;
    }
    // The value that puts the file back after the restart is written first: without it a file
    // moved aside would never come back. The path is quoted when it holds a blank, or Windows
    // could start another program in its place.
    const std::string command = lib::QuoteIfBlank(os.system.ExecutablePath()) + " /DOSSTART";
    if (!settings::WriteString(os, port::RegRoot::LocalMachine, kRunOnceKey, {}, "RVLN", command)) return;
    if (!os.files.CopyFile(batch, kept, false)) {
        settings::DeleteValue(os.registry, port::RegRoot::LocalMachine, kRunOnceKey, "RVLN");
        return;
    }
    // The copy stays when the original cannot go: the restart then only runs DOSSTART.BAT as usual.
    os.files.DeleteFile(batch);
}

void Engine::StartExitPif() {
    port::Platform& os = program_.os;
    const std::string own = program_.ProgramDir() + "RVLNEXIT.PIF";
    const std::string defaultPif = os.system.GetWindowsDirectory() + "\\_DEFAULT.PIF";
    if (lib::FileExists(os.files, own)) {
        Run(os, own);
    } else if (app::IsWin9x(program_.osKind) && lib::FileExists(os.files, defaultPif)) {
        Run(os, defaultPif, "/C EXIT");
    } else {
        lib::ShowError(os.dialogs, "ERROR: RVLNEXIT.PIF or " + defaultPif + " not found!");
    }
}

void Engine::RestoreDosStart() {
    port::Platform& os = program_.os;
    const std::string windows = os.system.GetWindowsDirectory();
    const std::string kept = windows + "\\DOSSTART.~TM";
    if (os.files.CopyFile(kept, windows + "\\DOSSTART.BAT", false)) os.files.DeleteFile(kept);
}

void Engine::RelaunchSelf() {
    port::Platform& os = program_.os;
    app::TForm1* form = Form();
    std::string parameters = "/Q";
    if (program_.watchdog.noWarning) {
        std::uint32_t wait = cmdline::FindOption(program_.params, "/NOMESSAGE").found
                                 ? cmdline::NoMessageWait(program_.params)
                                 : static_cast<std::uint32_t>(form ? form->UpDown1.Position() + 32768 : 0);
        parameters = "/Q /NOMESSAGE:" + std::to_string(wait);
    }
    // The copy must not find this instance's marker.
    app::ReleaseInstance(program_);
    if (LaunchFile(os, os.system.ExecutablePath(), parameters, "open", port::kSwShowNormal).ok) {
        if (form) form->Timer1.SetEnabled(false);
        program_.ended = true;
        program_.application.Terminate();
        return;
    }
    // The copy did not start: this instance goes on and must hold its marker again.
    app::ClaimInstance(program_);
    if (form) form->PendingMethodCode = 0;
}

}  // namespace shutdown
