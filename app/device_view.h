#pragma once
// The device code's view of the main window.
#include "devices/device_jobs.h"
#include "devices/device_menus.h"
#include "devices/device_view.h"

namespace app {

class TForm1;

devices::DeviceView MakeDeviceView(TForm1& form);
// The two "&Eject && Retract" submenus and what their entries and hotkeys reach.
devices::DeviceMenuView MakeDeviceMenuView(TForm1& form);
// What the device workers' bookkeeping needs of the main window.
devices::JobHost MakeJobHost(TForm1& form);
// The Settings panel shows the "&Watchdogs (1/3)" tab at its third page, the device list.
bool DevicePageShown(const TForm1& form);

}  // namespace app
