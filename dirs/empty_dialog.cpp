#include "dirs/empty_dialog.h"

#include "app/program_state.h"
#include "dirs/dir_list.h"
#include "dirs/dirs_page.h"
#include "dirs/empty_directory.h"
#include "dirs/tray_calls.h"
#include "lib/messages.h"
#include "settings/clamp.h"
#include "settings/keys.h"
#include "settings/registry_access.h"
#include "shutdown/launch_file.h"
#include "ui/screen_rect.h"

namespace dirs {
namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;
// The dialog has one help topic; any context makes F1 and the caption's "?" reach OnHelp.
constexpr int kDialogHelp = 1;
constexpr std::uint32_t kSilver = ui::Rgb(192, 192, 192);

const char* const kFailureText =
    "Some files/folders could not be deleted by\rRavelin. This may be of the reason\rthat they are in use, "
    "that the drive is\rwrite-protected or has an error or that you\rdo not have write-permissions to one of "
    "the \rdirectories or the medium is write-protected\r(e.g. CD-ROM, ...).\r\rThe directory which has "
    "caused the error is\rlisted at the top of the list now!";

const char* const kNeverConfirmQuestion =
    "You have chosen to empty the selected directories without needing\rto press the [OK]-Button for "
    "confirmation the next time.\r(This can be changed later again by checking: \"Confirm for empty\"\r"
    "Directories\" on page 3/5 of the \"Controls\" TabSheet in the Settings-\"\rNotebook!)\r\r Do you want "
    "to empty the directories now?";

}  // namespace

TForm6::TForm6(DirsView& view, std::vector<std::string> directories, int mode, Origin origin)
    : ui::Form("TForm6"),
      Label1(this, "Label1"),
      Button1(this, "Button1"),
      ListBox1(this, "ListBox1"),
      Button2(this, "Button2"),
      Button3(this, "Button3"),
      CheckBox1(this, "CheckBox1"),
      Button4(this, "Button4"),
      Button5(this, "Button5"),
      PopupMenu1("PopupMenu1"),
      Show1(&PopupMenu1, "Show1", "&Show...", ui::Ctrl('W')),
      SelectNotEmpty1(&PopupMenu1, "SelectNotEmpty1", "Select, if not &empty", ui::Ctrl('E')),
      SelectAll1(&PopupMenu1, "SelectAll1", "Select &All", ui::Ctrl('A')),
      SelectNone1(&PopupMenu1, "SelectNone1", "Select &None", ui::Ctrl('N')),
      Help1(&PopupMenu1, "Help1", "&Help", ui::Ctrl('H')),
      view_(view),
      directories_(std::move(directories)),
      mode_(mode),
      origin_(origin) {
    SetCaption("Empty Directories:");
    borderStyle = ui::BorderStyle::Dialog;
    minimizeBox = false;
    helpButton = true;
    SetClientSize(513, 261);

    Label1.SetBounds(8, 8, 410, 30);
    Label1.SetHint("This field describes the action which will be performed.");
    Button1.SetCaption("&show...");
    Button1.SetHint("show selected folders");
    Button1.SetBounds(428, 8, 77, 25);
    ListBox1.SetBounds(8, 44, 497, 176);
    ListBox1.SetColor(kSilver);
    ListBox1.SetHint("Select or deselect directories.");
    struct Bottom {
        ui::Widget& widget;
        const char* caption;
        const char* hint;
        int left, width;
    };
    for (Bottom b : {Bottom{Button2, "Select &All", "Select all for deletion!", 8, 85},
                     Bottom{Button3, "Select &None", "Select none for deletion!", 99, 85},
                     Bottom{Button4, "&OK", "Press to confirm!", 332, 85},
                     Bottom{Button5, "&Cancel", "Press to cancel!", 420, 85}}) {
        b.widget.SetCaption(b.caption);
        b.widget.SetHint(b.hint);
        b.widget.SetBounds(b.left, 228, b.width, 25);
    }
    CheckBox1.SetCaption("Ne&ver confirm...");
    CheckBox1.SetHint("Check, if you don't want to be asked!");
    CheckBox1.SetBounds(196, 232, 128, 17);
    Button4.SetDefault(true);
    Button5.SetModalResult(kCancel);
    for (ui::Widget* w : Children())
        w->SetShowHint(view_.CheckBox3.Checked());

    Show1.isDefault = true;
    contextMenu = &PopupMenu1;
    AddShortCutMenu(&PopupMenu1);

    // Stored place, kept on the screen; centred the first time.
    port::SystemInfoPort& system = view_.program.os.system;
    const int screenWidth = system.GetSystemMetrics(port::kSmCxScreen);
    const int screenHeight = system.GetSystemMetrics(port::kSmCyScreen);
    port::RegistryPort& reg = view_.program.os.registry;
    settings::WindowPlace place;
    place.top = settings::ReadInteger(reg, port::RegRoot::CurrentUser, settings::kUserBase, "DirEmptyWindow",
                                      "Top", (screenHeight - Height()) / 2);
    place.left = settings::ReadInteger(reg, port::RegRoot::CurrentUser, settings::kUserBase, "DirEmptyWindow",
                                       "Left", (screenWidth - Width()) / 2);
    place = settings::ClampToScreen(system, *this, place);
    SetBounds(place.left, place.top, Width(), Height());

    Button1.OnClick = [this] { ShowSelectedDirectories(); };
    Show1.OnClick = [this] { ShowSelectedDirectories(); };
    Button2.OnClick = [this] { SelectAll(true); };
    SelectAll1.OnClick = [this] { SelectAll(true); };
    Button3.OnClick = [this] { SelectAll(false); };
    SelectNone1.OnClick = [this] { SelectAll(false); };
    SelectNotEmpty1.OnClick = [this] { SelectNotEmpty(); };
    Help1.OnClick = [this] {
        view_.program.os.feedback.WinHelp(view_.program.application.helpFile, port::kHelpKey, 0, "empty_now");
    };
    SetHelpContext(kDialogHelp);
    OnHelp = [this](int) { Help1.Click(); };
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
    Button4.OnClick = [this] {
        DeleteSelectedDirectories();
        SetModalResult(kOk);
    };
    OnShow = [this] { FormShow(); };
    OnActivate = [this] { FormActivate(); };
    OnPaint = [this] { FormPaint(); };
    OnClose = [this](ui::CloseAction& action) { FormClose(action); };
    OnHide = [this] {
        if (trayWasActive_)
            view_.program.os.taskbar.ShowWindow(view_.program.application.Handle(), port::kSwHide);
    };
}

