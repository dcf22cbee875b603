// The main window's event handlers: message hook, keys, status bars, show and close.
#include "app/form1.h"
#include "app/info_form.h"
#include "app/instance.h"
#include "devices/drives.h"
#include "hotkeys/device_hotkeys.h"
#include "hotkeys/shutdown_hotkey.h"
#include "settings/settings_store.h"
#include "timers/countdown.h"
#include "tray/tray_window.h"

namespace app {
namespace {

constexpr std::uint32_t kScContextHelp = 0xF180;

}  // namespace

void TForm1::AppMessage(const port::Message& msg, bool& handled) {
    if (msg.msg == port::kWmSysCommand) {
        if (msg.wparam < 0xF000) {
            tray::TimerWindowCommand(*this, static_cast<std::uint32_t>(msg.wparam));
        } else if ((msg.wparam & 0xFFF0) == port::kScMinimize) {
            tray::SetMinimizedToTaskBar(*this, true);
        }
        return;
    }
    if (msg.msg != port::kWmHotkey) return;
    const int id = static_cast<int>(msg.wparam);
    if (id < hotkeys::kShutdownHotkeyId) {
        if (hotkeys::DeviceHotkeysRegistered(hotkeyState)) DeviceHotkeyPressed(id);
        return;
    }
    if (id == hotkeys::kShutdownHotkeyId) {
        handled = true;
        if (!NotebookShowing() && !DeviceOperationRunning && !AskOrEmptyDialogVisible) Button1.Click();
    }
}

void TForm1::FormKeyDown(ui::Key& key, ui::ShiftState shift) {
    const int modifiers =
        ((shift & ui::kShift) ? 1 : 0) + ((shift & ui::kCtrl) ? 1 : 0) + ((shift & ui::kAlt) ? 1 : 0);
    if (modifiers >= 2) return;
    if (!Button1.Visible() || !Visible() || !Enabled() || State() == ui::WindowState::Minimized) return;

    if (NotebookShowing()) {
        int tab = -1;
        switch (key) {
            case 'C':
                tab = 0;
                break;
            case 'H':
                tab = 1;
                break;
            case 'T':
                tab = 2;
                break;
            case 'W':
                tab = 3;
                break;
            case 'Y':
                tab = 4;
                break;
            default:
                break;
        }
        if (tab >= 0 && PageControl1.Enabled()) {
            PageControl1.SetActivePageIndex(tab);
            PageControl1Change();
        }
        return;
    }

    switch (key) {
        case 'D':
            Button1.Click();
            break;
        case 'I':
            BitBtn2.Click();
            break;
        case 'O':
            BitBtn1.Click();
            break;
        case 'T':
            BitBtn3.Click();
            break;
        case ui::kVkEscape:
        case 'S':
            if (SpeedButton1.Visible() && SpeedButton1.Enabled() && !SpeedButton1.Down())
                timers::SpeedButton1Click(TimersView());
            break;
        case 'P':
            if (SpeedButton2.Visible() && SpeedButton2.Enabled()) SpeedButton2.Click();
            break;
        default:
            if (key >= '1' && key <= '9') {
                ComboBox1.SetItemIndex(key - '1');
            } else if (key == '0') {
                ComboBox1.SetItemIndex(9);
            }
            break;
    }
    if (key != 'T' && Button1.Showing() && Button1.Enabled()) Button1.SetFocus();
}

void TForm1::SetStatusBarShown(ui::StatusBar& bar, bool shown) {
    if (bar.Visible() == shown) return;
    if (shown) {
        SetClientSize(ClientWidth(), ClientHeight() + bar.Height());
        bar.SetVisible(true);
    } else {
        bar.SetVisible(false);
        SetClientSize(ClientWidth(), ClientHeight() - bar.Height());
    }
}

void TForm1::SpeedButton6MouseMove(int, int y) {
    if (SpeedButton6.Down() || NotebookShowing()) return;
    if (y >= 0 && y <= 9 && StatusBar1.Visible()) {
        SetStatusBarShown(StatusBar2, false);
        SetStatusBarShown(StatusBar1, false);
        settings::StoreStatusBarVisibility(*this);
    } else if (y >= 10 && y <= 19 && !StatusBar1.Visible()) {
        SetStatusBarShown(StatusBar1, true);
        settings::StoreStatusBarVisibility(*this);
    }
}

void TForm1::StatusBar1MouseMove(int, int y) {
    if (SpeedButton6.Down() || NotebookShowing()) return;
    if (y >= 0 && y <= 8 && StatusBar2.Visible()) {
        SetStatusBarShown(StatusBar2, false);
        settings::StoreStatusBarVisibility(*this);
    } else if (y >= 9 && y <= 18 && !StatusBar2.Visible()) {
        SetStatusBarShown(StatusBar2, true);
        settings::StoreStatusBarVisibility(*this);
    }
}

void TForm1::Form1_Resize() {
    if (!Visible() || !Button1.Visible()) return;
    if (SystemMenuChanged) tray::RestoreSystemMenu(*this);
    if (!CountdownRunning) ProgressBar1.SetPosition(ProgressBar1.Min());
    os().taskbar.ShowWindow(program.application.Handle(), port::kSwShow);
    if (Button1.Enabled() && !Button1.Focused()) Button1.SetFocus();
    if (NotebookShowing()) {
        Button1.SetEnabled(false);
        Button2.SetDefault(true);
    }
    tray::SetMinimizedToTaskBar(*this, false);
}

void TForm1::Form1_Show() {
    if (!CheckBox14.Checked()) return;
    const int iconWidth = os().system.GetSystemMetrics(port::kSmCxIcon);
    const int iconHeight = os().system.GetSystemMetrics(port::kSmCyIcon);
    const int screenWidth = os().system.GetSystemMetrics(port::kSmCxScreen);
    const int screenHeight = os().system.GetSystemMetrics(port::kSmCyScreen);
    program.animator.ShrinkToRect(*this, screenWidth + iconWidth, screenHeight + iconHeight, iconWidth,
                                  iconHeight);
}

void TForm1::FormActivate() {
    if (ActivatedFromTray) return;
    lib::WindowAnimator& animator = program.animator;
    const bool skip = TrayIconActive() || FirstActivationAfterShowFromTray || DeviceOperationRunning;
    FirstActivationAfterShowFromTray = false;
    if (!animator.Pending()) return;
    if (skip) {
        // A window shrunk for an animation that does not run must not stay beyond the screen.
        animator.RestoreFromRect(*this, false);
        SetBounds(WindowLeft, WindowTop, Width(), Height());
        return;
    }
    animator.AnimateGrow(*this, WindowLeft, WindowTop, 0);
}

void TForm1::XKTrayIcon951AppMinimize() {
    if (HiddenStart && CheckBox4.Checked() && TrayIconActive())
        os().taskbar.ShowWindow(program.application.Handle(), port::kSwHide);
    MainWindowAway = true;
}

void TForm1::XKTrayIcon951AppRestore() {
    if (DeviceOperationRunning && TrayIconActive()) XKTrayIcon951.HideForm(*this);
    MainWindowAway = false;
}

void TForm1::FormHide() {
    TimerWindowHidden = true;
}

void TForm1::FormClose(ui::CloseAction& action) {
    // Inside a worker's box the wait would wait for the worker that the box holds up.
    if (program.deviceJobs.DeferWhileInWorkerCall([this] { Close(); })) {
        action = ui::CloseAction::None;
        return;
    }
    devices::WaitForDevices(*this);
    devices::RestoreMciCdDrive(*this);
    action = ui::CloseAction::Free;
}

void TForm1::Exit1Click() {
    if (program.deviceJobs.DeferWhileInWorkerCall([this] { Exit1Click(); })) return;
    devices::WaitForDevices(*this);
    devices::RestoreMciCdDrive(*this);
    program.application.ProcessMessages();
    program.application.Terminate();
}

void TForm1::EndSessionSave() {
    if (destroyed_ || program.ended) return;
    devices::WaitForDevices(*this);
    devices::RestoreMciCdDrive(*this);
    FormDestroy();
}

void TForm1::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    // The engine's end of the program has saved and released already.
    if (program.ended) return;
    settings::SaveSettings(*this);
    devices::ReleaseDevices(*this);
    hotkeys::ReleaseAllHotkeys(Hotkeys());
    ReleaseInstance(program);
}

void TForm1::BitBtn2_Click() {
    TInfoForm info(program);
    if (ui::Backend* backend = GetBackend()) info.Realize(*backend);
    info.ShowModal();
    if (!NotebookShowing() && Visible() && State() != ui::WindowState::Minimized && Button1.Enabled()) {
        Button1.SetFocus();
    }
}

void TForm1::Help1Click() {
    os().feedback.WinHelp(program.application.helpFile, port::kHelpKey, 0, "menu_index");
}

void TForm1::Help2Click() {
    if (ui::Peer* peer = GetPeer())
        os().windows.PostMessage(peer->Native(), port::kWmSysCommand, kScContextHelp, 0);
}

}  // namespace app
