// The countdown's view of the main window, and the timer controls' handlers.
#include "app/form1.h"
#include "timers/countdown.h"

namespace app {

timers::TimerView TForm1::TimersView() {
    return timers::TimerView{*this,
                             os(),
                             program.application,
                             program.engine,
                             program.osKind,
                             program.ended,
                             Countdown,
                             *this,
                             Button1,
                             ComboBox1,
                             SpeedButton2,
                             SpeedButton1,
                             ProgressBar1,
                             StatusBar1,
                             Timer1,
                             CheckBox4,
                             CheckBox12,
                             CheckBox2,
                             CheckBox10,
                             CheckBox14,
                             CheckBox24,
                             CheckBox25,
                             SpinEdit4,
                             Label4,
                             RadioButton1,
                             RadioButton2,
                             UpDown2,
                             UpDown3,
                             UpDown4,
                             Label5,
                             Label6,
                             Label7,
                             Edit2,
                             TrackBar1,
                             CountdownRunning,
                             HiddenStart,
                             InvisibleStart,
                             PendingMethodCode,
                             ActivatedFromTray,
                             XKTrayIcon951.ActiveFlag(),
                             MinimizedToTaskBar,
                             LoadingSettings};
}

void TForm1::BindTimers() {
    Timer1.OnTimer = [this] { timers::Timer1Timer(TimersView()); };
    SpeedButton2.OnClick = [this] { timers::SpeedButton2Click(TimersView()); };
    SpeedButton1.OnClick = [this] { timers::SpeedButton1Click(TimersView()); };
    CheckBox4.OnClick = [this] { timers::CheckBox4Click(TimersView()); };
    CheckBox12.OnClick = [this] { timers::CheckBox12Click(TimersView()); };
    CheckBox10.OnClick = [this] { timers::CheckBox10Click(TimersView()); };
    RadioButton1.OnClick = [this] { timers::RadioButton1Click(TimersView()); };
    RadioButton2.OnClick = [this] { timers::RadioButton2Click(TimersView()); };
    UpDown2.OnClick = [this](bool) { timers::UpDown2Click(TimersView()); };
    UpDown3.OnClick = [this](bool) { timers::UpDown3Click(TimersView()); };
    UpDown4.OnClick = [this](bool) { timers::UpDown4Click(TimersView()); };
    Edit2.OnChange = [this] { timers::Edit2Change(TimersView()); };
    Edit2.OnClick = [this] { timers::Edit2_Click(TimersView()); };
    // The field takes the window's letter keys while it has the focus.
    Edit2.OnExit = [this] {
        timers::Edit2_Exit(TimersView());
        SetKeyPreview(true);
    };
    TrackBar1.OnChange = [this] { timers::TrackBar1Change(TimersView()); };
    SpinEdit4.OnChange = [this] { timers::SpinEdit4Change(TimersView()); };
    SpinEdit4.OnExit = [this] { timers::SpinEdit4Exit(TimersView()); };
    SpinEdit4.OnClick = [this] { timers::SpinEdit4Click(TimersView()); };
}

}  // namespace app