ui::Rect TForm6::OriginRect() const {
    port::SystemInfoPort& system = view_.program.os.system;
    const bool away = view_.MainWindowAway || view_.mainWindow.State() == ui::WindowState::Minimized ||
                      trayWasActive_ || !view_.mainWindow.Visible();
    if (away) {
        const int iconWidth = system.GetSystemMetrics(port::kSmCxIcon);
        const int iconHeight = system.GetSystemMetrics(port::kSmCyIcon);
        return ui::Rect{system.GetSystemMetrics(port::kSmCxScreen) + iconWidth,
                        system.GetSystemMetrics(port::kSmCyScreen) + iconHeight, iconWidth, iconHeight};
    }
    const ui::Widget& from = origin_ == Origin::NowButton ? view_.SpeedButton4 : view_.SettingsButton;
    return ui::ScreenRect(view_.mainWindow, from);
}

void TForm6::FormShow() {
    view_.program.os.taskbar.ShowWindow(view_.program.application.Handle(), port::kSwShow);
    if (view_.program.osKind == app::osNT3) {
        Button1.SetEnabled(false);
        Show1.enabled = false;
        Show1.isDefault = false;
        SelectNotEmpty1.isDefault = true;
    }
    settingBox_ = true;
    CheckBox1.SetChecked(ReadEmptyConfirm(view_));
    settingBox_ = false;
    SetActiveControl(CheckBox1.Checked() ? static_cast<ui::Widget*>(&CheckBox1) : &Button4);
    ListBox1.Clear();
    port::FilePort& files = view_.program.os.files;
    for (size_t i = 0; i < directories_.size(); ++i) {
        const bool full = IsDirNonEmpty(files, directories_[i]);
        ListBox1.AddItem(directories_[i], full ? kRowFull : kRowEmpty);
        ListBox1.SetSelected(static_cast<int>(i), full);
    }
    ListBox1.SetTopIndex(0);
    Label1.SetCaption(ModeHeading(mode_));
    if (view_.CheckBox14.Checked()) {
        const ui::Rect from = OriginRect();
        animator_.ShrinkToRect(*this, from.left, from.top, from.width, from.height);
    }
}

