#include "devices/registration.h"

#include <new>
#include "app/program_state.h"
#include "devices/device_page.h"
#include "devices/device_table.h"
#include "lib/messages.h"
#include "ui/controls.h"

namespace devices {
namespace {

void ShowLimitReached(port::DialogPort& dialogs) {
    lib::ShowError(dialogs, "Maximum of devices which can be registered (" + std::to_string(MaxDevices) +
                                ") has been reached!\r\rPlease ask the author for an expanded version of the "
                                "software!");
}

// The list shows field 1 of each record, so that it names the devices as the menus and the
// registry do.
void FillDeviceList(DeviceView& view) {
    std::vector<std::string> names;
    for (const std::string& record : view.program.DeviceTable.Records())
        names.push_back(RecordName(record));
    view.CheckListBox1.SetItems(std::move(names));
    for (int i = 0; i < view.CheckListBox1.Count(); ++i)
        view.CheckListBox1.SetPicture(i, DevicePicture(view.CheckListBox1.Items()[i]));
}

}  // namespace

std::vector<std::string> DetectedDevices(const app::ProgramState& program) {
    return DetectedDeviceNames(program.CdromLetters, program.RemovableLetters, program.ScsiTapeNames,
                               app::IsNT(program.osKind));
}

bool HardwareChanged(const app::ProgramState& program) {
    return HardwareChanged(program.DeviceTable, DetectedDevices(program));
}

bool AddDevice(DeviceView& view, const std::string& name, std::string record) {
    DeviceTable& table = view.program.DeviceTable;
    if (table.DeviceCount() >= MaxDevices) {
        ShowLimitReached(view.program.os.dialogs);
        return false;
    }
    const int before = table.DeviceCount();
    try {
        table.Add(std::move(record));
        view.CheckListBox1.AddItem(name);
        view.CheckListBox1.SetPicture(view.CheckListBox1.Count() - 1, DevicePicture(name));
        return true;
    } catch (const std::bad_alloc&) {
        if (table.DeviceCount() > before) table.DropLast();
        lib::ShowError(view.program.os.dialogs,
                       "Out of Memory!\r\rNot enough memory to register all your devices.\rPlease close some "
                       "open applications or buy some memory ...\rand try again!");
        return false;
    }
}

void RegisterDevices(DeviceView& view) {
    app::ProgramState& program = view.program;
    DeviceTable& table = program.DeviceTable;
    const std::vector<std::string> detected = DetectedDevices(program);
    if (HardwareChanged(table, detected)) {
        view.WaitForDevices();
        ClearDeviceTable(table);
    }
    if (table.DeviceCount() > 0) {
        if (view.CheckListBox1.Count() != table.DeviceCount()) FillDeviceList(view);
        ApplyCheckStates(view);
    } else {
        view.CheckListBox1.Clear();
        for (const std::string& name : detected)
            AddDevice(view, name, name + ",");
    }
    if (table.DeviceCount() > 0) {
        view.CheckListBox1.SetEnabled(true);
        view.CheckListBox1.SetItemIndex(0);
        SelectDevice(view);
    } else {
        view.Label15.SetCaption(app::IsNT(program.osKind) ? "No removable devices (CD-ROM) found!"
                                                          : "No CD-ROM devices found!");
        ShowPromptIndicators(view);
    }
}

void ApplyCheckStates(DeviceView& view) {
    const DeviceTable& table = view.program.DeviceTable;
    for (int i = 1; i <= table.DeviceCount(); ++i) {
        switch (GetDeviceField(table, i, kFieldState)) {
            case kStateEjectOnly:
                view.CheckListBox1.SetState(i - 1, ui::CheckState::Grayed);
                break;
            case kStateEjectRetract:
                view.CheckListBox1.SetState(i - 1, ui::CheckState::Checked);
                break;
            default:
                break;
        }
    }
}

void UpdateDeviceSummary(DeviceView& view) {
    const DeviceTable& table = view.program.DeviceTable;
    const bool used = AnyDeviceSelected(table);
    view.StatusBar2.SetPanelText(2, used ? "Eject" : "");
    view.CheckBox19.SetEnabled(used);
    view.CheckBox18.SetEnabled(used && AnyDeviceRetracting(table));
    ShowPromptIndicators(view);
}

void RestoreDeviceRecords(DeviceView& view, const std::vector<std::string>& records) {
    view.WaitForDevices();
    view.program.DeviceTable.Assign(records);
    FillDeviceList(view);
    ApplyCheckStates(view);
    UpdateDeviceSummary(view);
}

}  // namespace devices
