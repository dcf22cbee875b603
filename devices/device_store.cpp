#include "devices/device_store.h"

#include <string>
#include <vector>
#include "app/program_state.h"
#include "devices/device_table.h"
#include "devices/registration.h"
#include "lib/messages.h"
#include "log/nt_event.h"
#include "settings/registry_access.h"
#include "ui/controls.h"

namespace devices {
namespace {

using port::RegRoot;

std::string DeviceValueName(int index) {
    return "Device" + std::to_string(index);
}

int StoredValueCount(port::RegistryPort& registry) {
    std::vector<std::string> names;
    if (registry.EnumValueNames(RegRoot::LocalMachine, kDeviceTableKey, names) != 0) return 0;
    return static_cast<int>(names.size());
}

// The key holds the values Device1..DeviceN with exactly the records, and nothing else.
bool StoredAsInMemory(port::RegistryPort& registry, const DeviceTable& table) {
    if (StoredValueCount(registry) != table.DeviceCount()) return false;
    for (int k = 1; k <= table.DeviceCount(); ++k) {
        port::RegValue value;
        if (registry.QueryValue(RegRoot::LocalMachine, kDeviceTableKey, DeviceValueName(k), value) != 0 ||
            value.type != port::kRegSz || settings::StringData(value) != table.Record(k)) {
            return false;
        }
    }
    return true;
}

constexpr const char* kHardwareChanged =
    "Important Information:\r\rRavelin\xC2\xA9 has detected that you have changed your hardware-\r"
    "configuration since the last storage! Please check the Device Manager\r"
    "List on the \"WatchDogs\" Settings-Notebook tabsheet page no. 3 for\rpossible changes!";

}  // namespace

void LoadDeviceTable(DeviceView& view) {
    app::ProgramState& program = view.program;
    DeviceTable& table = program.DeviceTable;
    view.WaitForDevices();
    ClearDeviceTable(table);
    view.CheckListBox1.Clear();
    const int stored = StoredValueCount(program.os.registry);
    for (int v = 1; v <= stored && table.DeviceCount() < MaxDevices; ++v) {
        std::string record = settings::ReadString(program.os.registry, RegRoot::LocalMachine, kDeviceTableKey,
                                                  "", DeviceValueName(v), "");
        const std::string name = RecordName(record);
        AddDevice(view, name, std::move(record));
    }
    if (table.DeviceCount() == 0 || table.DeviceCount() == MaxDevices) {
        RegisterDevices(view);
    } else if (HardwareChanged(program)) {
        ClearDeviceTable(table);
        view.CheckListBox1.Clear();
        UpdateDeviceSummary(view);
        eventlog::ReportNtEvent(program, kHardwareChanged, eventlog::kEventSource, 1000);
        lib::ShowInformation(program.os.dialogs, kHardwareChanged);
    } else {
        UpdateDeviceSummary(view);
    }
}

bool SaveDeviceTable(app::ProgramState& program) {
    const DeviceTable& table = program.DeviceTable;
    if (table.DeviceCount() == 0 || StoredAsInMemory(program.os.registry, table)) return true;
    settings::DeleteKeyTree(program.os.registry, RegRoot::LocalMachine, kDeviceTableKey);
    for (int k = 1; k <= table.DeviceCount(); ++k) {
        if (!settings::WriteString(program.os, RegRoot::LocalMachine, kDeviceTableKey, "", DeviceValueName(k),
                                   table.Record(k))) {
            return false;
        }
    }
    return true;
}

void DeleteDeviceTableKey(app::ProgramState& program) {
    settings::DeleteKeyTree(program.os.registry, RegRoot::LocalMachine, kDeviceTableKey);
}

}  // namespace devices
