#pragma once
// The countdown ("in") and time-of-day ("at") timer of the main window, and the handlers of the
// Timers page. Everything runs on the main thread; Timer1 ticks every 989 ms while a countdown
// counts and is not armed otherwise.
#include <cstdint>
#include "timers/timer_view.h"

namespace timers {

// The counting.
// Computes the length from the page's fields and arms the counters (not the tick yet).
void StartCountdown(const TimerView& v);
// Counters and bar for a countdown of n seconds; byClock ends it at the clock's time instead of
// the tick count.
void ArmCountdown(const TimerView& v, std::int64_t n, bool byClock = false);
void ResumeCountdown(const TimerView& v);
void PauseCountdown(const TimerView& v);
// Back to ready; safe to call in any state.
void StopCountdown(const TimerView& v);
void Timer1Timer(const TimerView& v);
void ShowRemainingTime(const TimerView& v, const port::LocalTime& now);
void AdvanceCountdown(const TimerView& v, const port::LocalTime& now);
void BeepAndFlash(const TimerView& v, std::int64_t seconds, bool flash, bool beep);
// At the end of start-up (and after a resume from suspend): arms the start-up countdown.
void AutoStartCountdown(const TimerView& v);
// Warns about a start-up countdown too short to be stopped; false when the user declines.
bool CheckStartupSafety(const TimerView& v);

// The timer buttons of the main view and the tray's "&Pause" and "S&top".
void SpeedButton2Click(const TimerView& v);
void Pause1Click(const TimerView& v);
void SpeedButton1Click(const TimerView& v);
void Stop1Click(const TimerView& v);

// The Timers page.
void ShowTimerControls(const TimerView& v);
void HideTimerControls(const TimerView& v);
void EnableTimerInputs(const TimerView& v, bool on);
void UpdateBeeperControls(const TimerView& v);
void LimitBeeperLead(const TimerView& v);
void SyncTrackBarFromTime(const TimerView& v);
void SyncTrackBarFromSeconds(const TimerView& v);
void SetTimeFromTrackBar(const TimerView& v);
void CheckBox4Click(const TimerView& v);
void CheckBox12Click(const TimerView& v);
// "&Always start in System Tray" switched on may make a start-up countdown unstoppable.
void CheckBox10Click(const TimerView& v);
void RadioButton1Click(const TimerView& v);
void RadioButton2Click(const TimerView& v);
// The hours (UpDown2), minutes (UpDown3) and seconds (UpDown4) arrows.
void UpDown2Click(const TimerView& v);
void UpDown3Click(const TimerView& v);
void UpDown4Click(const TimerView& v);
void Edit2Change(const TimerView& v);
void Edit2_Exit(const TimerView& v);
void Edit2_Click(const TimerView& v);
void TrackBar1Change(const TimerView& v);
void SpinEdit4Change(const TimerView& v);
void SpinEdit4Exit(const TimerView& v);
void SpinEdit4Click(const TimerView& v);

}  // namespace timers
