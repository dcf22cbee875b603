// The "S&ystem" tab: Control Panel copy, Windows 95/98 splash screens, Windows 98 boot options.
#include "app/notebook.h"
#include "app/notebook_layout.h"

namespace app {

using namespace layout;

void Notebook::BuildSystemTab() {
    // 1 "Copy Control Panel:"
    MakeHelpButton(SpeedButton14, 10004);
    Label3.SetCaption("Alt. n&ame:");
    Label3.SetBounds(kLeft, 18, 60, 13);
    Edit3.maxLength = 255;
    Option(Edit3, "", " Type in an alternative name\r for the systems Control Panel.",
           {68, kTop, 132, kEditHeight});
    Option(Button6, "... to Startmenu",
           " Copy the Control Panel one level\r higher into the root of Windows\r Startmenu.",
           {kLeft, 42, 96, 23});
    Option(Button7, "remove", " Remove all previous copies from\r the root of the Startmenu.",
           {106, 42, 56, 23});
    CheckBox15.SetCaption("&private");
    // The last line has no leading blank in the form's design.
    Option(CheckBox15, "", " Check this for a private\r entry or for a global\rsystem entry.",
           {168, 45, kRight - 168, kRowHeight});

    // 2 "Windows® 95/98 SplashScr.:"
    struct Switch {
        ui::CheckBox& box;
        const char* caption;
        const char* hint;
    };
    int top = kTop;
    for (Switch s :
         {Switch{CheckBox7, "Disable Start&Up-Logo", " If checked, it disables\r the Win95 StartUp-Logo!"},
          Switch{CheckBox8, "Disable &1st Shutdown-Logo",
                 " If checked, it disables\r the first ShutDown-Logo!"},
          Switch{CheckBox9, "Disable &2nd Shutdown-Logo",
                 " If checked, it disables\r the second ShutDown-Logo!"}}) {
        s.box.SetCaption(s.caption);
        s.box.SetHint(s.hint);
        s.box.SetBounds(kLeft, top, 160, kRowHeight);
        s.box.SetHelpContext(NextHelpContext());
        top += 21;
    }

    // 3 "Windows® 98 (Re-)Boot:"
    MakeHelpButton(SpeedButton20, 10009);
    Option(CheckBox26, "Disable A&utoScan HDs",
           " Check this to disable ScanDisk.exe when\r Windows boots after a bad shutdown.",
           {kLeft, kTop, 140, kRowHeight});
    CheckBox27.SetCaption("Disable Fast &Reboot");
    // "Windows´s": the acute accent of the form's text.
    Option(CheckBox27, "",
           " Check this to disable Windows\xC2\xB4s built-in\r FastReboot option to troubleshoot problems\r "
           "encountered while shutting down Windows.",
           {kLeft, 35, 140, kRowHeight});
}

}  // namespace app
