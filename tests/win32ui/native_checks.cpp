// The native windows follow the model: classes, names, texts, states, bounds, colours.
#include <windows.h>
#include <commctrl.h>

#include "tests/win32ui/check.h"
#include "tests/win32ui/checks.h"
#include "tests/win32ui/harness.h"
#include "win32/text.h"

namespace checks {

using check::Equal;
using check::Record;
using harness::ClassOf;
using harness::Hwnd;
using harness::TextOf;

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return s;
}

void ExpectControl(const ui::Widget& w, const std::string& className) {
    HWND hwnd = Hwnd(w);
    Record(hwnd != nullptr && IsWindow(hwnd), w.Name() + " has a window");
    if (!hwnd) return;
    Equal(Lower(ClassOf(hwnd)), Lower(className), w.Name() + " window class");
    Record(harness::HasName(hwnd, w.Name()), w.Name() + " carries RvlnName." + w.Name());
}

void ExpectBounds(const ui::Widget& w, bool heightToo = true) {
    ui::Rect native = harness::RelativeBounds(Hwnd(w));
    ui::Rect model = w.Bounds();
    if (!heightToo) native.height = model.height;
    Record(native == model, w.Name() + " bounds follow the model",
           "native " + std::to_string(native.left) + "," + std::to_string(native.top) + " " +
               std::to_string(native.width) + "x" + std::to_string(native.height) + ", model " +
               std::to_string(model.left) + "," + std::to_string(model.top) + " " +
               std::to_string(model.width) + "x" + std::to_string(model.height));
}

LRESULT Send(const ui::Widget& w, UINT msg, WPARAM wparam = 0, LPARAM lparam = 0) {
    return SendMessageW(Hwnd(w), msg, wparam, lparam);
}

HWND SpinArrows(HWND edit) {
    for (HWND h = GetWindow(GetParent(edit), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (Lower(ClassOf(h)) == "msctls_updown32" &&
            reinterpret_cast<HWND>(SendMessageW(h, UDM_GETBUDDY, 0, 0)) == edit)
            return h;
    }
    return nullptr;
}

}  // namespace

