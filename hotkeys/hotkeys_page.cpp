#include "hotkeys/hotkeys_page.h"

#include <memory>
#include "hotkeys/device_hotkeys.h"
#include "hotkeys/shutdown_hotkey.h"

namespace hotkeys {

void CheckBox21Click(const HotkeyView& v) {
    if (!v.CheckBox21.Enabled()) return;
    const bool remap = v.CheckBox21.Checked();
    v.Label8.SetEnabled(!remap);
    v.ComboBox3.SetEnabled(!remap);
    if (remap) {
        AutoRemapShutdownHotkey(v);
    } else if (v.NotebookShowing()) {
        RegisterUserShutdownHotkey(v);
    }
}

void CheckBox22Click(const HotkeyView& v) {
    if (!v.CheckBox22.Enabled()) return;
    const bool remap = v.CheckBox22.Checked();
    for (ui::Widget* w : std::initializer_list<ui::Widget*>{&v.ComboBox4, &v.Label16, &v.Label17})
        w->SetEnabled(!remap);
    // Loading sets the box before the device table is read; start-up rebuilds afterwards.
    if (v.LoadingSettings) return;
    if (remap) {
        v.RebuildDeviceMenus();
    } else {
        CheckDeviceModifiers(v);
    }
}

void CheckBox23Click(const HotkeyView& v) {
    if (!v.CheckBox23.Enabled()) return;
    const bool remap = v.CheckBox23.Checked();
    v.ComboBox5.SetEnabled(!remap);
    v.Label19.SetEnabled(!remap);
    if (v.LoadingSettings) return;
    if (remap) {
        v.RebuildDeviceMenus();
    } else {
        CheckAllKey(v);
    }
}

void ComboBox4Change(const HotkeyView& v) {
    v.Label19.SetCaption("- &Use: " + ModifierText(v.state.DeviceModifiers) + "+");
    CheckDeviceModifiers(v);
}

void UpdateDeviceHotkeyControls(const HotkeyView& v) {
    const bool usable = v.AnyDeviceSelected() && v.SysHotKeys;
    for (ui::Widget* w : std::initializer_list<ui::Widget*>{&v.CheckBox22, &v.CheckBox23, &v.Label18})
        w->SetEnabled(usable);
    const bool modifiersChosen = usable && !v.CheckBox22.Checked();
    for (ui::Widget* w : std::initializer_list<ui::Widget*>{&v.ComboBox4, &v.Label16, &v.Label17})
        w->SetEnabled(modifiersChosen);
    const bool keyChosen = usable && !v.CheckBox23.Checked();
    v.ComboBox5.SetEnabled(keyChosen);
    v.Label19.SetEnabled(keyChosen);
}

void BindHotkeysPage(const HotkeyView& view) {
    auto v = std::make_shared<HotkeyView>(view);
    v->CheckBox21.OnClick = [v] { CheckBox21Click(*v); };
    v->CheckBox22.OnClick = [v] { CheckBox22Click(*v); };
    v->CheckBox23.OnClick = [v] { CheckBox23Click(*v); };
    v->ComboBox3.OnEnter = [v] { v->state.PreviousLetterIndex = v->ComboBox3.ItemIndex(); };
    v->ComboBox3.OnChange = [v] { ChangeUserShutdownHotkey(*v); };
    v->ComboBox4.OnChange = [v] { ComboBox4Change(*v); };
    v->ComboBox5.OnChange = [v] { CheckAllKey(*v); };
    UpdateDeviceHotkeyControls(*v);
}

}  // namespace hotkeys
