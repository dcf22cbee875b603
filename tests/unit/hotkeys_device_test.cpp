// The device and "All, (if insert)" hotkeys: the device keys, the search orders, the probes and
// the registration of a rebuild, on the simulated machine.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/form1.h"
#include "hotkeys/device_hotkeys.h"
#include "hotkeys/hotkeys_page.h"
#include "hotkeys/shutdown_hotkey.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using sim::HotkeyCall;

class DeviceHotkeyTest : public program_test::PlainWindowTest {
  protected:
    void SetUp() override { Start(); }
    // The program's view with the given device keys; rebuilds count instead of rebuilding.
    hotkeys::HotkeyView View(std::vector<char> keys) {
        hotkeys::HotkeyView v = form->Hotkeys();
        v.DeviceKeys = [keys] { return keys; };
        v.RebuildDeviceMenus = [this] { ++rebuilds; };
        return v;
    }
    // The combinations asked for under id 999 since the last mark.
    std::vector<sim::Hotkey> Probes() {
        std::vector<sim::Hotkey> probes;
        for (size_t i = mark; i < machine.hotkeys.calls.size(); ++i) {
            const HotkeyCall& call = machine.hotkeys.calls[i];
            if (call.registering && call.id == hotkeys::kProbeHotkeyId) probes.push_back(call.key);
        }
        return probes;
    }
    void Mark() { mark = machine.hotkeys.calls.size(); }
    // Every successful probe is released by the very next call.
    void ExpectProbesReleased() {
        const auto& calls = machine.hotkeys.calls;
        for (size_t i = 0; i < calls.size(); ++i) {
            if (!calls[i].registering || calls[i].id != hotkeys::kProbeHotkeyId || !calls[i].ok) continue;
            ASSERT_LT(i + 1, calls.size());
            EXPECT_FALSE(calls[i + 1].registering);
            EXPECT_EQ(calls[i + 1].id, hotkeys::kProbeHotkeyId);
        }
        EXPECT_FALSE(machine.hotkeys.Holds(hotkeys::kProbeHotkeyId));
    }
    size_t mark = 0;
    int rebuilds = 0;
};

TEST(DeviceKeyTest, DriveLetterElseTapeNumberElseT) {
    struct Case {
        const char* name;
        const char* target;
        char key;
    };
    for (const Case& c : {Case{"CD - E:", "E:", 'E'}, Case{"RM - a:", "a:", 'A'}, Case{"CD - T:", "T:", 'T'},
                          Case{"Tape0", "\\\\.\\Tape0", '0'}, Case{"TapeX", "\\\\.\\TapeX", 'X'},
                          Case{"Tape1", "T:", '1'}, Case{"Scanner", "", 'T'}}) {
        EXPECT_EQ(hotkeys::DeviceKey(c.name, c.target), c.key) << c.name;
    }
}

TEST_F(DeviceHotkeyTest, StartupWithoutDevicesHoldsOnlyTheShutdownHotkey) {
    EXPECT_EQ(machine.hotkeys.Registrations().size(), 1u);
    EXPECT_TRUE(machine.hotkeys.Holds(hotkeys::kShutdownHotkeyId));
    EXPECT_FALSE(hotkeys::DeviceHotkeysRegistered(form->hotkeyState));
    ExpectProbesReleased();
    // Nothing is chosen for ejection: the device options are all off.
    for (ui::Widget* w :
         std::initializer_list<ui::Widget*>{&form->CheckBox22, &form->CheckBox23, &form->ComboBox4,
                                            &form->ComboBox5, &form->Label18, &form->Label19})
        EXPECT_FALSE(w->Enabled()) << w->Name();
}

TEST_F(DeviceHotkeyTest, DeviceModifiersStopAtTheFirstTakenKey) {
    machine.hotkeys.TakeByOther(6, 'F');
    hotkeys::HotkeyView v = View({'E', 'F', 'G'});
    Mark();
    EXPECT_EQ(hotkeys::FindDeviceModifiers(v, v.DeviceKeys()), 5);
    const std::vector<sim::Hotkey> expected = {{6, 'E'}, {6, 'F'}, {5, 'E'}, {5, 'F'}, {5, 'G'}};
    EXPECT_EQ(Probes(), expected);
    ExpectProbesReleased();

    for (std::uint32_t m : {6u, 5u, 7u, 2u, 1u})
        machine.hotkeys.TakeByOther(m, 'G');
    EXPECT_EQ(hotkeys::FindDeviceModifiers(v, v.DeviceKeys()), 0);
}

TEST_F(DeviceHotkeyTest, AllKeySearchGoesFromTheLastFunctionKeyDownForEachModifier) {
    ASSERT_EQ(hotkeys::FunctionKeyCount(form->Hotkeys()), 12);
    const std::uint32_t order[] = {6, 5, 7, 2, 1};
    for (std::uint32_t m : order) {
        for (std::uint32_t k = 112; k <= 123; ++k) {
            if (!(m == 1 && k == 116)) machine.hotkeys.TakeByOther(m, k);  // ALT + F5 stays free
        }
    }
    hotkeys::HotkeyView v = View({});
    for (std::uint32_t start : {6u, 0u}) {
        SCOPED_TRACE(start);
        Mark();
        std::uint16_t key = 115;
        EXPECT_EQ(hotkeys::FindAllKeyModifiers(v, start, key), 1);
        EXPECT_EQ(key, 116);
        std::vector<sim::Hotkey> expected;
        if (start != 0) expected.push_back({start, 115});
        for (std::uint32_t m : order) {
            for (std::uint32_t k = 123; k >= (m == 1 ? 116u : 112u); --k)
                expected.push_back({m, k});
        }
        EXPECT_EQ(Probes(), expected);
    }
    machine.hotkeys.TakeByOther(1, 116);
    std::uint16_t key = 115;
    EXPECT_EQ(hotkeys::FindAllKeyModifiers(v, 6, key), 0);
    EXPECT_EQ(key, 115);
    ExpectProbesReleased();
}

