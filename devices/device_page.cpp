#include "devices/device_page.h"

#include <algorithm>
#include <cctype>
#include "app/program_state.h"
#include "lib/messages.h"
#include "devices/device_table.h"
#include "devices/medium.h"
#include "devices/prompts.h"
#include "devices/registration.h"
#include "ui/controls.h"
#include "ui/pictures.h"

namespace devices {
namespace {

int SelectedDevice(DeviceView& view) {
    const int item = view.CheckListBox1.ItemIndex();
    return item >= 0 && item < view.program.DeviceTable.DeviceCount() ? item + 1 : 0;
}

std::string MediumText(DeviceView& view) {
    return view.Image1.Visible() ? "Medium not insert. Try to press \"Test\"."
                                 : "Medium insert. Press \"Test\".";
}

int DelayValue(DeviceView& view) {
    return std::clamp(view.SpinEdit2.Value(), 1, kMaxRemovalDelay);
}

constexpr size_t kAskPanel = 3;
constexpr size_t kInformPanel = 4;

void ShowPromptIndicator(ui::StatusBar& bar, size_t panel, const ui::CheckBox& option, bool registered) {
    if (!registered) {
        bar.SetPanelText(panel, "");
        bar.SetPanelColors(panel, ui::kDefaultColor, ui::kDefaultColor);
        bar.SetPanelBevel(panel, ui::PanelBevel::Lowered);
    } else if (!option.Enabled()) {
        bar.SetPanelText(panel, "");
        bar.SetPanelColors(panel, ui::kDefaultColor, ui::kDefaultColor);
        bar.SetPanelBevel(panel, ui::PanelBevel::Raised);
    } else {
        const bool on = option.Checked();
        bar.SetPanelText(panel, on ? "+" : "-");
        bar.SetPanelColors(panel, ui::kBlack, on ? ui::kRed : ui::kAqua);
        bar.SetPanelBevel(panel, ui::PanelBevel::Lowered);
        bar.SetPanelTextLeft(panel, on ? 1 : 3);
    }
}

}  // namespace

void BindDevicePage(const std::function<DeviceView()>& view) {
    DeviceView v = view();
    v.CheckListBox1.OnClickCheck = [view] {
        DeviceView current = view();
        CheckListBox1ClickCheck(current);
    };
    v.CheckListBox1.OnClick = v.CheckListBox1.OnClickCheck;
    v.CheckListBox1.OnDblClick = v.CheckListBox1.OnClickCheck;
    v.CheckBox17.OnClick = [view] {
        DeviceView current = view();
        EditDeviceOptions(current);
    };
    v.SpinEdit2.OnClick = [view] {
        DeviceView current = view();
        SpinEdit2Click(current);
    };
    v.SpinEdit2.OnChange = [view] {
        DeviceView current = view();
        SpinEdit2Change(current);
    };
    v.SpinEdit2.OnExit = [view] {
        DeviceView current = view();
        SpinEdit2Exit(current);
    };
    v.SpeedButton8.OnClick = [view] {
        DeviceView current = view();
        SpeedButton8Click(current);
    };
    v.CheckBox18.OnClick = [view] {
        DeviceView current = view();
        CheckBox18Click(current);
    };
    v.CheckBox19.OnClick = v.CheckBox18.OnClick;
}

void RefreshDevicePage(DeviceView& view) {
    ShowLed(view, false);
    RegisterDevices(view);
}

void CheckListBox1ClickCheck(DeviceView& view) {
    SelectDevice(view);
    if (view.DeviceUseChanged) view.DeviceUseChanged();
}

void SelectDevice(DeviceView& view) {
    const int index = SelectedDevice(view);
    if (index == 0) return;
    DeviceTable& table = view.program.DeviceTable;
    const std::string delayText = view.SpinEdit2.Text();
    if (delayText.empty() || delayText == "0") view.SpinEdit2.SetText("1");
    CheckMediumAndShowLed(view, GetDeviceName(table, index));

    switch (view.CheckListBox1.State(index - 1)) {
        case ui::CheckState::Grayed:
            EnableDeviceOptions(view, false);
            view.CheckBox17.SetEnabled(true);
            if (GetDeviceField(table, index, kFieldOnlyIfInserted) == 1) {
                SetDeviceFields(table, index, nullptr, kStateEjectOnly, 1, kKeepField);
                view.CheckBox17.SetChecked(true);
                view.SpeedButton8.SetEnabled(true);
                view.Label15.SetCaption(MediumText(view));
            } else {
                SetDeviceFields(table, index, nullptr, kStateEjectOnly, 0, kKeepField);
                view.CheckBox17.SetChecked(false);
                view.SpeedButton8.SetEnabled(true);
                view.Label15.SetCaption("Check \"[ ]Eject ...\" or change to black.");
            }
            break;
        case ui::CheckState::Unchecked:
            EnableDeviceOptions(view, false);
            SetDeviceFields(table, index, nullptr, kStateNotUsed, 0, kKeepField);
            view.Label15.SetCaption("gray = cannot- / black = can retract");
            break;
        case ui::CheckState::Checked: {
            EnableDeviceOptions(view, true);
            const int flag = GetDeviceField(table, index, kFieldOnlyIfInserted);
            SetDeviceFields(table, index, nullptr, kStateEjectRetract, kKeepField, kKeepField);
            // Setting the field runs its clean-up and stores what it shows; the box then puts
            // the record's flag back.
            view.SpinEdit2.SetText(std::to_string(GetDeviceField(table, index, kFieldDelay)));
            view.CheckBox17.SetChecked(flag == 1);
            view.Label15.SetCaption(flag == 1 ? MediumText(view)
                                              : "Check \"[ ]Eject ...\" or uncheck in list.");
            break;
        }
    }
    UpdateDeviceSummary(view);
    view.program.os.loop.ProcessMessages();
}

void EnableDeviceOptions(DeviceView& view, bool enabled) {
    view.CheckBox17.SetEnabled(enabled);
    view.Label14.SetEnabled(enabled);
    view.SpinEdit2.SetEnabled(enabled);
    view.Label2.SetEnabled(enabled);
    view.SpeedButton8.SetEnabled(enabled);
}

void EditDeviceOptions(DeviceView& view) {
    if (view.SpinEdit2.Value() < 1) view.SpinEdit2.SetText("1");
    const int index = SelectedDevice(view);
    if (index == 0) return;
    DeviceTable& table = view.program.DeviceTable;
    if (view.CheckBox17.Checked()) {
        SetDeviceFields(table, index, nullptr, kKeepField, 1,
                        view.SpinEdit2.Enabled() ? DelayValue(view) : kKeepField);
        view.SpeedButton8.SetEnabled(true);
        view.Label15.SetCaption(MediumText(view));
    } else {
        SetDeviceFields(table, index, nullptr, kKeepField, 0, DelayValue(view));
        view.Label15.SetCaption("Check \"[ ]Eject ...\", if desired.");
    }
    UpdateDeviceSummary(view);
}

bool CleanDelayField(DeviceView& view) {
    const std::string text = view.SpinEdit2.Text();
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (digits && text.find_first_not_of('0') != std::string::npos) return false;
    view.SpinEdit2.SetText("1");
    return true;
}

void SpinEdit2Click(DeviceView& view) {
    CleanDelayField(view);
    if (view.SpinEdit2.Enabled() && !view.SpinEdit2.Text().empty()) view.SpinEdit2.SelectAll();
}

void SpinEdit2Change(DeviceView& view) {
    // A cleaned text comes back here through the field's own change.
    if (CleanDelayField(view)) return;
    if (view.SpinEdit2.Enabled() && !view.SpinEdit2.Text().empty()) EditDeviceOptions(view);
}

void SpinEdit2Exit(DeviceView& view) {
    CleanDelayField(view);
}

void SpeedButton8Click(DeviceView& view) {
    const int index = SelectedDevice(view);
    if (index == 0) return;
    const std::string name = GetDeviceName(view.program.DeviceTable, index);
    const std::string target = DeviceTarget(name);
    port::DialogPort& dialogs = view.program.os.dialogs;
    if (CheckMediumAndShowLed(view, name)) {
        if (view.program.AskBeforeEject && !AskOpenDoor(dialogs, target)) return;
        view.StartDeviceJob(target, index);
    } else if (view.Label14.Enabled()) {
        // Black: the door can close again, so an empty one may be tried.
        if (lib::Confirm(dialogs,
                         "There is currently no medium in this device!\r"
                         "(Red LED = no medium / green LED = medium insert)\r\r"
                         "Do you want to test this device anyway?"))
            view.StartDeviceJob(target, index);
    } else {
        lib::ShowInformation(dialogs,
                             "There is currently no medium in this device and you\r"
                             "have marked it with a gray hook in the device-list,\r"
                             "which means that it has no door and therefore should\r"
                             "not be ejected until a medium is in the device -and\r"
                             "cannot load a medium by software-commands!\r"
                             "(Red LED = no medium / green LED = medium insert)\r\r"
                             "Please insert a medium or change to the > black <\r"
                             "status (hook) and try again.");
    }
}

void CheckBox18Click(DeviceView& view) {
    view.program.AskBeforeEject = view.CheckBox19.Checked();
    view.program.InfoBeforeRetract = view.CheckBox18.Checked();
    ShowPromptIndicators(view);
}

int DevicePicture(std::string_view name) {
    if (name.starts_with("CD")) return ui::kPictureDriveCdrom;
    if (name.size() >= 2 && std::toupper(static_cast<unsigned char>(name[0])) == 'T' &&
        std::toupper(static_cast<unsigned char>(name[1])) == 'A')
        return ui::kPictureDriveTape;
    // "RM - A:": the drive letter sits at the sixth character.
    if (name.starts_with("RM"))
        return name.size() >= 7 && name.substr(5, 2) == "A:" ? ui::kPictureDriveFloppy
                                                             : ui::kPictureDriveRemovable;
    return 0;
}

void ShowPromptIndicators(DeviceView& view) {
    const bool registered = view.program.DeviceTable.DeviceCount() > 0;
    ShowPromptIndicator(view.StatusBar2, kAskPanel, view.CheckBox19, registered);
    ShowPromptIndicator(view.StatusBar2, kInformPanel, view.CheckBox18, registered);
}

}  // namespace devices
