#pragma once
// What the hotkeys see of the main window: the platform, the hotkey state, the controls of the
// "&HotKeys" page and status-bar field 5, and the few answers the device side gives.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "ports/platform.h"
#include "ui/controls.h"

namespace hotkeys {

constexpr int kShutdownHotkeyId = 1000;
constexpr int kAllHotkeyId = 101;
constexpr int kProbeHotkeyId = 999;
constexpr std::uint32_t kCtrlAlt = port::kModControl | port::kModAlt;
constexpr std::uint32_t kVkF1 = 112;
constexpr std::uint32_t kVkF4 = 115;

// Everything the program holds or has chosen; the window keeps one.
struct HotkeyState {
    bool ShutdownHotkeyRegistered = false;
    // The shutdown letter in use (shown in field 5), or 0 when the hotkey is disabled. After a
    // declined conflict it is the configured letter although nothing is held.
    char ShutdownLetter = 0;
    std::uint8_t DeviceHotkeyCount = 0;
    bool AllHotkeyRegistered = false;
    std::uint16_t DeviceModifiers = 0;
    std::uint16_t AllModifiers = 0;
    std::uint16_t AllKey = kVkF4;
    int PreviousLetterIndex = 3;
};

struct HotkeyView {
    port::Platform& os;
    HotkeyState& state;
    ui::CheckBox& CheckBox21;  // remap the shutdown hotkey
    ui::CheckBox& CheckBox22;  // remap the device hotkeys
    ui::CheckBox& CheckBox23;  // remap "All, (if insert)"
    ui::ComboBox& ComboBox3;   // the shutdown letter
    ui::ComboBox& ComboBox4;   // the device modifiers
    ui::ComboBox& ComboBox5;   // the function key of "All, (if insert)"
    ui::Label& Label8;         // "- &Use CTRL+ALT+"
    ui::Label& Label16;        // "- Us&e:"
    ui::Label& Label17;        // "+DrvL."
    ui::Label& Label19;        // "- &Use: " and the device modifiers
    ui::Label& Label18;        // "Device-HotKey."
    ui::StatusBar& StatusBar2;
    // "System &Hotkeys" is checked.
    const bool& SysHotKeys;
    // The settings are loading: the page's handlers then ask nothing and rebuild nothing.
    const bool& LoadingSettings;
    std::function<bool()> NotebookShowing;
    // Some device is chosen for ejection.
    std::function<bool()> AnyDeviceSelected;
    // The key of every registered device, in device order (see DeviceKey).
    std::function<std::vector<char>()> DeviceKeys;
    // Rebuilds the device menus, which chooses and registers the device hotkeys again.
    std::function<void()> RebuildDeviceMenus;
};

}  // namespace hotkeys
