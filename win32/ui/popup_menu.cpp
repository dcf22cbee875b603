#include "win32/ui/popup_menu.h"

#include <cstddef>
#include <string>

#include "win32/text.h"

namespace win32 {

namespace {

// The record as Windows 95 knows it (without hbmpItem), which every later version takes too.
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOW, hbmpItem);

bool AddItems(HMENU menu, ui::MenuItem& parent, MenuCommands& commands) {
    UINT position = 0;
    for (ui::MenuItem* item : parent.Items()) {
        if (!item->visible) continue;
        MENUITEMINFOW info{};
        info.cbSize = kMenuItemInfoSize;
        info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID;
        std::wstring text;
        if (item->IsSeparator()) {
            info.fType = MFT_SEPARATOR;
        } else {
            text = Widen(item->caption);
            std::string shortCut = ui::ShortCutText(item->shortCut);
            if (!shortCut.empty()) text += L"\t" + Widen(shortCut);
            info.fType =
                MFT_STRING | (item->radioItem ? MFT_RADIOCHECK : 0) | (item->barBreak ? MFT_MENUBARBREAK : 0);
            info.dwTypeData = text.data();
            info.cch = static_cast<UINT>(text.size());
            info.fState = (item->checked ? MFS_CHECKED : 0) | (item->enabled ? 0 : MFS_GRAYED) |
                          (item->isDefault ? MFS_DEFAULT : 0);
        }
        OwnedMenu sub;
        if (!item->IsSeparator() && !item->Items().empty()) {
            sub.Reset(CreatePopupMenu());
            if (!sub || !AddItems(sub.Get(), *item, commands)) return false;
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = sub.Get();
        } else if (!item->IsSeparator()) {
            commands.push_back(item);
            info.wID = static_cast<UINT>(commands.size());
        }
        if (!InsertMenuItemW(menu, position, TRUE, &info)) return false;
        sub.Release();  // the parent menu owns it now
        if (item->isDefault && !item->IsSeparator()) SetMenuDefaultItem(menu, position, TRUE);
        ++position;
    }
    return true;
}

}  // namespace

OwnedMenu BuildPopupMenu(ui::MenuItem& menu, MenuCommands& commands) {
    OwnedMenu popup(CreatePopupMenu());
    if (popup && !AddItems(popup.Get(), menu, commands)) popup.Reset();
    return popup;
}

ui::MenuItem* TrackPopup(ui::PopupMenu& menu, HWND owner, int x, int y) {
    MenuCommands commands;
    OwnedMenu popup = BuildPopupMenu(menu, commands);
    if (!popup) return nullptr;
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY;
    if (menu.alignment == ui::PopupAlignment::Right) flags |= TPM_RIGHTALIGN;
    UINT chosen = static_cast<UINT>(TrackPopupMenu(popup.Get(), flags, x, y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen == 0 || chosen > commands.size()) return nullptr;
    return commands[chosen - 1];
}

}  // namespace win32
