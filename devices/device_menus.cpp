#include "devices/device_menus.h"

#include <new>
#include "app/os_kind.h"
#include "app/program_state.h"
#include "devices/device_jobs.h"
#include "devices/device_table.h"
#include "devices/medium.h"
#include "devices/prompts.h"
#include "hotkeys/device_hotkeys.h"
#include "lib/messages.h"
#include "ui/controls.h"

namespace devices {
namespace {

constexpr const char* kSysHotkeysCaption = "System &Hotkeys";
constexpr const char* kEjectRetractCaption = "&Eject && Retract";

// The window menu's entry of device id (from 1), or null.
ui::MenuItem* MainEntry(const DeviceMenuView& v, int id) {
    const auto& items = v.EjectRetract1.Items();
    const std::size_t position = static_cast<std::size_t>(id) + kFixedEntries - 1;
    return id >= 1 && position < items.size() ? items[position] : nullptr;
}

std::unique_ptr<ui::MenuItem> MakeEntry(ui::MenuItem& submenu, const std::string& name,
                                        const std::string& caption, bool barBreak, const DeviceMenuView& v) {
    auto entry = std::make_unique<ui::MenuItem>(&submenu, name, caption);
    entry->barBreak = barBreak;
    DeviceMenuEntries* entries = &v.entries;
    ui::MenuItem* self = entry.get();
    entry->OnClick = [entries, self] {
        if (entries->makeView) DeviceEntryClick(entries->makeView(), self->caption);
    };
    return entry;
}

void SetAllEntriesEnabled(const DeviceMenuView& v, bool on) {
    v.Allifinsert1.enabled = on;
    v.Allifinsert2.enabled = on;
}

}  // namespace

std::vector<bool> DeviceColumnBreaks(int count) {
    std::vector<bool> breaks(static_cast<std::size_t>(count > 0 ? count : 0), false);
    int limit = 15;
    for (int d = 1; d <= count; ++d) {
        if (d < 19 && d > limit) {
            breaks[static_cast<std::size_t>(d - 1)] = true;
            limit += 15;
        } else if (d >= 19 && limit + 4 < d) {
            breaks[static_cast<std::size_t>(d - 1)] = true;
            limit += 19;
        }
    }
    return breaks;
}

void BindDeviceMenus(const DeviceMenuView& v, std::function<DeviceMenuView()> makeView) {
    v.entries.makeView = makeView;
    for (ui::MenuItem* all : {&v.Allifinsert1, &v.Allifinsert2}) {
        all->isDefault = true;
        all->radioItem = true;
        all->enabled = false;
        all->OnClick = [makeView] { Allifinsert1Click(makeView()); };
    }
    v.Allifinsert1.shortCut = hotkeys::HotkeyShortCut(port::kModShift | port::kModControl, hotkeys::kVkF4);
    for (ui::MenuItem* sys : {&v.SysHotkeys1, &v.SysHotkeys2}) {
        sys->checked = v.SysHotKeys;
        sys->OnClick = [makeView] { SystemHotkeys1Click(makeView()); };
    }
}

void RemoveDeviceMenus(DeviceMenuEntries& entries) {
    // Each entry leaves its submenu as it goes.
    entries.main.clear();
    entries.tray.clear();
}

void BuildDeviceMenus(const DeviceMenuView& v) {
    hotkeys::HotkeyView hv = v.hotkeys;
    hotkeys::HotkeyState& hs = hv.state;
    DeviceTable& table = v.program.DeviceTable;
    const int count = table.DeviceCount();

    // The hotkeys are chosen (and the old ones released) even without devices, so that no
    // "All" hotkey outlives the devices it stood for.
    const std::vector<char> keys = hv.DeviceKeys();
    hotkeys::ChooseDeviceCombinations(hv, keys);
    const std::uint16_t m = hs.DeviceModifiers, ma = hs.AllModifiers, k = hs.AllKey;
    if (m != 0) {
        if (ma != 0) {
            v.SysHotkeys1.caption = kSysHotkeysCaption;
        } else if (v.SysHotKeys) {
            v.SysHotkeys1.caption = std::string(kSysHotkeysCaption) + " (not all)";
        }
    } else {
        v.SysHotKeys = false;
        v.SysHotkeys1.enabled = v.SysHotkeys2.enabled = false;
    }
    v.SysHotkeys1.checked = v.SysHotkeys2.checked = v.SysHotKeys;

    bool allQualifies = false;
    bool anyRetracting = false;
    if (count > 0) {
        const std::vector<bool> breaks = DeviceColumnBreaks(count);
        try {
            for (int d = 1; d <= count; ++d) {
                const std::string name = GetDeviceName(table, d);
                const int state = GetDeviceField(table, d, kFieldState);
                const bool barBreak = breaks[static_cast<std::size_t>(d - 1)];
                const char key = static_cast<std::size_t>(d - 1) < keys.size()
                                     ? keys[static_cast<std::size_t>(d - 1)]
                                     : 'T';
                auto main = MakeEntry(v.EjectRetract1, "Menu2Device" + std::to_string(d), name, barBreak, v);
                hotkeys::AssignDeviceHotkey(hv, *main, m, key);
                v.entries.main.push_back(std::move(main));
                auto tray = MakeEntry(v.EjectRetract2, "Menu1Device" + std::to_string(d), name, barBreak, v);
                hotkeys::ShowDeviceShortcut(hv, *tray, m, key);
                v.entries.tray.push_back(std::move(tray));

                // An unused device, or a gray one that cannot take a medium by itself while it has
                // none, cannot be opened from the menus.
                const bool medium = state != kStateNotUsed && MediumInserted(v.program, name);
                const bool enabled = state == kStateEjectRetract || (state == kStateEjectOnly && medium);
                v.entries.main.back()->enabled = enabled;
                v.entries.tray.back()->enabled = enabled;
                const int onlyIfInserted = GetDeviceField(table, d, kFieldOnlyIfInserted);
                if (!allQualifies && enabled &&
                    ((medium && onlyIfInserted == 1) || (!medium && onlyIfInserted == 0))) {
                    allQualifies = true;
                }
                if (state == kStateEjectRetract) anyRetracting = true;
            }
        } catch (const std::bad_alloc&) {
            RemoveDeviceMenus(v.entries);
            lib::ShowError(v.program.os.dialogs,
                           "Out of Memory!\r\rNot enough memory to process all menu entries for devices!\r"
                           "Please close some open applications or buy some memory ...\rand try again.");
        }
    }

    SetAllEntriesEnabled(v, allQualifies);
    hotkeys::UpdateAllHotkey(hv, allQualifies);

    // Without devices the submenus keep the captions and shortcuts they have.
    if (count > 0) {
        const ui::ShortCut allShortCut = hotkeys::HotkeyShortCut(ma, static_cast<std::uint16_t>(k));
        v.Allifinsert1.shortCut = allShortCut;
        v.Allifinsert2.shortCut = v.SysHotKeys && ma != 0 ? allShortCut : ui::ShortCut{};
        const char* caption = anyRetracting ? kEjectRetractCaption : "&Eject";
        v.EjectRetract1.caption = caption;
        v.EjectRetract2.caption = caption;
    }
}

void RefreshDeviceMenus(const DeviceMenuView& v) {
    RemoveDeviceMenus(v.entries);
    BuildDeviceMenus(v);
}

void DeviceEntryClick(const DeviceMenuView& v, const std::string& name) {
    DeviceJobs& jobs = v.program.deviceJobs;
    const int index = FindDevice(v.program.DeviceTable, name);
    if (!v.program.AskBeforeEject) {
        v.StartDeviceJob(DeviceTarget(name), index);
        return;
    }
    ++jobs.OpenPromptCount;
    const bool yes = AskOpenDoor(v.program.os.dialogs, name);
    --jobs.OpenPromptCount;
    if (yes) {
        v.StartDeviceJob(DeviceTarget(name), index);
    } else if (jobs.TrayPaused && !jobs.AnyDeviceBusy() && jobs.OpenPromptCount == 0) {
        v.SetTrayIconActive(true);
        jobs.TrayPaused = false;
    }
}

void Allifinsert1Click(const DeviceMenuView& v) {
    v.EjectAllIfInserted();
}

void SystemHotkeys1Click(const DeviceMenuView& v) {
    if (v.SysHotKeys) {
        v.SysHotKeys = false;
        v.SysHotkeys1.checked = v.SysHotkeys2.checked = false;
        hotkeys::UnregisterDeviceHotkeys(v.hotkeys);
        if (v.HotkeyControlsChanged) v.HotkeyControlsChanged();
    } else {
        v.SysHotKeys = true;
        v.SysHotkeys1.checked = v.SysHotkeys2.checked = true;
        // The remap options are usable again before the combinations are chosen, so that the
        // same ones come back as before the switch.
        if (v.HotkeyControlsChanged) v.HotkeyControlsChanged();
        RefreshDeviceMenus(v);
    }
}

void DeviceHotkeyPressed(const DeviceMenuView& v, int id) {
    RefreshDeviceMenus(v);
    DeviceJobs& jobs = v.program.deviceJobs;
    const int deviceHotkeys = v.hotkeys.state.DeviceHotkeyCount;
    ui::MenuItem* entry = nullptr;
    if (id >= 1 && id <= deviceHotkeys) {
        entry = MainEntry(v, id);
    } else if (id == hotkeys::kAllHotkeyId) {
        entry = &v.Allifinsert1;
    }
    const bool prompting = v.CheckBox19.Checked() || v.CheckBox18.Checked();
    // The tray icon goes while a question of this press may be up, so that no tray menu covers
    // it; only when the press will really start something, or nothing would bring it back.
    if (prompting && v.TrayIconActive() && entry && entry->enabled) {
        jobs.TrayPaused = true;
        v.SetTrayIconActive(false);
    }
    if (!v.AskOrEmptyDialogVisible) {
        v.BringToFront();
    } else if (prompting && AnyDeviceSelected(v.program.DeviceTable) && app::IsNT(v.program.osKind)) {
        v.CancelOpenDialog();
    }
    if (entry) entry->Click();
}

void EnableHotkeyEntries(const DeviceMenuView& v) {
    v.SysHotkeys1.enabled = true;
    v.SysHotkeys2.enabled = true;
}

}  // namespace devices
