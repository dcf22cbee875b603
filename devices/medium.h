#pragma once
// The medium tests of the menus and the device page, and the page's red/green LED.
#include <string>
#include "devices/device_view.h"

namespace app {
struct ProgramState;
}

namespace devices {

// The device of that record name is used and holds a medium; an unused one is not touched.
bool MediumInserted(app::ProgramState& program, const std::string& name);
// The device of that record name holds a medium; the LED follows while the page shows.
bool CheckMediumAndShowLed(DeviceView& view, const std::string& name);
// Green: a medium is in. Red: none, or the device is not ready.
void ShowLed(DeviceView& view, bool green);

}  // namespace devices
