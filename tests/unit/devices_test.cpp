#include <gtest/gtest.h>
#include "app/device_view.h"
#include "devices/device_page.h"
#include "devices/device_store.h"
#include "devices/device_table.h"
#include "devices/mci.h"
#include "devices/medium.h"
#include "devices/scsi.h"
#include "program_fixture.h"
#include "settings/settings_store.h"
#include "ui/pictures.h"

namespace {

using port::RegRoot;
constexpr const char* kTableKey = "SOFTWARE\\QAV\\Ravelin\\DeviceTable 0";
constexpr const char* kMciKey = "System\\CurrentControlSet\\Control\\MediaResources\\mci\\cdaudio";

class DevicesTest : public program_test::PlainWindowTest {
  protected:
    void OpenDevicePage() { form->OpenSettingsSubPage(3, 3); }
    std::vector<std::string> Records() const { return program->State().DeviceTable.Records(); }
    void Store(std::vector<std::string> records) {
        for (size_t i = 0; i < records.size(); ++i)
            machine.registry.SetString(RegRoot::LocalMachine, kTableKey, "Device" + std::to_string(i + 1),
                                       records[i]);
    }
    app::ProgramState& State() { return program->State(); }
};

TEST_F(DevicesTest, RegistersCdromsRemovablesAndTapesInOrderOnNt) {
    machine.AddRemovableDrive('A');
    machine.AddCdrom('E');
    machine.AddCdrom('D');
    machine.AddRemovableDrive('F');
    machine.AddScsiTape("Tape1", 1, 0, 0);
    machine.AddScsiTape("Tape0", 0, 2, 6);
    machine.AddScsiTape("TapeLate", 0, 0, 7);    // target 7 is not examined
    machine.AddScsiTape("TapeLun", 0, 0, 1, 1);  // nor logical unit 1
    Start(sim::Os::NT4);
    EXPECT_EQ(Records(), (std::vector<std::string>{"CD - D:,0,0,", "CD - E:,", "RM - A:,", "RM - F:,",
                                                   "Tape0,", "Tape1,"}));
    OpenDevicePage();
    EXPECT_EQ(form->CheckListBox1.Items(),
              (std::vector<std::string>{"CD - D:", "CD - E:", "RM - A:", "RM - F:", "Tape0", "Tape1"}));
    EXPECT_EQ(form->CheckListBox1.ItemIndex(), 0);
    EXPECT_EQ(form->Label15.Caption(), "gray = cannot- / black = can retract");
    std::vector<int> pictures;
    for (int i = 0; i < form->CheckListBox1.Count(); ++i)
        pictures.push_back(form->CheckListBox1.Picture(i));
    EXPECT_EQ(pictures,
              (std::vector<int>{ui::kPictureDriveCdrom, ui::kPictureDriveCdrom, ui::kPictureDriveFloppy,
                                ui::kPictureDriveRemovable, ui::kPictureDriveTape, ui::kPictureDriveTape}));
    EXPECT_EQ(devices::DevicePicture("tape3"), ui::kPictureDriveTape);
    EXPECT_EQ(devices::DevicePicture("RM"), ui::kPictureDriveRemovable);
    EXPECT_EQ(devices::DevicePicture("\\.\Tape0"), 0);
}

TEST_F(DevicesTest, Windows98RegistersOnlyCdromsAndSaysWhenThereIsNone) {
    machine.AddRemovableDrive('A');
    machine.AddCdrom('D');
    machine.AddScsiTape("Tape0", 0, 0, 0);
    Start(sim::Os::Win98);
    OpenDevicePage();
    EXPECT_EQ(form->CheckListBox1.Items(), (std::vector<std::string>{"CD - D:"}));
    EXPECT_TRUE(State().ScsiTapeNames[0].empty());

    machine.files.RemoveDrive('D');
    ASSERT_TRUE(Launch());
    OpenDevicePage();
    EXPECT_EQ(form->CheckListBox1.Count(), 0);
    EXPECT_EQ(form->Label15.Caption(), "No CD-ROM devices found!");
    EXPECT_FALSE(form->CheckBox19.Enabled());
}

TEST_F(DevicesTest, StatusPanelsShowThePromptOptionsWhileDevicesAreRegistered) {
    struct Look {
        std::string text;
        std::uint32_t back;
        ui::PanelBevel bevel;
        int textLeft;
        bool operator==(const Look&) const = default;
    };
    auto look = [this](size_t panel) {
        const ui::StatusPanel& p = form->StatusBar2.Panels()[panel];
        return Look{p.text, p.backColor, p.bevel, p.text.empty() ? 0 : p.textLeft};
    };
    const Look plain{"", ui::kDefaultColor, ui::PanelBevel::Lowered, 0};
    const Look raised{"", ui::kDefaultColor, ui::PanelBevel::Raised, 0};
    const Look on{"+", ui::kRed, ui::PanelBevel::Lowered, 1};
    const Look off{"-", ui::kAqua, ui::PanelBevel::Lowered, 3};

    Start(sim::Os::Win98);  // no CD-ROM drive: nothing registered
    EXPECT_EQ(look(3), plain);
    EXPECT_EQ(look(4), plain);

    machine.AddCdrom('D');
    ASSERT_TRUE(Launch());
    OpenDevicePage();
    // Registered but unused: both options are disabled.
    EXPECT_EQ(look(3), raised);
    EXPECT_EQ(look(4), raised);
    form->CheckListBox1.PeerToggle(0);  // gray: ejects, never retracts
    EXPECT_EQ(look(3), off);
    EXPECT_EQ(look(4), raised);
    form->CheckListBox1.PeerToggle(0);  // black
    EXPECT_EQ(look(3), off);
    EXPECT_EQ(look(4), on);
    EXPECT_EQ(form->StatusBar2.Panels()[3].textColor, ui::kBlack);
    form->CheckBox19.Click();
    form->CheckBox18.Click();
    EXPECT_EQ(look(3), on);
    EXPECT_EQ(look(4), off);
    EXPECT_TRUE(State().AskBeforeEject);
    EXPECT_FALSE(State().InfoBeforeRetract);
}

TEST_F(DevicesTest, StoredTableRoundTripsAndChangedHardwareIsReported) {
    machine.AddCdrom('D');
    Start(sim::Os::NT4);
    OpenDevicePage();
    // Gray with the flag, then black with a delay.
    form->CheckListBox1.PeerToggle(0);
    EXPECT_EQ(Records()[0], "CD - D:,1,0,");
    form->CheckBox17.Click();
    EXPECT_EQ(Records()[0], "CD - D:,1,1,");
    EXPECT_EQ(form->StatusBar2.PanelText(2), "Eject");
    EXPECT_TRUE(form->CheckBox19.Enabled());
    EXPECT_FALSE(form->CheckBox18.Enabled());
    form->CheckListBox1.PeerToggle(0);
    EXPECT_TRUE(form->SpinEdit2.Enabled());
    EXPECT_EQ(form->SpinEdit2.Text(), "1");
    form->SpinEdit2.SetText("20");
    EXPECT_EQ(Records()[0], "CD - D:,2,1,20,");
    EXPECT_TRUE(form->CheckBox18.Enabled());
    form->Button2.Click();  // Save
    EXPECT_EQ(machine.registry.ValueNames(RegRoot::LocalMachine, kTableKey),
              (std::vector<std::string>{"Device1"}));
    EXPECT_EQ(machine.registry.String(RegRoot::LocalMachine, kTableKey, "Device1"), "CD - D:,2,1,20,");

    // The same table again: nothing is written, so a user who may not write HKLM gets no box.
    machine.DenyMachineKeyWrites();
    const size_t boxes = machine.dialogs.boxes.size();
    EXPECT_TRUE(devices::SaveDeviceTable(State()));
    EXPECT_EQ(machine.dialogs.boxes.size(), boxes);
    machine.registry.ClearAccessRules();

    ASSERT_TRUE(Launch());
    EXPECT_EQ(Records(), (std::vector<std::string>{"CD - D:,2,1,20,"}));
    OpenDevicePage();
    EXPECT_EQ(form->CheckListBox1.State(0), ui::CheckState::Checked);
    EXPECT_EQ(form->SpinEdit2.Text(), "20");
    EXPECT_TRUE(form->CheckBox17.Checked());

    // D: is now E:: the notice, an NT event, an empty table; the stored one stays for now.
    machine.files.RemoveDrive('D');
    machine.AddCdrom('E');
    ASSERT_TRUE(Launch());
    const auto notices = machine.dialogs.Containing("has detected that you have changed");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(
        notices[0].text,
        "Important Information:\r\rRavelin\xC2\xA9 has detected that you have changed your hardware-\r"
        "configuration since the last storage! Please check the Device Manager\rList on the \"WatchDogs\" "
        "Settings-Notebook tabsheet page no. 3 for\rpossible changes!");
    ASSERT_EQ(machine.eventLog.events.size(), 1u);
    EXPECT_EQ(machine.eventLog.events[0].eventId, 1000u);
    EXPECT_TRUE(Records().empty());
    // Saving an empty table keeps the stored one.
    settings::SaveSettings(*form);
    EXPECT_EQ(machine.registry.String(RegRoot::LocalMachine, kTableKey, "Device1"), "CD - D:,2,1,20,");
    OpenDevicePage();
    EXPECT_EQ(form->CheckListBox1.Items(), (std::vector<std::string>{"CD - E:"}));
    // Registered afresh, E: is not used: "Test" is disabled, and a click posted to it anyway
    // neither asks nor opens the door.
    EXPECT_EQ(form->CheckListBox1.State(0), ui::CheckState::Unchecked);
    EXPECT_FALSE(form->SpeedButton8.Enabled());
    const size_t shown = machine.dialogs.boxes.size();
    form->SpeedButton8.PeerClicked();
    EXPECT_EQ(machine.dialogs.boxes.size(), shown);
    EXPECT_FALSE(State().deviceJobs.AnyDeviceBusy());
    form->CheckListBox1.PeerToggle(0);
    EXPECT_TRUE(form->SpeedButton8.Enabled());
}

TEST_F(DevicesTest, SecondCdromAndOversizedTablesAreRegisteredAgain) {
    machine.AddCdrom('D');
    machine.AddCdrom('E');
    Store({"CD - D:,2,1,20,"});
    Start(sim::Os::Win98);
    // A second drive counts as changed too; Windows 98 keeps no event log.
    EXPECT_EQ(machine.dialogs.Containing("has detected").size(), 1u);
    EXPECT_TRUE(machine.eventLog.events.empty());

    std::vector<std::string> many(120, "CD - D:,2,1,20,");
    Store(many);
    ASSERT_TRUE(Launch());
    EXPECT_EQ(Records(), (std::vector<std::string>{"CD - D:,0,0,", "CD - E:,"}));
}

TEST_F(DevicesTest, DamagedRecordsReadInRangeAndGetTheirMissingFields) {
    machine.AddCdrom('D');
    machine.AddCdrom('E');
    Store({"CD - D:,9,7,100000,", "CD - E:"});
    Start(sim::Os::Win98);
    OpenDevicePage();
    // State 9 reads "not used": the list shows no hook and the record is written as such.
    EXPECT_EQ(form->CheckListBox1.State(0), ui::CheckState::Unchecked);
    EXPECT_EQ(Records()[0], "CD - D:,0,0,100000,");
    form->CheckListBox1.PeerSelected(1);
    form->CheckListBox1.PeerToggle(1);
    form->CheckListBox1.PeerToggle(1);
    EXPECT_EQ(Records()[1], "CD - E:,2,0,1,");
    EXPECT_EQ(devices::GetDeviceField(State().DeviceTable, 1, devices::kFieldDelay), 99);
}

TEST_F(DevicesTest, CancelAndDefaultPutTheTableBack) {
    machine.AddCdrom('D');
    Store({"CD - D:,2,0,5,"});
    Start(sim::Os::Win98);
    form->BitBtn1.Click();  // the notebook, with its snapshot
    OpenDevicePage();
    form->CheckListBox1.PeerToggle(0);  // black to unchecked
    EXPECT_EQ(Records()[0], "CD - D:,0,0,5,");
    form->Button3.Click();  // Cancel
    EXPECT_EQ(Records()[0], "CD - D:,2,0,5,");
    EXPECT_EQ(form->CheckListBox1.State(0), ui::CheckState::Checked);

    form->BitBtn1.Click();
    machine.dialogs.Answer(port::kIdOk);
    form->Button4.Click();  // Default
    EXPECT_EQ(Records()[0], "CD - D:,0,0,");
    EXPECT_EQ(form->CheckListBox1.State(0), ui::CheckState::Unchecked);
}

TEST_F(DevicesTest, GrayDeviceKeepsItsDelayAndTypedZeroBecomesOne) {
    machine.AddCdrom('D', false);
    Start(sim::Os::Win98);
    OpenDevicePage();
    form->CheckListBox1.PeerToggle(0);  // gray
    EXPECT_FALSE(form->SpinEdit2.Enabled());
    EXPECT_TRUE(form->CheckBox17.Enabled());
    EXPECT_TRUE(form->SpeedButton8.Enabled());
    EXPECT_EQ(form->Label15.Caption(), "Check \"[ ]Eject ...\" or change to black.");
    form->CheckBox17.Click();
    EXPECT_EQ(form->Label15.Caption(), "Medium not insert. Try to press \"Test\".");
    EXPECT_TRUE(form->Image1.Visible());
    EXPECT_FALSE(form->Image2.Visible());
    form->CheckListBox1.PeerToggle(0);  // black
    form->SpinEdit2.SetText("0");
    EXPECT_EQ(form->SpinEdit2.Text(), "1");
    form->SpinEdit2.SetText("");
    EXPECT_EQ(form->SpinEdit2.Text(), "1");
    form->SpinEdit2.SetText("7");
    EXPECT_EQ(Records()[0], "CD - D:,2,1,7,");
    form->CheckListBox1.PeerToggle(0);  // unchecked
    EXPECT_EQ(Records()[0], "CD - D:,0,0,7,");
    EXPECT_FALSE(form->CheckBox17.Enabled());
    EXPECT_EQ(form->StatusBar2.PanelText(2), "");
    EXPECT_FALSE(form->CheckBox19.Enabled());
}

TEST_F(DevicesTest, TestButtonOpensOnlyWhatMayOpen) {
    machine.AddCdrom('D', false);
    Start(sim::Os::Win98);
    OpenDevicePage();
    std::vector<std::pair<std::string, int>> jobs;
    devices::DeviceView view = app::MakeDeviceView(*form);
    view.StartDeviceJob = [&jobs](const std::string& target, int index) { jobs.emplace_back(target, index); };
    const auto boxes = [this] { return machine.dialogs.boxes.size(); };

    // Gray and empty: it has no door to close again, so only the explanation.
    form->CheckListBox1.PeerToggle(0);
    size_t before = boxes();
    form->SpeedButton8.Click();
    ASSERT_EQ(boxes(), before + 1);
    EXPECT_EQ(
        machine.dialogs.Last()->text,
        "There is currently no medium in this device and you\rhave marked it with a gray hook in the "
        "device-list,\rwhich means that it has no door and therefore should\rnot be ejected until a "
        "medium is in the device -and\rcannot load a medium by software-commands!\r(Red LED = no medium "
        "/ green LED = medium insert)\r\rPlease insert a medium or change to the > black <\rstatus "
        "(hook) and try again.");
    EXPECT_TRUE(jobs.empty());

    // Black and empty: asked, and opened only on Yes.
    form->CheckListBox1.PeerToggle(0);
    machine.dialogs.Answer({port::kIdNo, port::kIdYes});
    devices::SpeedButton8Click(view);
    EXPECT_EQ(machine.dialogs.Last()->text,
              "There is currently no medium in this device!\r(Red LED = no medium / green LED = medium "
              "insert)\r\rDo you want to test this device anyway?");
    EXPECT_TRUE(jobs.empty());
    devices::SpeedButton8Click(view);
    EXPECT_EQ(jobs, (std::vector<std::pair<std::string, int>>{{"D:", 1}}));

    // A medium: at once, or after the OPEN question while "As&k before ejecting..." is on; the
    // LED turns green.
    machine.files.SetMediaPresent('D', true);
    before = boxes();
    devices::SpeedButton8Click(view);
    EXPECT_EQ(boxes(), before);
    EXPECT_EQ(jobs.size(), 2u);
    EXPECT_TRUE(form->Image2.Visible());
    form->CheckBox19.SetChecked(true);
    machine.dialogs.Answer({port::kIdNo, port::kIdYes});
    devices::SpeedButton8Click(view);
    EXPECT_EQ(machine.dialogs.Last()->text,
              "Device:   >>> D: <<<\rwants to OPEN its door! - Do you allow that?\r\r(This hint can be "
              "disabled on page no. 3 \"Tasks\"\rof the \"Controls\" Tab of the Settings-Notebook.");
    EXPECT_EQ(jobs.size(), 2u);
    devices::SpeedButton8Click(view);
    EXPECT_EQ(jobs.size(), 3u);
}

class PrimitivesTest : public DevicesTest {};

TEST_F(PrimitivesTest, MciSwitchesTheDefaultDriveAndPutsItBack) {
    machine.AddCdrom('D');
    machine.AddCdrom('E');
    machine.SetMciDefaultDrive(0);
    Start(sim::Os::Win98);
    const size_t before = machine.devices.MciCalls().size();
    machine.registry.calls.clear();
    EXPECT_TRUE(devices::MciDoorOpen(State(), port::kMciDevtypeCdAudio, "e:"));
    EXPECT_TRUE(machine.devices.DoorOpen("E:"));
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    EXPECT_EQ(machine.MciDefaultDrive(), 0);
    std::vector<std::uint8_t> written;
    for (const auto& call : machine.registry.calls) {
        if (call.kind == sim::RegCall::SetValue && call.name == "Default Drive") written.push_back(0xFF);
    }
    EXPECT_EQ(written.size(), 2u);  // to E: and back
    const auto calls = machine.devices.MciCalls();
    ASSERT_EQ(calls.size() - before, 3u);
    EXPECT_EQ(calls[before].flags, 0x3101u);
    EXPECT_EQ(calls[before + 1].drive, 'E');
    EXPECT_EQ(machine.devices.OpenMciDevices(), 0);
    EXPECT_EQ(machine.devices.ErrorMode(), 0u);

    // The drive that is the default already: the value is not written.
    machine.registry.calls.clear();
    EXPECT_TRUE(devices::MciDoorClosed(State(), port::kMciDevtypeCdAudio, "D:"));
    for (const auto& call : machine.registry.calls)
        EXPECT_FALSE(call.IsWrite()) << call.name;

    // A stored position past the drives names none: switched for the command, then put back
    // byte for byte.
    machine.registry.SetBinary(RegRoot::LocalMachine, kMciKey, "Default Drive", {7, 1, 2, 3});
    State().MciNoMedium = false;
    machine.devices.SetDoorOpen("D:", true);
    devices::MciMediaStatus(State(), port::kMciDevtypeCdAudio, "D:");
    EXPECT_TRUE(State().MciNoMedium);
    EXPECT_EQ(machine.registry.Raw(RegRoot::LocalMachine, kMciKey, "Default Drive")->data,
              (std::vector<std::uint8_t>{7, 1, 2, 3}));

    // No drive there: the box, and nothing opened.
    EXPECT_FALSE(devices::MciDoorOpen(State(), port::kMciDevtypeCdAudio, "Q:"));
    EXPECT_EQ(machine.dialogs.Last()->text, "ERROR: Cannot change MCI associated device to: Q:");
}

TEST_F(PrimitivesTest, MciErrorsAreReportedAndTheDefaultComesBackOnExit) {
    machine.AddCdrom('D');
    machine.AddCdrom('E');
    machine.SetMciDefaultDrive(1);
    Start(sim::Os::Win98);
    EXPECT_EQ(State().SavedMciDrive, "E:");
    machine.devices.FailMci(port::kMciOpen, port::kMciErrDeviceNotInstalled);
    machine.devices.SetMciErrorText(port::kMciErrDeviceNotInstalled, "The device is not installed.   ");
    EXPECT_FALSE(devices::MciDoorOpen(State(), port::kMciDevtypeCdAudio, "D:"));
    EXPECT_EQ(machine.dialogs.Last()->text,
              "ERROR: MCI_OPEN - Device: 0 (all MCI devices)\rThe device is not installed.");
    EXPECT_EQ(machine.MciDefaultDrive(), 1);
    machine.devices.FailMci(port::kMciSet, port::kMciErrUnsupportedFunction);
    EXPECT_FALSE(devices::MciDoorOpen(State(), port::kMciDevtypeCdAudio, "D:"));
    EXPECT_NE(machine.dialogs.Last()->text.find("ERROR: MCI_SET_DOOR_OPEN - Device: "), std::string::npos);
    EXPECT_EQ(machine.devices.OpenMciDevices(), 0);
    EXPECT_EQ(machine.MciDefaultDrive(), 1);

    // Someone else moved the default: closing puts back the drive of start-up.
    machine.SetMciDefaultDrive(0);
    form->Exit1.Click();
    EXPECT_EQ(machine.MciDefaultDrive(), 1);
}

TEST_F(PrimitivesTest, NtDeviceCommandsRetryTapesAndCloseEveryHandle) {
    machine.AddCdrom('D');
    machine.AddScsiTape("Tape0", 0, 0, 0);
    Start(sim::Os::NT4);
    machine.devices.SetErrorMode(0x8000);
    const size_t boxes = machine.dialogs.boxes.size();

    machine.devices.ScriptIoctl("TAPE0", port::kIoctlDiskEjectMedia, {false, true});
    EXPECT_TRUE(devices::EjectSCSI(State(), "Tape0"));
    EXPECT_EQ(machine.dialogs.boxes.size(), boxes);

    machine.devices.ScriptIoctl("TAPE0", port::kIoctlDiskEjectMedia, {false, false});
    EXPECT_FALSE(devices::EjectSCSI(State(), "Tape0"));
    ASSERT_EQ(machine.dialogs.boxes.size(), boxes + 1);
    EXPECT_EQ(
        machine.dialogs.Last()->text,
        "ERROR: Cannot eject media in device: \\\\.\\Tape0\r\rTape devices may need more than one call for "
        "eject.\rPlease contact the author, if your tape was not\rejected and he will adapt this function to "
        "your\rtape device!");

    // A drive fails once: no second try.
    machine.devices.ScriptIoctl("D:", port::kIoctlDiskEjectMedia, {false});
    EXPECT_FALSE(devices::EjectSCSI(State(), "D:"));
    EXPECT_EQ(machine.dialogs.boxes.size(), boxes + 1);
    EXPECT_TRUE(devices::EjectSCSI(State(), "D:"));
    EXPECT_TRUE(machine.devices.DoorOpen("D:"));
    EXPECT_FALSE(devices::MediaPresentSCSI(State(), "D:"));
    EXPECT_TRUE(devices::LoadSCSI(State(), "D:"));
    EXPECT_TRUE(devices::MediaPresentSCSI(State(), "D:"));

    // A drive that does not open: the medium test is silent, the door commands are not.
    machine.devices.SetOpenFails("D:");
    EXPECT_FALSE(devices::MediaPresentSCSI(State(), "D:"));
    EXPECT_EQ(machine.dialogs.boxes.size(), boxes + 1);
    EXPECT_FALSE(devices::LoadSCSI(State(), "D:"));
    EXPECT_EQ(machine.dialogs.Last()->text, "ERROR: Device \\\\.\\D: not found!");

    EXPECT_EQ(machine.devices.OpenHandles(), 0);
    EXPECT_EQ(machine.devices.BadCloses(), 0);
    EXPECT_EQ(machine.devices.ErrorMode(), 0x8000u);
    for (const auto& call : machine.devices.IoctlCalls())
        EXPECT_TRUE(call.mainThread);
}

TEST_F(PrimitivesTest, MediumTestsLookAtTheStateAndSetTheLed) {
    machine.AddCdrom('D');
    Store({"CD - D:,0,0,"});
    Start(sim::Os::NT4);
    const size_t ioctls = machine.devices.IoctlCalls().size();
    EXPECT_FALSE(devices::MediumInserted(State(), "CD - D:"));
    EXPECT_EQ(machine.devices.IoctlCalls().size(), ioctls);
    devices::SetDeviceFields(State().DeviceTable, 1, nullptr, 1, devices::kKeepField, devices::kKeepField);
    EXPECT_TRUE(devices::MediumInserted(State(), "CD - D:"));
    OpenDevicePage();
    EXPECT_TRUE(form->Image2.Visible());
    machine.files.SetMediaPresent('D', false);
    devices::DeviceView view = app::MakeDeviceView(*form);
    EXPECT_FALSE(devices::CheckMediumAndShowLed(view, "CD - D:"));
    EXPECT_TRUE(form->Image1.Visible());
    EXPECT_FALSE(form->Image2.Visible());
}

}  // namespace
