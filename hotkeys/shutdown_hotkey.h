#pragma once
// The shutdown hotkey: CTRL + ALT and a letter or digit, id 1000, and its automatic remapping
// when another application holds the combination.
#include <string>
#include <string_view>
#include "hotkeys/hotkey_view.h"

namespace hotkeys {

// The letters tried, in this order, when CTRL + ALT + D is taken.
constexpr std::string_view kAlternativeLetters = "SHUTOWNABCEFGIJKLMPQRVXYZ0123456789";

// A stored "ShutDown HotKey" as a key: its first character upper-cased when that is A-Z or 0-9,
// else 0 (nothing usable stored).
char StoredLetterKey(std::string_view stored);

// Releases id 1000 and registers it with CTRL + ALT + letter; nothing is stored.
bool RegisterShutdownHotkey(const HotkeyView& v, char letter);
// The letter becomes the one in use: written as "ShutDown HotKey" and shown in field 5.
void StoreShutdownHotkey(const HotkeyView& v, char letter);
// D, else the stored letter, else the first free alternative; tells the user what moved.
void AutoRemapShutdownHotkey(const HotkeyView& v);
// The letter chosen in ComboBox3; on conflict the user may switch remapping on.
void RegisterUserShutdownHotkey(const HotkeyView& v);
// ComboBox3 changed: the new letter, or back to the one it showed when it got the focus.
void ChangeUserShutdownHotkey(const HotkeyView& v);

// Start-up, after the settings are read.
void RegisterShutdownHotkeyAtStartup(const HotkeyView& v);
// "Ca&ncel" put the settings back: with remapping off, the restored letter is put in use.
void ShutdownHotkeyRestored(const HotkeyView& v);
// "&Default": field 5 shows the letter really held.
void ShowHeldShutdownLetter(const HotkeyView& v);
void ReleaseShutdownHotkey(const HotkeyView& v);

// Every hotkey the program holds goes: 101, the device hotkeys, then 1000.
void ReleaseAllHotkeys(const HotkeyView& v);

}  // namespace hotkeys
