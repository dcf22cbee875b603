#include "app/device_view.h"

#include "app/form1.h"
#include "devices/drives.h"
#include "hotkeys/hotkeys_page.h"

namespace app {
namespace {

constexpr int kWatchdogsTab = 3;
constexpr int kDevicePage = 3;
constexpr int kModalCancel = 2;

void BringToFront(TForm1& form) {
    const port::WindowId window =
        form.GetPeer() ? form.GetPeer()->Native() : form.program.application.Handle();
    form.os().windows.SetForegroundWindow(window);
}

}  // namespace

bool DevicePageShown(const TForm1& form) {
    return form.NotebookShowing() && form.PageControl1.ActivePageIndex() == kWatchdogsTab &&
           form.RememberedSubPage(kWatchdogsTab) == kDevicePage;
}

devices::DeviceView MakeDeviceView(TForm1& form) {
    return devices::DeviceView{
        form.program,
        form.CheckListBox1,
        form.Image1,
        form.Image2,
        form.CheckBox17,
        form.Label14,
        form.SpinEdit2,
        form.Label2,
        form.SpeedButton8,
        form.Label15,
        form.StatusBar2,
        form.CheckBox19,
        form.CheckBox18,
        [&form] { return DevicePageShown(form); },
        [&form] { devices::WaitForDevices(form); },
        [&form] { hotkeys::UpdateDeviceHotkeyControls(form.Hotkeys()); },
        [&form](const std::string& target, int index) { devices::StartDeviceJob(form, target, index); }};
}

devices::DeviceMenuView MakeDeviceMenuView(TForm1& form) {
    return devices::DeviceMenuView{
        form.program,
        form.deviceMenus,
        form.EjectRetract1,
        form.SysHotkeys1,
        form.Allifinsert1,
        form.EjectRetract2,
        form.SysHotkeys2,
        form.Allifinsert2,
        form.SysHotKeys,
        form.CheckBox19,
        form.CheckBox18,
        form.AskOrEmptyDialogVisible,
        form.Hotkeys(),
        [&form] { return form.TrayIconActive(); },
        [&form](bool on) { form.XKTrayIcon951.SetActive(on); },
        [&form] { BringToFront(form); },
        [] {
            if (ui::Form* dialog = ui::Form::TopModal()) dialog->SetModalResult(kModalCancel);
        },
        [&form] { hotkeys::UpdateDeviceHotkeyControls(form.Hotkeys()); },
        [&form](const std::string& target, int index) { devices::StartDeviceJob(form, target, index); },
        [&form] { devices::EjectAllIfInserted(form); }};
}

devices::JobHost MakeJobHost(TForm1& form) {
    devices::JobHost host;
    host.View = [&form] { return MakeDeviceView(form); };
    host.BusyChanged = [&form](bool busy) { form.DeviceOperationRunning = busy; };
    host.ShowStatus = [&form](const std::string& text) { form.Label15.SetCaption(text); };
    host.PutTrayIconBack = [&form] { form.XKTrayIcon951.SetActive(true); };
    host.EnableHotkeyEntries = [&form] { devices::EnableHotkeyEntries(MakeDeviceMenuView(form)); };
    host.HideTaskbarButtonIfMinimized = [&form] {
        if (form.Visible() && form.State() == ui::WindowState::Minimized)
            form.os().taskbar.ShowWindow(form.program.application.Handle(), port::kSwHide);
    };
    return host;
}

}  // namespace app
