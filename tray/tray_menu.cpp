#include "tray/tray_menu.h"

namespace tray {

TrayMenu::TrayMenu()
    : PopupMenu1("PopupMenu1"),
      Open1(&PopupMenu1, "Open1", "&Open..."),
      Settings3(&PopupMenu1, "Settings3", "&Settings"),
      N4(&PopupMenu1, "N4", "-"),
      N1(&PopupMenu1, "N1"),
      Timer2(&PopupMenu1, "Timer2", "&Timer Options"),
      Pause1(&Timer2, "Pause1", "&Pause"),
      Stop1(&Timer2, "Stop1", "S&top"),
      TimerWindow1(&PopupMenu1, "TimerWindow1", "Timer &Window"),
      Hide1(&TimerWindow1, "Hide1", "&Hide"),
      MovetoTaskBar1(&TimerWindow1, "MovetoTaskBar1", "&Move to TaskBar"),
      N3(&PopupMenu1, "N3", "-"),
      EjectRetract2(&PopupMenu1, "EjectRetract2", "&Eject && Retract"),
      SysHotkeys2(&EjectRetract2, "SysHotkeys2", "System &Hotkeys"),
      N8(&EjectRetract2, "N8", "-"),
      Allifinsert2(&EjectRetract2, "Allifinsert2", "&All, (if insert)..."),
      N9(&EjectRetract2, "N9", "-"),
      LogFile2(&PopupMenu1, "LogFile2", "&LogFile"),
      ShowLog2(&LogFile2, "ShowLog2", "Sho&w..."),
      EraseLog2(&LogFile2, "EraseLog2", "E&rase..."),
      N7(&PopupMenu1, "N7", "-"),
      N12(&PopupMenu1, "N12", "&Information"),
      HelpIndex1(&N12, "HelpIndex1", "Online Help In&dex..."),
      TipsTricks1(&N12, "TipsTricks1", "Ti&ps && Tricks..."),
      CommandlineOptions2(&N12, "CommandlineOptions2", "&Commandline Options..."),
      N2(&PopupMenu1, "N2", "-"),
      Exit1(&PopupMenu1, "Exit1", "E&xit") {
    PopupMenu1.alignment = ui::PopupAlignment::Right;
    N1.isDefault = true;
    Timer2.visible = false;
    TimerWindow1.visible = false;
    TimerWindow1.enabled = false;
    Hide1.checked = true;
    LogFile2.enabled = false;
    ShowLog2.isDefault = true;
}

}  // namespace tray
