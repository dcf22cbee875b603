#include "hotkeys/shutdown_hotkey.h"

#include "app/form1.h"

namespace hotkeys {

// Which combination to register, its remapping and the device hotkeys arrive with the hotkey
// subsystem; until then the program holds no hotkey, so releasing one is harmless.
void RegisterShutdownHotkey(app::TForm1&) {}
void ReleaseShutdownHotkey(app::TForm1& form) {
    form.os().hotkeys.UnregisterHotKey(kShutdownHotkeyId);
}
void UnregisterDeviceHotkeys(app::TForm1&) {}
bool DeviceHotkeysRegistered(const app::TForm1&) {
    return false;
}
void DeviceHotkeyPressed(app::TForm1&, int) {}

}  // namespace hotkeys
