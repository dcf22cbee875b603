#pragma once
// What directory emptying reaches of the main window: the field, the mode list, the
// confirmation box and the status bar of the notebook, and the window state it looks at.
// Built by the main window (app/dirs_view.cpp).
#include <functional>
#include <string>
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace app {
struct ProgramState;
}

namespace dirs {

struct DirsView {
    app::ProgramState& program;
    ui::Form& mainWindow;
    ui::Edit& Edit4;             // the directory list
    ui::ComboBox& ComboBox2;     // the mode
    ui::CheckBox& CheckBox16;    // "Confirm &for empty Directories"
    ui::StatusBar& StatusBar2;   // panels 0 and 1 show the confirmation
    ui::Widget& GroupEmptyDirs;  // page 2 of the watchdogs tab
    ui::Widget& GroupTasks;      // the "Tasks:" page of the controls tab
    ui::Widget& SpeedButton7;    // "Add Dir. ..."
    ui::Widget& SpeedButton3;    // "... add TMP Dir."
    ui::Widget& SpeedButton4;    // "now...", where the dialog grows from when it opened it
    ui::Widget& SettingsButton;  // "Settings...", where it grows from otherwise
    ui::MenuItem& ExitItem;      // "E&xit": ends the program, saving the settings
    const std::string& DirectoryViewer;
    const bool& LoadingSettings;
    const ui::CheckBox& CheckBox14;  // "&Animated Windows"
    const ui::CheckBox& CheckBox3;   // "Enable &Hints in Windows"
    const ui::CheckBox& CheckBox19;  // "As&k before ejecting..."
    const ui::CheckBox& CheckBox18;  // "Inform &before retracting..."
    const bool& TrayIconActive;
    const bool& MainWindowAway;
    const bool& DeviceOperationRunning;
    bool& AskOrEmptyDialogVisible;
};

}  // namespace dirs
