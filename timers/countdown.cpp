#include "timers/countdown.h"

#include "app/method_list.h"
#include "lib/messages.h"
#include "lib/version.h"
#include "shutdown/engine.h"
#include "shutdown/methods.h"
#include "timers/timer_fields.h"
#include "tray/tray_window.h"

namespace timers {
namespace {

constexpr const char* kCaption = "Ravelin";

port::WindowId WindowOf(const TimerView& v) {
    return v.window.GetPeer() ? v.window.GetPeer()->Native() : 0;
}

int NowSeconds(const port::LocalTime& now) {
    return now.hour * 3600 + now.minute * 60 + now.second;
}

int TargetSeconds(const TimerView& v) {
    return LabelNumber(v.Label5.Caption()) * 3600 + LabelNumber(v.Label6.Caption()) * 60 +
           LabelNumber(v.Label7.Caption());
}

// The window's bar follows the counters.
void ShowBar(const TimerView& v) {
    v.ProgressBar1.SetPosition(v.counter.barPosition);
}

// Runs the stored method, and the method chosen in the ask dialog after it.
void RunPendingMethod(const TimerView& v) {
    v.engine.ExecuteActionWithChoice(v.PendingMethodCode);
}

}  // namespace

void StartCountdown(const TimerView& v) {
    const port::LocalTime now = v.os.loop.Now();
    v.counter.Reset();
    if (v.RadioButton1.Checked()) {
        // The time of day now: to the same second it is due at the first tick.
        ArmCountdown(v, SecondsUntil(NowSeconds(now), TargetSeconds(v)), true);
    } else {
        ArmCountdown(v, CountdownSeconds(v.Edit2.Text()));
        v.SpeedButton2.SetEnabled(true);
    }
    v.SpeedButton1.SetEnabled(true);
    v.counter.BeepSkip = 0;
}

void ArmCountdown(const TimerView& v, std::int64_t n, bool byClock) {
    if (byClock) {
        v.counter.ArmUntil(n, v.os.loop.Now());
    } else {
        v.counter.Arm(n);
    }
    v.ProgressBar1.SetRange(0, v.counter.barMax);
    v.ProgressBar1.SetPosition(0);
    v.ProgressBar1.SetEnabled(true);
    v.Timer1.SetInterval(kTickMs);
}

void ResumeCountdown(const TimerView& v) {
    v.Button1.SetEnabled(false);
    v.SpeedButton2.SetHint("Pause timer");
    if (v.TrayIconActive) tray::ShowCountingTrayItems(v.form, !v.MinimizedToTaskBar);
    v.Timer1.SetEnabled(true);
}

void PauseCountdown(const TimerView& v) {
    v.Timer1.SetEnabled(false);
    v.SpeedButton2.SetHint("Resume timer");
    if (v.CountdownRunning) v.SpeedButton2.SetDown(true);
    v.Button1.SetEnabled(false);
    if (v.TrayIconActive) tray::CheckPauseItem(v.form, true);
}

void StopCountdown(const TimerView& v) {
    v.ActivatedFromTray = false;
    // Nothing keeps the window hidden once no countdown runs ("/S" opens the notebook).
    v.InvisibleStart = false;
    v.Timer1.SetEnabled(false);
    v.CountdownRunning = false;
    v.ProgressBar1.SetPosition(v.ProgressBar1.Min());
    v.ProgressBar1.SetEnabled(false);
    v.SpeedButton2.SetDown(false);
    v.SpeedButton2.SetHint("Pause timer");
    v.SpeedButton2.SetEnabled(false);
    v.SpeedButton1.SetEnabled(false);
    v.Button1.SetEnabled(true);
    v.StatusBar1.SetPanelText(1, "");
    v.counter.Reset();
    v.PendingMethodCode = 0;
    if (v.TrayIconActive) {
        tray::CheckPauseItem(v.form, false);
        tray::UpdateTrayMenu(v.form);
        tray::ShowStoppedTrayItems(v.form, !v.MinimizedToTaskBar);
    }
    v.window.SetCaption(kCaption);
    v.application.SetTitle(lib::kProgramTitle);
}

void Timer1Timer(const TimerView& v) {
    // A tick that was already due when the program ended finds nothing to count.
    if (v.programEnded) {
        v.Timer1.SetEnabled(false);
        return;
    }
    const port::LocalTime now = v.os.loop.Now();
    ShowRemainingTime(v, now);
    if (v.counter.Expired(now)) {
        v.StatusBar1.SetPanelText(1, "00:00:00");
        v.ProgressBar1.SetPosition(v.ProgressBar1.Max());
        v.Timer1.SetEnabled(false);
        v.CountdownRunning = false;
        RunPendingMethod(v);
        if (v.programEnded) return;
    }
    AdvanceCountdown(v, now);

    if (!v.HiddenStart) return;
    if (app::HasShell(v.osKind) && v.CheckBox12.Enabled() && v.CheckBox12.Checked() && v.TrayIconActive) {
        const bool invisible = v.CheckBox2.Checked() && v.CheckBox2.Enabled();
        if (!v.CheckBox2.Checked()) {
            v.window.Show();
            tray::TimerWindowMenu(v.form, true, v.CheckBox2.Checked());
        } else if (invisible && !v.CheckBox14.Checked()) {
            tray::RestoreFromTray(v.form);
        }
    }
    v.HiddenStart = false;
}

void ShowRemainingTime(const TimerView& v, const port::LocalTime& now) {
    const std::int64_t remaining = v.counter.Remaining(now);
    const std::string text = FormatRemaining(remaining);
    v.StatusBar1.SetPanelText(1, text);
    v.application.SetTitle(text);
    if (v.window.State() != ui::WindowState::Minimized) {
        v.window.SetCaption(kCaption);
    } else if (v.window.Visible()) {
        v.window.SetCaption(text);
    }
    if (v.TrayIconActive) tray::SetTrayHint(v.form, "Time remaining: [ " + text + " ] h.");
    if (v.CheckBox24.Enabled() && remaining < 60 && remaining <= v.SpinEdit4.Value())
        BeepAndFlash(v, remaining, v.CheckBox25.Checked(), v.CheckBox24.Checked());
}

void AdvanceCountdown(const TimerView& v, const port::LocalTime& now) {
    v.counter.Advance(now);
    ShowBar(v);
}

void BeepAndFlash(const TimerView& v, std::int64_t seconds, bool flash, bool beep) {
    const Signal signal = BeeperStep(v.counter.BeepSkip, seconds);
    if (signal == Signal::None) return;
    if (flash) {
        v.os.feedback.FlashWindow(WindowOf(v), true);
        if (signal == Signal::Twice) {
            v.os.loop.Sleep(150);
            v.os.feedback.FlashWindow(WindowOf(v), true);
        }
    }
    if (beep) v.os.feedback.MessageBeep(port::kMbBeepOk);
}

void AutoStartCountdown(const TimerView& v) {
    if (!v.CheckBox12.Enabled() || !v.CheckBox12.Checked() || !v.CheckBox4.Checked()) return;
    const int position = v.ComboBox1.ItemIndex();
    v.PendingMethodCode = app::MethodCodeForPosition(v.osKind, position);
    // The start-up shutdown is logged like one from the main button.
    shutdown::EngineState& engine = v.engine.state;
    engine.currentLogCode = position;
    engine.triggerKind = shutdown::TRIGGER_WINDOW;
    engine.commandLineMethodName.clear();
    engine.pendingAskChoice = -1;
    if (v.TrayIconActive) tray::ShowArmedTrayMenu(v.form);
    if (!v.CheckBox14.Checked() && app::HasShell(v.osKind))
        v.os.taskbar.ShowWindow(v.application.Handle(), port::kSwMinimize);
    StartCountdown(v);
    ResumeCountdown(v);
    v.CountdownRunning = true;
    if (v.CheckBox2.Checked()) {
        v.InvisibleStart = true;
    } else {
        v.window.Show();
    }
}

bool CheckStartupSafety(const TimerView& v) {
    if (v.LoadingSettings) return true;
    const bool startUpIn = v.CheckBox4.Checked() && v.CheckBox12.Checked() && v.RadioButton2.Checked();
    if (!startUpIn) return true;
    const std::int64_t seconds = CountdownSeconds(v.Edit2.Text());
    const std::uint8_t code = app::MethodCodeForPosition(v.osKind, v.ComboBox1.ItemIndex());
    bool keep = true;
    // Every method that ends or restarts the session loops at start-up; the ask dialog and the
    // command window wait for the user.
    const bool endsSession =
        code != shutdown::METHOD_ASK && code != shutdown::METHOD_NT_CONSOLE && code != shutdown::METHOD_NONE;
    if (endsSession && v.CheckBox10.Checked() && seconds < 20) {
        keep = lib::Confirm(v.os.dialogs,
                            "W A R N I N G !\r\rThis configuration may prevent your system\rfrom starting, "
                            "because the chosen timer in-\rterval (< 20 sec) in combination with the\rother "
                            "parameters, might be too short to\rstop the timer at startup!\r\rDo you still "
                            "want this setting to be enabled?") &&
               keep;
    }
    if (code == shutdown::METHOD_TEST && seconds < 10) {
        keep =
            lib::Confirm(v.os.dialogs,
                         "W A R N I N G !\r\rThis configuration may set your system to an inoperable\rstate, "
                         "because the timer interval (< 10 sec) in combination\rwith the \"MessageBox ...\" "
                         "option might be too short to stop\rthe timer, if it is running as soon as Ravelin "
                         "starts!\r\rDo you still want this setting to be enabled?") &&
            keep;
    }
    return keep;
}

void SpeedButton2Click(const TimerView& v) {
    // Only an "in" countdown that counts can pause; the button's state follows the counting.
    if (!v.CountdownRunning || v.counter.byClock) {
        v.SpeedButton2.SetDown(false);
        return;
    }
    if (v.SpeedButton2.Down()) {
        PauseCountdown(v);
    } else {
        ResumeCountdown(v);
    }
}

void Pause1Click(const TimerView& v) {
    v.SpeedButton2.SetDown(!v.SpeedButton2.Down());
    SpeedButton2Click(v);
}

void SpeedButton1Click(const TimerView& v) {
    StopCountdown(v);
    if (v.window.Visible() && v.window.State() != ui::WindowState::Minimized && v.Button1.Visible() &&
        v.Button1.Enabled())
        v.Button1.SetFocus();
}

void Stop1Click(const TimerView& v) {
    SpeedButton1Click(v);
}

}  // namespace timers
