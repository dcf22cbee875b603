#include "shutdown/ask.h"

#include "app/program_state.h"
#include "devices/device_table.h"
#include "settings/user_values.h"
#include "shutdown/ask_choices.h"
#include "shutdown/ask_form.h"
#include "shutdown/force_checks.h"
#include "ui/screen_rect.h"

namespace shutdown {
namespace {

constexpr const char* kSection = "Objects";
constexpr int kOk = 1;
constexpr int kCancel = 2;

bool Ticked(const ui::CheckBox& box) {
    return box.Enabled() && box.Checked();
}

}  // namespace

ui::Rect TForm3::OriginRect() const {
    port::SystemInfoPort& system = view_.program.os.system;
    const bool away = view_.MainWindowAway || view_.TrayIconActive || !view_.mainWindow.Visible() ||
                      view_.mainWindow.State() == ui::WindowState::Minimized;
    if (away) {
        const int iconWidth = system.GetSystemMetrics(port::kSmCxIcon);
        const int iconHeight = system.GetSystemMetrics(port::kSmCyIcon);
        return ui::Rect{system.GetSystemMetrics(port::kSmCxScreen) + iconWidth,
                        system.GetSystemMetrics(port::kSmCyScreen) + iconHeight, iconWidth, iconHeight};
    }
    return ui::ScreenRect(view_.mainWindow, view_.Button1);
}

void TForm3::FormShow() {
    app::ProgramState& program = view_.program;
    port::Platform& os = program.os;
    activated_ = false;
    trayDeactivated_ = false;
    notebookPending_ = false;
    if (view_.TrayIconActive) {
        os.taskbar.ShowWindow(program.application.Handle(), port::kSwHide);
        os.loop.ProcessMessages();
    }

    const bool hints = view_.CheckBox3.Checked();
    for (ui::Widget* w :
         std::initializer_list<ui::Widget*>{&BitBtn1, &BitBtn2, &SpeedButton1, &RadioGroup1, &CheckBox1,
                                            &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5})
        w->SetShowHint(hints);

    const AskChoices choices =
        BuildAskChoices(view_.ComboBox1.Items(), view_.askEntry, IsForceBlocked(os, program.osKind, false));
    forceRemoved_ = choices.forceRemoved;
    RadioGroup1.SetItems(choices.texts);
    StatusBar1.SetCaption("");
    const int stored = settings::ReadUserInt(os, kSection, "AskWindow", 0);
    RadioGroup1.SetItemIndex(RadioForStored(stored, forceRemoved_, RadioGroup1.Count()));

    Resettolastshutdown1Click();
    ScrollBox1.SetVertPosition(settings::ReadUserInt(os, kSection, "AskScrollBoxPos", 0));

    // Centred on the screen; with animation it grows there from the main button or the tray.
    const int screenWidth = os.system.GetSystemMetrics(port::kSmCxScreen);
    const int screenHeight = os.system.GetSystemMetrics(port::kSmCyScreen);
    SetBounds((screenWidth - Width()) / 2, (screenHeight - Height()) / 2, Width(), Height());
    origin_ = OriginRect();
    if (view_.CheckBox14.Checked())
        animator_.ShrinkToRect(*this, origin_.left, origin_.top, origin_.width, origin_.height);
}

void TForm3::FormActivate() {
    view_.program.os.loop.ProcessMessages();
    if (view_.TrayIconActive) {
        view_.setTrayIcon(false);
        trayDeactivated_ = true;
    }
    if (animator_.Pending()) {
        const ui::Rect& full = animator_.Remembered();
        animator_.AnimateGrow(*this, full.left, full.top, 0);
    }
    if (activated_) return;
    activated_ = true;
    SetFocus();
    if (ui::RadioButton* selected = RadioGroup1.Button(RadioGroup1.ItemIndex())) {
        selected->SetFocus();
    } else {
        RadioGroup1.SetFocus();
    }
}

void TForm3::FormClose(ui::CloseAction& action) {
    action = ui::CloseAction::Hide;
    port::Platform& os = view_.program.os;
    settings::WriteUserInt(os, kSection, "AskScrollBoxPos", ScrollBox1.VertPosition());
    if (view_.CheckBox14.Checked() && Visible()) {
        const ui::Rect place = Bounds();
        animator_.AnimateShrink(*this, origin_.left, origin_.top, 0, origin_.height, origin_.width);
        Hide();
        animator_.RestoreFromRect(*this, false);
        SetBounds(place.left, place.top, place.width, place.height);
    }

    chosenPosition_ = FullPosition(RadioGroup1.ItemIndex(), forceRemoved_);
    chosenCode_ = AskMethodCode(view_.program.osKind, chosenPosition_);
    chosenLogCode_ = chosenCode_ < 0 ? -1 : AskLogCode(chosenCode_, chosenPosition_);
    RadioGroup1.Clear();

    if (trayDeactivated_ && !notebookPending_) {
        view_.setTrayIcon(true);
        view_.mainWindow.SetFocus();
    }
}

void TForm3::RadioGroup1Click() {
    StatusBar1.SetCaption(
        AskDescription(view_.program.osKind, FullPosition(RadioGroup1.ItemIndex(), forceRemoved_)));
}

void TForm3::CheckBox2Click() {
    CheckBox3.SetEnabled(CheckBox2.Enabled() && CheckBox2.Checked());
}

void TForm3::EnableBoxes() {
    const bool runApplication = view_.CheckBox5.Checked() && !view_.Edit1.Text().empty();
    CheckBox2.SetEnabled(runApplication);
    CheckBox4.SetEnabled(view_.CheckBox6.Checked());
    CheckBox1.SetEnabled(!view_.Edit4.Text().empty());
    CheckBox5.SetEnabled(devices::AnyDeviceSelected(view_.program.DeviceTable));
    // A box of a task that will not run shows no tick.
    for (int number = 1; number <= kBoxCount; ++number) {
        if (number != 3 && !Box(number)->Enabled()) Box(number)->SetChecked(false);
    }
    if (!runApplication) CheckBox3.SetChecked(false);
    CheckBox2Click();
}

void TForm3::Resettolastshutdown1Click() {
    port::Platform& os = view_.program.os;
    EnableBoxes();
    const bool runApplication = CheckBox2.Enabled();
    if (runApplication) {
        CheckBox2.SetChecked(settings::ReadUserBool(os, kSection, "AskRunApplication", true));
        CheckBox3.SetChecked(
            settings::ReadUserBool(os, kSection, "AskNoWarning", view_.CheckBox13.Checked()));
    }
    if (CheckBox4.Enabled())
        CheckBox4.SetChecked(settings::ReadUserBool(os, kSection, "AskInitLocalDrives", true));
    if (CheckBox1.Enabled()) CheckBox1.SetChecked(settings::ReadUserBool(os, kSection, "AskEmptyDirs", true));
    if (CheckBox5.Enabled()) CheckBox5.SetChecked(settings::ReadUserBool(os, kSection, "DoEject", true));
    CheckBox2Click();
}

void TForm3::Resettodefault1Click() {
    EnableBoxes();
    if (CheckBox2.Enabled()) {
        CheckBox2.SetChecked(true);
        CheckBox3.SetChecked(view_.CheckBox13.Checked());
    }
    for (ui::CheckBox* box : {&CheckBox4, &CheckBox1, &CheckBox5}) {
        if (box->Enabled()) box->SetChecked(true);
    }
    CheckBox2Click();
}

void TForm3::Checkall1Click() {
    // In number order: ticking "- &Run Application" enables "&No Warning" before its turn.
    for (int number = 1; number <= kBoxCount; ++number) {
        if (Box(number)->Enabled()) Box(number)->SetChecked(true);
    }
}

void TForm3::Uncheckall1Click() {
    // The boxes enabled now, before clearing one disables another.
    std::vector<ui::CheckBox*> enabled;
    for (int number = 1; number <= kBoxCount; ++number) {
        if (Box(number)->Enabled()) enabled.push_back(Box(number));
    }
    for (ui::CheckBox* box : enabled)
        box->SetChecked(false);
}

void TForm3::SpeedButton1Click() {
    const ui::Form& main = view_.mainWindow;
    if (main.Visible() && main.State() != ui::WindowState::Minimized && !trayDeactivated_) {
        view_.openSettings();
    } else {
        notebookPending_ = true;
    }
    SetModalResult(kCancel);
}

AskOutcome ShowAskDialog(app::ProgramState& program) {
    TForm3* dialog = program.askForm;
    if (!dialog) return {};
    AskView& view = dialog->View();
    view.AskOrEmptyDialogVisible = true;
    const int result = dialog->ShowModal();
    view.AskOrEmptyDialogVisible = false;
    AskOutcome outcome;
    outcome.confirmed = result == kOk;
    outcome.code = dialog->ChosenCode();
    outcome.logCode = dialog->ChosenLogCode();
    outcome.openSettings = !outcome.confirmed && dialog->NotebookPending();
    return outcome;
}

void StoreAskOptions(app::ProgramState& program) {
    TForm3* dialog = program.askForm;
    if (!dialog) return;
    port::Platform& os = program.os;
    settings::WriteUserInt(os, kSection, "AskWindow", dialog->ChosenPosition());
    struct Stored {
        const ui::CheckBox& box;
        const char* name;
    };
    for (const Stored& s :
         {Stored{dialog->CheckBox2, "AskRunApplication"}, Stored{dialog->CheckBox3, "AskNoWarning"},
          Stored{dialog->CheckBox4, "AskInitLocalDrives"}, Stored{dialog->CheckBox1, "AskEmptyDirs"},
          Stored{dialog->CheckBox5, "DoEject"}}) {
        if (s.box.Enabled()) settings::WriteUserBool(os, kSection, s.name, s.box.Checked());
    }
}

void RunAskTasks(app::ProgramState& program) {
    TForm3* dialog = program.askForm;
    if (!dialog) return;
    AskView& view = dialog->View();
    EngineState& state = program.engine.state;
    if (view.CheckBox5.Checked() && Ticked(dialog->CheckBox2)) {
        int localState = 1;
        WatchdogView watchdog = view.watchdogView();
        RunWatchdogApplication(watchdog, kWatchdogRun, localState, state.pendingAskChoice,
                               dialog->CheckBox3.Enabled() && dialog->CheckBox3.Checked());
        if (localState != 1 || program.ended) {
            state.askResult = 2;
            return;
        }
    }
    if (Ticked(dialog->CheckBox1)) view.emptyDirectories();
    if (program.ended) return;
    if (Ticked(dialog->CheckBox5)) view.ejectDevices();
    if (program.ended) return;
    if (view.CheckBox6.Checked() && Ticked(dialog->CheckBox4)) InitLocalDrives(program.os);
}

void OpenSettingsAfterAsk(app::ProgramState& program) {
    TForm3* dialog = program.askForm;
    if (!dialog) return;
    AskView& view = dialog->View();
    // The icon the dialog took away comes back, so that the window returns from the tray.
    if (dialog->TrayDeactivated()) view.setTrayIcon(true);
    view.openSettings();
}

}  // namespace shutdown
