// The "&Controls" tab: system tray, graphic controls, tasks, event log and beeper.
#include "app/notebook.h"
#include "app/notebook_layout.h"

namespace app {

using namespace layout;

void Notebook::BuildControlsTab() {
    // 1 "System Tray ( -Icon ):"
    MakeHelpButton(SpeedButton16, 10000);
    CheckBox10.SetCaption("&Always start in System Tray");
    CheckBox10.SetHint(" Start Ravelin as an icon in the\r system tray, each time Windows\r starts.");
    CheckBox10.SetBounds(kLeft, kTop, 160, kRowHeight);
    CheckBox10.SetHelpContext(NextHelpContext());
    CheckBox11.SetCaption("Icon ani&mation, - speed:");
    CheckBox11.SetHint(" Animate the icon in the system tray\r with the speed set below.");
    CheckBox11.SetBounds(kLeft, 37, 136, kRowHeight);
    CheckBox11.SetHelpContext(NextHelpContext());
    Label12.SetHint(" Milliseconds between two pictures\r of the tray icon's animation.");
    Label12.alignment = ui::TextAlign::Right;
    Label12.SetBounds(144, 39, 28, 13);
    Button5.SetCaption("reset");
    Button5.SetHint(" Reset the animation speed\r to 180 milliseconds.");
    Button5.SetBounds(176, 35, 45, kEditHeight);
    Button5.SetHelpContext(NextHelpContext());
    TrackBar2.SetRange(1, 2000);
    TrackBar2.frequency = 100;
    TrackBar2.SetHint(" Set the speed of the tray icon's\r animation (1 to 2000 milliseconds).");
    TrackBar2.SetBounds(kLeft, 60, kRight - kLeft, 26);
    TrackBar2.SetHelpContext(NextHelpContext());

    // 2 "Graphic Controls:"
    MakeHelpButton(SpeedButton13, 10003);
    CheckBox1.SetCaption("Start ce&ntered");
    CheckBox1.SetHint(" Always start centered on the\r screen.");
    CheckBox1.SetBounds(kLeft, kTop, 90, kRowHeight);
    CheckBox1.SetHelpContext(NextHelpContext());
    SpeedButton5.SetCaption("... center now");
    SpeedButton5.SetHint(" Center this window now!");
    SpeedButton5.SetBounds(100, kTop, 80, 19);
    SpeedButton5.SetHelpContext(NextHelpContext());
    CheckBox14.SetCaption("&Animated Windows");
    CheckBox14.SetHint(" Enable or disable animation\r of the main window and\r some other windows.");
    CheckBox14.SetBounds(kLeft, 37, 112, kRowHeight);
    CheckBox14.SetHelpContext(NextHelpContext());
    CheckBox3.SetCaption("Enable &Hints in Windows");
    CheckBox3.SetHint(" Enable or disable these hints\r for (nearly) all controls.");
    CheckBox3.SetBounds(kLeft, 60, 142, kRowHeight);
    CheckBox3.SetHelpContext(NextHelpContext());
    // The hints have a tip of their own, beside their switch.
    MakeHelpButton(SpeedButton18, 10007, 60);

    // 3 "Tasks:"
    MakeHelpButton(SpeedButton12, 10002);
    CheckBox16.SetCaption("Confirm &for empty Directories");
    CheckBox16.SetHint(
        " Ask for a confirmation before the\r directories of \"Watchdogs\" page 2\r are emptied.");
    CheckBox16.SetBounds(kLeft, kTop, 168, kRowHeight);
    CheckBox16.SetHelpContext(NextHelpContext());
    GroupTaskDevices.SetCaption("Devices:");
    GroupTaskDevices.SetBounds(kLeft, 36, kRight - kLeft, 58);
    CheckBox19.SetCaption("As&k before ejecting...");
    CheckBox19.SetHint(
        " Check this - and you always will get\r a dialog for confirmation, that the\r chosen device is "
        "about to "
        "be\r ejected.");
    CheckBox19.SetBounds(8, kTop, 150, kRowHeight);
    CheckBox19.SetHelpContext(970);
    CheckBox18.SetCaption("Inform &before retracting...");
    CheckBox18.SetHint(
        " Check this - and you always will get\r a dialog, that the chosen device is\r ready for to be "
        "retracted.");
    CheckBox18.SetBounds(8, 34, 150, kRowHeight);
    CheckBox18.SetHelpContext(980);

    // 4 "Event Log:"
    CheckBox20.SetCaption("Ena&ble Logging:");
    CheckBox20.SetHint(" Write an entry for each shutdown\r into the event log.");
    CheckBox20.SetBounds(kLeft, kTop, 100, kRowHeight);
    CheckBox20.SetHelpContext(NextHelpContext());
    SpeedButton9.SetCaption("Show Log");
    SpeedButton9.SetHint(" Show the logfile RVLN.LOG\r in the text viewer.");
    SpeedButton9.SetBounds(161, kTop, 60, kEditHeight);
    SpeedButton9.SetHelpContext(NextHelpContext());
    RadioButton3.SetCaption("to RVLN.LOG,ma&x Kb:");
    RadioButton3.SetHint(
        " Log into the file RVLN.LOG in the\r program's folder, up to the size\r set to the right.");
    RadioButton3.SetBounds(kIndent, 40, 132, kRowHeight);
    RadioButton3.SetHelpContext(NextHelpContext());
    SpinEdit3.minValue = 32;
    SpinEdit3.maxValue = 992;
    SpinEdit3.increment = 32;
    SpinEdit3.maxLength = 3;
    SpinEdit3.SetHint(" Maximum size of the logfile\r in KB (32 to 992).");
    SpinEdit3.SetBounds(154, 38, 52, kEditHeight);
    SpinEdit3.SetHelpContext(NextHelpContext());
    RadioButton4.SetCaption("to NT's Syste&m Event-Log");
    RadioButton4.SetHint(" Log into the application event\r log of Windows NT.");
    RadioButton4.SetBounds(kIndent, 63, 152, kRowHeight);
    RadioButton4.SetHelpContext(NextHelpContext());

    // 5 "Beeper:"
    MakeHelpButton(SpeedButton19, 10008);
    CheckBox24.SetCaption("&Beep:");
    CheckBox24.SetHint(
        " Check this, if you want to get an acoustic\r signal before Ravelin shuts\r down the computer.");
    CheckBox24.SetBounds(kLeft, kTop, 60, kRowHeight);
    CheckBox24.SetHelpContext(NextHelpContext());
    CheckBox25.SetCaption("F&lash Window:");
    CheckBox25.SetHint(
        " Check this, if you want to get an optical\r signal before Ravelin shuts\r down the computer.");
    CheckBox25.SetBounds(kLeft, 35, 96, kRowHeight);
    CheckBox25.SetHelpContext(NextHelpContext());
    SpinEdit4.minValue = 1;
    SpinEdit4.maxValue = 59;
    SpinEdit4.maxLength = 2;
    SpinEdit4.SetHint(" Specify the number of seconds\r the signal shall warn you before\r shutdown.");
    SpinEdit4.SetBounds(kLeft, 57, 40, kEditHeight);
    SpinEdit4.SetHelpContext(NextHelpContext());
    Label4.SetCaption("sec. before Shutdown.");
    Label4.SetBounds(50, 61, 140, 13);
}

}  // namespace app
