// The "&HotKeys" and "&Timers" tabs.
#include "app/notebook.h"
#include "app/notebook_layout.h"

namespace app {

using namespace layout;

void Notebook::BuildHotKeysTab() {
    // 1 "System HotKeys [1/2]:"
    MakeHelpButton(SpeedButton10, 10001);
    Option(CheckBox21, "Auto. rema&p {D} HKey.",
           " Move the shutdown hotkey CTRL+ALT+D\r to a free key by itself, when another\r application has "
           "taken it.",
           {kLeft, kTop, 136, kRowHeight});
    Label8.SetCaption("- &Use CTRL+ALT+");
    Label8.SetBounds(kIndent, 39, 96, 13);
    ComboBox3.dropDownCount = 12;
    Option(ComboBox3, "", " The key of the system-wide\r shutdown hotkey.", {116, 35, 48, kEditHeight});
    Option(CheckBox22, "Auto. re&map Device's HKeys.",
           " Move the device hotkeys to free\r modifier keys by themselves, when\r another application has "
           "taken them.",
           {kLeft, 60, 168, kRowHeight});
    Label16.SetCaption("- Us&e:");
    Label16.SetBounds(kIndent, 85, 32, 13);
    Option(ComboBox4, "", " The modifier keys of the device\r hotkeys; the drive letter follows.",
           {52, 81, 100, kEditHeight});
    Label17.SetCaption("+DrvL.");
    Label17.SetBounds(156, 85, 36, 13);

    // 2 "System HotKeys [2/2]:"
    MakeHelpButton(SpeedButton11, 10001);
    Option(CheckBox23, "Aut&o. remap \"All, (if insert)...\"",
           " Move the hotkey of \"All, (if insert)...\"\r to a free function key by itself, when\r another "
           "application has taken it.",
           {kLeft, kTop, 160, kRowHeight});
    Label19.SetCaption("- &Use:");
    Label19.SetBounds(kIndent, 39, 124, 13);
    ComboBox5.dropDownCount = 12;
    Option(ComboBox5, "", " The function key of the\r \"All, (if insert)...\" hotkey.",
           {146, 35, 48, kEditHeight});
    Label18.SetCaption("Device-HotKey.");
    Label18.alignment = ui::TextAlign::Right;
    Label18.SetBounds(106, 61, 88, 13);
}

void Notebook::BuildTimersTab() {
    MakeHelpButton(SpeedButton17, 10006);
    Option(CheckBox4, "&Enable Timer:",
           " If this checkbox is checked, one\r of the timers/countdowns below\r will be enabled.",
           {kLeft, kTop, 90, kRowHeight});
    Option(CheckBox12, "&Run at Start", " Start timer/countdown as soon, as\r Ravelin has been started.",
           {102, kTop, 82, kRowHeight});
    Option(CheckBox2, "Invisible, if \"Run at Start\"",
           " Hide the minimized window on top\r of the Start button, after RVLN!\r has automatically started "
           "with:\r Timers => Run at Startup",
           {kIndent, 31, 142, kRowHeight});

    Option(RadioButton1, "Shutdown &at:", " Shutdown at a specific time\r within 24 hours.",
           {kLeft, 51, 84, kRowHeight});
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

    Option(RadioButton2, "Shutdown &in:", " Shutdown in a period of time.", {kLeft, 73, 84, kRowHeight});
    Edit2.maxLength = 7;
    Option(Edit2, "", " Values range from 1 to\r 9,999,999 seconds.", {92, 71, 60, kEditHeight});
    TrackBar1.SetRange(1, 24);
    Option(TrackBar1, "", " Set >Shut down in< intervals.\r One interval represents 1 hour.",
           {kLeft, 94, kRight - kLeft, 26});
}

}  // namespace app
