#pragma once
// What the countdown and the Timers page work on: the main window's timer controls, the page's
// fields and the window-wide flags they share, gathered by the main window.
#include <cstdint>
#include "app/os_kind.h"
#include "ports/platform.h"
#include "timers/countdown_core.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace app {
class TForm1;
}
namespace shutdown {
class Engine;
}

namespace timers {

struct TimerView {
    app::TForm1& form;  // passed on to the tray's hooks only
    port::Platform& os;
    ui::Application& application;
    shutdown::Engine& engine;
    app::OsKind osKind;
    const bool& programEnded;
    Countdown& counter;

    // Main view.
    ui::Form& window;
    ui::Button& Button1;
    ui::ComboBox& ComboBox1;
    ui::SpeedButton& SpeedButton2;  // "Pause timer"
    ui::SpeedButton& SpeedButton1;  // "Stop timer"
    ui::ProgressBar& ProgressBar1;
    ui::StatusBar& StatusBar1;
    ui::Timer& Timer1;

    // Timers page, and the options of other pages the countdown reads.
    ui::CheckBox& CheckBox4;   // "&Enable Timer:"
    ui::CheckBox& CheckBox12;  // "&Run at Start"
    ui::CheckBox& CheckBox2;   // invisible start
    ui::CheckBox& CheckBox10;  // "&Always start in System Tray"
    ui::CheckBox& CheckBox14;  // "&Animated Windows"
    ui::CheckBox& CheckBox24;  // "&Beep:"
    ui::CheckBox& CheckBox25;  // "F&lash Window:"
    ui::SpinEdit& SpinEdit4;   // lead time
    ui::Label& Label4;         // "sec. before Shutdown."
    ui::RadioButton& RadioButton1;
    ui::RadioButton& RadioButton2;
    ui::UpDown& UpDown2;
    ui::UpDown& UpDown3;
    ui::UpDown& UpDown4;
    ui::Label& Label5;
    ui::Label& Label6;
    ui::Label& Label7;
    ui::Edit& Edit2;
    ui::TrackBar& TrackBar1;

    // Window-wide flags.
    bool& CountdownRunning;
    bool& HiddenStart;
    bool& InvisibleStart;
    std::uint8_t& PendingMethodCode;
    bool& ActivatedFromTray;
    const bool& TrayIconActive;
    const bool& MinimizedToTaskBar;
    const bool& LoadingSettings;
};

}  // namespace timers
