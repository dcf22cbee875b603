#pragma once
// The main window's life in the notification area: the tray menu and hint, going to the tray and
// coming back, the timer window's own system-menu items, and the animated icon.
#include <cstdint>
#include <string>

namespace app {
class TForm1;
}

namespace tray {

// Once, while the window is prepared: the icon's pictures, options and events, the tray menu's
// handlers and its copies of the page items (enabled as the window menu's are by then).
void BindTrayMenu(app::TForm1& form);

// The method list's entry as the tray shows it: every run of blanks one blank, none at the end.
std::string TrayMethodText(const std::string& entry);

// Sends the window to the tray; byUser distinguishes the button from the start-up case.
void MoveToTray(app::TForm1& form, bool byUser);
void ShowFromTray(app::TForm1& form);
// The tray's default item and hint follow the selected method and the timer.
void UpdateTrayMenu(app::TForm1& form);
// The frame files "S<n>.ICO" (1 to 100) of the program's folder, in the order of n.
void FindTrayFrames(app::TForm1& form);
// Gives the icon the frames found: animated when there are any, else the static picture.
void LoadTrayAnimation(app::TForm1& form);

// While the notebook shows, the tray menu offers only "&Information" and "E&xit", and the main
// action waits.
void LockTrayMenu(app::TForm1& form);
void UnlockTrayMenu(app::TForm1& form);
// The notebook closed: the timer entries follow "&Enable Timer:", the lock goes, the animation
// follows "Icon ani&mation".
void SettingsPanelClosed(app::TForm1& form);
// The icon animates by "Icon ani&mation" (when frames were found) or shows its picture.
void ApplyTrayAnimation(app::TForm1& form);

// Puts the timer window's items into the system menu: "Start hidden next Time!" (checked as
// startHiddenChecked) only when both are true.
void TimerWindowMenu(app::TForm1& form, bool startHiddenEntry, bool startHiddenChecked);
// A command of the timer window's own system-menu items.
void TimerWindowCommand(app::TForm1& form, std::uint32_t command);
// Puts the window's system menu back after the timer window changed it.
void RestoreSystemMenu(app::TForm1& form);
// The tray entries "&Hide"/"&Show" and "&Move to TaskBar".
void Hide1Click(app::TForm1& form);
void MovetoTaskBar1Click(app::TForm1& form);
// The window went to the taskbar (true) or came back from it: "&Move to TaskBar" follows.
void SetMinimizedToTaskBar(app::TForm1& form, bool minimized);

// A countdown is armed: the default item off, the timer items on, the hint tells how to open.
void ShowArmedTrayMenu(app::TForm1& form);
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
// The icon leaves the notification area while another program or a question has the user's
// attention, and comes back afterwards.
void SetTrayIconActive(app::TForm1& form, bool active);

}  // namespace tray