void TForm6::FormActivate() {
    if (view_.TrayIconActive) {
        trayWasActive_ = true;
        SetTrayIconActive(view_, false);
    }
    if (animator_.Pending()) {
        const ui::Rect& full = animator_.Remembered();
        animator_.AnimateGrow(*this, full.left, full.top, 0);
    }
    active_ = true;
    if (CheckBox1.Checked()) {
        automatic_ = true;
        DeleteSelectedDirectories();
    }
}

void TForm6::FormPaint() {
    if (automatic_ && ModalResult() == 0) SetModalResult(kOk);
}

void TForm6::FormClose(ui::CloseAction& action) {
    action = ui::CloseAction::Hide;
    active_ = false;
    automatic_ = false;
    WriteEmptyConfirm(view_, CheckBox1.Checked());
    if (trayWasActive_) SetTrayIconActive(view_, true);
    if (view_.CheckBox14.Checked() && Visible()) {
        const ui::Rect to = OriginRect();
        const ui::Rect place = Bounds();
        animator_.AnimateShrink(*this, to.left, to.top, 0, to.height, to.width);
        SetBounds(place.left, place.top, place.width, place.height);
    }
}

void TForm6::CheckBox1Click() {
    if (settingBox_ || !active_ || !CheckBox1.Showing() || !CheckBox1.Enabled()) return;
    if (!CheckBox1.Checked()) {
        ShowConfirmStatus(view_, true);
        SetConfirmBox(view_, true);
        Button4.SetEnabled(true);
        Button5.SetDefault(false);
        Button4.SetDefault(true);
        Button4.SetFocus();
        return;
    }
    Button4.SetDefault(false);
    Button4.SetEnabled(false);
    Button5.SetDefault(true);
    CheckBox1.SetFocus();
    const int answer = view_.program.os.dialogs.MessageBox(kNeverConfirmQuestion, "Warning",
                                                           port::kMbYesNoAbort | port::kMbIconWarning);
    if (answer == port::kIdYes || answer == port::kIdNo) {
        if (answer == port::kIdYes) DeleteSelectedDirectories();
        ShowConfirmStatus(view_, false);
        SetConfirmBox(view_, false);
        return;
    }
    CheckBox1.SetChecked(false);
}

void TForm6::DeleteSelectedDirectories() {
    if (!active_ || ListBox1.Count() == 0) return;
    EmptyContext ctx{view_.program.os.files, view_.program.os.system, view_.program.CdromLetters};
    const EmptyFlags flags = ModeFlags(mode_);
    view_.program.application.SetBusyCursor(true);
    ListBox1.SetTopIndex(0);
    while (ListBox1.Count() > 0 && !directories_.empty()) {
        if (ListBox1.Selected(0) && !EmptyDirectory(ctx, directories_.front(), flags)) {
            lib::ShowError(view_.program.os.dialogs, kFailureText);
        }
        ListBox1.Delete(0);
        directories_.erase(directories_.begin());
        view_.program.application.ProcessMessages();
    }
    view_.program.application.SetBusyCursor(false);
    if (!automatic_) SetModalResult(kOk);
}

void TForm6::ShowSelectedDirectories() {
    std::vector<std::string> chosen;
    for (int i = 0; i < ListBox1.Count(); ++i) {
        if (ListBox1.Selected(i)) chosen.push_back(ListBox1.Items()[i]);
    }
    if (ListBox1.Count() > 0 && chosen.empty()) {
        lib::ShowInformation(view_.program.os.dialogs, "You have to select at least one directory!");
        return;
    }
    for (const std::string& dir : chosen)
        shutdown::LaunchFile(view_.program.os, view_.DirectoryViewer, dir, "open", port::kSwShowNormal);
}

void TForm6::SelectAll(bool selected) {
    for (int i = 0; i < ListBox1.Count(); ++i)
        ListBox1.SetSelected(i, selected);
    ListBox1.SetTopIndex(0);
}

void TForm6::SelectNotEmpty() {
    port::FilePort& files = view_.program.os.files;
    for (int i = 0; i < ListBox1.Count(); ++i)
        ListBox1.SetSelected(i, IsDirNonEmpty(files, ListBox1.Items()[i]));
}

}  // namespace dirs
