#include "app/form1.h"

#include "app/method_list.h"
#include "app/watchdog_views.h"
#include "cmdline/command_line.h"
#include "devices/drives.h"
#include "hotkeys/shutdown_hotkey.h"
#include "log/log_page.h"
#include "settings/settings_store.h"
#include "tray/tray_window.h"
#include "ui/pictures.h"

namespace app {

TForm1::TForm1(ProgramState& state)
    : ui::Form("TForm1"),
      Notebook(this),
      program(state),
      ToolBar1(this, "ToolBar1"),
      BitBtn1(&ToolBar1, "BitBtn1"),
      BitBtn3(&ToolBar1, "BitBtn3"),
      BitBtn2(&ToolBar1, "BitBtn2"),
      SpeedButton2(this, "SpeedButton2"),
      SpeedButton1(this, "SpeedButton1"),
      Label1(this, "Label1"),
      Button1(this, "Button1"),
      ComboBox1(this, "ComboBox1"),
      ProgressBar1(this, "ProgressBar1"),
      StatusBar2(this, "StatusBar2"),
      StatusBar1(this, "StatusBar1"),
      SpeedButton6(this, "SpeedButton6"),
      Timer1(state.os.loop),
      Timer3(state.os.loop),
      PopupMenu2("PopupMenu2"),
      Settings1(&PopupMenu2, "Settings1", "&Settings"),
      Controls1(&Settings1, "Controls1", "&Controls"),
      SystemTray1(&Controls1, "SystemTray1", "System Tr&ay", ui::Ctrl('Y')),
      GraphicControls1(&Controls1, "GraphicControls1", "&Graphic Controls", ui::Ctrl('G')),
      Tasks1(&Controls1, "Tasks1", "Tas&ks", ui::Ctrl('A')),
      EventLog1(&Controls1, "EventLog1", "E&vent Log", ui::Ctrl('L')),
      Beeper1(&Controls1, "Beeper1", "&Beeper", ui::Ctrl('B')),
      HotKeys1(&Settings1, "HotKeys1", "&HotKeys"),
      SystemHotKeys1(&HotKeys1, "SystemHotKeys1", "System HotKeys [&1]", ui::Ctrl('1')),
      SystemHotKeys2(&HotKeys1, "SystemHotKeys2", "System HotKeys [&2]", ui::Ctrl('2')),
      Timers1(&Settings1, "Timers1", "&Timers", ui::Ctrl('T')),
      Watchdogs1(&Settings1, "Watchdogs1", "&Watchdogs"),
      RunInit1(&Watchdogs1, "RunInit1", "&Run && Init", ui::Ctrl('R')),
      EmptyDirectories1(&Watchdogs1, "EmptyDirectories1", "Empty &Directories", ui::Ctrl('D')),
      DeviceManager1(&Watchdogs1, "DeviceManager1", "Device &Manager", ui::Ctrl('M')),
      System1(&Settings1, "System1", "S&ystem"),
      ControlPanel1(&System1, "ControlPanel1", "Control &Panel", ui::Ctrl('P')),
      Page6(&System1, "Page6", "Win95/98 &SplashScreens", ui::Ctrl('S')),
      Win98ReBoot1(&System1, "Win98ReBoot1", "Win98 (Re-)B&oot", ui::Ctrl('O')),
      EjectRetract1(&PopupMenu2, "EjectRetract1", "&Eject && Retract"),
      SysHotkeys1(&EjectRetract1, "SysHotkeys1", "System &Hotkeys"),
      N5(&EjectRetract1, "N5", "-"),
      Allifinsert1(&EjectRetract1, "Allifinsert1", "&All, (if insert)..."),
      N6(&EjectRetract1, "N6", "-"),
      LogFile1(&PopupMenu2, "LogFile1", "&LogFile"),
      ShowLog1(&LogFile1, "ShowLog1", "Sho&w..."),
      EraseLog1(&LogFile1, "EraseLog1", "E&rase..."),
      Help2(&PopupMenu2, "Help2", "Context sensitive &Help...", ui::Ctrl('H')),
      CommandlineOptions1(&PopupMenu2, "CommandlineOptions1", "&Commandline Options..."),
      Exit1(&PopupMenu2, "Exit1", "E&xit", ui::Ctrl('X')),
      XKTrayIcon951(*this, state.os, state.application),
      WatchdogPage1(MakeWatchdogPageView(*this)) {
    BuildMainView();
    BuildMenus();
}

TForm1::~TForm1() {
    // Workers' completions reach this window.
    program.deviceJobs.WaitForDevices();
    program.deviceJobs.SetHost({});
    FormDestroy();
}

void TForm1::BuildMainView() {
    SetCaption("Ravelin");
    borderStyle = ui::BorderStyle::Single;
    minimizeBox = true;
    maximizeBox = false;
    SetKeyPreview(true);
    SetClientSize(235, 218);

    ToolBar1.SetHeight(38);
    ToolBar1.SetAlign(ui::Align::Top);
    struct ToolButton {
        ui::BitBtn& button;
        const char* hint;
        int picture;
        int help;
    };
    int left = 3;
    for (ToolButton b : {ToolButton{BitBtn1, "Settings...", ui::kPictureSettings, 20},
                         ToolButton{BitBtn3, "Move to the System-Tray", ui::kPictureTray, 30},
                         ToolButton{BitBtn2, "Information...", ui::kPictureInfo, 40}}) {
        b.button.SetBounds(left, 3, 32, 32);
        b.button.SetHint(b.hint);
        b.button.picture[0] = b.picture;
        b.button.SetHelpContext(b.help);
        b.button.SetTabStop(false);
        left += 34;
    }

    SpeedButton2.SetBounds(187, 9, 21, 21);
    SpeedButton2.SetCaption("||");
    SpeedButton2.SetHint("Pause timer");
    SpeedButton2.groupIndex = 2;
    SpeedButton2.allowAllUp = true;
    SpeedButton2.SetVisible(false);
    SpeedButton1.SetBounds(210, 9, 21, 21);
    SpeedButton1.SetCaption("X");
    SpeedButton1.SetHint("Stop timer");
    SpeedButton1.SetVisible(false);

    Label1.SetBounds(0, 40, 235, 15);
    Label1.alignment = ui::TextAlign::Center;

    Button1.SetBounds(22, 58, 190, 35);
    Button1.SetDefault(true);
    Button1.picture[0] = ui::kPictureMainNormal;
    Button1.picture[1] = ui::kPictureMainDisabled;
    Button1.picture[2] = ui::kPictureMainPressed;
    Button1.SetHint(" Press this button to shut down\r with the option in the list below.");
    Button1.SetHelpContext(10);

    ComboBox1.SetBounds(22, 100, 190, 21);
    ComboBox1.dropDownCount = 11;
    ComboBox1.SetColor(ui::kAqua);
    ComboBox1.SetHint("Choose how to shut down.");
    ComboBox1.SetHelpContext(60);

    ProgressBar1.SetBounds(22, 129, 190, 12);
    ProgressBar1.SetHelpContext(50);
    ProgressBar1.SetVisible(false);
    // The timer buttons and the progress bar show only while a countdown or a device job runs:
    // their windows are made then, not at every start.
    for (ui::Widget* shownLater :
         std::initializer_list<ui::Widget*>{&SpeedButton1, &SpeedButton2, &ProgressBar1})
        shownLater->SetPeerOnFirstShow(true);

    StatusBar1.SetPanelWidths({44, 72, 28, 24, 24, 21, 21});
    StatusBar1.SetHint(" Status-Bar 1/2.");
    StatusBar1.SetHelpContext(70);
    StatusBar1.OnMouseMove = [this](int x, int y) { StatusBar1MouseMove(x, y); };
    StatusBar2.SetPanelWidths({44, 100, 40, 14, 14, 14});
    for (size_t i = 3; i <= 5; ++i)
        StatusBar2.SetPanelOwnerDraw(i, true);
    StatusBar2.SetHint(" Status-Bar 2/2.");
    StatusBar2.SetHelpContext(70);

    SpeedButton6.SetHeight(20);
    SpeedButton6.SetAlign(ui::Align::Bottom);
    SpeedButton6.flat = true;
    SpeedButton6.groupIndex = 1;
    SpeedButton6.allowAllUp = true;
    SpeedButton6.SetCaption("Status-Bars");
    SpeedButton6.SetHint(" Lock/Unlock Status-Bars.");
    SpeedButton6.OnMouseMove = [this](int x, int y) { SpeedButton6MouseMove(x, y); };

    Timer1.SetEnabled(false);
    Timer3.SetEnabled(false);

    OnShow = [this] { Form1_Show(); };
    OnActivate = [this] { FormActivate(); };
    OnHide = [this] { FormHide(); };
    OnPaint = [this] { Form1_Resize(); };
    OnClose = [this](ui::CloseAction& action) { FormClose(action); };
    OnRelease = [this] { program.application.Terminate(); };
    OnEndSession = [this] { EndSessionSave(); };
    OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
    OnHelp = [this](int context) {
        os().feedback.WinHelp(program.application.helpFile, port::kHelpContext,
                              static_cast<std::uint32_t>(context), "");
    };
    // A minimise from the caption reaches the window directly, never the message hook.
    OnStateChange = [this](ui::WindowState state) {
        if (state == ui::WindowState::Minimized) tray::SetMinimizedToTaskBar(*this, true);
    };
    BitBtn2.OnClick = [this] { BitBtn2_Click(); };
    Button1.OnClick = [this] { Exit_Choice(); };
    ComboBox1.OnChange = [this] { ComboBox1_Changed(); };
    BitBtn1.OnClick = [this] { OpenSettingsNotebook(0); };
    // The edits need the keys the window would otherwise take.
    for (ui::Edit* edit : {&Edit1, &Edit2, &Edit3, &Edit4}) {
        edit->OnEnter = [this] { SetKeyPreview(false); };
        edit->OnExit = [this] { SetKeyPreview(true); };
    }
}

void TForm1::BuildMenus() {
    contextMenu = &PopupMenu2;
    AddShortCutMenu(&PopupMenu2);
    // Each page item opens the notebook at its tab and sub-page.
    struct PageItem {
        ui::MenuItem& item;
        int tab;
        int subPage;
    };
    for (PageItem p : {PageItem{SystemTray1, 0, 1}, PageItem{GraphicControls1, 0, 2}, PageItem{Tasks1, 0, 3},
                       PageItem{EventLog1, 0, 4}, PageItem{Beeper1, 0, 5}, PageItem{SystemHotKeys1, 1, 1},
                       PageItem{SystemHotKeys2, 1, 2}, PageItem{Timers1, 2, 1}, PageItem{RunInit1, 3, 1},
                       PageItem{EmptyDirectories1, 3, 2}, PageItem{DeviceManager1, 3, 3},
                       PageItem{ControlPanel1, 4, 1}, PageItem{Page6, 4, 2}, PageItem{Win98ReBoot1, 4, 3}}) {
        const int tab = p.tab, subPage = p.subPage;
        p.item.OnClick = [this, tab, subPage] { OpenSettingsSubPage(tab, subPage); };
    }
    // The log file entries and the device menu follow RVLN.LOG and the device table.
    LogFile1.enabled = false;
    PopupMenu2.OnPopup = [this] {
        eventlog::UpdateLogFileMenus(*this);
        devices::RefreshDeviceMenus(*this);
    };
    ShowLog1.isDefault = true;
    CommandlineOptions1.OnClick = [this] { cmdline::ShowCommandLineHelp(program); };
    Help2.OnClick = [this] { Help2Click(); };
    Exit1.OnClick = [this] { Exit1Click(); };
}

int TForm1::CentredTop() const {
    return (program.os.system.GetSystemMetrics(port::kSmCyScreen) - Height()) / 2;
}

int TForm1::CentredLeft() const {
    return (program.os.system.GetSystemMetrics(port::kSmCxScreen) - Width()) / 2;
}

}  // namespace app
