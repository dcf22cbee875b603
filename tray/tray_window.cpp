#include "tray/tray_window.h"

#include <algorithm>
#include <map>
#include <new>
#include <utility>

#include "app/form1.h"
#include "cmdline/command_line.h"
#include "devices/drives.h"
#include "lib/messages.h"
#include "log/log_actions.h"
#include "log/log_page.h"
#include "settings/clamp.h"
#include "timers/countdown.h"

namespace tray {
namespace {

constexpr std::uint32_t kScSize = 0xF000, kScMaximize = 0xF030, kScClose = 0xF060;
enum : std::uint32_t { kCmdHide = 1, kCmdMoveToTaskBar = 2, kCmdStartHidden = 4, kCmdHideStartHidden = 5 };
constexpr int kMaxFrames = 100;
constexpr std::uint32_t kAnimationInterval = 180;
constexpr const char* kCountingHint = "Left MB = open / Right MB = menu";

// Names of the tray's copies of the page items and their submenus.
const std::map<std::string, std::string> kCopyNames = {
    {"Controls1", "Controls2"},
    {"SystemTray1", "SystemTray2"},
    {"GraphicControls1", "GraphicControls2"},
    {"Tasks1", "Tasks2"},
    {"EventLog1", "EventLog2"},
    {"Beeper1", "Beeper2"},
    {"HotKeys1", "HotKeys2"},
    {"SystemHotKeys1", "SystemHotKeys3"},
    {"SystemHotKeys2", "SystemHotKeys4"},
    {"Timers1", "Timers3"},
    {"Watchdogs1", "Watchdogs2"},
    {"RunInit1", "RunInit2"},
    {"EmptyDirectories1", "EmptyDirectories2"},
    {"DeviceManager1", "EjectMedia1"},
    {"System1", "System2"},
    {"ControlPanel1", "ControlPanel2"},
    {"Page6", "Page223"},
    {"Win98ReBoot1", "Win98ReBoot2"},
};

port::WindowId MainWindow(app::TForm1& f) {
    return f.GetPeer() ? f.GetPeer()->Native() : 0;
}

port::WindowId AppWindow(app::TForm1& f) {
    return f.program.application.Handle();
}

bool ShowsTray(app::OsKind kind) {
    return kind == app::osNT4 || app::IsWin9x(kind);
}

int Metric(app::TForm1& f, int index) {
    return f.os().system.GetSystemMetrics(index);
}

// The position of a top-level entry of the tray menu, or -1.
int PositionOf(app::TForm1& f, const ui::MenuItem& item) {
    const auto& items = f.PopupMenu1.Items();
    auto it = std::find(items.begin(), items.end(), &item);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

// While the menu is locked, a top-level entry's state goes to what the unlock gives back.
void SetEntryEnabled(app::TForm1& f, ui::MenuItem& item, bool on) {
    const int position = PositionOf(f, item);
    if (f.TrayMenuLocked && position >= 0 && static_cast<std::size_t>(position) < f.LockedEnabled.size()) {
        f.LockedEnabled[static_cast<std::size_t>(position)] = on;
        return;
    }
    item.enabled = on;
}

void SetHint(app::TForm1& f, const std::string& hint) {
    if (f.TrayMenuLocked) {
        f.LockedHint = hint;
    } else {
        f.XKTrayIcon951.SetHint(hint);
    }
}

// "&Hide" reads "&Show" and is checked while the timer window is hidden.
void MirrorHideItem(app::TForm1& f) {
    f.Hide1.checked = f.TimerWindowHidden;
    f.Hide1.caption = f.TimerWindowHidden ? "&Show" : "&Hide";
}

void SetHideItem(app::TForm1& f, bool hidden) {
    f.Hide1.checked = hidden;
    f.Hide1.caption = hidden ? "&Show" : "&Hide";
}

// The main window back from the tray, sent there again by its button, with the timer window's
// system menu: the way back to a visible timer window.
void BackAsTimerWindow(app::TForm1& f) {
    ShowFromTray(f);
    f.BitBtn3.Click();
    TimerWindowMenu(f, true, false);
    SetHideItem(f, false);
}

// The number in a frame file's name: the characters after the first up to the first ".".
int FrameNumber(const std::string& name) {
    const std::size_t dot = name.find('.');
    const std::string digits = name.substr(1, dot == std::string::npos ? std::string::npos : dot - 1);
    if (digits.empty() || digits.size() > 9) return 0;
    int n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

void CopyPageItems(app::TForm1& f) {
    std::map<const ui::MenuItem*, ui::MenuItem*> copies{{&f.Settings1, &f.Settings3}};
    // Depth first, parents before children, so each copy finds its parent's copy.
    std::vector<ui::MenuItem*> pending(f.Settings1.Items().rbegin(), f.Settings1.Items().rend());
    while (!pending.empty()) {
        ui::MenuItem* original = pending.back();
        pending.pop_back();
        auto name = kCopyNames.find(original->Name());
        const std::string copyName = name != kCopyNames.end() ? name->second : original->Name() + "Tray";
        auto copy =
            std::make_unique<ui::MenuItem>(copies.at(original->Parent()), copyName, original->caption);
        copies[original] = copy.get();
        if (original->Items().empty()) {
            app::TForm1* form = &f;
            const bool timers = original == &f.Timers1;
            copy->enabled = original->enabled;
            copy->OnClick = [form, original, timers] {
                // "&Timers" leaves the tray only when the icon is there.
                if (!timers || form->TrayIconActive()) ShowFromTray(*form);
                if (original->OnClick) original->OnClick();
            };
        }
        for (auto it = original->Items().rbegin(); it != original->Items().rend(); ++it)
            pending.push_back(*it);
        f.SettingsCopies.push_back(std::move(copy));
    }
}

// "&Eject && Retract" follows the device table and the media, in both menus at once.
void RebuildTrayDeviceEntries(app::TForm1& f) {
    devices::RefreshDeviceMenus(f);
}

void TrayMenuPopup(app::TForm1& f) {
    eventlog::UpdateLogFileMenus(f);
    RebuildTrayDeviceEntries(f);
}

void XKTrayIcon951Click(app::TForm1& f) {
    ShowFromTray(f);
}

void XKTrayIcon951DblClick(app::TForm1& f) {
    f.Exit_Choice();
}

// The bounds the window had when its button sent it to the tray, kept on the screen.
ui::Rect RememberedBounds(app::TForm1& f) {
    const settings::WindowPlace place =
        settings::ClampToScreen(f.os().system, f, settings::WindowPlace{f.TrayBounds.top, f.TrayBounds.left});
    return ui::Rect{place.left, place.top, f.TrayBounds.width, f.TrayBounds.height};
}

void PutBoundsBack(app::TForm1& f) {
    f.program.animator.RestoreFromRect(f, false);
    const ui::Rect& r = f.TrayBounds;
    if (r.width > 0) f.SetBounds(r.left, r.top, r.width, r.height);
}

}  // namespace

std::string TrayMethodText(const std::string& entry) {
    std::string text;
    for (char c : entry) {
        if (c == ' ' && !text.empty() && text.back() == ' ') continue;
        text += c;
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void BindTrayMenu(app::TForm1& f) {
    app::TForm1* form = &f;
    TXKTrayIcon95& icon = f.XKTrayIcon951;
    icon.SetIcon(f.os().taskbar.ApplicationIcon());
    icon.SetDisabledIcon(f.os().taskbar.LoadIconResource("DISABLED"));
    icon.Animation().SetInterval(kAnimationInterval);
    icon.Options = toUnclutterAppTaskBar | toCloseFormsOnHideApp | toHideTaskBarIconOnShowApp;
    icon.PopupMenu = &f.PopupMenu1;
    icon.OnClick = [form] { XKTrayIcon951Click(*form); };
    icon.OnDblClick = [form] { XKTrayIcon951DblClick(*form); };
    icon.OnAppMinimize = [form] { form->XKTrayIcon951AppMinimize(); };
    icon.OnAppRestore = [form] { form->XKTrayIcon951AppRestore(); };

    f.PopupMenu1.OnPopup = [form] { TrayMenuPopup(*form); };
    f.Open1.OnClick = [form] { ShowFromTray(*form); };
    CopyPageItems(f);
    f.N1.OnClick = [form] { form->Exit_Choice(); };
    f.Pause1.OnClick = [form] { timers::Pause1Click(form->TimersView()); };
    f.Stop1.OnClick = [form] { timers::Stop1Click(form->TimersView()); };
    f.Hide1.OnClick = [form] { Hide1Click(*form); };
    f.MovetoTaskBar1.OnClick = [form] { MovetoTaskBar1Click(*form); };
    f.ShowLog2.OnClick = [form] { eventlog::ShowLog(*form); };
    f.EraseLog2.OnClick = [form] { eventlog::EraseLog(*form); };
    f.HelpIndex1.OnClick = [form] { form->Help1Click(); };
    f.TipsTricks1.OnClick = [form] {
        form->os().feedback.WinHelp(form->program.application.helpFile, port::kHelpKey, 0, "menuTips");
    };
    f.CommandlineOptions2.OnClick = [form] { cmdline::ShowCommandLineHelp(form->program); };
    f.Exit1.OnClick = [form] { form->Exit1Click(); };
    f.BitBtn3.OnClick = [form] { MoveToTray(*form, true); };
}

void UpdateTrayMenu(app::TForm1& f) {
    if (!f.TrayIconActive()) return;
    const std::string text = TrayMethodText(f.ComboBox1.Text());
    if (f.CheckBox4.Checked()) {
        f.N1.caption = "Timer \xC2\xBB " + text + " \xC2\xAB";
        f.Timer2.visible = true;
        f.TimerWindow1.visible = true;
        SetEntryEnabled(f, f.Timer2, f.CountdownRunning);
        SetEntryEnabled(f, f.TimerWindow1, true);
        f.MovetoTaskBar1.enabled = !f.MinimizedToTaskBar;
        SetHint(f, f.CountdownRunning ? std::string(kCountingHint) : "DoubleClick (Timer) = " + text);
    } else {
        f.N1.caption = "ShutDown \xC2\xBB " + text + " \xC2\xAB";
        SetEntryEnabled(f, f.Timer2, false);
        SetEntryEnabled(f, f.TimerWindow1, false);
        f.Timer2.visible = false;
        f.TimerWindow1.visible = false;
        SetHint(f, "DoubleClick = " + text);
    }
}

void FindTrayFrames(app::TForm1& f) {
    std::vector<port::FindData> found;
    f.os().files.FindFiles(f.program.ProgramDir() + "S*.ICO", found);
    std::vector<std::pair<int, std::string>> kept;
    for (const port::FindData& file : found) {
        if (static_cast<int>(kept.size()) >= kMaxFrames) break;
        if (file.attributes & port::kAttrDirectory) continue;
        const int n = FrameNumber(file.name);
        if (n < 1 || n > kMaxFrames) continue;
        try {
            kept.emplace_back(n, file.name);
        } catch (const std::bad_alloc&) {
            lib::ShowError(f.os().dialogs, "Out of Memory!\r\rNot enough memory to process more than: " +
                                               std::to_string(static_cast<int>(kept.size()) - 1) +
                                               " tray-icon/s.\rPlease close some open applications or buy "
                                               "some\rmemory ... and try again!");
            break;
        }
    }
    // Equal numbers ("S1.ICO", "S01.ICO") keep the order the folder listed them in.
    std::stable_sort(kept.begin(), kept.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    f.TrayFrames.clear();
    for (auto& frame : kept)
        f.TrayFrames.push_back(std::move(frame.second));
}

void LoadTrayAnimation(app::TForm1& f) {
    TXKTrayIcon95& icon = f.XKTrayIcon951;
    std::vector<std::string> names;
    for (const std::string& frame : f.TrayFrames)
        names.push_back(f.program.ProgramDir() + frame);
    icon.Animation().SetIcons(std::move(names));
    if (f.TrayFrames.empty()) {
        icon.SetState(tsEnabled);
        return;
    }
    icon.Animation().SetInterval(static_cast<std::uint32_t>(f.TrackBar2.Position()));
    icon.SetState(tsAnimated);
}

void MoveToTray(app::TForm1& f, bool byUser) {
    if (f.program.osKind == app::osNT3) {
        if (byUser) f.SetState(ui::WindowState::Minimized);
        return;
    }
    TXKTrayIcon95& icon = f.XKTrayIcon951;
    if (byUser) {
        f.HiddenStart = false;
        FindTrayFrames(f);
        icon.SetState(tsEnabled);
        if (f.CountdownRunning) {
            SetEntryEnabled(f, f.N1, false);
            f.Pause1.checked = f.SpeedButton2.Down();
        } else {
            SetEntryEnabled(f, f.N1, true);
        }
        f.TimerWindowHidden = false;
        MirrorHideItem(f);
        SetMinimizedToTaskBar(f, false);
    } else {
        const std::string first = f.program.FirstParameter();
        if (first == "/Q" || first == "/S") return;
    }

    const bool animated = f.CheckBox14.Checked();
    const bool timer = f.CheckBox4.Checked();
    if (byUser && animated && f.Visible()) {
        f.TrayBounds = f.Bounds();
        f.MovedToTrayByUser = true;
        f.program.animator.AnimateShrink(f, Metric(f, port::kSmCxScreen) + 32,
                                         Metric(f, port::kSmCyScreen) + 32, 14, 32, 32);
        if (!timer) {
            f.Hide();
            PutBoundsBack(f);
        }
    } else if (!byUser && animated) {
        PutBoundsBack(f);
    }

    icon.SetActive(true);
    icon.AutoPopup = true;
    f.MainWindowAway = true;
    if (f.CheckBox11.Checked()) LoadTrayAnimation(f);
    UpdateTrayMenu(f);

    if (timer) {
        f.SetState(ui::WindowState::Minimized);
        TimerWindowMenu(f, false, false);
        if (animated && f.program.animator.Pending()) {
            const bool visible = f.Visible();
            f.SetVisible(false);
            PutBoundsBack(f);
            f.SetVisible(visible);
        }
        f.os().taskbar.ShowWindow(AppWindow(f), port::kSwHide);
    } else {
        f.Hide();
        f.os().taskbar.ShowWindow(AppWindow(f), port::kSwHide);
    }
}

void ShowFromTray(app::TForm1& f) {
    if (!ShowsTray(f.program.osKind)) return;
    UpdateTrayMenu(f);
    f.MainWindowAway = false;
    f.ActivatedFromTray = true;
    f.HiddenStart = false;

    port::TaskbarPort& taskbar = f.os().taskbar;
    const bool animated = f.CheckBox14.Checked();
    const bool timer = f.CheckBox4.Checked();
    const bool animateBack = animated && timer && f.MovedToTrayByUser;
    if (timer) {
        if (animateBack) {
            PutBoundsBack(f);
            f.SetBounds(Metric(f, port::kSmCxScreen), Metric(f, port::kSmCyScreen), f.Width(), f.Height());
        }
        taskbar.ShowWindow(AppWindow(f), port::kSwShowNormal);
        f.SetState(ui::WindowState::Normal);
        f.Show();
    } else {
        if (animated) PutBoundsBack(f);
        f.Show();
        taskbar.ShowWindow(AppWindow(f), port::kSwShowNormal);
    }

    f.os().windows.SetForegroundWindow(MainWindow(f));
    if (!animateBack) {
        if (animated) PutBoundsBack(f);
        f.MovedToTrayByUser = false;
    } else {
        const ui::Rect target = RememberedBounds(f);
        lib::WindowAnimator& animator = f.program.animator;
        animator.ShrinkToRect(f, f.Left(), f.Top(), f.Width(), f.Height());
        animator.AnimateGrow(f, target.left, target.top, 0);
    }

    if (f.Visible() && f.State() != ui::WindowState::Minimized) {
        if (f.Button1.Visible() && f.Button1.Enabled()) {
            f.Button1.SetFocus();
        } else if (f.ComboBox1.Visible() && f.ComboBox1.Enabled()) {
            f.ComboBox1.SetFocus();
        }
        f.os().windows.SetForegroundWindow(MainWindow(f));
    }
    f.XKTrayIcon951.SetActive(false);
    RestoreSystemMenu(f);
}

void LockTrayMenu(app::TForm1& f) {
    f.MainActionGate = false;
    if (f.TrayMenuLocked) return;
    f.LockedHint = f.XKTrayIcon951.Hint();
    f.XKTrayIcon951.SetHint("Canceled!");
    const auto& items = f.PopupMenu1.Items();
    const std::size_t count = std::min(items.size(), kMaxLockedEntries);
    const std::size_t locked = count >= 3 ? count - 3 : 0;  // positions 0 to count - 4
    f.LockedEnabled.assign(locked, false);
    for (std::size_t i = 0; i < locked; ++i) {
        f.LockedEnabled[i] = items[i]->enabled;
        items[i]->enabled = false;
    }
    f.TrayMenuLocked = true;
}

void UnlockTrayMenu(app::TForm1& f) {
    f.MainActionGate = true;
    // Even an icon taken away meanwhile must not leave the menu and the main action shut.
    if (!f.TrayMenuLocked) return;
    f.TrayMenuLocked = false;
    f.XKTrayIcon951.SetHint(f.LockedHint);
    const auto& items = f.PopupMenu1.Items();
    for (std::size_t i = 0; i < f.LockedEnabled.size() && i < items.size(); ++i)
        items[i]->enabled = f.LockedEnabled[i];
    f.LockedEnabled.clear();
}

void SettingsPanelClosed(app::TForm1& f) {
    const bool timer = f.CheckBox4.Checked();
    for (ui::MenuItem* item : {&f.Timer2, &f.TimerWindow1}) {
        item->visible = timer;
        SetEntryEnabled(f, *item, timer);
    }
    UnlockTrayMenu(f);
    if (f.TrayIconActive()) f.os().taskbar.ShowWindow(AppWindow(f), port::kSwShow);
    ApplyTrayAnimation(f);
}

void ApplyTrayAnimation(app::TForm1& f) {
    if (f.CheckBox11.Checked()) {
        LoadTrayAnimation(f);
    } else {
        f.XKTrayIcon951.SetState(tsEnabled);
    }
}

void TimerWindowMenu(app::TForm1& f, bool startHiddenEntry, bool startHiddenChecked) {
    port::TaskbarPort& taskbar = f.os().taskbar;
    const port::WindowId window = MainWindow(f);
    taskbar.GetSystemMenu(window, true);
    const port::MenuId menu = taskbar.GetSystemMenu(window, false);
    for (std::uint32_t command : {static_cast<std::uint32_t>(port::kScMinimize), kScMaximize, kScSize})
        taskbar.DeleteMenu(menu, command, port::kMfByCommand);
    const std::uint32_t before = port::kMfByCommand | port::kMfString;
    if (startHiddenEntry && startHiddenChecked) {
        taskbar.InsertMenu(menu, kScClose, before | port::kMfChecked, kCmdStartHidden,
                           "Start hidden next Time!");
        taskbar.InsertMenu(menu, kScClose, before, kCmdHideStartHidden, "Hide");
        f.StartHiddenChecked = true;
    } else {
        taskbar.InsertMenu(menu, kScClose, before, kCmdHide, "Hide");
    }
    taskbar.InsertMenu(menu, kScClose, before, kCmdMoveToTaskBar, "Move to TaskBar");
    taskbar.InsertMenu(menu, kScClose, port::kMfByCommand | port::kMfSeparator, 0, "");
    f.SystemMenuChanged = true;
}

void TimerWindowCommand(app::TForm1& f, std::uint32_t command) {
    port::TaskbarPort& taskbar = f.os().taskbar;
    switch (command) {
        case kCmdHide:
            f.Hide();
            f.HiddenStart = false;
            f.TimerWindowHidden = true;
            SetMinimizedToTaskBar(f, false);
            break;
        case kCmdMoveToTaskBar:
            taskbar.ShowWindow(AppWindow(f), port::kSwMinimize);
            f.TimerWindowHidden = false;
            SetMinimizedToTaskBar(f, true);
            break;
        case kCmdStartHidden: {
            if (!app::HasShell(f.program.osKind)) return;
            f.StartHiddenChecked = !f.StartHiddenChecked;
            const port::MenuId menu = taskbar.GetSystemMenu(MainWindow(f), false);
            taskbar.CheckMenuItem(
                menu, kCmdStartHidden,
                port::kMfByCommand | (f.StartHiddenChecked ? port::kMfChecked : port::kMfUnchecked));
            f.CheckBox2.SetChecked(f.StartHiddenChecked);
            return;
        }
        case kCmdHideStartHidden:
            ShowFromTray(f);
            f.BitBtn3.Click();
            f.Hide();
            taskbar.ShowWindow(AppWindow(f), port::kSwHide);
            f.TimerWindowHidden = true;
            break;
        default:
            return;
    }
    MirrorHideItem(f);
}

void RestoreSystemMenu(app::TForm1& f) {
    f.os().taskbar.GetSystemMenu(MainWindow(f), true);
    f.SystemMenuChanged = false;
}

void Hide1Click(app::TForm1& f) {
    if (f.Hide1.checked) {
        BackAsTimerWindow(f);
    } else {
        if (!f.CheckBox2.Checked() && f.CheckBox4.Checked() && f.CheckBox12.Checked()) BackAsTimerWindow(f);
        f.Hide();
        f.os().taskbar.ShowWindow(AppWindow(f), port::kSwHide);
        SetHideItem(f, true);
    }
    SetMinimizedToTaskBar(f, false);
    f.HiddenStart = false;
}

void MovetoTaskBar1Click(app::TForm1& f) {
    if (f.TimerWindowHidden) BackAsTimerWindow(f);
    f.os().taskbar.ShowWindow(AppWindow(f), port::kSwMinimize);
    SetMinimizedToTaskBar(f, true);
}

void SetMinimizedToTaskBar(app::TForm1& f, bool minimized) {
    f.MinimizedToTaskBar = minimized;
    f.MovetoTaskBar1.enabled = !minimized;
}

void ShowArmedTrayMenu(app::TForm1& f) {
    SetEntryEnabled(f, f.N1, false);
    for (ui::MenuItem* item : {&f.Timer2, &f.TimerWindow1}) {
        item->visible = true;
        SetEntryEnabled(f, *item, true);
    }
    f.MovetoTaskBar1.enabled = !f.MinimizedToTaskBar;
    SetHint(f, kCountingHint);
}

void ShowCountingTrayItems(app::TForm1& f, bool moveToTaskBar) {
    for (ui::MenuItem* item : {&f.Timer2, &f.TimerWindow1}) {
        item->visible = true;
        SetEntryEnabled(f, *item, true);
    }
    f.MovetoTaskBar1.enabled = moveToTaskBar;
    SetEntryEnabled(f, f.N1, false);
    f.Pause1.checked = false;
}

void ShowStoppedTrayItems(app::TForm1& f, bool moveToTaskBar) {
    SetEntryEnabled(f, f.N1, true);
    f.Timer2.visible = true;
    SetEntryEnabled(f, f.Timer2, false);
    f.TimerWindow1.visible = true;
    SetEntryEnabled(f, f.TimerWindow1, true);
    f.MovetoTaskBar1.enabled = moveToTaskBar;
    f.Pause1.checked = false;
}

void CheckPauseItem(app::TForm1& f, bool checked) {
    f.Pause1.checked = checked;
}

void SetTrayHint(app::TForm1& f, const std::string& hint) {
    SetHint(f, hint);
}

void RestoreFromTray(app::TForm1& f) {
    f.XKTrayIcon951.ShowApplication();
}

void SetTrayIconActive(app::TForm1& f, bool active) {
    f.XKTrayIcon951.SetActive(active);
}

}  // namespace tray
