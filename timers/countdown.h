#pragma once
// The countdown ("in") and time-of-day ("at") timer of the main window.
namespace app {
class TForm1;
}

namespace timers {

void AutoStartCountdown(app::TForm1& form);
// Arms the countdown for the pending method, then lets it run.
void StartCountdown(app::TForm1& form);
void ResumeCountdown(app::TForm1& form);
// Warns about a start-up countdown that could end every session at once; false when declined.
bool CheckStartupSafety(app::TForm1& form);
void StopCountdown(app::TForm1& form);
void TogglePause(app::TForm1& form);
void ShowTimerControls(app::TForm1& form);
void HideTimerControls(app::TForm1& form);
// Disables the timer inputs while the timer is off.
void DisableTimerInputs(app::TForm1& form);
// Puts TrackBar1 where the timer values are.
void SyncTrackBar(app::TForm1& form);

}  // namespace timers
