#pragma once
// The main window: toolbar, main button, method list and status bars (the main view), and the
// Settings notebook that replaces them inside the same window.
#include <array>
#include <cstdint>
#include "app/notebook.h"
#include "app/program_state.h"
#include "devices/device_menus.h"
#include "hotkeys/hotkey_view.h"
#include "shutdown/watchdog_page.h"
#include "timers/countdown_core.h"
#include "tray/tray_menu.h"
#include "tray/xk_tray95.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/timer.h"

namespace app {}  // namespace app
namespace timers {
struct TimerView;
}
namespace app {

class TForm1 : public ui::Form, public Notebook, public tray::TrayMenu {
  public:
    explicit TForm1(ProgramState& program);
    ~TForm1() override;

    ProgramState& program;
    port::Platform& os() { return program.os; }

    // Main view.
    ui::ToolBar ToolBar1;
    ui::BitBtn BitBtn1;            // "Settings..."
    ui::BitBtn BitBtn3;            // "Move to the System-Tray"
    ui::BitBtn BitBtn2;            // "Information..."
    ui::SpeedButton SpeedButton2;  // "Pause timer"
    ui::SpeedButton SpeedButton1;  // "Stop timer"
    ui::Label Label1;
    ui::Button Button1;
    ui::ComboBox ComboBox1;
    ui::ProgressBar ProgressBar1;
    ui::StatusBar StatusBar2;
    ui::StatusBar StatusBar1;
    ui::SpeedButton SpeedButton6;
    ui::Timer Timer1;
    ui::Timer Timer3;

    // The window's context menu (the tray menu comes with tray::TrayMenu).
    ui::PopupMenu PopupMenu2;
    ui::MenuItem Settings1;
    ui::MenuItem Controls1, SystemTray1, GraphicControls1, Tasks1, EventLog1, Beeper1;
    ui::MenuItem HotKeys1, SystemHotKeys1, SystemHotKeys2;
    ui::MenuItem Timers1;
    ui::MenuItem Watchdogs1, RunInit1, EmptyDirectories1, DeviceManager1;
    ui::MenuItem System1, ControlPanel1, Page6, Win98ReBoot1;
    ui::MenuItem EjectRetract1, SysHotkeys1, N5, Allifinsert1, N6;
    // The device entries of EjectRetract1 and of the tray's EjectRetract2.
    devices::DeviceMenuEntries deviceMenus;
    ui::MenuItem LogFile1, ShowLog1, EraseLog1;
    ui::MenuItem Help2;
    ui::MenuItem CommandlineOptions1;
    ui::MenuItem Exit1;

    // The notification-area icon; inactive until the window goes to the tray.
    tray::TXKTrayIcon95 XKTrayIcon951;
    // The handlers of the "Run & Init" page.
    shutdown::WatchdogPage WatchdogPage1;

    // Program-wide window state.
    bool HiddenStart = true;
    std::uint8_t PendingMethodCode = 0;
    int PreviousMethodIndex = 0;
    bool CountdownRunning = false;
    // The start-up countdown keeps the window hidden (the invisible-start option).
    bool InvisibleStart = false;
    timers::Countdown Countdown;
    bool MainActionGate = true;
    bool TrayIconActive() const { return XKTrayIcon951.Active(); }
    bool TrayIconWasActive = false;  // remembered at the end of start-up
    bool ActivatedFromTray = false;  // the window came up from the tray icon
    bool FirstActivationAfterShowFromTray = false;
    bool MinimizedToTaskBar = false;
    bool MainWindowAway = false;
    bool TimerWindowHidden = false;
    bool SystemMenuChanged = false;
    // A copy of the device workers' AnyDeviceBusy, kept by their bookkeeping.
    bool DeviceOperationRunning = false;
    // The ask dialog or the "Empty Directories" dialog is up.
    bool AskOrEmptyDialogVisible = false;
    hotkeys::HotkeyState hotkeyState;
    // The hotkeys' view of this window.
    hotkeys::HotkeyView Hotkeys();
    // A device hotkey (id 1..n) or "All, (if insert)" (id 101) was pressed.
    void DeviceHotkeyPressed(int id);

    // Window position as stored under Window\Top and Window\Left.
    int WindowTop = 0, WindowLeft = 0;
    int CentredTop() const;
    int CentredLeft() const;

    // Creation, in start-up order.
    void InitForm1();
    void PrepareMainWindow();

    // The main action (the main button, the tray's default item, the shutdown hotkey).
    void Exit_Choice();
    void ComboBox1_Changed();
    void CheckForceSelection();
    // Writes or removes the autostart value by "&Always start in System Tray".
    void ApplyAutostart();
    // The start-up countdown's warning was declined: "&Run at Start" goes off at once.
    void DeclineStartupCountdown();

    // What the countdown and the Timers page work on; the handlers of the timer controls.
    timers::TimerView TimersView();
    void BindTimers();

    // Event handlers.
    void AppMessage(const port::Message& msg, bool& handled);
    void FormKeyDown(ui::Key& key, ui::ShiftState shift);
    void FormClose(ui::CloseAction& action);
    void FormDestroy();
    void Form1_Show();
    void FormActivate();
    void FormHide();
    void Form1_Resize();
    void Exit1Click();
    // The steps of "E&xit" when Windows ends the session by other means; once.
    void EndSessionSave();
    void BitBtn2_Click();
    void XKTrayIcon951AppMinimize();
    void XKTrayIcon951AppRestore();
    void Help1Click();
    void Help2Click();
    void SpeedButton6MouseMove(int x, int y);
    void StatusBar1MouseMove(int x, int y);

    // The notebook view shows instead of the main view.
    bool NotebookShowing() const { return Panel1.Visible(); }
    void ShowSettingsPanel();
    void CloseSettingsPanel();
    void OpenSettingsNotebook(int tab);
    // A page item of the menus: the tab at one of its sub-pages (counted from 1).
    void OpenSettingsSubPage(int tab, int subPage);
    void ShowSubPage(int subPage);
    void PageControl1Change();
    void SpinEdit1Change();
    void SpinEdit1Click();
    void SpinEdit1Exit();
    void CheckBox3Click();
    void SpeedButton5Click();
    // The notebook's own hint shows only over the tab row.
    void PageControl1MouseMove(int x, int y);
    void NotebookHintOff();

    // The sub-pages of a tab and the one it reopens at. Tabs without sub-pages have one.
    static int SubPageCount(int tab);
    int RememberedSubPage(int tab) const;
    ui::GroupBox& SubPagePanel(int tab, int subPage);
    // Remembered sub-pages by slot 1 to 5 (slot 2 is unused); they last for the run only.
    std::array<int, 6> SubPageSlots{1, 1, 1, 1, 1, 1};

    // Hides or shows a status bar, keeping the rest of the window's client area as it is.
    void SetStatusBarShown(ui::StatusBar& bar, bool shown);

  private:
    void BuildMainView();
    void BuildMenus();
    void BindNotebook();
    void RememberSubPage(int tab, int subPage);
    void SetTabNumber(int tab, int subPage);
    void SubPageShown(int tab, int subPage);
    void SetSpinnerForTab(int tab);
    bool destroyed_ = false;
    // A sub-page is being wiped in or out; messages run meanwhile, so nothing may switch pages.
    bool wiping_ = false;
    bool starting_ = false;
    // The client size of the main view, put back when the notebook closes.
    int mainClientWidth_ = 0, mainClientHeight_ = 0;
};

}  // namespace app
