#pragma once
// The device hotkeys (ids 1..n, one per device in device order) and "All, (if insert)" (id 101):
// which modifiers and function key are free, and their registration. Free combinations are
// found by a short-lived registration under id 999, always released before the next one.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "hotkeys/hotkey_view.h"
#include "ui/menu.h"

namespace hotkeys {

// The device modifiers in list order of ComboBox4, which is also the order remapping tries.
constexpr std::uint16_t kDeviceModifierOrder[] = {6, 5, 7, 2, 1};

// The ComboBox4 text of modifiers; empty for values without one.
std::string ModifierText(std::uint32_t modifiers);
// Modifiers at a ComboBox4 position (Shift+CTRL for positions outside the list).
std::uint16_t ModifiersAt(int position);

// The key of a device: the drive letter its target starts with; for a target starting with "T"
// or with no letter, the last character of a name containing "Tape" (its number), else "T".
char DeviceKey(std::string_view name, std::string_view target);

// Registers id 999 with the combination and releases it at once. Modifiers 0 are never tried.
bool ProbeHotkey(const HotkeyView& v, std::uint32_t modifiers, std::uint32_t key);
// Every device key can be registered with these modifiers (stops at the first that cannot).
bool TestDeviceModifiers(const HotkeyView& v, const std::vector<char>& keys, std::uint32_t modifiers);
// The first of 6, 5, 7, 2, 1 that TestDeviceModifiers accepts, else 0.
std::uint16_t FindDeviceModifiers(const HotkeyView& v, const std::vector<char>& keys);
// (m, key) when it registers, else the first free combination of the modifiers m, 6, 5, 7, 2, 1
// with the function keys Fn down to F1; key is set to its key. 0 when none is free.
std::uint16_t FindAllKeyModifiers(const HotkeyView& v, std::uint32_t m, std::uint16_t& key);
// The number of function keys the list offers.
int FunctionKeyCount(const HotkeyView& v);

// Releases 101 when held, then the device ids 1..DeviceHotkeyCount.
void UnregisterDeviceHotkeys(const HotkeyView& v);
// Ids 1..n or 101 are held, so that a hotkey below 1000 belongs to the devices.
bool DeviceHotkeysRegistered(const HotkeyState& state);

// First step of every device-menu rebuild: releases the device hotkeys and chooses
// DeviceModifiers, AllModifiers and AllKey, moving ComboBox4 and ComboBox5 to suggestions.
void ChooseDeviceCombinations(const HotkeyView& v, const std::vector<char>& keys);
// The registering half of a device entry's hotkey, called for each device in order: the next
// id with the modifiers and the device key while "System &Hotkeys" is checked.
void RegisterDeviceHotkey(const HotkeyView& v, std::uint32_t modifiers, char key);
// Id 101 follows the enabling of the "&All, (if insert)..." entry.
void UpdateAllHotkey(const HotkeyView& v, bool allEntryEnabled);
// The whole hotkey side of a rebuild, for the device keys of the view.
void RebuildDeviceHotkeys(const HotkeyView& v, bool allEntryEnabled);

// The shortcut a menu shows for a combination; modifiers without a list text show as Shift+Ctrl.
ui::ShortCut HotkeyShortCut(std::uint32_t modifiers, std::uint16_t key);
// The main menu's entry of the next device: its shortcut, and its hotkey (see RegisterDeviceHotkey).
void AssignDeviceHotkey(const HotkeyView& v, ui::MenuItem& item, std::uint32_t modifiers, char key);
// The tray menu's entry of a device: the shortcut only while "System &Hotkeys" is checked.
void ShowDeviceShortcut(const HotkeyView& v, ui::MenuItem& item, std::uint32_t modifiers, char key);

// "Auto. re&map Device's HKeys." unchecked, or ComboBox4 changed: the chosen modifiers, and a
// message when they are not free.
bool CheckDeviceModifiers(const HotkeyView& v);
// "Aut&o. remap ..." unchecked, or ComboBox5 changed: the chosen function key likewise.
bool CheckAllKey(const HotkeyView& v);

}  // namespace hotkeys
