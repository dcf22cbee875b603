#include "app/ask_view.h"

#include "app/form1.h"
#include "app/method_list.h"
#include "app/watchdog_views.h"
#include "devices/drives.h"
#include "dirs/empty_dirs.h"
#include "timers/countdown.h"
#include "tray/tray_window.h"

namespace app {

shutdown::AskView MakeAskView(TForm1& form) {
    return shutdown::AskView{
        form.program,
        form,
        form.Button1,
        form.ComboBox1,
        DefaultMethodIndex(form.program.osKind),
        form.CheckBox3,
        form.CheckBox5,
        form.Edit1,
        form.CheckBox13,
        form.CheckBox6,
        form.Edit4,
        form.CheckBox14,
        form.XKTrayIcon951.ActiveFlag(),
        form.MainWindowAway,
        form.AskOrEmptyDialogVisible,
        [&form](bool active) { tray::SetTrayIconActive(form, active); },
        [&form] {
            if (!form.TrayIconActive()) {
                if (form.State() == ui::WindowState::Minimized) form.SetState(ui::WindowState::Normal);
                form.Show();
            }
            form.OpenSettingsNotebook(0);
            form.SetFocus();
        },
        [&form] { return MakeWatchdogView(form); },
        [&form] { dirs::EmptyDirectoriesNow(form.program); },
        [&form] { devices::EjectAllIfInserted(form); },
        [&form] { timers::StopCountdown(form.TimersView()); },
        [&form] { tray::UpdateTrayMenu(form); },
    };
}

}  // namespace app
