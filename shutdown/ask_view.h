#pragma once
// What the ask dialog reads and calls of the main window (built by app/ask_view.cpp).
#include <functional>
#include "shutdown/watchdog.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
struct ProgramState;
}

namespace shutdown {

struct AskView {
    app::ProgramState& program;
    ui::Form& mainWindow;
    const ui::Widget& Button1;       // the main button: the dialog grows out of it
    const ui::ComboBox& ComboBox1;   // the method list
    int askEntry;                    // the ASK entry's position in it
    const ui::CheckBox& CheckBox3;   // "Enable &Hints in Windows"
    const ui::CheckBox& CheckBox5;   // "&Run Application first:"
    const ui::Edit& Edit1;           // its command
    const ui::CheckBox& CheckBox13;  // "No Warnin&g,"
    const ui::CheckBox& CheckBox6;   // "Init &local Drives"
    const ui::Edit& Edit4;           // the directories to empty
    const ui::CheckBox& CheckBox14;  // "&Animated Windows"
    const bool& TrayIconActive;
    const bool& MainWindowAway;
    bool& AskOrEmptyDialogVisible;
    std::function<void(bool active)> setTrayIcon;
    // The settings notebook at its first tab "&Controls (1/5)".
    std::function<void()> openSettings;
    std::function<WatchdogView()> watchdogView;
    std::function<void()> emptyDirectories;
    std::function<void()> ejectDevices;
    std::function<void()> stopCountdown;
    std::function<void()> refreshTrayHint;
};

}  // namespace shutdown
