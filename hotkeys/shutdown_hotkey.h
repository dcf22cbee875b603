#pragma once
// The system-wide hotkeys of the main window.
namespace app {
class TForm1;
}

namespace hotkeys {

constexpr int kShutdownHotkeyId = 1000;

// Registers the shutdown hotkey as the settings say (remapping it when it is taken).
void RegisterShutdownHotkey(app::TForm1& form);
void ReleaseShutdownHotkey(app::TForm1& form);
void UnregisterDeviceHotkeys(app::TForm1& form);
// True while device hotkeys are registered (ids below 1000 then belong to devices).
bool DeviceHotkeysRegistered(const app::TForm1& form);
// A device hotkey (id 1..n) or "All, (if insert)" (id 101) was pressed.
void DeviceHotkeyPressed(app::TForm1& form, int id);

}  // namespace hotkeys
