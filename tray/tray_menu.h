#pragma once
// The tray menu and what the program remembers about its life in the notification area.
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>
#include "ui/form.h"
#include "ui/menu.h"

namespace tray {

// Positions of the tray menu's top-level entries.
enum : std::size_t {
    kOpenPosition = 0,
    kDefaultPosition = 3,
    kTimerOptionsPosition = 4,
    kTimerWindowPosition = 5,
    kLogFilePosition = 8,
};
// The lock remembers at most this many entries.
constexpr std::size_t kMaxLockedEntries = 101;

// The main window's tray menu (thirteen entries) and the tray state kept beside it.
class TrayMenu {
  public:
    TrayMenu();
    TrayMenu(const TrayMenu&) = delete;
    TrayMenu& operator=(const TrayMenu&) = delete;

    ui::PopupMenu PopupMenu1;
    ui::MenuItem Open1;
    ui::MenuItem Settings3;
    ui::MenuItem N4;
    ui::MenuItem N1;  // the default entry: the main action
    ui::MenuItem Timer2, Pause1, Stop1;
    ui::MenuItem TimerWindow1, Hide1, MovetoTaskBar1;
    ui::MenuItem N3;
    ui::MenuItem EjectRetract2, SysHotkeys2, N8, Allifinsert2, N9;
    ui::MenuItem LogFile2, ShowLog2, EraseLog2;
    ui::MenuItem N7;
    ui::MenuItem N12, HelpIndex1, TipsTricks1, CommandlineOptions2;
    ui::MenuItem N2;
    ui::MenuItem Exit1;
    // The copies of the window menu's page items under "&Settings", in its order.
    std::vector<std::unique_ptr<ui::MenuItem>> SettingsCopies;

    // The animation frames found in the program's folder, file names in order.
    std::vector<std::string> TrayFrames;

    // While the notebook is open the menu is locked: the hint and the enabled states to give back.
    bool TrayMenuLocked = false;
    std::string LockedHint;
    std::vector<bool> LockedEnabled;

    // The window was sent to the tray by its button, from these bounds.
    bool MovedToTrayByUser = false;
    ui::Rect TrayBounds;
    // The check of the timer window's "Start hidden next Time!".
    bool StartHiddenChecked = false;
};

}  // namespace tray
