#pragma once
// Native popup menus built from the menu model each time one opens.
#include <windows.h>

#include <vector>
#include "ui/menu.h"
#include "win32/handles.h"

namespace win32 {

// The menu items behind the command ids of a built menu (id = index + 1).
using MenuCommands = std::vector<ui::MenuItem*>;

// Visible items only; captions with their shortcut text after a tab; checks, radio checks, greyed
// disabled items, separators, sub-menus and the default item.
OwnedMenu BuildPopupMenu(ui::MenuItem& menu, MenuCommands& commands);

// Shows the menu (right-aligned at the point when the menu asks so) and returns the chosen item, or null when
// the menu was dismissed.
ui::MenuItem* TrackPopup(ui::PopupMenu& menu, HWND owner, int x, int y);

}  // namespace win32
