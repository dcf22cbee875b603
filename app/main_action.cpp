// The main action and the method list's change handler.
#include "app/form1.h"
#include "app/method_list.h"
#include "settings/autostart.h"
#include "settings/user_values.h"
#include "shutdown/force_checks.h"
#include "shutdown/methods.h"
#include "timers/countdown.h"
#include "tray/tray_window.h"

namespace app {

void TForm1::Exit_Choice() {
    ActivatedFromTray = false;
    if (!MainActionGate || PendingMethodCode != 0) return;
    const int position = ComboBox1.ItemIndex();
    const std::uint8_t code = MethodCodeForPosition(program.osKind, position);
    shutdown::EngineState& engine = program.engine.state;
    engine.currentLogCode = position;
    engine.triggerKind = shutdown::TRIGGER_WINDOW;
    engine.commandLineMethodName.clear();
    // A new request runs its own tasks, whatever an earlier ask dialog chose.
    engine.pendingAskChoice = -1;
    PendingMethodCode = code;
    ApplyAutostart();
    if (TrayIconActive()) tray::ShowArmedTrayMenu(*this);

    if (!CheckBox4.Checked()) {
        program.engine.ExecuteActionWithChoice(code);
        return;
    }
    if (!CheckBox12.Checked() && HiddenStart) {
        if (TrayIconActive()) {
            tray::ShowFromTray(*this);
            BitBtn3.Click();
            tray::TimerWindowMenu(*this, false, false);
        } else {
            Show();
            os().taskbar.ShowWindow(program.application.Handle(), port::kSwShowNormal);
        }
    }
    HiddenStart = false;
    timers::StartCountdown(TimersView());
    timers::ResumeCountdown(TimersView());
    CountdownRunning = true;
}

void TForm1::ComboBox1_Changed() {
    tray::UpdateTrayMenu(*this);
    UpdateStatusLabel(*this);
    CheckForceSelection();
    if (!timers::CheckStartupSafety(TimersView())) DeclineStartupCountdown();
    PreviousMethodIndex = ComboBox1.ItemIndex();
    if (Button1.Showing() && Button1.Enabled()) Button1.SetFocus();
}

void TForm1::CheckForceSelection() {
    if (!IsForcePosition(ComboBox1.ItemIndex())) return;
    if (!shutdown::IsForceBlocked(os(), program.osKind, true)) return;
    ComboBox1.SetItemIndex(PreviousMethodIndex);
    UpdateStatusLabel(*this);
}

}  // namespace app

namespace app {

// The autostart value belongs to the settings store, which writes it with the other settings.
void TForm1::ApplyAutostart() {
    if (CheckBox10.Checked()) {
        settings::SetAutostart(os());
    } else {
        settings::ClearAutostart(os());
    }
}

void TForm1::DeclineStartupCountdown() {
    CheckBox12.SetChecked(false);
    // Written at once, as a string: a crash before the next save must not arm it again.
    settings::WriteUserString(os(), "Timer1", "StartUp", "0");
}

}  // namespace app
