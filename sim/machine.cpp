#include "sim/machine.h"

namespace sim {

namespace {

constexpr const char* kMciKey = "System\\CurrentControlSet\\Control\\MediaResources\\mci\\cdaudio";

}  // namespace

Machine::Machine()
    : files(system),
      windows(loop),
      session(system),
      eventLog(system),
      hotkeys(loop, windows.ApplicationWindow()),
      taskbar(windows, files, loop),
      devices(files, registry, loop),
      feedback(loop),
      dialogs(loop),
      ui(windows) {}

port::Platform Machine::Platform() {
    return port::Platform{session, windows, shell, system,   atoms, registry, eventLog, hotkeys,
                          taskbar, devices, files, feedback, loop,  dialogs,  ui};
}

void Machine::AddFixedDrive(char letter, std::uint64_t freeBytes) {
    files.AddDrive(letter, port::kDriveFixed, freeBytes);
}

void Machine::AddRemovableDrive(char letter, bool mediaPresent, std::uint64_t freeBytes) {
    files.AddDrive(letter, port::kDriveRemovable, freeBytes);
    files.SetMediaPresent(letter, mediaPresent);
}

void Machine::AddCdrom(char letter, bool mediaPresent) {
    files.AddDrive(letter, port::kDriveCdrom, 0);
    files.SetMediaPresent(letter, mediaPresent);
    if (!registry.HasValue(port::RegRoot::LocalMachine, kMciKey, "Default Drive")) SetMciDefaultDrive(0);
}

void Machine::AddNetworkDrive(char letter, const std::string& remoteName, std::uint64_t freeBytes) {
    files.AddDrive(letter, port::kDriveRemote, freeBytes);
    files.SetRemoteName(letter, remoteName);
}

void Machine::AddScsiTape(const std::string& deviceName, int port, int bus, int target, int lun) {
    std::string key = "HARDWARE\\DEVICEMAP\\Scsi\\Scsi Port " + std::to_string(port) + "\\Scsi Bus " +
                      std::to_string(bus) + "\\Target Id " + std::to_string(target) + "\\Logical Unit Id " +
                      std::to_string(lun);
    registry.SetString(port::RegRoot::LocalMachine, key, "Type", "TapePeripheral");
    registry.SetString(port::RegRoot::LocalMachine, key, "DeviceName", deviceName);
    devices.AddDevice(deviceName);
}

void Machine::SetMciDefaultDrive(std::uint8_t position) {
    registry.SetBinary(port::RegRoot::LocalMachine, kMciKey, "Default Drive", {position, 0, 0, 0});
}

std::uint8_t Machine::MciDefaultDrive() const {
    auto value = registry.Raw(port::RegRoot::LocalMachine, kMciKey, "Default Drive");
    return value && !value->data.empty() ? value->data[0] : 0;
}

}  // namespace sim
