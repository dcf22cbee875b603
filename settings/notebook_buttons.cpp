// "&Save", "&Default" and "Ca&ncel" under the notebook.
#include "app/form1.h"
#include "devices/drives.h"
#include "hotkeys/shutdown_hotkey.h"
#include "lib/messages.h"
#include "settings/settings_store.h"
#include "settings/user_values.h"
#include "timers/countdown.h"
#include "tray/tray_window.h"

namespace settings {

void TabSheet1_Save(app::TForm1& form) {
    form.CloseSettingsPanel();
    SaveSettings(form);  // the autostart value too: written once, so a refusal shows one box
    if (form.CheckBox4.Checked()) timers::ShowTimerControls(form.TimersView());
    tray::UpdateTrayMenu(form);
    form.BitBtn3.SetEnabled(true);
    if (form.Button1.Visible() && form.Button1.Enabled()) form.Button1.SetFocus();
    if (form.CheckBox1.Checked()) {
        form.WindowTop = form.CentredTop();
        form.WindowLeft = form.CentredLeft();
    } else {
        form.WindowTop = form.Top();
        form.WindowLeft = form.Left();
    }
    devices::RefreshDeviceMenus(form);
}

void TabSheet1_Default(app::TForm1& form) {
    SetDefaultSettings(form);
    hotkeys::ShowHeldShutdownLetter(form.Hotkeys());
    // The power-off way is learned again from scratch.
    WritePowerResult(form.os(), 0);
    devices::ResetDeviceTable(form);
    lib::ShowInformation(
        form.os().dialogs,
        "INFORMATION:\r\rAll settings are now at their default values!\r\rPress [Save] to save "
        "the default settings, or\rpress [Cancel] to let the old settings valid.");
}

void TabSheet1_Cancel(app::TForm1& form) {
    form.CloseSettingsPanel();
    RestoreSettingsSnapshot(form);
    tray::ApplyTrayAnimation(form);
    hotkeys::ShutdownHotkeyRestored(form.Hotkeys());
    if (form.CheckBox4.Checked()) timers::ShowTimerControls(form.TimersView());
    if (!form.SpeedButton2.Down()) {
        form.Button1.SetVisible(true);
        form.Button1.SetEnabled(true);
        form.Button1.SetFocus();
    }
    tray::UpdateTrayMenu(form);
}

}  // namespace settings
