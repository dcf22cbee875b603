#include "tray/tray_window.h"

#include "app/form1.h"

namespace tray {

// The tray icon arrives with the tray subsystem; without it the window stays where it is and
// its system menu is never changed.
void MoveToTray(app::TForm1&, bool) {}
void TimerWindowCommand(app::TForm1&, std::uint32_t) {}
void UpdateTrayMenu(app::TForm1&) {}
void ShowArmedTrayMenu(app::TForm1&) {}
void ShowFromTray(app::TForm1&) {}
void TimerWindowMenu(app::TForm1&) {}
void ShowCountingTrayItems(app::TForm1&, bool) {}
void ShowStoppedTrayItems(app::TForm1&, bool) {}
void CheckPauseItem(app::TForm1&, bool) {}
void SetTrayHint(app::TForm1&, const std::string&) {}
void RestoreFromTray(app::TForm1&) {}
void LockTrayMenu(app::TForm1& form) {
    form.MainActionGate = false;
}
void UnlockTrayMenu(app::TForm1& form) {
    form.MainActionGate = true;
}
void SetTrayIconActive(app::TForm1& form, bool active) {
    form.TrayIconActive = active;
}
void RestoreSystemMenu(app::TForm1& form) {
    form.os().taskbar.GetSystemMenu(form.GetPeer() ? form.GetPeer()->Native() : 0, true);
    form.SystemMenuChanged = false;
}

}  // namespace tray
