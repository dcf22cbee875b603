// Lists, hints, popup menus and the form's own behaviour (minimise, close, context menu).
#include <windows.h>
#include <commctrl.h>

#include "tests/win32ui/check.h"
#include "tests/win32ui/checks.h"
#include "tests/win32ui/harness.h"
#include "win32/text.h"
#include "win32/ui/form_peer.h"
#include "win32/ui/popup_menu.h"

namespace checks {

using check::Equal;
using check::Record;
using harness::Hwnd;

namespace {

std::string ComboItem(HWND combo, int index) {
    auto length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return "(none)";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return win32::Narrow(text);
}

std::string ToolText(HWND tooltip, HWND owner, HWND control) {
    wchar_t buffer[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = buffer;
    SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return win32::Narrow(buffer);
}

std::string MenuText(HMENU menu, UINT position) {
    wchar_t buffer[128] = {};
    GetMenuStringW(menu, position, buffer, 128, MF_BYPOSITION);
    return win32::Narrow(buffer);
}

// Keys queued for the menu loop before the menu opens.
void QueueKeys(HWND window, std::initializer_list<WORD> keys) {
    for (WORD key : keys)
        PostMessageW(window, WM_KEYDOWN, key, 1);
}

}  // namespace

void Lists(Context& c) {
    demo::MainForm& d = c.main;
    HWND combo = Hwnd(d.combo);
    Equal(SendMessageW(combo, CB_GETCOUNT, 0, 0), LRESULT(4), "ComboBox1 entry count");
    Equal(ComboItem(combo, 2), std::string("Gamma"), "ComboBox1 third entry");
    Equal(SendMessageW(combo, CB_GETCURSEL, 0, 0), LRESULT(1), "ComboBox1 selection");
    d.combo.SetItemIndex(3);
    Equal(SendMessageW(combo, CB_GETCURSEL, 0, 0), LRESULT(3), "ComboBox1 selection set by the model");
    d.combo.AddItem("Epsilon");
    Equal(SendMessageW(combo, CB_GETCOUNT, 0, 0), LRESULT(5), "ComboBox1 entry added");
    Equal(SendMessageW(combo, CB_GETCURSEL, 0, 0), LRESULT(3), "selection kept when an entry is added");
    d.combo.SetItem(0, "Aleph");
    Equal(ComboItem(combo, 0), std::string("Aleph"), "ComboBox1 entry renamed");
    d.combo.DeleteItem(3);
    Equal(SendMessageW(combo, CB_GETCURSEL, 0, 0), LRESULT(-1),
          "deleting the selected entry clears the selection");
    d.combo.SetItems({"Alpha", "Beta", "Gamma", "Delta"});
    d.combo.SetItemIndex(1);
    Equal(SendMessageW(combo, CB_GETCOUNT, 0, 0), LRESULT(4), "ComboBox1 entries replaced");
    Equal(SendMessageW(combo, CB_GETCURSEL, 0, 0), LRESULT(1), "ComboBox1 selection after replacing");
    Equal(d.events.Count("ComboBox1.OnChange"), 0, "selections by the model raise no OnChange");

    // The dropped list shows dropDownCount rows.
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    harness::Pump(50);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    RECT list{};
    GetWindowRect(info.hwndList, &list);
    auto row = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    int height = list.bottom - list.top;
    // Four entries: the list is no taller than them, but it was sized for eleven rows.
    RECT dropped{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    Record(dropped.bottom - dropped.top >= 11 * row, "ComboBox1 sized for eleven rows",
           "dropped height " + std::to_string(dropped.bottom - dropped.top) + ", row " + std::to_string(row) +
               ", list " + std::to_string(height));
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

void Hints(Context& c) {
    demo::MainForm& d = c.main;
    HWND form = Hwnd(d.form);
    auto* peer = dynamic_cast<win32::FormPeer*>(d.form.GetPeer());
    Record(peer && !peer->Hints().Tooltip(), "no tooltip window before the mouse comes over a control");
    if (!peer) return;
    // The mouse comes over the edit: its peer hands the move on, and the tooltip is made with the
    // tools that were waiting for it.
    RECT edit{};
    GetWindowRect(Hwnd(d.edit), &edit);
    const POINT centre{(edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2};
    SetCursorPos(centre.x, centre.y);
    POINT client = centre;
    ScreenToClient(Hwnd(d.edit), &client);
    SendMessageW(Hwnd(d.edit), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    HWND tooltip = peer->Hints().Tooltip();
    Record(tooltip != nullptr, "the form has a tooltip once the mouse came");
    if (!tooltip) return;
    Equal(harness::ClassOf(tooltip), std::string("tooltips_class32"), "tooltip class");
    Record(GetWindow(tooltip, GW_OWNER) == form, "the tooltip belongs to the form");
    Record((GetWindowLongW(tooltip, GWL_STYLE) & TTS_ALWAYSTIP) != 0,
           "tooltip shows for inactive windows too");
    Equal(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), LRESULT(2), "tools for the two controls with hints");
    Equal(ToolText(tooltip, form, Hwnd(d.edit)), std::string("Edit hint"), "Edit1 hint");
    Equal(ToolText(tooltip, form, Hwnd(d.label)), std::string("Line one\r\nLine two"),
          "line break in a hint");
    Equal(SendMessageW(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), LRESULT(400), "hints may span lines");
    d.edit.SetHint("Other hint");
    Equal(ToolText(tooltip, form, Hwnd(d.edit)), std::string("Other hint"), "hint changed by the model");
    d.edit.SetShowHint(false);
    Equal(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), LRESULT(1), "ShowHint off removes the tool");
    d.edit.SetShowHint(true);
    d.edit.SetHint("Edit hint");
    Equal(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), LRESULT(2), "ShowHint on adds it again");

    c.app.SetHintTiming(700, 4000);
    Equal(SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), LRESULT(700), "hint pause");
    Equal(SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), LRESULT(4000), "hint hide pause");
    // The tip itself, from the moves the peer relays while the mouse rests on the edit.
    SendMessageW(Hwnd(d.edit), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    Record(harness::PumpUntil([&] { return IsWindowVisible(tooltip) != FALSE; }, 3000),
           "the edit's hint shows where the mouse rests");
    TTTOOLINFOW current{};
    current.cbSize = TTTOOLINFOW_V2_SIZE;
    SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&current));
    Record(current.uId == reinterpret_cast<UINT_PTR>(Hwnd(d.edit)), "the tip shown is the edit's");
    SetCursorPos(0, 0);
    HWND barTips = reinterpret_cast<HWND>(SendMessageW(Hwnd(d.toolBar), TB_GETTOOLTIPS, 0, 0));
    Record(barTips != nullptr, "ToolBar1 has a tooltip");
    if (barTips) {
        Equal(SendMessageW(barTips, TTM_GETDELAYTIME, TTDT_INITIAL, 0), LRESULT(700), "tool bar hint pause");
        Equal(SendMessageW(barTips, TTM_GETMAXTIPWIDTH, 0, 0), LRESULT(400), "tool bar hints may span lines");
    }
    c.app.SetShowHint(false);
    c.app.SetShowHint(true);

