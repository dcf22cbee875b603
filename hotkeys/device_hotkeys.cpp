#include "hotkeys/device_hotkeys.h"

#include <algorithm>
#include <iterator>
#include "lib/messages.h"

namespace hotkeys {
namespace {

constexpr const char* kModifierTexts[] = {"Shift+CTRL", "Shift+ALT", "Shift+CTRL+ALT", "CTRL", "ALT"};

// Only these modifiers make a device or All combination; any other value never ends a search.
bool UsableModifiers(std::uint32_t modifiers) {
    return std::find(std::begin(kDeviceModifierOrder), std::end(kDeviceModifierOrder), modifiers) !=
           std::end(kDeviceModifierOrder);
}

int PositionOf(std::uint32_t modifiers) {
    for (int i = 0; i < 5; ++i) {
        if (kDeviceModifierOrder[i] == modifiers) return i;
    }
    return -1;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr const char* kNotAvailableTail =
    "Please select another one or enable the built-in automatic redirection!\r\r"
    "(Either an alternative is now suggested in the ComboBox, or the system\r"
    "wide visibility (and these options) will be disabled, until an alternative\r"
    "is available!)";

void RefreshLabel19(const HotkeyView& v) {
    v.Label19.SetCaption("- &Use: " + ModifierText(v.state.DeviceModifiers) + "+");
}

}  // namespace

std::string ModifierText(std::uint32_t modifiers) {
    const int position = PositionOf(modifiers);
    return position < 0 ? std::string() : kModifierTexts[position];
}

std::uint16_t ModifiersAt(int position) {
    return position >= 0 && position < 5 ? kDeviceModifierOrder[position] : kDeviceModifierOrder[0];
}

char DeviceKey(std::string_view name, std::string_view target) {
    const char first = target.empty() ? 0 : Upper(target[0]);
    if (first >= 'A' && first <= 'Z' && first != 'T') return first;
    if (name.find("Tape") != std::string_view::npos && !name.empty()) return Upper(name.back());
    return 'T';
}

bool ProbeHotkey(const HotkeyView& v, std::uint32_t modifiers, std::uint32_t key) {
    if (modifiers == 0) return false;
    if (!v.os.hotkeys.RegisterHotKey(kProbeHotkeyId, modifiers, key)) return false;
    v.os.hotkeys.UnregisterHotKey(kProbeHotkeyId);
    return true;
}

bool TestDeviceModifiers(const HotkeyView& v, const std::vector<char>& keys, std::uint32_t modifiers) {
    if (!UsableModifiers(modifiers)) return false;
    for (char key : keys) {
        if (!ProbeHotkey(v, modifiers, static_cast<unsigned char>(key))) return false;
    }
    return true;
}

std::uint16_t FindDeviceModifiers(const HotkeyView& v, const std::vector<char>& keys) {
    for (std::uint16_t modifiers : kDeviceModifierOrder) {
        if (TestDeviceModifiers(v, keys, modifiers)) return modifiers;
    }
    return 0;
}

int FunctionKeyCount(const HotkeyView& v) {
    return std::max(1, static_cast<int>(v.ComboBox5.Items().size()));
}

std::uint16_t FindAllKeyModifiers(const HotkeyView& v, std::uint32_t m, std::uint16_t& key) {
    if (UsableModifiers(m) && ProbeHotkey(v, m, key)) return static_cast<std::uint16_t>(m);
    const std::uint32_t order[] = {m, 6, 5, 7, 2, 1};
    const int functionKeys = FunctionKeyCount(v);
    for (size_t i = 0; i < std::size(order); ++i) {
        const std::uint32_t modifiers = order[i];
        // A value already searched would find nothing new.
        if (!UsableModifiers(modifiers) || std::find(order, order + i, modifiers) != order + i) continue;
        for (int n = functionKeys; n >= 1; --n) {
            const std::uint16_t fkey = static_cast<std::uint16_t>(kVkF1 - 1 + n);
            if (ProbeHotkey(v, modifiers, fkey)) {
                key = fkey;
                return static_cast<std::uint16_t>(modifiers);
            }
        }
    }
    return 0;
}

void UnregisterDeviceHotkeys(const HotkeyView& v) {
    if (v.state.AllHotkeyRegistered) v.os.hotkeys.UnregisterHotKey(kAllHotkeyId);
    v.state.AllHotkeyRegistered = false;
    for (int id = 1; id <= v.state.DeviceHotkeyCount; ++id)
        v.os.hotkeys.UnregisterHotKey(id);
    v.state.DeviceHotkeyCount = 0;
}

bool DeviceHotkeysRegistered(const HotkeyState& state) {
    return state.DeviceHotkeyCount > 0 || state.AllHotkeyRegistered;
}

void ChooseDeviceCombinations(const HotkeyView& v, const std::vector<char>& keys) {
    UnregisterDeviceHotkeys(v);
    HotkeyState& s = v.state;

    if (v.CheckBox22.Checked() && v.CheckBox22.Enabled()) {
        s.DeviceModifiers = FindDeviceModifiers(v, keys);
    } else {
        const std::uint16_t chosen = ModifiersAt(v.ComboBox4.ItemIndex());
        if (TestDeviceModifiers(v, keys, chosen)) {
            s.DeviceModifiers = chosen;
        } else {
            s.DeviceModifiers = FindDeviceModifiers(v, keys);
            if (s.DeviceModifiers != 0) v.ComboBox4.SetItemIndex(PositionOf(s.DeviceModifiers));
        }
    }

    std::uint16_t key = kVkF4;
    const std::uint16_t chosenKey = static_cast<std::uint16_t>(kVkF1 + std::max(0, v.ComboBox5.ItemIndex()));
    if (v.CheckBox23.Checked() && v.CheckBox23.Enabled()) {
        s.AllModifiers = FindAllKeyModifiers(v, s.DeviceModifiers, key);
        s.AllKey = key;
    } else if (ProbeHotkey(v, s.DeviceModifiers, chosenKey)) {
        s.AllKey = chosenKey;
        s.AllModifiers = s.DeviceModifiers;
    } else {
        s.AllModifiers = FindAllKeyModifiers(v, s.DeviceModifiers, key);
        s.AllKey = key;
        const int position = key - static_cast<int>(kVkF1);
        v.ComboBox5.SetItemIndex(position < static_cast<int>(v.ComboBox5.Items().size()) ? position : 0);
    }

    if (s.DeviceModifiers != 0) RefreshLabel19(v);
}

void RegisterDeviceHotkey(const HotkeyView& v, std::uint32_t modifiers, char key) {
    if (!v.SysHotKeys || modifiers == 0) return;
    // The id is the device's number even when its registration fails, so that id i stays
    // device i; releasing an id that was never held is harmless.
    ++v.state.DeviceHotkeyCount;
    v.os.hotkeys.RegisterHotKey(v.state.DeviceHotkeyCount, modifiers, static_cast<unsigned char>(key));
}

ui::ShortCut HotkeyShortCut(std::uint32_t modifiers, std::uint16_t key) {
    if (!UsableModifiers(modifiers)) modifiers = port::kModShift | port::kModControl;
    std::uint8_t shift = 0;
    if (modifiers & port::kModShift) shift |= ui::kShift;
    if (modifiers & port::kModControl) shift |= ui::kCtrl;
    if (modifiers & port::kModAlt) shift |= ui::kAlt;
    return ui::ShortCut{key, static_cast<ui::ShiftState>(shift)};
}

void AssignDeviceHotkey(const HotkeyView& v, ui::MenuItem& item, std::uint32_t modifiers, char key) {
    item.shortCut = HotkeyShortCut(modifiers, static_cast<unsigned char>(key));
    RegisterDeviceHotkey(v, modifiers, key);
}

void ShowDeviceShortcut(const HotkeyView& v, ui::MenuItem& item, std::uint32_t modifiers, char key) {
    item.shortCut =
        v.SysHotKeys ? HotkeyShortCut(modifiers, static_cast<unsigned char>(key)) : ui::ShortCut{};
}

void UpdateAllHotkey(const HotkeyView& v, bool allEntryEnabled) {
    HotkeyState& s = v.state;
    if (s.AllHotkeyRegistered) v.os.hotkeys.UnregisterHotKey(kAllHotkeyId);
    s.AllHotkeyRegistered = false;
    if (allEntryEnabled && v.SysHotKeys && s.AllModifiers != 0)
        s.AllHotkeyRegistered = v.os.hotkeys.RegisterHotKey(kAllHotkeyId, s.AllModifiers, s.AllKey);
}

void RebuildDeviceHotkeys(const HotkeyView& v, bool allEntryEnabled) {
    const std::vector<char> keys = v.DeviceKeys();
    ChooseDeviceCombinations(v, keys);
    for (char key : keys)
        RegisterDeviceHotkey(v, v.state.DeviceModifiers, key);
    UpdateAllHotkey(v, allEntryEnabled);
}

bool CheckDeviceModifiers(const HotkeyView& v) {
    if (v.state.DeviceModifiers != 0) UnregisterDeviceHotkeys(v);
    bool ok = false;
    if (v.CheckBox22.Enabled() && !v.CheckBox22.Checked())
        ok = TestDeviceModifiers(v, v.DeviceKeys(), ModifiersAt(v.ComboBox4.ItemIndex()));
    if (v.state.DeviceModifiers != 0) v.RebuildDeviceMenus();
    if (!ok) {
        lib::ShowInformation(
            v.os.dialogs,
            std::string("The chosen HotKey combination for devices is currently not available,\r"
                        "because it is claimed by another application/shortcut. ...\r") +
                kNotAvailableTail);
    }
    return ok;
}

bool CheckAllKey(const HotkeyView& v) {
    UnregisterDeviceHotkeys(v);
    const bool ok = ProbeHotkey(v, v.state.DeviceModifiers, kVkF1 + std::max(0, v.ComboBox5.ItemIndex()));
    v.RebuildDeviceMenus();
    if (!ok) {
        lib::ShowInformation(
            v.os.dialogs,
            std::string("The chosen HotKey combination for \"All, (if insert)...\" is currently not\r"
                        "available, because it is claimed by another application/shortcut. ...\r") +
                kNotAvailableTail);
    }
    return ok;
}

}  // namespace hotkeys
