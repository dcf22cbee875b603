#pragma once
// The controls the device code works on: the device page of the notebook, the two prompt
// options of the task page and the second status bar. The main window builds one per call.
#include <functional>
#include <string>

namespace app {
struct ProgramState;
}
namespace ui {
class CheckBox;
class CheckListBox;
class Image;
class Label;
class SpeedButton;
class SpinEdit;
class StatusBar;
}  // namespace ui

namespace devices {

struct DeviceView {
    app::ProgramState& program;
    ui::CheckListBox& CheckListBox1;  // one item per device, in table order
    ui::Image& Image1;                // red LED: no medium
    ui::Image& Image2;                // green LED: medium
    ui::CheckBox& CheckBox17;         // "&Eject, if insert"
    ui::Label& Label14;               // "Time for rem&oving:"
    ui::SpinEdit& SpinEdit2;          // the removal delay
    ui::Label& Label2;                // "sec"
    ui::SpeedButton& SpeedButton8;    // "Test"
    ui::Label& Label15;               // help for the current action
    ui::StatusBar& StatusBar2;
    ui::CheckBox& CheckBox19;  // "As&k before ejecting..."
    ui::CheckBox& CheckBox18;  // "Inform &before retracting..."
    // The notebook shows the device page.
    std::function<bool()> DevicePageShown;
    // Returns when no device worker runs any more; the table may then be rebuilt.
    std::function<void()> WaitForDevices;
    // Which devices are used changed; the hotkey page follows.
    std::function<void()> DeviceUseChanged;
    // Opens the door of a device (target, device index) on a worker of its own.
    std::function<void(const std::string&, int)> StartDeviceJob;
};

}  // namespace devices
