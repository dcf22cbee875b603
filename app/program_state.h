#pragma once
// Program-wide state that outlives the windows: the platform, the application object, the
// command line, the instance atom and what start-up learnt about the machine's drives.
#include <string>
#include "app/os_kind.h"
#include "cmdline/parameters.h"
#include "devices/device_table.h"
#include "lib/animation.h"
#include "ports/platform.h"
#include "shutdown/engine.h"
#include "shutdown/watchdog.h"
#include "ui/application.h"

namespace app {

class TForm1;

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
    TForm1* form = nullptr;  // the main window once it exists
    // The engine ended the program: nothing may be saved or released a second time.
    bool ended = false;

    // The executable's folder with its final backslash.
    std::string ProgramDir() const;
    // Parameter 1 upper-cased; start-up decisions look at it.
    std::string FirstParameter() const;
};

}  // namespace app
