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
    Edit3.SetHint(" Type in an alternative name\r for the systems Control Panel.");
    Edit3.SetBounds(68, kTop, 132, kEditHeight);
    Edit3.SetHelpContext(NextHelpContext());
    Button6.SetCaption("... to Startmenu");
    Button6.SetHint(" Copy the Control Panel one level\r higher into the root of Windows\r Startmenu.");
    Button6.SetBounds(kLeft, 42, 96, 23);
    Button6.SetHelpContext(NextHelpContext());
    Button7.SetCaption("remove");
    Button7.SetHint(" Remove all previous copies from\r the root of the Startmenu.");
    Button7.SetBounds(106, 42, 56, 23);
    Button7.SetHelpContext(NextHelpContext());
    CheckBox15.SetCaption("&private");
    // The last line has no leading blank in the form's design.
    CheckBox15.SetHint(" Check this for a private\r entry or for a global\rsystem entry.");
    CheckBox15.SetBounds(168, 45, kRight - 168, kRowHeight);
    CheckBox15.SetHelpContext(NextHelpContext());

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
    CheckBox26.SetCaption("Disable A&utoScan HDs");
    CheckBox26.SetHint(" Check this to disable ScanDisk.exe when\r Windows boots after a bad shutdown.");
    CheckBox26.SetBounds(kLeft, kTop, 140, kRowHeight);
    CheckBox26.SetHelpContext(NextHelpContext());
    CheckBox27.SetCaption("Disable Fast &Reboot");
    // "Windows´s": the acute accent of the form's text.
    CheckBox27.SetHint(
        " Check this to disable Windows\xC2\xB4s built-in\r FastReboot option to troubleshoot problems\r "
        "encountered while shutting down Windows.");
    CheckBox27.SetBounds(kLeft, 35, 140, kRowHeight);
    CheckBox27.SetHelpContext(NextHelpContext());
}

}  // namespace app
