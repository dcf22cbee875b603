#include "hotkeys/shutdown_hotkey.h"

#include "hotkeys/device_hotkeys.h"
#include "lib/messages.h"
#include "settings/user_values.h"

namespace hotkeys {
namespace {

constexpr size_t kLetterField = 5;

std::string Letter(char c) {
    return std::string(1, c);
}

void ShowField(const HotkeyView& v, char letter) {
    v.StatusBar2.SetPanelText(kLetterField, letter ? Letter(letter) : std::string());
}

std::string DefaultRestoredMessage(char old) {
    return "HotKey-Information:\r\r"
           "The default Hotkey combination CTRL + ALT + D for the system-wide\r"
           "shutdown is available again! - Ravelin has replaced the old\r"
           "alternative combination: >> CTRL + ALT + " +
           Letter(old) +
           " << with the default HotKey:\r"
           ">> CTRL + ALT + D <<.";
}

std::string MovedMessage(char now) {
    return "HotKey-Information:\r\r"
           "The Hotkey combination CTRL + ALT + D for the system-wide\r"
           "shutdown has been replaced by another application! - It will be\r"
           "replaced by: >> CTRL + ALT + " +
           Letter(now) +
           " << until the default Hotkey is\r"
           "available!";
}

constexpr const char* kDisabledMessage =
    "HotKey-Information:\r\r"
    "The Hotkey combination CTRL + ALT + D for the system-wide\r"
    "shutdown has been replaced by another application! - It will be\r"
    "disabled, until that application/shortcut does not longer uses\r"
    "this Hotkey! - There are currently no alternative HotKeys avail-\r"
    "able, e.g.: CTRL + ALT + [S]/[H]/[U]/[T]/[O]/[W]/[N]/[0]/[1]/[2]/\r"
    "[3]/[4]/[5]/[6]/[7]/[8]/[9]";

std::string ConflictQuestion(char letter) {
    return "ShutDown User-HotKey Combination [CTRL + ALT + " + Letter(letter) +
           "] Conflict:\r\r"
           "Your selected Hotkey combination has been replaced by another\r"
           "application or shortcut and therefore cannot longer be used!\r\r"
           "Do you want to enable and start the built-in automatic Hotkey\r"
           "redirection now? (Otherwise you must choose another key from\r"
           "the Settings Notebook!)";
}

constexpr const char* kLetterTakenMessage =
    "The chosen HotKey combination for shutdown is currently not available,\r"
    "because it is claimed by another application/shortcut. ...\r"
    "Please select another one or enable the built-in automatic redirection!";

// The letter at a position of ComboBox3; D when the list has none there.
char LetterAt(const HotkeyView& v, int index) {
    const auto& items = v.ComboBox3.Items();
    if (index < 0 || index >= static_cast<int>(items.size()) || items[index].empty()) return 'D';
    return items[index][0];
}

}  // namespace

char StoredLetterKey(std::string_view stored) {
    if (stored.empty()) return 0;
    char c = stored[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
}

bool RegisterShutdownHotkey(const HotkeyView& v, char letter) {
    // Always released first: Windows would keep both registrations, Wine would replace the
    // old one, and a held id makes the registration fail elsewhere.
    v.os.hotkeys.UnregisterHotKey(kShutdownHotkeyId);
    v.state.ShutdownHotkeyRegistered =
        v.os.hotkeys.RegisterHotKey(kShutdownHotkeyId, kCtrlAlt, static_cast<unsigned char>(letter));
    return v.state.ShutdownHotkeyRegistered;
}

void StoreShutdownHotkey(const HotkeyView& v, char letter) {
    v.state.ShutdownLetter = letter;
    settings::WriteUserString(v.os, "HotKeys", "ShutDown HotKey", Letter(letter));
    ShowField(v, letter);
}

void AutoRemapShutdownHotkey(const HotkeyView& v) {
    const char stored = StoredLetterKey(settings::ReadUserString(v.os, "HotKeys", "ShutDown HotKey", ""));
    ReleaseShutdownHotkey(v);

    if (RegisterShutdownHotkey(v, 'D')) {
        StoreShutdownHotkey(v, 'D');
        if (stored && stored != 'D') lib::ShowInformation(v.os.dialogs, DefaultRestoredMessage(stored));
        return;
    }
    if (stored && stored != 'D' && RegisterShutdownHotkey(v, stored)) {
        v.state.ShutdownLetter = stored;
        ShowField(v, stored);
        return;
    }
    // Also with nothing stored: D taken from the very first start must not leave the program
    // without a hotkey while another letter is free.
    for (char letter : kAlternativeLetters) {
        if (letter == stored) continue;
        if (RegisterShutdownHotkey(v, letter)) {
            lib::ShowInformation(v.os.dialogs, MovedMessage(letter));
            StoreShutdownHotkey(v, letter);
            return;
        }
    }
    v.state.ShutdownLetter = 0;
    ShowField(v, 0);
    lib::ShowInformation(v.os.dialogs, kDisabledMessage);
}

void RegisterUserShutdownHotkey(const HotkeyView& v) {
    const char letter = LetterAt(v, v.ComboBox3.ItemIndex());
    if (RegisterShutdownHotkey(v, letter)) {
        StoreShutdownHotkey(v, letter);
        return;
    }
    if (!lib::Confirm(v.os.dialogs, ConflictQuestion(letter))) {
        // The letter stays the configured one although it is not held.
        StoreShutdownHotkey(v, letter);
        return;
    }
    // Checking the box remaps through its handler; remapping here as well would ask twice.
    if (v.CheckBox21.Enabled() && !v.CheckBox21.Checked()) {
        v.CheckBox21.SetChecked(true);
    } else {
        AutoRemapShutdownHotkey(v);
    }
}

void ChangeUserShutdownHotkey(const HotkeyView& v) {
    const char letter = LetterAt(v, v.ComboBox3.ItemIndex());
    if (RegisterShutdownHotkey(v, letter)) {
        StoreShutdownHotkey(v, letter);
        v.state.PreviousLetterIndex = v.ComboBox3.ItemIndex();
        return;
    }
    lib::ShowInformation(v.os.dialogs, kLetterTakenMessage);
    RegisterShutdownHotkey(v, LetterAt(v, v.state.PreviousLetterIndex));
    v.ComboBox3.SetItemIndex(v.state.PreviousLetterIndex);
}

void RegisterShutdownHotkeyAtStartup(const HotkeyView& v) {
    if (v.CheckBox21.Checked() && v.CheckBox21.Enabled()) {
        AutoRemapShutdownHotkey(v);
    } else {
        RegisterUserShutdownHotkey(v);
    }
}

void ShutdownHotkeyRestored(const HotkeyView& v) {
    if (v.CheckBox21.Checked()) return;
    if (LetterAt(v, v.ComboBox3.ItemIndex()) != v.state.ShutdownLetter) RegisterUserShutdownHotkey(v);
}

void ShowHeldShutdownLetter(const HotkeyView& v) {
    ShowField(v, v.state.ShutdownHotkeyRegistered ? v.state.ShutdownLetter : 0);
}

void ReleaseShutdownHotkey(const HotkeyView& v) {
    if (v.state.ShutdownHotkeyRegistered) v.os.hotkeys.UnregisterHotKey(kShutdownHotkeyId);
    v.state.ShutdownHotkeyRegistered = false;
}

void ReleaseAllHotkeys(const HotkeyView& v) {
    UnregisterDeviceHotkeys(v);
    ReleaseShutdownHotkey(v);
}

}  // namespace hotkeys
