// The main window as the hotkeys see it.
#include "app/device_view.h"
#include "app/form1.h"
#include "devices/device_table.h"
#include "devices/drives.h"
#include "hotkeys/device_hotkeys.h"

namespace app {
namespace {

bool AnyDeviceSelected(const TForm1& form) {
    return devices::AnyDeviceSelected(form.program.DeviceTable);
}
std::vector<char> DeviceHotkeyKeys(const TForm1& form) {
    const devices::DeviceTable& table = form.program.DeviceTable;
    std::vector<char> keys;
    for (int i = 1; i <= table.DeviceCount(); ++i) {
        const std::string name = devices::GetDeviceName(table, i);
        keys.push_back(hotkeys::DeviceKey(name, devices::DeviceTarget(name)));
    }
    return keys;
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

void TForm1::DeviceHotkeyPressed(int id) {
    devices::DeviceHotkeyPressed(MakeDeviceMenuView(*this), id);
}

}  // namespace app
