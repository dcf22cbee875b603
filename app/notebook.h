#pragma once
// The Settings notebook of the main window and the setting controls on its pages. The controls
// hold the current settings; the settings store moves them to and from the registry.
#include <string>
#include <vector>
#include "lib/viewers.h"
#include "settings/snapshot.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {

struct Notebook {
    explicit Notebook(ui::Form* form);

    // Pixels the window's client area grows while the notebook shows, so that every page fits.
    // The Timers page sets the height: five rows of controls and a track bar with its ticks.
    static constexpr int kNotebookGrowWidth = 0;
    static constexpr int kNotebookGrowHeight = 24;

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
    // The device prompts inside "Tasks:".
    ui::GroupBox GroupTaskDevices;

    ui::Panel Panel2;
    ui::Button Button2;  // "&Save"
    ui::Button Button4;  // "&Default"
    ui::Button Button3;  // "Ca&ncel"
    ui::SpinEdit SpinEdit1;

    // System tray.
    ui::CheckBox CheckBox10, CheckBox11;
    ui::TrackBar TrackBar2;
    ui::Label Label12;
    ui::Button Button5;  // "reset"
    // Graphic controls.
    ui::CheckBox CheckBox1, CheckBox3, CheckBox14;
    ui::SpeedButton SpeedButton5;  // "... center now"
    // Tasks, event log, beeper.
    ui::CheckBox CheckBox16, CheckBox20, CheckBox24, CheckBox25;
    ui::RadioButton RadioButton3, RadioButton4;
    ui::SpinEdit SpinEdit3, SpinEdit4;
    ui::SpeedButton SpeedButton9;  // "Show Log"
    ui::Label Label4;              // "sec. before Shutdown."
    // Hotkeys.
    ui::CheckBox CheckBox21, CheckBox22, CheckBox23;
    ui::ComboBox ComboBox2, ComboBox3, ComboBox4, ComboBox5;
    ui::Label Label8;   // "- &Use CTRL+ALT+"
    ui::Label Label16;  // "- Us&e:"
    ui::Label Label17;  // "+DrvL."
    ui::Label Label19;  // "- &Use: " and the device modifiers
    ui::Label Label18;  // "Device-HotKey."
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
    ui::Label Label9;  // "slee&p:"
    ui::Label Label10;
    ui::Label Label11;  // "ms"
    ui::Label Label13;  // "Separate with semicolon (;)"
    ui::Edit Edit4;
    ui::SpeedButton SpeedButton7;  // "Add Dir. ..."
    ui::SpeedButton SpeedButton3;  // "... add TMP Dir."
    ui::SpeedButton SpeedButton4;  // "now..."
    ui::CheckBox CheckBox17, CheckBox18, CheckBox19;
    ui::SpinEdit SpinEdit2;
    ui::CheckListBox CheckListBox1;
    ui::Image Image1;              // red LED: no medium
    ui::Image Image2;              // green LED: medium, same place
    ui::SpeedButton SpeedButton8;  // "Test"
    ui::Label Label14;             // "Time for rem&oving:"
    ui::Label Label2;              // "sec"
    ui::Label Label15;             // help for the current action
    // System: Control Panel copy, splash screens, Windows 98 boot.
    ui::CheckBox CheckBox15, CheckBox7, CheckBox8, CheckBox9, CheckBox26, CheckBox27;
    ui::Label Label3;  // "Alt. n&ame:"
    ui::Edit Edit3;
    ui::Button Button6;  // "... to Startmenu"
    ui::Button Button7;  // "remove"

    // The "?" buttons of the groups; each pops up the help file's tip for its context number.
    ui::SpeedButton SpeedButton10, SpeedButton11, SpeedButton12, SpeedButton13, SpeedButton14, SpeedButton15,
        SpeedButton16, SpeedButton17, SpeedButton18, SpeedButton19, SpeedButton20;
    std::vector<ui::SpeedButton*> HelpButtons();

    // Settings without a control on the pages: the device menus' "System &Hotkeys" items show
    // SysHotKeys; the viewers open the log file and directories.
    bool SysHotKeys = true;
    std::string TextViewer = lib::kTextViewer;
    std::string DirectoryViewer = lib::kDirectoryViewer;
    // Set while the settings load: the controls' handlers then ask nothing.
    bool LoadingSettings = false;
    // Taken when the notebook opens from the main view; "Ca&ncel" puts it back.
    settings::SettingsSnapshot snapshot;

  private:
    // One builder per tab: captions, hints, places and help numbers of its pages' controls.
    void BuildControlsTab();
    void BuildHotKeysTab();
    void BuildTimersTab();
    void BuildWatchdogsTab();
    void BuildSystemTab();
    void SetDesignState();
    // The next help context number of an option control, in page order.
    int NextHelpContext();
    // An option control as designed: its caption (none when empty), hint, place, and the next
    // help context number.
    void Option(ui::Widget& control, const std::string& caption, const std::string& hint, ui::Rect bounds);
    int nextHelpContext_ = 0;
};

}  // namespace app
