// The "&Eject && Retract" submenus of the window menu and the tray menu, and the device hotkeys
// that click them, on the simulated machine.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/device_view.h"
#include "devices/device_menus.h"
#include "devices/device_table.h"
#include "hotkeys/hotkeys_page.h"
#include "program_fixture.h"

namespace {

using devices::kKeepField;

constexpr std::uint32_t kShiftCtrl = port::kModShift | port::kModControl;
constexpr std::uint32_t kF4 = 115;

const char kOpenQuestionD[] =
    "Device:   >>> CD - D: <<<\rwants to OPEN its door! - Do you allow that?\r\r(This hint can be disabled "
    "on page no. 3 \"Tasks\"\rof the \"Controls\" Tab of the Settings-Notebook.";

class DeviceMenusTest : public program_test::PlainWindowTest {
  protected:
    app::ProgramState& State() { return program->State(); }
    void SetDevice(int index, int state, int onlyIfInserted = kKeepField, int delay = kKeepField) {
        devices::SetDeviceFields(State().DeviceTable, index, nullptr, state, onlyIfInserted, delay);
        // As the device page does: the hotkey options follow the devices in use.
        hotkeys::UpdateDeviceHotkeyControls(form->Hotkeys());
    }
    int DoorCommands() const {
        int n = 0;
        for (const auto& call : machine.devices.MciCalls())
            if (call.message == port::kMciSet) ++n;
        return n;
    }
    void PopupMain() { machine.ui.Popup(form->PopupMenu2, 10, 10); }
    // D: in use with "All" marked, the question before opening on, the window in the tray.
    void StartAskingInTheTray() {
        Start();
        SetDevice(1, devices::kStateEjectOnly, 1);
        form->CheckBox19.SetChecked(true);
        State().AskBeforeEject = true;
        PopupMain();
        form->BitBtn3.Click();
    }
    void PopupTray() { machine.ui.Popup(form->PopupMenu1, 10, 10); }
    static std::vector<std::string> Names(const ui::MenuItem& menu) {
        std::vector<std::string> names;
        for (const ui::MenuItem* item : menu.Items())
            names.push_back(item->Name());
        return names;
    }
    // Caption, shortcut and enabling of each entry, as a menu would show them.
    static std::vector<std::string> Shown(const ui::MenuItem& menu) {
        std::vector<std::string> shown;
        for (const ui::MenuItem* item : menu.Items()) {
            std::string text = item->caption;
            const std::string shortCut = ui::ShortCutText(item->shortCut);
            if (!shortCut.empty()) text += "\t" + shortCut;
            if (!item->enabled) text += " (off)";
            if (item->checked) text += " (x)";
            shown.push_back(text);
        }
        return shown;
    }
    sim::Hotkey Held(int id) const {
        sim::Hotkey key;
        return machine.hotkeys.Registered(id, key) ? key : sim::Hotkey{};
    }
    void WaitUntilIdle() {
        ASSERT_TRUE(machine.loop.ProcessUntil([this] { return !State().deviceJobs.AnyDeviceBusy(); }));
    }
};

TEST_F(DeviceMenusTest, WithoutDevicesOnlyTheFixedEntriesAndNoAllHotkey) {
    Start();
    ASSERT_EQ(State().DeviceTable.DeviceCount(), 0);
    PopupMain();
    PopupTray();
    EXPECT_EQ(Names(form->EjectRetract1),
              (std::vector<std::string>{"SysHotkeys1", "N5", "Allifinsert1", "N6"}));
    EXPECT_EQ(Names(form->EjectRetract2),
              (std::vector<std::string>{"SysHotkeys2", "N8", "Allifinsert2", "N9"}));
    EXPECT_EQ(Shown(form->EjectRetract1),
              (std::vector<std::string>{"System &Hotkeys (x)", "-",
                                        "&All, (if insert)...\tShift+Ctrl+F4 (off)", "-"}));
    EXPECT_EQ(Shown(form->EjectRetract2),
              (std::vector<std::string>{"System &Hotkeys (x)", "-", "&All, (if insert)... (off)", "-"}));
    EXPECT_EQ(form->EjectRetract1.caption, "&Eject && Retract");
    EXPECT_TRUE(form->EjectRetract1.enabled);
    EXPECT_TRUE(form->EjectRetract2.enabled);
    EXPECT_TRUE(form->Allifinsert1.isDefault && form->Allifinsert1.radioItem);
    EXPECT_TRUE(form->Allifinsert2.isDefault && form->Allifinsert2.radioItem);
    EXPECT_FALSE(machine.hotkeys.Holds(101));
    EXPECT_FALSE(machine.hotkeys.Holds(1));
}

TEST_F(DeviceMenusTest, EntriesFollowStateMediumAndSystemHotkeys) {
    machine.AddCdrom('D', false);
    machine.AddCdrom('E', true);
    Start();
    ASSERT_EQ(State().DeviceTable.DeviceCount(), 2);
    SetDevice(1, devices::kStateEjectOnly, 1);
    SetDevice(2, devices::kStateEjectRetract, 0, 20);

    // A gray drive without a medium cannot be opened; E: holds one, but is marked for the case
    // without: nothing qualifies for "All".
    PopupTray();
    EXPECT_EQ(
        Shown(form->EjectRetract1),
        (std::vector<std::string>{"System &Hotkeys (x)", "-", "&All, (if insert)...\tShift+Ctrl+F4 (off)",
                                  "-", "CD - D:\tShift+Ctrl+D (off)", "CD - E:\tShift+Ctrl+E"}));
    EXPECT_EQ(
        Shown(form->EjectRetract2),
        (std::vector<std::string>{"System &Hotkeys (x)", "-", "&All, (if insert)...\tShift+Ctrl+F4 (off)",
                                  "-", "CD - D:\tShift+Ctrl+D (off)", "CD - E:\tShift+Ctrl+E"}));
    EXPECT_EQ(form->EjectRetract2.caption, "&Eject && Retract");
    EXPECT_EQ(Held(1), (sim::Hotkey{kShiftCtrl, 'D'}));
    EXPECT_EQ(Held(2), (sim::Hotkey{kShiftCtrl, 'E'}));
    EXPECT_FALSE(machine.hotkeys.Holds(101));
    EXPECT_EQ(form->Label19.Caption(), "- &Use: Shift+CTRL+");

    // The medium goes in: D: can be opened and qualifies for "All", which gets its hotkey.
    machine.files.SetMediaPresent('D', true);
    PopupMain();
    EXPECT_TRUE(form->deviceMenus.main[0]->enabled);
    EXPECT_TRUE(form->deviceMenus.tray[0]->enabled);
    EXPECT_TRUE(form->Allifinsert1.enabled);
    EXPECT_TRUE(form->Allifinsert2.enabled);
    EXPECT_EQ(Held(101), (sim::Hotkey{kShiftCtrl, kF4}));
    ASSERT_EQ(form->EjectRetract1.Items().size(), 6u) << "rebuilt, not added to";

    // Without a black device the submenus only eject.
    SetDevice(2, devices::kStateEjectOnly);
    PopupMain();
    EXPECT_EQ(form->EjectRetract1.caption, "&Eject");
    EXPECT_EQ(form->EjectRetract2.caption, "&Eject");

    // "System &Hotkeys" off: every device hotkey goes; the tray entries lose their shortcuts,
    // the window menu keeps its own.
    machine.ui.ChooseInPopup("SysHotkeys2");
    PopupTray();
    EXPECT_FALSE(form->SysHotKeys);
    EXPECT_FALSE(form->SysHotkeys1.checked);
    EXPECT_FALSE(machine.hotkeys.Holds(1));
    EXPECT_FALSE(machine.hotkeys.Holds(101));
    PopupTray();
    EXPECT_EQ(Shown(form->EjectRetract2)[4], "CD - D:");
    EXPECT_EQ(Shown(form->EjectRetract2)[2], "&All, (if insert)...");
    EXPECT_EQ(Shown(form->EjectRetract1)[4], "CD - D:\tShift+Ctrl+D");
    EXPECT_FALSE(machine.hotkeys.Holds(1));
    // And on again.
    machine.ui.ChooseInPopup("SysHotkeys1");
    PopupMain();
    EXPECT_TRUE(form->SysHotkeys2.checked);
    EXPECT_EQ(Held(1), (sim::Hotkey{kShiftCtrl, 'D'}));
    EXPECT_EQ(Held(101), (sim::Hotkey{kShiftCtrl, kF4}));

    // A device entry opens its drive.
    machine.ui.ChooseInPopup("Menu1Device1");
    PopupTray();
    WaitUntilIdle();
    EXPECT_TRUE(machine.devices.DoorOpen("D:"));
}

TEST_F(DeviceMenusTest, WithoutAFreeAllKeyTheWindowMenuSaysNotAll) {
    machine.AddCdrom('D', true);
    for (std::uint32_t modifiers : {6u, 5u, 7u, 2u, 1u})
        for (std::uint32_t key = 112; key < 112 + 24; ++key)
            machine.hotkeys.TakeByOther(modifiers, key);
    Start();
    SetDevice(1, devices::kStateEjectRetract, 1, 20);
    PopupMain();
    EXPECT_EQ(form->SysHotkeys1.caption, "System &Hotkeys (not all)");
    EXPECT_EQ(form->SysHotkeys2.caption, "System &Hotkeys");
    EXPECT_EQ(ui::ShortCutText(form->Allifinsert1.shortCut), "Shift+Ctrl+F4");
    EXPECT_EQ(ui::ShortCutText(form->Allifinsert2.shortCut), "");
    EXPECT_TRUE(form->Allifinsert1.enabled);
    EXPECT_FALSE(machine.hotkeys.Holds(101));
    EXPECT_EQ(Held(1), (sim::Hotkey{kShiftCtrl, 'D'}));
}

TEST_F(DeviceMenusTest, LongDeviceListsBreakIntoColumns) {
    std::vector<int> starts;
    const std::vector<bool> breaks = devices::DeviceColumnBreaks(100);
    for (std::size_t i = 0; i < breaks.size(); ++i)
        if (breaks[i]) starts.push_back(static_cast<int>(i) + 1);
    EXPECT_EQ(starts, (std::vector<int>{16, 35, 54, 73, 92}));

    // Twenty CD-ROM drives D: to W:: the second column starts with the sixteenth, in both menus.
    for (char letter = 'D'; letter <= 'W'; ++letter)
        machine.AddCdrom(letter, true);
    Start();
    ASSERT_EQ(State().DeviceTable.DeviceCount(), 20);
    for (int i = 1; i <= 20; ++i)
        SetDevice(i, devices::kStateEjectRetract);
    PopupMain();
    EXPECT_EQ(machine.ui.popups.back().barBreaks, (std::vector<std::string>{"Menu2Device16"}));
    EXPECT_EQ(form->deviceMenus.main[15]->caption, "CD - S:");
    PopupTray();
    EXPECT_EQ(machine.ui.popups.back().barBreaks, (std::vector<std::string>{"Menu1Device16"}));
    EXPECT_EQ(Held(20), (sim::Hotkey{kShiftCtrl, 'W'}));
}

TEST_F(DeviceMenusTest, HotkeyQuestionTakesTheTrayIconAwayAndNoPutsItBack) {
    machine.AddCdrom('D', true);
    StartAskingInTheTray();
    ASSERT_TRUE(form->XKTrayIcon951.Active());

    // No: nothing opens, the icon comes back.
    std::vector<bool> iconDuringQuestion;
    bool answer = false;
    machine.dialogs.handler = [&](const sim::BoxRecord& box) {
        EXPECT_EQ(box.text, kOpenQuestionD);
        iconDuringQuestion.push_back(form->XKTrayIcon951.Active());
        return answer ? port::kIdYes : port::kIdNo;
    };
    ASSERT_TRUE(machine.hotkeys.PressHotkey(kShiftCtrl, 'D'));
    machine.loop.ProcessMessages();
    EXPECT_EQ(iconDuringQuestion, std::vector<bool>{false});
    EXPECT_TRUE(form->XKTrayIcon951.Active());
    EXPECT_FALSE(State().deviceJobs.TrayPaused);
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
    EXPECT_EQ(DoorCommands(), 0);

    // Yes: the door opens; the icon comes back once the worker is done.
    answer = true;
    ASSERT_TRUE(machine.hotkeys.PressHotkey(kShiftCtrl, 'D'));
    machine.loop.ProcessMessages();
    WaitUntilIdle();
    EXPECT_EQ(iconDuringQuestion, (std::vector<bool>{false, false}));
    EXPECT_TRUE(machine.devices.DoorOpen("D:"));
    EXPECT_TRUE(form->XKTrayIcon951.Active());
    EXPECT_FALSE(State().deviceJobs.TrayPaused);

    // "All" by its hotkey: the medium is in and the device marked for it.
    machine.devices.SetDoorOpen("D:", false);
    iconDuringQuestion.clear();
    ASSERT_TRUE(machine.hotkeys.PressHotkey(kShiftCtrl, kF4));
    machine.loop.ProcessMessages();
    WaitUntilIdle();
    EXPECT_EQ(iconDuringQuestion, std::vector<bool>{false});
    EXPECT_TRUE(machine.devices.DoorOpen("D:"));
    EXPECT_TRUE(form->XKTrayIcon951.Active());
}

TEST_F(DeviceMenusTest, AGrayDriveWithoutMediumIgnoresItsHotkeyAndKeepsTheIcon) {
    machine.AddCdrom('D', false);
    StartAskingInTheTray();
    ASSERT_TRUE(form->XKTrayIcon951.Active());
    ASSERT_TRUE(machine.hotkeys.PressHotkey(kShiftCtrl, 'D'));
    machine.loop.ProcessMessages();
    EXPECT_TRUE(machine.dialogs.boxes.empty());
    EXPECT_TRUE(form->XKTrayIcon951.Active());
    EXPECT_FALSE(State().deviceJobs.TrayPaused);
    EXPECT_FALSE(machine.devices.DoorOpen("D:"));
}

TEST_F(DeviceMenusTest, WithNoFreeDeviceKeysSystemHotkeysGoesOffUntilAJobEndsWithAMedium) {
    machine.AddCdrom('D', true);
    for (std::uint32_t modifiers : {6u, 5u, 7u, 2u, 1u})
        machine.hotkeys.TakeByOther(modifiers, 'D');
    Start();
    SetDevice(1, devices::kStateEjectRetract, 1, 1);
    State().InfoBeforeRetract = false;
    PopupMain();
    EXPECT_FALSE(form->SysHotKeys);
    EXPECT_FALSE(form->SysHotkeys1.enabled || form->SysHotkeys2.enabled);
    EXPECT_FALSE(form->SysHotkeys1.checked || form->SysHotkeys2.checked);
    EXPECT_FALSE(machine.hotkeys.Holds(1));

    // The entry still opens and closes the drive; when its worker ends with a medium in a used
    // device, the switch can be used again.
    machine.ui.ChooseInPopup("Menu2Device1");
    PopupMain();
    WaitUntilIdle();
    EXPECT_EQ(DoorCommands(), 2);
    EXPECT_TRUE(form->SysHotkeys1.enabled && form->SysHotkeys2.enabled);
    EXPECT_FALSE(form->SysHotkeys1.checked);
}

// A device hotkey while one of the program's dialogs is up: on Windows NT the dialog goes
// (cancelled) so that the device's question is not hidden behind it; elsewhere it stays. The
// window is brought to the front only when no dialog is up.
class DeviceHotkeyOverDialogTest : public DeviceMenusTest {
  protected:
    void Run(sim::Os os, int dialogResult) {
        machine.AddCdrom('D', true);
        Start(os);
        SetDevice(1, devices::kStateEjectRetract, 0, 20);
        State().InfoBeforeRetract = false;
        form->CheckBox18.SetChecked(false);
        form->CheckBox19.SetChecked(true);
        PopupMain();
        machine.ui.OnModal("TInfoForm", [this](ui::Form&) {
            form->AskOrEmptyDialogVisible = true;
            EXPECT_TRUE(machine.hotkeys.PressHotkey(kShiftCtrl, 'D'));
            machine.loop.ProcessMessages();
            form->AskOrEmptyDialogVisible = false;
            return 1;
        });
        const std::size_t foreground = machine.windows.foregroundCalls.size();
        form->BitBtn2.Click();
        ASSERT_FALSE(machine.ui.modalRuns.empty());
        EXPECT_EQ(machine.ui.modalRuns.back().result, dialogResult);
        EXPECT_EQ(machine.windows.foregroundCalls.size(), foreground) << "a dialog was up";
        WaitUntilIdle();

        ASSERT_TRUE(machine.hotkeys.PressHotkey(kShiftCtrl, 'D'));
        machine.loop.ProcessMessages();
        ASSERT_GT(machine.windows.foregroundCalls.size(), foreground);
        EXPECT_EQ(machine.windows.foregroundCalls.back(), State().application.Handle())
            << "no peers in the sim";
        WaitUntilIdle();
    }
};

TEST_F(DeviceHotkeyOverDialogTest, OnNtTheDialogIsCancelled) {
    Run(sim::Os::NT4, 2);
}

TEST_F(DeviceHotkeyOverDialogTest, OnWindows98TheDialogStays) {
    Run(sim::Os::Win98, 1);
}

}  // namespace
