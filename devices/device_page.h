#pragma once
// The device page of the notebook: the check list (gray hook: eject only, black hook: eject and
// retract), "&Eject, if insert" and the removal delay of the selected device.
#include <string_view>
#include "devices/device_view.h"

namespace devices {

// Connects the page's controls and the two prompt options to their handlers.
void BindDevicePage(const std::function<DeviceView()>& view);

// The page comes up: red LED, the devices registered or their states shown, first one selected.
void RefreshDevicePage(DeviceView& view);
// A click, a check-box click or a double click in the list.
void CheckListBox1ClickCheck(DeviceView& view);
// The selected item's check state goes into its record and sets up the option controls.
void SelectDevice(DeviceView& view);
// CheckBox17, Label14, SpinEdit2, Label2 and SpeedButton8 together.
void EnableDeviceOptions(DeviceView& view, bool enabled);
// "&Eject, if insert" or the delay changed: into the selected record.
void EditDeviceOptions(DeviceView& view);
// The delay field: an empty, zero or non-digit text becomes "1"; true when it did.
bool CleanDelayField(DeviceView& view);
void SpinEdit2Click(DeviceView& view);
void SpinEdit2Change(DeviceView& view);
void SpinEdit2Exit(DeviceView& view);
// "Test": the selected device's door opens when it holds a medium, or when the user wants it
// anyway for a device that can retract.
void SpeedButton8Click(DeviceView& view);
// Either prompt option changed.
void CheckBox18Click(DeviceView& view);

// The picture a device list item shows for a device name: a CD, a floppy for "RM - A:", another
// removable drive, a tape; 0 for any other name.
int DevicePicture(std::string_view name);
// Panels 3 and 4 of the second status bar show the two prompt options while devices are
// registered: "+" on red when checked, "-" on aqua when not, raised and empty when disabled.
void ShowPromptIndicators(DeviceView& view);

}  // namespace devices
