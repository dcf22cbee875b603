#pragma once
// Program-wide state that outlives the windows: the platform, the application object, the
// command line, the instance atom and what start-up learnt about the machine's drives.
#include <string>
#include "app/os_kind.h"
#include "cmdline/parameters.h"
#include "devices/device_jobs.h"
#include "devices/device_table.h"
#include "lib/animation.h"
#include "ports/platform.h"
#include "shutdown/engine.h"
#include "shutdown/watchdog.h"
#include "ui/application.h"

namespace shutdown {
class TForm3;
}

namespace app {

class TForm1;

// The process's exit code, for scripts that start the program with a command.
enum ExitCode : int {
    kExitDone = 0,        // carried out, or nothing to do
    kExitDeclined = 1,    // the user said No (/SAFE, the /RUN warning)
    kExitNotAllowed = 2,  // a parameter not understood, or a system the program does not run on
    kExitRefused = 3,     // Windows (or a guarded program) refused the request
};

struct ProgramState {
    explicit ProgramState(port::Platform& platform)
        : os(platform),
          application(platform.loop, platform.ui),
          params(platform.system.CommandLine()),
          osKind(GetOsKind(platform.system.GetVersionEx())),
          engine(*this),
          watchdog(shutdown::InitialWatchdogState(params)) {}

    port::Platform& os;
    ui::Application application;
    cmdline::Parameters params;
    OsKind osKind;
    port::Atom instanceAtom = 0;
    port::InstanceMutex instanceMutex = 0;
    std::string SavedMciDrive;  // "E:" of the default CD audio drive, or empty
    std::string CdromLetters;   // drive letters in drive order
    std::string RemovableLetters;
    devices::ScsiTapeList ScsiTapeNames;  // NT SCSI tape device names, packed from the first
    devices::DeviceTable DeviceTable;     // the registered devices
    // The last MCI medium query: no medium, not ready.
    bool MciNoMedium = false, MciNotReady = false;
    // "As&k before ejecting..." and "Inform &before retracting...", for the device workers.
    bool AskBeforeEject = false, InfoBeforeRetract = true;
    lib::WindowAnimator animator;
    shutdown::Engine engine;
    shutdown::WatchdogRunState watchdog;
    TForm1* form = nullptr;               // the main window once it exists
    shutdown::TForm3* askForm = nullptr;  // the ask dialog once it exists
    // The engine ended the program: nothing may be saved or released a second time.
    bool ended = false;
    mutable std::string dataDir_;  // DataDir() once decided
    int exitCode = kExitDone;
    // The device workers and their bookkeeping; last, so that it waits for them first.
    devices::DeviceJobs deviceJobs{*this};

    // The executable's folder with its final backslash.
    std::string ProgramDir() const;
    // Where RVLN.LOG and RVLNPARA.TXT are written, with its final backslash: the program's
    // folder whenever it can be written, else (a standard user of a program installed under
    // Program Files) UserDataDir(). Decided at the first write of a run.
    std::string DataDir() const;
    // The user's own "Ravelin" folder in the local application data; empty when there is none.
    std::string UserDataDir() const;
    // Parameter 1 upper-cased; start-up decisions look at it.
    std::string FirstParameter() const;
};

}  // namespace app
