// The Timers page and the timer controls of the main view.
#include "app/method_list.h"
#include "timers/countdown.h"
#include "timers/timer_fields.h"

namespace timers {
namespace {

bool InMode(const TimerView& v) {
    return v.RadioButton2.Enabled() && v.RadioButton2.Checked();
}

// One of the time-of-day arrows moved: its label shows the new value.
void TimeArrowClick(const TimerView& v, ui::UpDown& arrows, ui::Label& label) {
    v.RadioButton1.SetChecked(true);
    label.SetCaption(TimeLabel(arrows.Position()));
    SyncTrackBarFromTime(v);
}

}  // namespace

void ShowTimerControls(const TimerView& v) {
    v.SpeedButton1.SetVisible(true);
    v.SpeedButton2.SetVisible(true);
    v.SpeedButton1.SetEnabled(v.CountdownRunning);
    v.SpeedButton2.SetEnabled(v.CountdownRunning && !v.counter.byClock);
    v.ProgressBar1.SetVisible(true);
    if (v.RadioButton1.Checked()) {
        SyncTrackBarFromTime(v);
    } else {
        SyncTrackBarFromSeconds(v);
    }
    app::UpdateStatusLabel(v.form);
}

void HideTimerControls(const TimerView& v) {
    for (ui::Widget* control :
         {static_cast<ui::Widget*>(&v.SpeedButton1), static_cast<ui::Widget*>(&v.SpeedButton2),
          static_cast<ui::Widget*>(&v.ProgressBar1)}) {
        control->SetVisible(false);
        control->SetEnabled(false);
    }
    app::UpdateStatusLabel(v.form);
}

void EnableTimerInputs(const TimerView& v, bool on) {
    for (ui::Widget* input : std::initializer_list<ui::Widget*>{
             &v.UpDown2, &v.UpDown3, &v.UpDown4, &v.RadioButton1, &v.RadioButton2, &v.Label5, &v.Label6,
             &v.Label7, &v.Edit2, &v.TrackBar1}) {
        input->SetEnabled(on);
    }
}

void UpdateBeeperControls(const TimerView& v) {
    const bool on = v.CheckBox4.Checked();
    for (ui::Widget* control :
         std::initializer_list<ui::Widget*>{&v.CheckBox24, &v.CheckBox25, &v.SpinEdit4, &v.Label4})
        control->SetEnabled(on);
    if (on) LimitBeeperLead(v);
}

void LimitBeeperLead(const TimerView& v) {
    const BeeperLead lead = LimitLead(v.SpinEdit4.Text(), InMode(v), CountdownSeconds(v.Edit2.Text()));
    v.SpinEdit4.maxValue = lead.maxValue;
    v.SpinEdit4.maxLength = lead.maxLength;
    if (v.SpinEdit4.Text() != lead.text) v.SpinEdit4.SetText(lead.text);
}

void SyncTrackBarFromTime(const TimerView& v) {
    const TimeOfDay t{LabelNumber(v.Label5.Caption()), LabelNumber(v.Label6.Caption()),
                      LabelNumber(v.Label7.Caption())};
    v.TrackBar1.SetPosition(TrackBarFromTime(t, v.TrackBar1.Position(), v.TrackBar1.Max()));
}

void SyncTrackBarFromSeconds(const TimerView& v) {
    v.TrackBar1.SetPosition(
        TrackBarFromSeconds(CountdownSeconds(v.Edit2.Text()), v.TrackBar1.Min(), v.TrackBar1.Max()));
}

void SetTimeFromTrackBar(const TimerView& v) {
    const TimeOfDay t = TimeFromTrackBar(v.TrackBar1.Position());
    v.UpDown2.SetPosition(t.hours);
    v.UpDown3.SetPosition(t.minutes);
    v.UpDown4.SetPosition(t.seconds);
    v.Label5.SetCaption(TimeLabel(t.hours));
    v.Label6.SetCaption(TimeLabel(t.minutes));
    v.Label7.SetCaption(TimeLabel(t.seconds));
}

void CheckBox4Click(const TimerView& v) {
    if (v.CheckBox4.Checked()) {
        EnableTimerInputs(v, true);
        v.StatusBar1.SetPanelText(0, "Timer");
        v.CheckBox12.SetEnabled(true);
        if (!CheckStartupSafety(v)) {
            EnableTimerInputs(v, false);
            v.CheckBox4.SetChecked(false);
            v.StatusBar1.SetPanelText(0, "");
            v.CheckBox12.SetChecked(false);
            v.CheckBox12.SetEnabled(false);
        }
    } else {
        PauseCountdown(v);
        EnableTimerInputs(v, false);
        v.StatusBar1.SetPanelText(0, "");
        v.CheckBox12.SetEnabled(false);
    }
    UpdateBeeperControls(v);
}

void CheckBox12Click(const TimerView& v) {
    if (v.CheckBox12.Checked()) {
        if (!CheckStartupSafety(v)) {
            v.CheckBox12.SetChecked(false);
        } else if (app::HasShell(v.osKind)) {
            v.CheckBox2.SetEnabled(true);
        }
    } else {
        v.CheckBox2.SetEnabled(false);
    }
}

void CheckBox10Click(const TimerView& v) {
    if (v.CheckBox10.Checked() && !CheckStartupSafety(v)) v.CheckBox10.SetChecked(false);
}

void RadioButton1Click(const TimerView& v) {
    v.TrackBar1.SetRange(v.TrackBar1.Min(), kAtSteps);
    v.TrackBar1.SetHint(" Set \"Shut down at\" intervals.\r One interval represents 5 min.");
    SyncTrackBarFromTime(v);
}

void RadioButton2Click(const TimerView& v) {
    v.TrackBar1.SetRange(v.TrackBar1.Min(), kInSteps);
    v.TrackBar1.SetPosition(std::min(v.TrackBar1.Position(), kInSteps));
    v.TrackBar1.SetHint(" Set \"Shut down in\" intervals.\r One interval represents 1 hour.");
    if (CountdownSeconds(v.Edit2.Text()) < 20 && !CheckStartupSafety(v)) v.Edit2.SetText("20");
    SyncTrackBarFromSeconds(v);
}

void UpDown2Click(const TimerView& v) {
    TimeArrowClick(v, v.UpDown2, v.Label5);
}

void UpDown3Click(const TimerView& v) {
    TimeArrowClick(v, v.UpDown3, v.Label6);
}

void UpDown4Click(const TimerView& v) {
    TimeArrowClick(v, v.UpDown4, v.Label7);
}

void Edit2Change(const TimerView& v) {
    v.RadioButton2.SetChecked(true);
    SyncTrackBarFromSeconds(v);
}

void Edit2_Exit(const TimerView& v) {
    if (!v.Edit2.Visible() || !v.Edit2.Enabled()) return;
    const std::string clean = CleanSecondsText(v.Edit2.Text());
    if (v.Edit2.Text() != clean) v.Edit2.SetText(clean);
    if (CountdownSeconds(clean) < 20 && !CheckStartupSafety(v)) v.Edit2.SetText("20");
    LimitBeeperLead(v);
}

void Edit2_Click(const TimerView& v) {
    v.Edit2.SelectAll();
}

void TrackBar1Change(const TimerView& v) {
    if (v.RadioButton1.Checked()) {
        SetTimeFromTrackBar(v);
    } else {
        v.Edit2.SetText(std::to_string(v.TrackBar1.Position() * 3600));
    }
}

void SpinEdit4Change(const TimerView& v) {
    LimitBeeperLead(v);
}

void SpinEdit4Exit(const TimerView& v) {
    LimitBeeperLead(v);
}

void SpinEdit4Click(const TimerView& v) {
    LimitBeeperLead(v);
    if (v.SpinEdit4.Enabled() && !v.SpinEdit4.Text().empty()) v.SpinEdit4.SelectAll();
}

}  // namespace timers