    // What the tool bar answers when its tooltip asks for a button's text.
    auto command = reinterpret_cast<UINT_PTR>(GetPropW(Hwnd(d.toolBar), L"RvlnButton.BitBtn3"));
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = barTips;
    info.hdr.idFrom = command;
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(Hwnd(d.toolBar), WM_NOTIFY, command, reinterpret_cast<LPARAM>(&info));
    Equal(win32::Narrow(info.lpszText ? info.lpszText : L""), std::string("Information...\r\nSecond line"),
          "BitBtn3 hint on the tool bar");
}

void Menus(Context& c) {
    demo::MainForm& d = c.main;
    win32::MenuCommands commands;
    win32::OwnedMenu menu = win32::BuildPopupMenu(d.menu, commands);
    Record(menu.IsValid(), "popup menu built");
    if (!menu) return;
    HMENU h = menu.Get();
    Equal(GetMenuItemCount(h), 6, "hidden items are left out");
    Equal(MenuText(h, 0), std::string("&Open\tCtrl+K"), "caption with its shortcut");
    Record((GetMenuState(h, 1, MF_BYPOSITION) & MF_SEPARATOR) != 0, "separator");
    Record((GetMenuState(h, 2, MF_BYPOSITION) & MF_CHECKED) != 0, "checked item");
    Record((GetMenuState(h, 3, MF_BYPOSITION) & MF_GRAYED) != 0, "disabled item greyed");
    Record(GetSubMenu(h, 4) != nullptr, "sub-menu");
    if (HMENU sub = GetSubMenu(h, 4)) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_TYPE | MIIM_STATE;
        GetMenuItemInfoW(sub, 0, TRUE, &info);
        Record((info.fType & MFT_RADIOCHECK) && (info.fState & MFS_CHECKED), "radio item checked");
    }
    Equal(GetMenuDefaultItem(h, TRUE, 0), UINT(0), "default item");
    Equal(MenuText(h, 5), std::string("E&xit\tCtrl+X"), "last item");

    // A real popup: the first visible item chosen with the keyboard runs its OnClick.
    d.events.Clear();
    HWND form = Hwnd(d.form);
    SetForegroundWindow(form);
    QueueKeys(form, {VK_DOWN, VK_RETURN});
    c.backend.Popup(d.menu, 100, 100);
    Equal(d.events.Count("Open1.OnClick"), 1, "the chosen item's OnClick ran once");
    QueueKeys(form, {VK_ESCAPE});
    c.backend.Popup(d.menu, 100, 100);
    Equal(d.events.Count("Open1.OnClick"), 1, "a dismissed menu runs nothing");

    // The form's context menu.
    d.events.Clear();
    QueueKeys(form, {VK_ESCAPE});
    SendMessageW(form, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form), MAKELPARAM(120, 120));
    Equal(d.events.Count("PopupMenu1.OnPopup"), 1, "WM_CONTEXTMENU pops up the form's menu");
}

