#pragma once
// The device table in the registry: HKEY_LOCAL_MACHINE "SOFTWARE\QAV\Ravelin\DeviceTable 0",
// string values "Device1" to "DeviceN" holding the records as they are in memory.
#include "devices/device_view.h"

namespace app {
struct ProgramState;
}

namespace devices {

inline constexpr const char* kDeviceTableKey = "SOFTWARE\\QAV\\Ravelin\\DeviceTable 0";

// Reads the stored table into the table and the list. A table that no longer matches the
// machine is dropped with a notice (and an NT event); an empty or full one is registered anew.
void LoadDeviceTable(DeviceView& view);
// Replaces the stored table by the records, unless it holds exactly them already; an empty
// table leaves the stored one alone. False when Windows refused a write (the box has said so).
bool SaveDeviceTable(app::ProgramState& program);
void DeleteDeviceTableKey(app::ProgramState& program);

}  // namespace devices
