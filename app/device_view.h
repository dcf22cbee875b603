#pragma once
// The device code's view of the main window.
#include "devices/device_view.h"

namespace app {

class TForm1;

devices::DeviceView MakeDeviceView(TForm1& form);
// The Settings panel shows the "&Watchdogs (1/3)" tab at its third page, the device list.
bool DevicePageShown(const TForm1& form);

}  // namespace app
