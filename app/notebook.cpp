#include "app/notebook.h"

namespace app {

Notebook::Notebook(ui::Form* form)
    : Panel1(form, "Panel1"),
      PageControl1(&Panel1, "PageControl1"),
      TabSheet1(&PageControl1, "TabSheet1"),
      TabSheet5(&PageControl1, "TabSheet5"),
      TabSheet2(&PageControl1, "TabSheet2"),
      TabSheet3(&PageControl1, "TabSheet3"),
      TabSheet4(&PageControl1, "TabSheet4"),
      GroupTray(&TabSheet1, "GroupTray"),
      GroupGraphic(&TabSheet1, "GroupGraphic"),
      GroupTasks(&TabSheet1, "GroupTasks"),
      GroupEventLog(&TabSheet1, "GroupEventLog"),
      GroupBeeper(&TabSheet1, "GroupBeeper"),
      GroupHotKeys1(&TabSheet5, "GroupHotKeys1"),
      GroupHotKeys2(&TabSheet5, "GroupHotKeys2"),
      GroupTimers(&TabSheet2, "GroupTimers"),
      GroupRunInit(&TabSheet3, "GroupRunInit"),
      GroupEmptyDirs(&TabSheet3, "GroupEmptyDirs"),
      GroupDevices(&TabSheet3, "GroupDevices"),
      GroupCPanel(&TabSheet4, "GroupCPanel"),
      GroupSplash(&TabSheet4, "GroupSplash"),
      GroupBoot(&TabSheet4, "GroupBoot"),
      Panel2(&Panel1, "Panel2"),
      Button2(&Panel2, "Button2"),
      Button4(&Panel2, "Button4"),
      Button3(&Panel2, "Button3"),
      SpinEdit1(&Panel2, "SpinEdit1"),
      CheckBox1(&GroupTray, "CheckBox1"),
      CheckBox3(&GroupTray, "CheckBox3"),
      CheckBox10(&GroupTray, "CheckBox10"),
      CheckBox11(&GroupTray, "CheckBox11"),
      CheckBox14(&GroupGraphic, "CheckBox14"),
      TrackBar2(&GroupTray, "TrackBar2"),
      Label12(&GroupTray, "Label12"),
      SpeedButton5(&GroupTray, "SpeedButton5"),
      CheckBox16(&GroupTasks, "CheckBox16"),
      CheckBox20(&GroupEventLog, "CheckBox20"),
      CheckBox24(&GroupBeeper, "CheckBox24"),
      CheckBox25(&GroupBeeper, "CheckBox25"),
      RadioButton3(&GroupEventLog, "RadioButton3"),
      RadioButton4(&GroupEventLog, "RadioButton4"),
      SpinEdit3(&GroupEventLog, "SpinEdit3"),
      SpinEdit4(&GroupBeeper, "SpinEdit4"),
      CheckBox21(&GroupHotKeys1, "CheckBox21"),
      CheckBox22(&GroupHotKeys2, "CheckBox22"),
      CheckBox23(&GroupHotKeys2, "CheckBox23"),
      ComboBox2(&GroupHotKeys1, "ComboBox2"),
      ComboBox3(&GroupHotKeys1, "ComboBox3"),
      ComboBox4(&GroupHotKeys2, "ComboBox4"),
      ComboBox5(&GroupHotKeys2, "ComboBox5"),
      CheckBox4(&GroupTimers, "CheckBox4"),
      CheckBox12(&GroupTimers, "CheckBox12"),
      CheckBox2(&GroupTimers, "CheckBox2"),
      RadioButton1(&GroupTimers, "RadioButton1"),
      RadioButton2(&GroupTimers, "RadioButton2"),
      UpDown2(&GroupTimers, "UpDown2"),
      UpDown3(&GroupTimers, "UpDown3"),
      UpDown4(&GroupTimers, "UpDown4"),
      Label5(&GroupTimers, "Label5"),
      Label6(&GroupTimers, "Label6"),
      Label7(&GroupTimers, "Label7"),
      Edit2(&GroupTimers, "Edit2"),
      TrackBar1(&GroupTimers, "TrackBar1"),
      CheckBox5(&GroupRunInit, "CheckBox5"),
      CheckBox13(&GroupRunInit, "CheckBox13"),
      CheckBox6(&GroupRunInit, "CheckBox6"),
      Edit1(&GroupRunInit, "Edit1"),
      UpDown1(&GroupRunInit, "UpDown1"),
      Label10(&GroupRunInit, "Label10"),
      Edit4(&GroupEmptyDirs, "Edit4"),
      CheckBox17(&GroupDevices, "CheckBox17"),
      CheckBox18(&GroupDevices, "CheckBox18"),
      CheckBox19(&GroupDevices, "CheckBox19"),
      SpinEdit2(&GroupDevices, "SpinEdit2"),
      CheckBox15(&GroupCPanel, "CheckBox15"),
      CheckBox7(&GroupSplash, "CheckBox7"),
      CheckBox8(&GroupSplash, "CheckBox8"),
      CheckBox9(&GroupSplash, "CheckBox9"),
      CheckBox26(&GroupBoot, "CheckBox26"),
      CheckBox27(&GroupBoot, "CheckBox27"),
      Edit3(&GroupCPanel, "Edit3") {
    Panel1.SetVisible(false);
    Panel1.SetHelpContext(90);
    PageControl1.SetAlign(ui::Align::Client);
    PageControl1.SetHelpContext(80);
    TabSheet1.SetCaption("&Controls (1/5)");
    TabSheet5.SetCaption("&HotKeys (1/2)");
    TabSheet2.SetCaption("&Timers");
    TabSheet3.SetCaption("&Watchdogs (1/3)");
    TabSheet4.SetCaption("S&ystem (1/3)");
    TabSheet1.SetHelpContext(100);
    TabSheet2.SetHelpContext(110);
    TabSheet3.SetHelpContext(120);
    TabSheet4.SetHelpContext(130);
    for (ui::TabSheet* sheet : PageControl1.Pages())
        sheet->SetAlign(ui::Align::Client);
    PageControl1.SetActivePageIndex(0);

    GroupTray.SetCaption("System Tray ( -Icon ):");
    GroupGraphic.SetCaption("Graphic Controls:");
    GroupTasks.SetCaption("Tasks:");
    GroupEventLog.SetCaption("Event Log:");
    GroupBeeper.SetCaption("Beeper:");
    GroupHotKeys1.SetCaption("System HotKeys [1/2]:");
    GroupHotKeys2.SetCaption("System HotKeys [2/2]:");
    GroupTimers.SetCaption("Timers:");
    GroupRunInit.SetCaption("Run Application && Init Drives:");
    GroupEmptyDirs.SetCaption("Empty Directories:");
    GroupDevices.SetCaption("Device &Manager:");
    GroupCPanel.SetCaption("Copy Control Panel:");
    GroupSplash.SetCaption("Windows\xC2\xAE 95/98 SplashScr.:");
    GroupBoot.SetCaption("Windows\xC2\xAE 98 (Re-)Boot:");
    // Each tab shows its first sub-page.
    for (ui::GroupBox* first : {&GroupTray, &GroupHotKeys1, &GroupTimers, &GroupRunInit, &GroupCPanel}) {
        first->SetAlign(ui::Align::Client);
    }
    for (ui::GroupBox* other : {&GroupGraphic, &GroupTasks, &GroupEventLog, &GroupBeeper, &GroupHotKeys2,
                                &GroupEmptyDirs, &GroupDevices, &GroupSplash, &GroupBoot}) {
        other->SetVisible(false);
        other->SetAlign(ui::Align::Client);
    }

    Panel2.SetHeight(32);
    Panel2.SetAlign(ui::Align::Bottom);
    Button2.SetCaption("&Save");
    Button2.SetHint("Save all settings");
    Button2.SetHelpContext(400);
    Button4.SetCaption("&Default");
    Button4.SetHint("Reset all pages to defaults");
    Button4.SetHelpContext(410);
    Button3.SetCaption("Ca&ncel");
    Button3.SetHint("Undo all changes");
    Button3.SetHelpContext(420);
    Button2.SetBounds(4, 4, 56, 24);
    Button4.SetBounds(64, 4, 56, 24);
    Button3.SetBounds(124, 4, 56, 24);
    SpinEdit1.SetBounds(188, 5, 40, 22);
    SpinEdit1.maxLength = 1;
    SpinEdit1.minValue = 1;
    SpinEdit1.maxValue = 5;
    SpinEdit1.SetText("1");
    SpinEdit1.SetHint(" Change the current page number.");
    SpinEdit1.SetHelpContext(390);

    CheckBox1.SetCaption("Start ce&ntered");
    CheckBox3.SetCaption("Enable &Hints in Windows");
    CheckBox10.SetCaption("&Always start in System Tray");
    CheckBox11.SetCaption("Icon ani&mation, - speed:");
    CheckBox14.SetCaption("&Animated Windows");
    SpeedButton5.SetCaption("... center now");
    TrackBar2.SetRange(1, 2000);
    CheckBox16.SetCaption("Confirm &for empty Directories");
    CheckBox20.SetCaption("Ena&ble Logging:");
    RadioButton3.SetCaption("to RVLN.LOG,ma&x Kb:");
    RadioButton4.SetCaption("to NT's Syste&m Event-Log");
    SpinEdit3.minValue = 32;
    SpinEdit3.maxValue = 992;
    SpinEdit3.increment = 32;
    SpinEdit3.maxLength = 3;
    CheckBox24.SetCaption("&Beep:");
    CheckBox25.SetCaption("F&lash Window:");
    SpinEdit4.minValue = 1;
    SpinEdit4.maxValue = 59;
    CheckBox21.SetCaption("Auto. rema&p {D} HKey.");
    CheckBox22.SetCaption("Auto. re&map Device's HKeys.");
    CheckBox23.SetCaption("Aut&o. remap \"All, (if insert)...\"");
    CheckBox4.SetCaption("&Enable Timer:");
    CheckBox12.SetCaption("&Run at Start");
    CheckBox2.SetCaption("Invisible, if \"Run at Start\"");
    RadioButton1.SetCaption("Shutdown &at:");
    RadioButton2.SetCaption("Shutdown &in:");
    UpDown2.SetRange(0, 23);
    UpDown3.SetRange(0, 59);
    UpDown4.SetRange(0, 59);
    UpDown2.wrap = UpDown3.wrap = UpDown4.wrap = true;
    Edit2.maxLength = 7;
    CheckBox5.SetCaption("&Run Application first:");
    CheckBox13.SetCaption("No Warnin&g,");
    CheckBox6.SetCaption("Init &local Drives");
    UpDown1.SetRange(-32768, 32767);
    UpDown1.wrap = true;
    CheckBox17.SetCaption("&Eject, if insert");
    CheckBox18.SetCaption("Inform &before retracting...");
    CheckBox19.SetCaption("As&k before ejecting...");
    SpinEdit2.minValue = 1;
    SpinEdit2.maxValue = 99;
    SpinEdit2.maxLength = 2;
    CheckBox15.SetCaption("&private");
    CheckBox7.SetCaption("Disable Start&Up-Logo");
    CheckBox8.SetCaption("Disable &1st Shutdown-Logo");
    CheckBox9.SetCaption("Disable &2nd Shutdown-Logo");
    CheckBox26.SetCaption("Disable A&utoScan HDs");
    CheckBox27.SetCaption("Disable Fast &Reboot");
    Edit3.maxLength = 255;
    Edit4.maxLength = 1024;
    SpinEdit4.maxLength = 2;
    TrackBar1.SetRange(1, 24);
    SetDesignState();
}

// The state the form is designed with; the settings defaults start from the same values.
void Notebook::SetDesignState() {
    for (ui::CheckBox* on : {&CheckBox1, &CheckBox3, &CheckBox11, &CheckBox14, &CheckBox16, &CheckBox18,
                             &CheckBox20, &CheckBox21, &CheckBox22, &CheckBox23, &CheckBox25}) {
        on->SetChecked(true);
    }
    for (ui::Widget* off :
         std::initializer_list<ui::Widget*>{&CheckBox2, &CheckBox12, &CheckBox13, &CheckBox24, &CheckBox25,
                                            &SpinEdit4, &CheckBox17, &SpinEdit2}) {
        off->SetEnabled(false);
    }
    RadioButton2.SetChecked(true);
    RadioButton3.SetChecked(true);
    for (ui::Label* time : {&Label5, &Label6, &Label7, &Label10})
        time->SetCaption("00");
    UpDown1.SetPosition(-32768);
    TrackBar1.SetPosition(1);
    TrackBar2.SetPosition(180);
    Label12.SetCaption("180");
    Edit2.SetText("60");
    Edit3.SetText("Control Panel");
    SpinEdit2.SetValue(20);
    SpinEdit3.SetValue(64);
    SpinEdit4.SetValue(20);
}

}  // namespace app
