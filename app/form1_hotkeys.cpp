// The main window as the hotkeys see it.
#include "app/form1.h"
#include "devices/device_table.h"
#include "devices/drives.h"

namespace app {
namespace {

bool AnyDeviceSelected(const TForm1& form) {
    return devices::AnyDeviceSelected(form.program.DeviceTable);
}
// The device keys arrive with the device menus, which handle the keys' presses; until then no
// device has a key.
std::vector<char> DeviceHotkeyKeys(const TForm1&) {
    return {};
}

}  // namespace

hotkeys::HotkeyView TForm1::Hotkeys() {
    return hotkeys::HotkeyView{os(),
                               hotkeyState,
                               CheckBox21,
                               CheckBox22,
                               CheckBox23,
                               ComboBox3,
                               ComboBox4,
                               ComboBox5,
                               Label8,
                               Label16,
                               Label17,
                               Label19,
                               Label18,
                               StatusBar2,
                               SysHotKeys,
                               LoadingSettings,
                               [this] { return NotebookShowing(); },
                               [this] { return AnyDeviceSelected(*this); },
                               [this] { return DeviceHotkeyKeys(*this); },
                               [this] { devices::RefreshDeviceMenus(*this); }};
}

// What a device hotkey does arrives with the device menus; until then none is registered.
void TForm1::DeviceHotkeyPressed(int) {}

}  // namespace app
