#include "devices/drives.h"

#include "app/form1.h"
#include "app/program_state.h"
#include "hotkeys/device_hotkeys.h"

namespace devices {
namespace {

constexpr const char* kMciCdAudioKey = "System\\CurrentControlSet\\Control\\MediaResources\\mci\\cdaudio";

}  // namespace

std::string ListDrivesOfType(app::ProgramState& program, unsigned driveType) {
    std::string letters;
    std::uint32_t mask = program.os.devices.GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        std::string root = std::string(1, static_cast<char>('A' + i)) + ":\\";
        if (program.os.devices.GetDriveType(root) == driveType) letters += static_cast<char>('A' + i);
    }
    return letters;
}

void DetectDrives(app::ProgramState& program) {
    program.CdromLetters = ListDrivesOfType(program, port::kDriveCdrom);
    program.RemovableLetters = ListDrivesOfType(program, port::kDriveRemovable);
}

std::string ReadSavedMciDrive(app::ProgramState& program) {
    if (program.CdromLetters.empty()) return {};
    port::RegValue value;
    if (program.os.registry.QueryValue(port::RegRoot::LocalMachine, kMciCdAudioKey, "Default Drive", value) !=
            0 ||
        value.type != port::kRegBinary || value.data.size() != 4) {
        return {};
    }
    size_t index = value.data[0];
    if (index >= program.CdromLetters.size()) return {};
    return std::string(1, program.CdromLetters[index]) + ":";
}

// The device table, its menus and workers arrive with the removable-device subsystem; with no
// devices registered there is nothing to refresh, wait for, restore or release. A rebuild
// still chooses the hotkey combinations; with no device there is none to register.
void RefreshDeviceMenus(app::TForm1& form) {
    hotkeys::RebuildDeviceHotkeys(form.Hotkeys(), false);
}
void RefreshDeviceList(app::TForm1&) {}
void WaitForDevices(app::TForm1&) {}
void RestoreMciCdDrive(app::TForm1&) {}
void ReleaseDevices(app::TForm1& form) {
    form.DeviceCount = 0;
}
void EjectAllIfInserted(app::TForm1&) {}

}  // namespace devices
