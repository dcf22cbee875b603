#include "app/watchdog_views.h"

#include "app/form1.h"
#include "timers/countdown.h"
#include "tray/tray_window.h"

namespace app {

shutdown::WatchdogView MakeWatchdogView(TForm1& form) {
    return shutdown::WatchdogView{
        form.program,
        form,
        form.CheckBox13,
        form.Edit1,
        form.Label10,
        form.PendingMethodCode,
        form.XKTrayIcon951.ActiveFlag(),
        [&form](bool active) { tray::SetTrayIconActive(form, active); },
        [&form] { timers::StopCountdown(form.TimersView()); },
        [&form] { tray::UpdateTrayMenu(form); },
    };
}

shutdown::WatchdogPageView MakeWatchdogPageView(TForm1& form) {
    return shutdown::WatchdogPageView{
        form.program.os, form.program.watchdog, form.LoadingSettings, form.CheckBox5,
        form.CheckBox13, form.CheckBox6,        form.Edit1,           form.Label9,
        form.Label10,    form.UpDown1,          form.StatusBar1,      form.Timer3,
    };
}

}  // namespace app