TEST_F(DeviceHotkeyTest, RebuildRegistersEachDeviceThenAllAndReleasesInOrder) {
    hotkeys::HotkeyView v = View({'E', 'F'});
    // The device side enables the options once a device is chosen.
    v.AnyDeviceSelected = [] { return true; };
    hotkeys::UpdateDeviceHotkeyControls(v);
    ASSERT_TRUE(form->CheckBox22.Enabled());
    EXPECT_FALSE(form->ComboBox4.Enabled());  // remapping is on

    machine.hotkeys.TakeByOther(6, 'F');
    hotkeys::RebuildDeviceHotkeys(v, true);
    EXPECT_EQ(form->hotkeyState.DeviceModifiers, 5);
    EXPECT_EQ(form->Label19.Caption(), "- &Use: Shift+ALT+");
    sim::Hotkey key;
    ASSERT_TRUE(machine.hotkeys.Registered(1, key));
    EXPECT_EQ(key, (sim::Hotkey{5, 'E'}));
    ASSERT_TRUE(machine.hotkeys.Registered(2, key));
    EXPECT_EQ(key, (sim::Hotkey{5, 'F'}));
    ASSERT_TRUE(machine.hotkeys.Registered(hotkeys::kAllHotkeyId, key));
    EXPECT_EQ(key, (sim::Hotkey{5, 115}));
    EXPECT_TRUE(hotkeys::DeviceHotkeysRegistered(form->hotkeyState));

    // The All entry disabled: 101 goes, the devices stay.
    hotkeys::RebuildDeviceHotkeys(v, false);
    EXPECT_FALSE(machine.hotkeys.Holds(hotkeys::kAllHotkeyId));
    EXPECT_TRUE(machine.hotkeys.Holds(2));
    hotkeys::RebuildDeviceHotkeys(v, true);

    Mark();
    hotkeys::ReleaseAllHotkeys(v);
    std::vector<int> released;
    for (size_t i = mark; i < machine.hotkeys.calls.size(); ++i) {
        if (!machine.hotkeys.calls[i].registering && machine.hotkeys.calls[i].ok)
            released.push_back(machine.hotkeys.calls[i].id);
    }
    EXPECT_EQ(released, (std::vector<int>{101, 1, 2, 1000}));
    EXPECT_TRUE(machine.hotkeys.Registrations().empty());
    ExpectProbesReleased();
}

TEST_F(DeviceHotkeyTest, UserChoicesAreCheckedAndMovedToSuggestions) {
    hotkeys::HotkeyView v = View({'E'});
    v.AnyDeviceSelected = [] { return true; };
    hotkeys::UpdateDeviceHotkeyControls(v);
    form->CheckBox22.SetChecked(false);  // runs the check of the chosen Shift+CTRL: free
    EXPECT_TRUE(form->ComboBox4.Enabled());
    EXPECT_TRUE(machine.dialogs.boxes.empty());

    // A taken choice: the message, and the rebuild suggests the next free modifiers.
    machine.hotkeys.TakeByOther(5, 'E');
    form->hotkeyState.DeviceModifiers = 6;
    form->ComboBox4.SetItemIndex(1);
    EXPECT_FALSE(hotkeys::CheckDeviceModifiers(v));
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "The chosen HotKey combination for devices is currently not available,\rbecause it is claimed by "
        "another application/shortcut. ...\rPlease select another one or enable the built-in automatic "
        "redirection!\r\r(Either an alternative is now suggested in the ComboBox, or the system\rwide "
        "visibility (and these options) will be disabled, until an alternative\ris available!)");
    EXPECT_EQ(rebuilds, 1);
    hotkeys::ChooseDeviceCombinations(v, v.DeviceKeys());
    EXPECT_EQ(form->hotkeyState.DeviceModifiers, 6);
    EXPECT_EQ(form->ComboBox4.ItemIndex(), 0);

    // The All key: a taken choice moves the list to the key found.
    form->CheckBox23.SetChecked(false);
    machine.dialogs.boxes.clear();
    machine.hotkeys.TakeByOther(6, 112 + 7);  // F8
    form->ComboBox5.SetItemIndex(7);
    EXPECT_FALSE(hotkeys::CheckAllKey(v));
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "The chosen HotKey combination for \"All, (if insert)...\" is currently not\ravailable, because it "
        "is "
        "claimed by another application/shortcut. ...\rPlease select another one or enable the built-in "
        "automatic redirection!\r\r(Either an alternative is now suggested in the ComboBox, or the "
        "system\rwide "
        "visibility (and these options) will be disabled, until an alternative\ris available!)");
    hotkeys::ChooseDeviceCombinations(v, v.DeviceKeys());
    EXPECT_EQ(form->hotkeyState.AllKey, 115);
    EXPECT_EQ(form->ComboBox5.ItemIndex(), 3);
    ExpectProbesReleased();
}

}  // namespace
