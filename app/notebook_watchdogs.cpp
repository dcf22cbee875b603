// The "&Watchdogs" tab: run application and init drives, empty directories, device list.
#include "app/notebook.h"
#include "app/notebook_layout.h"
#include "ui/pictures.h"

namespace app {

using namespace layout;

void Notebook::BuildWatchdogsTab() {
    // 1 run application and init local drives
    MakeHelpButton(SpeedButton15, 10005);
    Option(CheckBox5, "&Run Application first:", " Start the application below\r before each shutdown.",
           {kLeft, kTop, 124, kRowHeight});
    Option(Edit1, "",
           " Full path of the application (with\r drive letter), optionally followed\r by its parameters.",
           {kLeft, 34, kRight - kLeft, kEditHeight});
    Option(CheckBox13, "No Warnin&g,",
           " Do not warn after the application\r has started; wait the time to the\r right instead.",
           {kLeft, 61, 82, kRowHeight});
    Label9.SetCaption("slee&p:");
    Label9.SetBounds(90, 63, 30, 13);
    Label10.alignment = ui::TextAlign::Right;
    Label10.SetHint(" Milliseconds to wait after the\r application has started.");
    Label10.SetBounds(122, 63, 34, 13);
    UpDown1.SetRange(-32768, 32767);
    UpDown1.wrap = true;
    Option(
        UpDown1, "",
        " Left mouse button: change the wait,\r hold for steps of 100.\r Right mouse button: steps of 1000.",
        {158, 59, 14, kEditHeight});
    Label11.SetCaption("ms");
    Label11.SetBounds(176, 63, 16, 13);
    Option(CheckBox6, "Init &local Drives",
           " Write and delete a small file on\r every local drive before shutdown,\r to wake them up.",
           {kLeft, 86, 98, kRowHeight});

    // 2 "Empty Directories:"
    Label13.SetCaption("Separate with semicolon (;)");
    Label13.SetBounds(kLeft, kTop, 170, 13);
    Edit4.maxLength = 1024;
    Option(Edit4, "", " Directories to empty before\r shutdown, separated by \";\".",
           {kLeft, 29, kRight - kLeft, kEditHeight});
    struct DirButton {
        ui::SpeedButton& button;
        const char* caption;
        const char* hint;
        int left, width;
    };
    for (DirButton b :
         {DirButton{SpeedButton7, "Add Dir. ...", " Choose a directory and add\r it to the list.", kLeft, 62},
          DirButton{SpeedButton3, "... add TMP Dir.", " Add the system's temporary\r folder to the list.", 72,
                    90},
          DirButton{SpeedButton4, "now...", " Empty the listed\r directories now.", 166, kRight - 166}}) {
        b.button.SetCaption(b.caption);
        b.button.SetHint(b.hint);
        b.button.SetBounds(b.left, 54, b.width, kEditHeight);
        b.button.SetHelpContext(NextHelpContext());
    }
    Option(ComboBox2, "",
           " How the directories are emptied. \"secure\"\r recreates and erases each deleted name three\r "
           "times; it does not overwrite the contents.",
           {kLeft, 80, 160, kEditHeight});

    // 3 the device list
    CheckListBox1.SetHint(
        " Choose ejectable/retractable devices:\r CD (95/NT)  = Atapi/SCSI CD-ROM\r RM (NT)       = SCSI "
        "Removable Device\r TapeX (NT) = SCSI Tape Device");
    CheckListBox1.SetBounds(kLeft, kTop, 106, 68);
    CheckListBox1.SetHelpContext(930);
    for (ui::Image* led : {&Image1, &Image2})
        led->SetBounds(118, 16, 15, 15);
    Image1.SetPicture(ui::kPictureLedRed);
    Image1.SetHint(" No medium in device / \r device not ready!");
    Image2.SetPicture(ui::kPictureLedGreen);
    Image2.SetHint(" Medium in device / \r device ready!");
    Option(SpeedButton8, "Test", " Press this button to test\r the chosen device.", {138, kTop, 44, 19});
    CheckBox17.SetCaption("&Eject, if insert");
    CheckBox17.SetHint(
        " Enable or disable, if the selected\r device shall only be considered,\r if a medium is insert in "
        "it, or generally\r open its door.");
    CheckBox17.SetBounds(118, 36, 92, kRowHeight);
    CheckBox17.SetHelpContext(940);
    Label14.SetCaption("Time for rem&oving:");
    Label14.SetBounds(118, 55, 100, 13);
    SpinEdit2.minValue = 1;
    SpinEdit2.maxValue = 99;
    SpinEdit2.maxLength = 2;
    SpinEdit2.SetHint(
        " Delay between ejecting (opening door)\r and retracting (closing door) for the\r chosen device.");
    SpinEdit2.SetBounds(118, 69, 40, kEditHeight);
    SpinEdit2.SetHelpContext(950);
    Label2.SetCaption("sec");
    Label2.SetBounds(162, 73, 20, 13);
    // Two lines of the widest help text fit; the frame shows where it appears.
    Label15.alignment = ui::TextAlign::Center;
    Label15.sunken = true;
    Label15.SetHint(" This field displays help\r for current actions.");
    Label15.SetBounds(kLeft, 93, kRight - kLeft, 29);
}

}  // namespace app
