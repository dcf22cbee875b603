#pragma once
// The "&Eject && Retract" submenus of the window menu and the tray menu: one entry per device,
// "&All, (if insert)..." and "System &Hotkeys", the device hotkeys that click them, and the
// column breaks that keep long device lists on the screen.
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "hotkeys/hotkey_view.h"
#include "ui/menu.h"

namespace app {
struct ProgramState;
}
namespace ui {
class CheckBox;
}

namespace devices {

struct DeviceMenuView;

// The per-device entries, built and removed together; entry i of each list is device i + 1.
struct DeviceMenuEntries {
    std::vector<std::unique_ptr<ui::MenuItem>> main;  // in EjectRetract1
    std::vector<std::unique_ptr<ui::MenuItem>> tray;  // in EjectRetract2
    // The entries' clicks see the window through this (set when the menus are bound).
    std::function<DeviceMenuView()> makeView;
};

// The submenus' fixed entries come first: "System &Hotkeys", a separator, "&All, (if insert)..."
// and a separator. Device d (from 1) therefore stands at position d + 3.
inline constexpr int kFixedEntries = 4;

struct DeviceMenuView {
    app::ProgramState& program;
    DeviceMenuEntries& entries;
    ui::MenuItem& EjectRetract1;  // the window menu's submenu
    ui::MenuItem& SysHotkeys1;
    ui::MenuItem& Allifinsert1;
    ui::MenuItem& EjectRetract2;  // the tray menu's submenu
    ui::MenuItem& SysHotkeys2;
    ui::MenuItem& Allifinsert2;
    // Both "System &Hotkeys" entries show it; stored as Guards\SysHotKeys.
    bool& SysHotKeys;
    ui::CheckBox& CheckBox19;  // "As&k before ejecting..."
    ui::CheckBox& CheckBox18;  // "Inform &before retracting..."
    // The ask dialog or the "Empty Directories" dialog is up.
    const bool& AskOrEmptyDialogVisible;
    hotkeys::HotkeyView hotkeys;
    std::function<bool()> TrayIconActive;
    std::function<void(bool)> SetTrayIconActive;
    std::function<void()> BringToFront;
    // Closes the program's open modal dialog as cancelled.
    std::function<void()> CancelOpenDialog;
    // The device options of the hotkey page follow "System &Hotkeys".
    std::function<void()> HotkeyControlsChanged;
    std::function<void(const std::string&, int)> StartDeviceJob;
    std::function<void()> EjectAllIfInserted;
};

// The column rule: device d (from 1) starts a new column at 16, 35, 54, 73 and 92.
std::vector<bool> DeviceColumnBreaks(int count);

// Names, handlers, checks and the default entry of the fixed entries; once.
void BindDeviceMenus(const DeviceMenuView& v, std::function<DeviceMenuView()> makeView);
// Rebuilds the device entries, their shortcuts and hotkeys, "&All, (if insert)..." and hotkey
// 101, and the submenus' captions, from the table and the media of this moment.
void BuildDeviceMenus(const DeviceMenuView& v);
void RemoveDeviceMenus(DeviceMenuEntries& entries);
// Both in one: every popup, hotkey and settings change that touches the devices runs this.
void RefreshDeviceMenus(const DeviceMenuView& v);

// A device entry of either menu: opens the device named by its caption, after the OPEN question
// when asked for.
void DeviceEntryClick(const DeviceMenuView& v, const std::string& name);
void Allifinsert1Click(const DeviceMenuView& v);
void SystemHotkeys1Click(const DeviceMenuView& v);
// A device hotkey (1..n) or the one of "&All, (if insert)..." (101) arrived.
void DeviceHotkeyPressed(const DeviceMenuView& v, int id);
// A used device holds a medium again: "System &Hotkeys" can be switched in both submenus.
void EnableHotkeyEntries(const DeviceMenuView& v);

}  // namespace devices
