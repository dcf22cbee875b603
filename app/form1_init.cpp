// Creation of the main window: the one-time preparation and the start-up steps.
#include "app/form1.h"
#include "app/dirs_view.h"
#include "dirs/dirs_page.h"
#include "app/method_list.h"
#include "devices/drives.h"
#include "hotkeys/hotkeys_page.h"
#include "hotkeys/shutdown_hotkey.h"
#include "log/log_page.h"
#include "settings/settings_store.h"
#include "sysopts/system_options.h"
#include "timers/countdown.h"
#include "tray/tray_window.h"

namespace app {

void TForm1::PrepareMainWindow() {
    PrepareMethodList(*this);
    ComboBox2.SetItems({"normal + subdirs + h/s/r", "secure + subdirs + h/s/r", "normal + subdirs",
                        "secure + subdirs", "normal + h/s/r", "secure + h/s/r", "normal", "secure"});
    ComboBox2.SetItemIndex(0);
    std::vector<std::string> letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters.emplace_back(1, c);
    for (char c = '0'; c <= '9'; ++c)
        letters.emplace_back(1, c);
    ComboBox3.SetItems(letters);
    ComboBox3.SetItemIndex(3);
    ComboBox4.SetItems({"Shift+CTRL", "Shift+ALT", "Shift+CTRL+ALT", "CTRL", "ALT"});
    ComboBox4.SetItemIndex(0);

    int functionKeys = os().system.GetKeyboardType(2);
    std::vector<std::string> keys;
    for (int i = 1; i <= functionKeys; ++i)
        keys.push_back("F" + std::to_string(i));
    if (keys.empty()) keys.push_back("F?");
    ComboBox5.SetItems(keys);
    ComboBox5.SetItemIndex(0);

    BindNotebook();
    BindTimers();

    HiddenStart = true;
    MainActionGate = true;
    const OsKind kind = program.osKind;
    if (kind == osNT3) {
        for (ui::Widget* shellOnly :
             std::initializer_list<ui::Widget*>{&CheckBox10, &CheckBox11, &TrackBar2, &CheckBox14, &CheckBox2,
                                                &CheckBox15, &Edit3, &Button6, &Button7}) {
            shellOnly->SetEnabled(false);
        }
    }
    if (!IsWin9x(kind)) Page6.enabled = false;
    if (kind != osWin98) Win98ReBoot1.enabled = false;
    tray::BindTrayMenu(*this);
    const sysopts::SystemOptionsView systemOptions{
        os(),       program.osKind, CheckBox7, CheckBox8, CheckBox9,  CheckBox26,     CheckBox27,
        CheckBox15, Edit3,          Button6,   Button7,   StatusBar1, LoadingSettings};
    sysopts::BindSystemOptions(systemOptions);
    sysopts::ApplySystemOptions(systemOptions);
}

void TForm1::InitForm1() {
    PrepareMainWindow();
    eventlog::BindLogPage(*this);
    hotkeys::BindHotkeysPage(Hotkeys());
    dirs::BindDirsPage(MakeDirsView(*this));
    devices::BindDevices(*this);
    settings::SetDefaultSettings(*this);
    WindowTop = CentredTop();
    WindowLeft = CentredLeft();
    program.application.helpFile = program.ProgramDir() + "RVLN.HLP";
    settings::LoadSettings(*this);
    // The hotkey belongs to the main window, and from here on the steps reach native windows.
    CreateDeferredPeers();
    hotkeys::RegisterShutdownHotkeyAtStartup(Hotkeys());

    const port::WindowId appWindow = program.application.Handle();
    os().taskbar.ShowWindow(appWindow, CheckBox10.Checked() ? port::kSwHide : port::kSwShowNormal);
    devices::RefreshDeviceMenus(*this);

    if (CheckBox1.Checked()) {
        WindowTop = CentredTop();
        WindowLeft = CentredLeft();
    }
    SetBounds(WindowLeft, WindowTop, Width(), Height());

    if (RadioButton1.Checked()) {
        timers::SyncTrackBarFromTime(TimersView());
    } else {
        timers::SyncTrackBarFromSeconds(TimersView());
    }
    TrackBar1.SetHint(RadioButton1.Checked()
                          ? " Set >Shut down at< intervals.\r One interval represents 5 min."
                          : " Set >Shut down in< intervals.\r One interval represents 1 hour.");
    if (CheckBox4.Checked()) {
        timers::ShowTimerControls(TimersView());
    } else {
        timers::EnableTimerInputs(TimersView(), false);
    }

    if (IsWin9x(program.osKind)) {
        StatusBar1.SetPanelText(4, CheckBox7.Checked() ? "" : "LS");
        StatusBar1.SetPanelText(5, CheckBox8.Checked() ? "" : "L1");
        StatusBar1.SetPanelText(6, CheckBox9.Checked() ? "" : "L2");
    } else {
        for (ui::CheckBox* logo : {&CheckBox7, &CheckBox8, &CheckBox9}) {
            logo->SetChecked(false);
            logo->SetEnabled(false);
        }
    }
    // Windows 95 has the logos but neither boot switch.
    if (program.osKind != osWin98) {
        CheckBox26.SetEnabled(false);
        CheckBox27.SetEnabled(false);
    }
    UpdateStatusLabel(*this);

    const std::string first = program.FirstParameter();
    const bool trayCapable = program.osKind == osNT4 || IsWin9x(program.osKind);
    if (CheckBox10.Checked() && trayCapable && first != "/Q" && first != "/S") tray::MoveToTray(*this, false);
    timers::AutoStartCountdown(TimersView());

    if (first == "/S") {
        starting_ = true;
        OpenSettingsNotebook(0);
        starting_ = false;
    }

    TrayIconWasActive = TrayIconActive();
    PreviousMethodIndex = ComboBox1.ItemIndex();
    if (program.DeviceTable.DeviceCount() == 0) {
        CheckBox19.SetEnabled(false);
        CheckBox18.SetEnabled(false);
    }
    program.application.SetOnMessage(
        [this](const port::Message& msg, bool& handled) { AppMessage(msg, handled); });
}

}  // namespace app
