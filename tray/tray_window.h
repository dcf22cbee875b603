#pragma once
// The main window's life in the notification area.
#include <cstdint>
#include <string>

namespace app {
class TForm1;
}

namespace tray {

// Sends the window to the tray; byUser distinguishes the button from the start-up case.
void MoveToTray(app::TForm1& form, bool byUser);
// A command of the timer window's own system-menu items.
void TimerWindowCommand(app::TForm1& form, std::uint32_t command);
// The tray's default item and hint follow the selected method.
void UpdateTrayMenu(app::TForm1& form);
// While a countdown is armed: the timer items, and the hint that tells how to open the window.
void ShowArmedTrayMenu(app::TForm1& form);
void ShowFromTray(app::TForm1& form);
// While the notebook shows, the tray menu offers no action and the main action waits.
void LockTrayMenu(app::TForm1& form);
void UnlockTrayMenu(app::TForm1& form);
// Puts the timer window's items into the system menu.
void TimerWindowMenu(app::TForm1& form);
// The timer items while a countdown counts: "&Timer Options" and "Timer &Window" shown and
// enabled, the default item disabled, "&Pause" unchecked; "&Move to TaskBar" enabled when
// moveToTaskBar (the window is not minimised to the taskbar).
void ShowCountingTrayItems(app::TForm1& form, bool moveToTaskBar);
// The timer items after a stop: the default item enabled, "&Timer Options" shown but disabled,
// "Timer &Window" shown and enabled, "&Pause" unchecked.
void ShowStoppedTrayItems(app::TForm1& form, bool moveToTaskBar);
void CheckPauseItem(app::TForm1& form, bool checked);
void SetTrayHint(app::TForm1& form, const std::string& hint);
// The window of an invisible start comes back through the tray icon.
void RestoreFromTray(app::TForm1& form);
// Puts the window's system menu back after the timer window changed it.
void RestoreSystemMenu(app::TForm1& form);
// The icon leaves the notification area while another program or a question has the user's
// attention, and comes back afterwards.
void SetTrayIconActive(app::TForm1& form, bool active);

}  // namespace tray
