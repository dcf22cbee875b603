#include "devices/drives.h"

#include "app/device_view.h"
#include "app/form1.h"
#include "app/program_state.h"
#include "hotkeys/device_hotkeys.h"
#include "devices/device_menus.h"
#include "devices/device_page.h"
#include "devices/device_store.h"
#include "devices/device_table.h"
#include "devices/mci.h"
#include "devices/registration.h"
#include "settings/registry_access.h"

namespace devices {

void ListCdromAndRemovableDrives(app::ProgramState& program) {
    program.CdromLetters.clear();
    program.RemovableLetters.clear();
    std::uint32_t mask = program.os.devices.GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        const char letter = static_cast<char>('A' + i);
        // One question per drive: under Wine each goes to the mount manager, another process.
        const unsigned type = program.os.devices.GetDriveType(std::string(1, letter) + ":\\");
        if (type == port::kDriveCdrom) program.CdromLetters += letter;
        if (type == port::kDriveRemovable) program.RemovableLetters += letter;
    }
}

void ListScsiTapes(app::ProgramState& program) {
    program.ScsiTapeNames = {};
    if (!app::IsNT(program.osKind)) return;
    port::RegistryPort& registry = program.os.registry;
    size_t found = 0;
    for (int port = 0; port <= 7; ++port) {
        const std::string portKey = "HARDWARE\\DEVICEMAP\\Scsi\\Scsi Port " + std::to_string(port);
        // A port that is not there has no buses either.
        if (!settings::KeyExists(registry, port::RegRoot::LocalMachine, portKey)) continue;
        for (int bus = 0; bus <= 7; ++bus) {
            for (int target = 0; target <= 6; ++target) {
                const std::string unit = portKey + "\\Scsi Bus " + std::to_string(bus) + "\\Target Id " +
                                         std::to_string(target) + "\\Logical Unit Id 0";
                if (settings::ReadString(registry, port::RegRoot::LocalMachine, unit, "", "Type", "") !=
                    "TapePeripheral") {
                    continue;
                }
                std::string name =
                    settings::ReadString(registry, port::RegRoot::LocalMachine, unit, "", "DeviceName", "");
                if (!name.empty() && found < program.ScsiTapeNames.size())
                    program.ScsiTapeNames[found++] = std::move(name);
            }
        }
    }
}

void DetectDrives(app::ProgramState& program) {
    ListCdromAndRemovableDrives(program);
    ListScsiTapes(program);
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

void RefreshDeviceList(app::TForm1& form) {
    DeviceView view = app::MakeDeviceView(form);
    RefreshDevicePage(view);
}

void RestoreMciCdDrive(app::TForm1& form) {
    RestoreMciCdDrive(form.program);
}

void ReleaseDevices(app::TForm1& form) {
    RemoveDeviceMenus(form.deviceMenus);
    ClearDeviceTable(form.program.DeviceTable);
}

void BindDevices(app::TForm1& form) {
    BindDevicePage([&form] { return app::MakeDeviceView(form); });
    BindDeviceMenus(app::MakeDeviceMenuView(form), [&form] { return app::MakeDeviceMenuView(form); });
}

void LoadDeviceTable(app::TForm1& form) {
    DeviceView view = app::MakeDeviceView(form);
    LoadDeviceTable(view);
}

bool SaveDeviceTable(app::TForm1& form) {
    return SaveDeviceTable(form.program);
}

void ResetDeviceTable(app::TForm1& form) {
    WaitForDevices(form);
    ClearDeviceTable(form.program.DeviceTable);
    DeviceView view = app::MakeDeviceView(form);
    RegisterDevices(view);
}

void RestoreDeviceRecords(app::TForm1& form, const std::vector<std::string>& records) {
    DeviceView view = app::MakeDeviceView(form);
    RestoreDeviceRecords(view, records);
}

void RefreshDeviceMenus(app::TForm1& form) {
    RefreshDeviceMenus(app::MakeDeviceMenuView(form));
}

void WaitForDevices(app::TForm1& form) {
    form.program.deviceJobs.WaitForDevices();
}

void StartDeviceJob(app::TForm1& form, const std::string& target, int index) {
    if (!form.program.deviceJobs.HasHost()) form.program.deviceJobs.SetHost(app::MakeJobHost(form));
    form.program.deviceJobs.StartDeviceJob(target, index);
}

void EjectAllIfInserted(app::TForm1& form) {
    if (!form.program.deviceJobs.HasHost()) form.program.deviceJobs.SetHost(app::MakeJobHost(form));
    form.program.deviceJobs.EjectAllIfInserted();
}

}  // namespace devices
