#pragma once
// A whole simulated Windows machine for one test: one of each simulated port, wired together,
// and the bundle the core takes. Machines share nothing, so a test may run two side by side.
// Out of the box it is a Windows 98 desktop with user "Chris", drive C: and the program in
// C:\RAVELIN (see the single simulations for their defaults). Build it on the thread that plays
// the program's main thread.
#include <cstdint>
#include <string>
#include "ports/platform.h"
#include "sim/sim_atoms.h"
#include "sim/sim_devices.h"
#include "sim/sim_dialogs.h"
#include "sim/sim_event_log.h"
#include "sim/sim_feedback.h"
#include "sim/sim_files.h"
#include "sim/sim_foreign_windows.h"
#include "sim/sim_hotkeys.h"
#include "sim/sim_loop.h"
#include "sim/sim_registry.h"
#include "sim/sim_session.h"
#include "sim/sim_shell.h"
#include "sim/sim_system_info.h"
#include "sim/sim_taskbar.h"
#include "sim/sim_ui.h"

namespace sim {

class Machine {
  public:
    Machine();
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    port::Platform Platform();

    // Declared in the order they are built: later ones see the earlier ones.
    SimLoop loop;
    SimSystemInfo system;
    SimRegistry registry;
    SimFiles files;
    SimForeignWindows windows;
    SimAtoms atoms;
    SimSession session;
    SimShell shell;
    SimEventLog eventLog;
    SimHotkeys hotkeys;
    SimTaskbar taskbar;
    SimDevices devices;
    SimFeedback feedback;
    SimDialogs dialogs;
    SimUi ui;

    // Set-up shortcuts.
    void SetOs(Os os) { system.SetOs(os); }
    void SetUser(const std::string& name) { system.userName = name; }
    // The command line after the program's quoted path.
    void SetArguments(const std::string& args) { system.SetArguments(args); }
    void AddFixedDrive(char letter, std::uint64_t freeBytes = 1ull << 30);
    void AddRemovableDrive(char letter, bool mediaPresent = true, std::uint64_t freeBytes = 1'457'664);
    // A CD-ROM drive; the first one also gets the MCI CD-audio default drive set to position 0
    // when none is set.
    void AddCdrom(char letter, bool mediaPresent = true);
    void AddNetworkDrive(char letter, const std::string& remoteName, std::uint64_t freeBytes = 1ull << 30);
    // An NT SCSI tape unit: the device map entry under HKLM\HARDWARE\DEVICEMAP\Scsi and the
    // device "\\.\" + name.
    void AddScsiTape(const std::string& deviceName, int port, int bus, int target, int lun = 0);
    // The MCI CD-audio default drive as its position among the CD-ROM letters.
    void SetMciDefaultDrive(std::uint8_t position);
    std::uint8_t MciDefaultDrive() const;
    port::WindowId AddForeignWindow(const std::string& className) { return windows.AddWindow(className); }
    // As a normal user on Windows NT: HKEY_LOCAL_MACHINE cannot be written.
    void DenyMachineKeyWrites() { registry.DenyWrites(port::RegRoot::LocalMachine); }
};

}  // namespace sim
