#pragma once
// The Settings notebook of the main window and the setting controls on its pages. The controls
// hold the current settings; the settings store moves them to and from the registry.
#include <string>
#include "settings/snapshot.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {

struct Notebook {
    explicit Notebook(ui::Form* form);

    // Pixels the window's client area grows while the notebook shows, so that every page fits.
    static constexpr int kNotebookGrowWidth = 0;
    static constexpr int kNotebookGrowHeight = 0;

    ui::Panel Panel1;
    ui::PageControl PageControl1;
    ui::TabSheet TabSheet1;  // "&Controls"
    ui::TabSheet TabSheet5;  // "&HotKeys"
    ui::TabSheet TabSheet2;  // "&Timers"
    ui::TabSheet TabSheet3;  // "&Watchdogs"
    ui::TabSheet TabSheet4;  // "S&ystem"

    // Sub-pages: one group panel each.
    ui::GroupBox GroupTray, GroupGraphic, GroupTasks, GroupEventLog, GroupBeeper;
    ui::GroupBox GroupHotKeys1, GroupHotKeys2;
    ui::GroupBox GroupTimers;
    ui::GroupBox GroupRunInit, GroupEmptyDirs, GroupDevices;
    ui::GroupBox GroupCPanel, GroupSplash, GroupBoot;

    ui::Panel Panel2;
    ui::Button Button2;  // "&Save"
    ui::Button Button4;  // "&Default"
    ui::Button Button3;  // "Ca&ncel"
    ui::SpinEdit SpinEdit1;

    // System tray and graphic controls.
    ui::CheckBox CheckBox1, CheckBox3, CheckBox10, CheckBox11, CheckBox14;
    ui::TrackBar TrackBar2;
    ui::Label Label12;
    ui::SpeedButton SpeedButton5;
    // Tasks, event log, beeper.
    ui::CheckBox CheckBox16, CheckBox20, CheckBox24, CheckBox25;
    ui::RadioButton RadioButton3, RadioButton4;
    ui::SpinEdit SpinEdit3, SpinEdit4;
    // Hotkeys.
    ui::CheckBox CheckBox21, CheckBox22, CheckBox23;
    ui::ComboBox ComboBox2, ComboBox3, ComboBox4, ComboBox5;
    // Timers.
    ui::CheckBox CheckBox4, CheckBox12, CheckBox2;
    ui::RadioButton RadioButton1, RadioButton2;
    ui::UpDown UpDown2, UpDown3, UpDown4;
    ui::Label Label5, Label6, Label7;
    ui::Edit Edit2;
    ui::TrackBar TrackBar1;
    // Watchdogs: run application and init drives, empty directories, devices.
    ui::CheckBox CheckBox5, CheckBox13, CheckBox6;
    ui::Edit Edit1;
    ui::UpDown UpDown1;
    ui::Label Label10;
    ui::Edit Edit4;
    ui::CheckBox CheckBox17, CheckBox18, CheckBox19;
    ui::SpinEdit SpinEdit2;
    // System: Control Panel copy, splash screens, Windows 98 boot.
    ui::CheckBox CheckBox15, CheckBox7, CheckBox8, CheckBox9, CheckBox26, CheckBox27;
    ui::Edit Edit3;

    // Settings without a control on the pages: the device menus' "System &Hotkeys" items show
    // SysHotKeys; the viewers open the log file and directories.
    bool SysHotKeys = true;
    std::string TextViewer = "NOTEPAD.EXE";
    std::string DirectoryViewer = "EXPLORER.EXE";
    // Set while the settings load: the controls' handlers then ask nothing.
    bool LoadingSettings = false;
    // Taken when the notebook opens from the main view; "Ca&ncel" puts it back.
    settings::SettingsSnapshot snapshot;

  private:
    void SetDesignState();
};

}  // namespace app
