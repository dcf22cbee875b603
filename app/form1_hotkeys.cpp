// The main window as the hotkeys see it.
#include "app/form1.h"
#include "devices/drives.h"

namespace app {
namespace {

// The device table and its choices arrive with the removable-device subsystem; until then no
// device is chosen for ejection and none has a key.
bool AnyDeviceSelected(const TForm1&) {
    return false;
}
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