void Windows(Context& c) {
    demo::MainForm& d = c.main;
    HWND form = Hwnd(d.form);
    HWND app = c.backend.AppWindow();

    // The application window and the form.
    Equal(ClassOf(app), std::string("TApplication"), "application window class");
    Equal(TextOf(app), std::string("Widget demo v1"), "application window title");
    Record(IsWindowVisible(app) != FALSE, "application window shown with the main form");
    Equal(reinterpret_cast<port::WindowId>(app), c.backend.ApplicationWindow(), "Backend::ApplicationWindow");
    Equal(ClassOf(form), std::string("TUiDemo"), "form window class");
    Equal(TextOf(form), std::string("Widget demo"), "form caption");
    Record(GetWindow(form, GW_OWNER) == app, "form owned by the application window");
    Record(IsWindowVisible(form) != FALSE, "form visible");
    RECT client, outer;
    GetClientRect(form, &client);
    GetWindowRect(form, &outer);
    Equal(client.right, 400L, "form client width");
    Equal(client.bottom, 330L, "form client height");
    Equal(outer.left, static_cast<LONG>(d.form.Left()), "form left");
    Equal(outer.top, static_cast<LONG>(d.form.Top()), "form top");
    ui::Extent nc = c.backend.NonClientExtent(d.form);
    Equal(nc.width, static_cast<int>(outer.right - outer.left - client.right), "NonClientExtent width");
    Equal(nc.height, static_cast<int>(outer.bottom - outer.top - client.bottom), "NonClientExtent height");
    Equal(d.form.Width(), static_cast<int>(outer.right - outer.left), "model width is the outer width");
    LONG style = GetWindowLongW(form, GWL_STYLE);
    Record((style & WS_MINIMIZEBOX) && (style & WS_SYSMENU) && !(style & WS_THICKFRAME) &&
               !(style & WS_MAXIMIZEBOX),
           "single border: system menu and minimise box, not sizeable");

    // Kinds, classes and names.
    ExpectControl(d.toolBar, "ToolbarWindow32");
    ExpectControl(d.label, "Static");
    ExpectControl(d.speedButton, "Button");
    ExpectControl(d.pictureButton, "Button");
    ExpectControl(d.plainButton, "Button");
    ExpectControl(d.combo, "ComboBox");
    ExpectControl(d.check, "Button");
    ExpectControl(d.group, "Button");
    ExpectControl(d.radio1, "Button");
    ExpectControl(d.edit, "Edit");
    ExpectControl(d.spin, "Edit");
    ExpectControl(d.upDown, "msctls_updown32");
    ExpectControl(d.progress, "msctls_progress32");
    ExpectControl(d.track, "msctls_trackbar32");
    ExpectControl(d.panel, "TPanel");
    ExpectControl(d.pages, "SysTabControl32");
    ExpectControl(d.sheet1, "TTabSheet");
    ExpectControl(d.status, "msctls_statusbar32");
    Record((GetWindowLongW(Hwnd(d.group), GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX,
           "GroupBox1 is a group box");
    Record(GetParent(Hwnd(d.radio1)) == Hwnd(d.group), "radio buttons sit in their group box");
    Record(GetParent(Hwnd(d.sheetCheck)) == Hwnd(d.sheet2), "a sheet's control sits on the sheet");
    Record(GetParent(Hwnd(d.sheet1)) == Hwnd(d.pages), "sheets sit in the tab control");

    // Texts and states.
    Equal(TextOf(Hwnd(d.label)), std::string("Status line"), "Label1 text");
    Record((GetWindowLongW(Hwnd(d.label), GWL_STYLE) & SS_TYPEMASK) == SS_CENTER, "Label1 centred");
    Equal(TextOf(Hwnd(d.plainButton)), std::string("&Plain"), "Button2 caption");
    Equal(TextOf(Hwnd(d.edit)), std::string("hello"), "Edit1 text");
    Equal(TextOf(Hwnd(d.spin)), std::string("5"), "SpinEdit1 text");
    Equal(TextOf(Hwnd(d.edit2)), std::string("3"), "UpDown1 wrote its associate");
    Equal(TextOf(Hwnd(d.panel)), std::string("Panel"), "Panel1 caption");
    Equal(Send(d.edit, EM_GETLIMITTEXT), LRESULT(20), "Edit1 maximum length");
    Equal(Send(d.check, BM_GETCHECK), LRESULT(BST_UNCHECKED), "CheckBox1 unchecked");
    d.check.SetChecked(true);
    Equal(Send(d.check, BM_GETCHECK), LRESULT(BST_CHECKED), "CheckBox1 checked by the model");
    d.check.SetChecked(false);
    d.radio1.SetChecked(true);
    Equal(Send(d.radio1, BM_GETCHECK), LRESULT(BST_CHECKED), "RadioButton1 checked by the model");
    Equal(Send(d.radio2, BM_GETCHECK), LRESULT(BST_UNCHECKED), "RadioButton2 unchecked by the model");
    d.speedButton.SetDown(true);
    Equal(Send(d.speedButton, BM_GETCHECK), LRESULT(BST_CHECKED), "SpeedButton1 down");
    d.speedButton.SetDown(false);
    Equal(Send(d.speedButton, BM_GETCHECK), LRESULT(BST_UNCHECKED), "SpeedButton1 up");
    Record(!(GetWindowLongW(Hwnd(d.speedButton), GWL_STYLE) & WS_TABSTOP), "SpeedButton1 is no tab stop");
    d.label.SetCaption("Changed");
    Equal(TextOf(Hwnd(d.label)), std::string("Changed"), "Label1 caption change");
    d.label.SetCaption("Status line");
    d.edit.readOnly = true;
    d.edit.SetText("locked");
    Record((GetWindowLongW(Hwnd(d.edit), GWL_STYLE) & ES_READONLY) != 0, "Edit1 read-only");
    d.edit.readOnly = false;
    d.edit.SetText("hello");
    Record((GetWindowLongW(Hwnd(d.edit), GWL_STYLE) & ES_READONLY) == 0, "Edit1 writable again");

    // Ranges.
    Equal(Send(d.progress, PBM_GETPOS), LRESULT(20), "ProgressBar1 position");
    Equal(Send(d.progress, PBM_GETRANGE, FALSE), LRESULT(50), "ProgressBar1 maximum");
    d.progress.SetPosition(35);
    Equal(Send(d.progress, PBM_GETPOS), LRESULT(35), "ProgressBar1 position set by the model");
    Equal(Send(d.track, TBM_GETPOS), LRESULT(4), "TrackBar1 position");
    Equal(Send(d.track, TBM_GETRANGEMAX), LRESULT(10), "TrackBar1 maximum");
    Equal(Send(d.upDown, UDM_GETPOS32), LRESULT(3), "UpDown1 position");
    Record(reinterpret_cast<HWND>(Send(d.upDown, UDM_GETBUDDY)) == Hwnd(d.edit2),
           "UpDown1 buddy is its associate");
    HWND arrows = SpinArrows(Hwnd(d.spin));
    Record(arrows != nullptr, "SpinEdit1 has arrows with the edit as buddy");
    if (arrows) {
        RECT a, e;
        GetWindowRect(arrows, &a);
        GetWindowRect(Hwnd(d.spin), &e);
        Record(a.left >= e.right - 2 && a.right <= e.left + d.spin.Width() + 1,
               "SpinEdit1 arrows inside its bounds",
               "edit " + std::to_string(e.left) + ".." + std::to_string(e.right) + ", arrows " +
                   std::to_string(a.left) + ".." + std::to_string(a.right));
    }

    // Visible, enabled, bounds.
    d.plainButton.SetEnabled(false);
    Record(!IsWindowEnabled(Hwnd(d.plainButton)), "Button2 disabled by the model");
    d.plainButton.SetEnabled(true);
    Record(IsWindowEnabled(Hwnd(d.plainButton)) != FALSE, "Button2 enabled again");
    d.edit2.Hide();
    Record(!IsWindowVisible(Hwnd(d.edit2)), "Edit2 hidden by the model");
    d.edit2.Show();
    Record(IsWindowVisible(Hwnd(d.edit2)) != FALSE, "Edit2 shown again");
    for (const ui::Widget* w : std::initializer_list<const ui::Widget*>{
             &d.toolBar, &d.label, &d.speedButton, &d.pictureButton, &d.plainButton, &d.check, &d.group,
             &d.radio1, &d.radio2, &d.edit, &d.edit2, &d.upDown, &d.progress, &d.track, &d.panel, &d.pages,
             &d.sheetCheck, &d.status}) {
        ExpectBounds(*w);
    }
    ExpectBounds(d.combo, false);
    Equal(d.status.Top(), 330 - 19, "StatusBar1 aligned to the bottom by the model");
    d.plainButton.SetBounds(212, 66, 84, 27);
    ExpectBounds(d.plainButton);
    d.plainButton.SetBounds(210, 64, 80, 25);

    // Default button.
    auto defId = [&] { return SendMessageW(form, DM_GETDEFID, 0, 0); };
    Equal(defId(), MAKELRESULT(GetDlgCtrlID(Hwnd(d.pictureButton)), DC_HASDEFID),
          "DM_GETDEFID names Button1");
    Record((GetWindowLongW(Hwnd(d.pictureButton), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW,
           "Button1 with pictures is owner-drawn");
    d.pictureButton.SetDefault(false);
    d.plainButton.SetDefault(true);
    Record((GetWindowLongW(Hwnd(d.plainButton), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
           "Button2 default: BS_DEFPUSHBUTTON");
    Equal(defId(), MAKELRESULT(GetDlgCtrlID(Hwnd(d.plainButton)), DC_HASDEFID),
          "DM_GETDEFID follows the default");
    d.plainButton.SetDefault(false);
    Record((GetWindowLongW(Hwnd(d.plainButton), GWL_STYLE) & BS_TYPEMASK) == BS_PUSHBUTTON,
           "Button2 no longer default");
    Equal(defId(), LRESULT(0), "no default button");
    d.pictureButton.SetDefault(true);

    // Colours.
    Equal(harness::Pixel(Hwnd(d.label), 2, 2), COLORREF(RGB(0, 255, 0)), "Label1 background lime");
    SetFocus(Hwnd(d.plainButton));
    Equal(harness::Pixel(Hwnd(d.combo), 4, 4), COLORREF(RGB(0, 255, 255)), "ComboBox1 field aqua");
    RECT part{};
    SendMessageW(Hwnd(d.status), SB_GETRECT, 2, reinterpret_cast<LPARAM>(&part));
    Equal(harness::Pixel(Hwnd(d.status), part.left + 3, part.top + 3), COLORREF(RGB(255, 0, 0)),
          "StatusBar1 owner-drawn panel red");

    // Tool bar.
    HWND bar = Hwnd(d.toolBar);
    Equal(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), LRESULT(3), "ToolBar1 holds the three BitBtns");
    Equal(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0), LRESULT(MAKELONG(32, 32)), "ToolBar1 buttons 32 x 32");
    auto command = reinterpret_cast<UINT_PTR>(GetPropW(bar, L"RvlnButton.BitBtn3"));
    Record(command != 0, "ToolBar1 names BitBtn3's command");
    d.bitBtn3.Hide();
    Record(SendMessageW(bar, TB_ISBUTTONHIDDEN, command, 0) != 0, "BitBtn3 hidden by the model");
    d.bitBtn3.Show();
    Record(SendMessageW(bar, TB_ISBUTTONHIDDEN, command, 0) == 0, "BitBtn3 shown again");
    d.bitBtn3.SetEnabled(false);
    Record(SendMessageW(bar, TB_ISBUTTONENABLED, command, 0) == 0, "BitBtn3 disabled by the model");
    d.bitBtn3.SetEnabled(true);

    // Pages.
    HWND tabs = Hwnd(d.pages);
    Equal(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), LRESULT(2), "PageControl1 tab count");
    wchar_t caption[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    Equal(win32::Narrow(caption), std::string("Second"), "PageControl1 second tab caption");
    d.sheet2.SetCaption("Zwei");
    SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
    Equal(win32::Narrow(caption), std::string("Zwei"), "tab caption follows its sheet");
    d.sheet2.SetCaption("Second");
    Equal(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), LRESULT(0), "PageControl1 first page active");
    Record(IsWindowVisible(Hwnd(d.sheet1)) && !IsWindowVisible(Hwnd(d.sheet2)),
           "only the active sheet shows");
    RECT display;
    GetClientRect(tabs, &display);
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    ui::Rect sheet = harness::RelativeBounds(Hwnd(d.sheet1));
    Record(sheet == ui::Rect{display.left, display.top, display.right - display.left,
                             display.bottom - display.top},
           "TabSheet1 fills the display area");
    Record(d.sheet1.Bounds() == sheet, "the model knows the sheet's bounds");

    // Status bar.
    int edges[8] = {};
    Equal(SendMessageW(Hwnd(d.status), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), LRESULT(3),
          "StatusBar1 panel count");
    Record(edges[0] == 44 && edges[1] == 116 && edges[2] == 144, "StatusBar1 right edges 44, 116, 144");
    wchar_t panel[64] = {};
    SendMessageW(Hwnd(d.status), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(panel));
    Equal(win32::Narrow(panel), std::string("00:01:00"), "StatusBar1 panel 1 text");
    d.status.SetPanelText(0, "");
    SendMessageW(Hwnd(d.status), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(panel));
    Equal(win32::Narrow(panel), std::string(""), "StatusBar1 panel 0 cleared");
    d.status.SetPanelText(0, "Timer");
    d.status.SetPanelWidths({44, 72, 28, 24});
    Equal(SendMessageW(Hwnd(d.status), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), LRESULT(4),
          "StatusBar1 panel added");
    Equal(edges[3], 168, "StatusBar1 new right edge");
    d.status.SetPanelWidths({44, 72, 28});
}

}  // namespace checks
