// The "&HotKeys" and "&Timers" tabs.
#include "app/notebook.h"
#include "app/notebook_layout.h"

namespace app {

using namespace layout;

void Notebook::BuildHotKeysTab() {
    // 1 "System HotKeys [1/2]:"
    MakeHelpButton(SpeedButton10, 10001);
    CheckBox21.SetCaption("Auto. rema&p {D} HKey.");
    CheckBox21.SetHint(
        " Move the shutdown hotkey CTRL+ALT+D\r to a free key by itself, when another\r application has "
        "taken "
        "it.");
    CheckBox21.SetBounds(kLeft, kTop, 136, kRowHeight);
    CheckBox21.SetHelpContext(NextHelpContext());
    Label8.SetCaption("- &Use CTRL+ALT+");
    Label8.SetBounds(kIndent, 39, 96, 13);
    ComboBox3.SetHint(" The key of the system-wide\r shutdown hotkey.");
    ComboBox3.dropDownCount = 12;
    ComboBox3.SetBounds(116, 35, 48, kEditHeight);
    ComboBox3.SetHelpContext(NextHelpContext());
    CheckBox22.SetCaption("Auto. re&map Device's HKeys.");
    CheckBox22.SetHint(
        " Move the device hotkeys to free\r modifier keys by themselves, when\r another application has "
        "taken "
        "them.");
    CheckBox22.SetBounds(kLeft, 60, 168, kRowHeight);
    CheckBox22.SetHelpContext(NextHelpContext());
    Label16.SetCaption("- Us&e:");
    Label16.SetBounds(kIndent, 85, 32, 13);
    ComboBox4.SetHint(" The modifier keys of the device\r hotkeys; the drive letter follows.");
    ComboBox4.SetBounds(52, 81, 100, kEditHeight);
    ComboBox4.SetHelpContext(NextHelpContext());
    Label17.SetCaption("+DrvL.");
    Label17.SetBounds(156, 85, 36, 13);

    // 2 "System HotKeys [2/2]:"
    MakeHelpButton(SpeedButton11, 10001);
    CheckBox23.SetCaption("Aut&o. remap \"All, (if insert)...\"");
    CheckBox23.SetHint(
        " Move the hotkey of \"All, (if insert)...\"\r to a free function key by itself, when\r another "
        "application has taken it.");
    CheckBox23.SetBounds(kLeft, kTop, 160, kRowHeight);
    CheckBox23.SetHelpContext(NextHelpContext());
    Label19.SetCaption("- &Use:");
    Label19.SetBounds(kIndent, 39, 124, 13);
    ComboBox5.SetHint(" The function key of the\r \"All, (if insert)...\" hotkey.");
    ComboBox5.dropDownCount = 12;
    ComboBox5.SetBounds(146, 35, 48, kEditHeight);
    ComboBox5.SetHelpContext(NextHelpContext());
    Label18.SetCaption("Device-HotKey.");
    Label18.alignment = ui::TextAlign::Right;
    Label18.SetBounds(106, 61, 88, 13);
}

void Notebook::BuildTimersTab() {
    MakeHelpButton(SpeedButton17, 10006);
    CheckBox4.SetCaption("&Enable Timer:");
    CheckBox4.SetHint(
        " If this checkbox is checked, one\r of the timers/countdowns below\r will be enabled.");
    CheckBox4.SetBounds(kLeft, kTop, 90, kRowHeight);
    CheckBox4.SetHelpContext(NextHelpContext());
    CheckBox12.SetCaption("&Run at Start");
    CheckBox12.SetHint(" Start timer/countdown as soon, as\r Ravelin has been started.");
    CheckBox12.SetBounds(102, kTop, 82, kRowHeight);
    CheckBox12.SetHelpContext(NextHelpContext());
    CheckBox2.SetCaption("Invisible, if \"Run at Start\"");
    CheckBox2.SetHint(
        " Hide the minimized window on top\r of the Start button, after RVLN!\r has automatically started "
        "with:\r"
        " Timers => Run at Startup");
    CheckBox2.SetBounds(kIndent, 31, 142, kRowHeight);
    CheckBox2.SetHelpContext(NextHelpContext());

    RadioButton1.SetCaption("Shutdown &at:");
    RadioButton1.SetHint(" Shutdown at a specific time\r within 24 hours.");
    RadioButton1.SetBounds(kLeft, 51, 84, kRowHeight);
    RadioButton1.SetHelpContext(NextHelpContext());
    // hh, mm, ss: each number with its arrows.
    struct TimeField {
        ui::Label& label;
        ui::UpDown& arrows;
        int max;
        const char* hint;
    };
    int left = 92;
    for (TimeField f : {TimeField{Label5, UpDown2, 23, " Set the hours."},
                        TimeField{Label6, UpDown3, 59, " Set the minutes."},
                        TimeField{Label7, UpDown4, 59, " Set the seconds."}}) {
        f.label.alignment = ui::TextAlign::Right;
        f.label.SetBounds(left, 53, 16, 13);
        f.arrows.SetRange(0, f.max);
        f.arrows.wrap = true;
        f.arrows.SetHint(f.hint);
        f.arrows.SetBounds(left + 17, 49, 13, 20);
        f.arrows.SetHelpContext(NextHelpContext());
        left += 34;
    }

    RadioButton2.SetCaption("Shutdown &in:");
    RadioButton2.SetHint(" Shutdown in a period of time.");
    RadioButton2.SetBounds(kLeft, 73, 84, kRowHeight);
    RadioButton2.SetHelpContext(NextHelpContext());
    Edit2.maxLength = 7;
    Edit2.SetHint(" Values range from 1 to\r 9,999,999 seconds.");
    Edit2.SetBounds(92, 71, 60, kEditHeight);
    Edit2.SetHelpContext(NextHelpContext());
    TrackBar1.SetRange(1, 24);
    TrackBar1.SetHint(" Set >Shut down in< intervals.\r One interval represents 1 hour.");
    TrackBar1.SetBounds(kLeft, 94, kRight - kLeft, 26);
    TrackBar1.SetHelpContext(NextHelpContext());
}

}  // namespace app
