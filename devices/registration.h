#pragma once
// Registering the detected devices in the table and the device list, and the summary of what
// is used in the second status bar and the two prompt options.
#include <string>
#include <vector>
#include "devices/device_view.h"

namespace app {
struct ProgramState;
}

namespace devices {

// The record names of this machine's devices, in registration order.
std::vector<std::string> DetectedDevices(const app::ProgramState& program);
// The table does not hold this machine's devices.
bool HardwareChanged(const app::ProgramState& program);

// Rebuilds the table and the list from detection when the table is empty or outdated, else
// shows the stored states; then selects the first device, or says that there is none.
void RegisterDevices(DeviceView& view);
// Appends a device to the table and the list; false when it could not be (the limit or memory
// ran out: the box has said so).
bool AddDevice(DeviceView& view, const std::string& name, std::string record);
// Gray and black hooks from the records; unused devices keep their check as it is.
void ApplyCheckStates(DeviceView& view);
// "Eject" in the status bar and the prompt options, while some device is used.
void UpdateDeviceSummary(DeviceView& view);
// Puts back records kept earlier (a snapshot), with the list to match.
void RestoreDeviceRecords(DeviceView& view, const std::vector<std::string>& records);

}  // namespace devices
