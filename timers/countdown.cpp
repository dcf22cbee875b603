#include "timers/countdown.h"

#include "app/form1.h"

namespace timers {

// The countdown arrives with the timer subsystem. Until then the timer is never armed, so
// there is nothing to start, stop or pause; the controls only show or hide.
void AutoStartCountdown(app::TForm1&) {}

void StopCountdown(app::TForm1& form) {
    form.Timer1.SetEnabled(false);
    form.CountdownRunning = false;
    form.PendingMethodCode = 0;
}

void TogglePause(app::TForm1&) {}
void StartCountdown(app::TForm1&) {}
void ResumeCountdown(app::TForm1&) {}
bool CheckStartupSafety(app::TForm1&) {
    return true;
}

void ShowTimerControls(app::TForm1& form) {
    form.SpeedButton1.SetVisible(true);
    form.SpeedButton2.SetVisible(true);
    form.ProgressBar1.SetVisible(true);
    form.StatusBar1.SetPanelText(0, "Timer");
}

void HideTimerControls(app::TForm1& form) {
    form.SpeedButton1.SetVisible(false);
    form.SpeedButton2.SetVisible(false);
    form.ProgressBar1.SetVisible(false);
}

void DisableTimerInputs(app::TForm1& form) {
    form.CheckBox12.SetEnabled(false);
    form.CheckBox24.SetEnabled(false);
    form.CheckBox25.SetEnabled(false);
}

void SyncTrackBar(app::TForm1&) {}

}  // namespace timers
