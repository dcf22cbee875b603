#pragma once
// The controls of the "&HotKeys" tab: the remap boxes, the three lists and their labels.
#include "hotkeys/hotkey_view.h"

namespace hotkeys {

// Wires the page's controls to their handlers. Once, before the settings load.
void BindHotkeysPage(const HotkeyView& view);

void CheckBox21Click(const HotkeyView& v);
void CheckBox22Click(const HotkeyView& v);
void CheckBox23Click(const HotkeyView& v);
void ComboBox4Change(const HotkeyView& v);

// The device options are usable while some device is chosen and "System &Hotkeys" is checked;
// each list only while its remap box is off.
void UpdateDeviceHotkeyControls(const HotkeyView& v);

}  // namespace hotkeys