void FormBehaviour(Context& c) {
    demo::MainForm& d = c.main;
    HWND form = Hwnd(d.form);
    HWND app = c.backend.AppWindow();

    // Minimising the main form minimises the application, which hides the form.
    SendMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    harness::Pump(100);
    Record(IsIconic(app) != FALSE, "minimising the main form minimises the application window");
    Record(!IsWindowVisible(form), "the form hides with it");
    Record(d.form.State() == ui::WindowState::Minimized, "the model's state is minimised");
    SendMessageW(app, WM_SYSCOMMAND, SC_RESTORE, 0);
    harness::Pump(100);
    Record(!IsIconic(app) && IsWindowVisible(form), "restoring the application brings the form back");
    Record(d.form.State() == ui::WindowState::Normal, "the model's state is normal again");
    d.form.SetState(ui::WindowState::Minimized);
    harness::Pump(50);
    Record(IsIconic(app) && !IsWindowVisible(form), "the model minimises the form");
    d.form.SetState(ui::WindowState::Normal);
    harness::Pump(50);
    Record(!IsIconic(app) && IsWindowVisible(form), "the model restores the form");
    d.form.SetState(ui::WindowState::Minimized);
    d.form.Hide();
    d.form.SetState(ui::WindowState::Normal);
    harness::Pump(50);
    Record(!IsWindowVisible(form), "a form the program hid while minimised stays hidden on restore");
    d.form.Show();
    harness::Pump(50);
    Record(IsWindowVisible(form) != FALSE, "and shows when the program shows it");
    ShowWindow(app, SW_HIDE);
    Record(!IsWindowVisible(app) && IsWindowVisible(form), "hiding the application window keeps the form");
    ShowWindow(app, SW_SHOWNOACTIVATE);

    // Help for a control reaches the form, which names the control's topic or its container's.
    {
        int topic = -1;
        d.form.OnHelp = [&topic](int context) { topic = context; };
        d.radio1.SetHelpContext(0);
        d.group.SetHelpContext(77);
        d.plainButton.SetHelpContext(55);
        for (auto [control, expected] : {std::pair{static_cast<ui::Widget*>(&d.plainButton), 55},
                                         std::pair{static_cast<ui::Widget*>(&d.radio1), 77}}) {
            HELPINFO info{};
            info.cbSize = sizeof info;
            info.iContextType = HELPINFO_WINDOW;
            info.hItemHandle = Hwnd(*control);
            topic = -1;
            SendMessageW(Hwnd(*control), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
            Equal(topic, expected, "WM_HELP of " + control->Name() + " gives its topic");
        }
        d.form.OnHelp = nullptr;
    }

    // The close box asks the model, which keeps the form here.
    d.events.Clear();
    SendMessageW(form, WM_CLOSE, 0, 0);
    Equal(d.events.Count("Form.OnClose"), 1, "WM_CLOSE runs OnClose");
    Record(IsWindow(form) && IsWindowVisible(form), "the model decided to keep the form");

    // The model moves the form; a move by the system reaches the model.
    d.form.SetLeft(60);
    RECT r;
    GetWindowRect(form, &r);
    Equal(r.left, 60L, "form moved by the model");
    SetWindowPos(form, nullptr, 50, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Record(d.form.Left() == 50 && d.form.Top() == 40, "the model follows a move");
    Record(d.form.ClientWidth() == 400 && d.form.ClientHeight() == 330, "client size unchanged by a move");

    // Painting and activation reach the model.
    d.events.Clear();
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Record(d.events.Count("Form.OnPaint") >= 1, "WM_PAINT runs OnPaint");
    Record(d.form.Active() == (GetActiveWindow() == form), "the model knows whether the form is active");

    d.form.SetCaption("Widget demo 2");
    Equal(harness::TextOf(form), std::string("Widget demo 2"), "form caption changed by the model");
    d.form.SetCaption("Widget demo");
}

}  // namespace checks
