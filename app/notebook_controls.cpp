// The "&Controls" tab: system tray, graphic controls, tasks, event log and beeper.
#include "app/notebook.h"
#include "app/notebook_layout.h"

namespace app {

using namespace layout;

void Notebook::BuildControlsTab() {
    // 1 "System Tray ( -Icon ):"
    MakeHelpButton(SpeedButton16, 10000);
    Option(CheckBox10, "&Always start in System Tray",
           " Start Ravelin as an icon in the\r system tray, each time Windows\r starts.",
           {kLeft, kTop, 160, kRowHeight});
    Option(CheckBox11,
           "Icon ani&mation, - speed:", " Animate the icon in the system tray\r with the speed set below.",
           {kLeft, 37, 136, kRowHeight});
    Label12.SetHint(" Milliseconds between two pictures\r of the tray icon's animation.");
    Label12.alignment = ui::TextAlign::Right;
    Label12.SetBounds(144, 39, 28, 13);
    Option(Button5, "reset", " Reset the animation speed\r to 180 milliseconds.", {176, 35, 45, kEditHeight});
    TrackBar2.SetRange(1, 2000);
    TrackBar2.frequency = 100;
    Option(TrackBar2, "", " Set the speed of the tray icon's\r animation (1 to 2000 milliseconds).",
           {kLeft, 60, kRight - kLeft, 26});

    // 2 "Graphic Controls:"
    MakeHelpButton(SpeedButton13, 10003);
    Option(CheckBox1, "Start ce&ntered", " Always start centered on the\r screen.",
           {kLeft, kTop, 90, kRowHeight});
    Option(SpeedButton5, "... center now", " Center this window now!", {100, kTop, 80, 19});
    Option(CheckBox14, "&Animated Windows",
           " Enable or disable animation\r of the main window and\r some other windows.",
           {kLeft, 37, 112, kRowHeight});
    Option(CheckBox3, "Enable &Hints in Windows",
           " Enable or disable these hints\r for (nearly) all controls.", {kLeft, 60, 142, kRowHeight});
    // The hints have a tip of their own, beside their switch.
    MakeHelpButton(SpeedButton18, 10007, 60);

    // 3 "Tasks:"
    MakeHelpButton(SpeedButton12, 10002);
    Option(CheckBox16, "Confirm &for empty Directories",
           " Ask for a confirmation before the\r directories of \"Watchdogs\" page 2\r are emptied.",
           {kLeft, kTop, 168, kRowHeight});
    GroupTaskDevices.SetCaption("Devices:");
    GroupTaskDevices.SetBounds(kLeft, 36, kRight - kLeft, 58);
    CheckBox19.SetCaption("As&k before ejecting...");
    CheckBox19.SetHint(
        " Check this - and you always will get\r a dialog for confirmation, that the\r chosen device is "
        "about to be\r ejected.");
    CheckBox19.SetBounds(8, kTop, 150, kRowHeight);
    CheckBox19.SetHelpContext(970);
    CheckBox18.SetCaption("Inform &before retracting...");
    CheckBox18.SetHint(
        " Check this - and you always will get\r a dialog, that the chosen device is\r ready for to be "
        "retracted.");
    CheckBox18.SetBounds(8, 34, 150, kRowHeight);
    CheckBox18.SetHelpContext(980);

    // 4 "Event Log:"
    Option(CheckBox20, "Ena&ble Logging:", " Write an entry for each shutdown\r into the event log.",
           {kLeft, kTop, 100, kRowHeight});
    Option(SpeedButton9, "Show Log", " Show the logfile RVLN.LOG\r in the text viewer.",
           {161, kTop, 60, kEditHeight});
    Option(RadioButton3, "to RVLN.LOG,ma&x Kb:",
           " Log into the file RVLN.LOG in the\r program's folder, up to the size\r set to the right.",
           {kIndent, 40, 132, kRowHeight});
    SpinEdit3.minValue = 32;
    SpinEdit3.maxValue = 992;
    SpinEdit3.increment = 32;
    SpinEdit3.maxLength = 3;
    Option(SpinEdit3, "", " Maximum size of the logfile\r in KB (32 to 992).", {154, 38, 52, kEditHeight});
    Option(RadioButton4, "to NT's Syste&m Event-Log", " Log into the application event\r log of Windows NT.",
           {kIndent, 63, 152, kRowHeight});

    // 5 "Beeper:"
    MakeHelpButton(SpeedButton19, 10008);
    Option(CheckBox24, "&Beep:",
           " Check this, if you want to get an acoustic\r signal before Ravelin shuts\r down the computer.",
           {kLeft, kTop, 60, kRowHeight});
    Option(CheckBox25, "F&lash Window:",
           " Check this, if you want to get an optical\r signal before Ravelin shuts\r down the computer.",
           {kLeft, 35, 96, kRowHeight});
    SpinEdit4.minValue = 1;
    SpinEdit4.maxValue = 59;
    SpinEdit4.maxLength = 2;
    Option(SpinEdit4, "", " Specify the number of seconds\r the signal shall warn you before\r shutdown.",
           {kLeft, 57, 40, kEditHeight});
    Label4.SetCaption("sec. before Shutdown.");
    Label4.SetBounds(50, 61, 140, 13);
}

}  // namespace app
