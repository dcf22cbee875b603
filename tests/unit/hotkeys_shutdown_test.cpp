// The shutdown hotkey on the simulated machine: the start-up choice and its messages, the user's
// letter with remapping off, the letter list, and the notebook's Default and Cancel.
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>
#include "app/form1.h"
#include "hotkeys/shutdown_hotkey.h"
#include "sim/machine.h"
#include "tests/unit/program_fixture.h"

namespace {

using port::RegRoot;
constexpr std::uint32_t kCtrlAlt = port::kModControl | port::kModAlt;
constexpr const char* kHotKeys = "Software\\QAV\\Ravelin\\LocalUser\\HotKeys";

class ShutdownHotkeyTest : public program_test::PlainWindowTest {
  protected:
    void Store(const char* letter) {
        machine.registry.SetString(RegRoot::CurrentUser, kHotKeys, "ShutDown HotKey", letter);
    }
    void RemappingOff(int letterIndex) {
        machine.registry.SetDword(RegRoot::CurrentUser, kHotKeys, "AutoRemap ShutDown HotKey", 0);
        machine.registry.SetDword(RegRoot::CurrentUser, kHotKeys, "User ShutDown HotKey Selection",
                                  letterIndex);
    }
    void TakeAll(const std::string& letters) {
        for (char c : letters)
            machine.hotkeys.TakeByOther(kCtrlAlt, static_cast<unsigned char>(c));
    }
    std::optional<std::string> Stored() {
        return machine.registry.String(RegRoot::CurrentUser, kHotKeys, "ShutDown HotKey");
    }
    // The key held under 1000, or 0.
    char Held() {
        sim::Hotkey key;
        if (!machine.hotkeys.Registered(hotkeys::kShutdownHotkeyId, key)) return 0;
        EXPECT_EQ(key.modifiers, kCtrlAlt);
        return static_cast<char>(key.virtualKey);
    }
    std::string Field5() { return form->StatusBar2.PanelText(5); }
    std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const auto& box : machine.dialogs.boxes)
            texts.push_back(box.text);
        return texts;
    }
};

const std::string kAll = "DSHUTOWNABCEFGIJKLMPQRVXYZ0123456789";

std::string M1(char old) {
    return "HotKey-Information:\r\rThe default Hotkey combination CTRL + ALT + D for the "
           "system-wide\rshutdown is "
           "available again! - Ravelin has replaced the old\ralternative combination: >> CTRL + ALT + " +
           std::string(1, old) + " << with the default HotKey:\r>> CTRL + ALT + D <<.";
}
std::string M2(char now) {
    return "HotKey-Information:\r\rThe Hotkey combination CTRL + ALT + D for the system-wide\rshutdown has "
           "been "
           "replaced by another application! - It will be\rreplaced by: >> CTRL + ALT + " +
           std::string(1, now) + " << until the default Hotkey is\ravailable!";
}
const std::string kM3 =
    "HotKey-Information:\r\rThe Hotkey combination CTRL + ALT + D for the system-wide\rshutdown has been "
    "replaced "
    "by another application! - It will be\rdisabled, until that application/shortcut does not longer "
    "uses\rthis "
    "Hotkey! - There are currently no alternative HotKeys avail-\rable, e.g.: CTRL + ALT + "
    "[S]/[H]/[U]/[T]/[O]/[W]/[N]/[0]/[1]/[2]/\r[3]/[4]/[5]/[6]/[7]/[8]/[9]";

TEST_F(ShutdownHotkeyTest, StartupChoosesTheLetterAndSaysWhatMoved) {
    struct Case {
        const char* stored;  // nullptr: nothing stored
        std::string taken;
        char held;
        std::vector<std::string> boxes;
        std::optional<std::string> storedAfter;
    };
    const Case cases[] = {
        {nullptr, "", 'D', {}, "D"},
        {"S", "", 'D', {M1('S')}, "D"},
        {"S", "DS", 'H', {M2('H')}, "H"},
        {nullptr, "D", 'S', {M2('S')}, "S"},
        {"H", "D", 'H', {}, "H"},  // the stored alternative is kept silently
        {nullptr, kAll, 0, {kM3}, std::nullopt},
        // A stored value is a letter or digit, upper-cased; anything else means nothing stored.
        {"s", "D", 'S', {}, "s"},
        {"%", "D", 'S', {M2('S')}, "S"},
        {"", "D", 'S', {M2('S')}, "S"},
        {"7x", "D", '7', {}, "7x"},
        {"d", "", 'D', {}, "D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("stored ") + (c.stored ? c.stored : "(none)") + ", taken " + c.taken);
        machine.registry.RemoveKeyTree(RegRoot::CurrentUser, kHotKeys);
        if (c.stored) Store(c.stored);
        for (char k : kAll)
            machine.hotkeys.ReleaseByOther(kCtrlAlt, static_cast<unsigned char>(k));
        TakeAll(c.taken);
        machine.dialogs.boxes.clear();

        ASSERT_TRUE(Launch());
        EXPECT_EQ(Held(), c.held);
        EXPECT_EQ(form->hotkeyState.ShutdownHotkeyRegistered, c.held != 0);
        EXPECT_EQ(Field5(), c.held ? std::string(1, c.held) : "");
        EXPECT_EQ(BoxTexts(), c.boxes);
        EXPECT_EQ(Stored(), c.storedAfter);
        program.reset();
        EXPECT_TRUE(machine.hotkeys.Registrations().empty());
    }
}

TEST_F(ShutdownHotkeyTest, TheLetterInUseRunsTheMainActionUntilTheWindowGoes) {
    TakeAll("D");
    Start();
    int actions = 0;
    form->Button1.OnClick = [&actions] { ++actions; };
    EXPECT_FALSE(machine.hotkeys.PressHotkey(kCtrlAlt, 'D'));
    EXPECT_TRUE(machine.hotkeys.PressHotkey(kCtrlAlt, 'S'));
    machine.loop.ProcessMessages();
    EXPECT_EQ(actions, 1);
    form->FormDestroy();
    EXPECT_TRUE(machine.hotkeys.Registrations().empty());
}

TEST_F(ShutdownHotkeyTest, TakenUserLetterWithRemappingOff) {
    RemappingOff(23);  // X
    TakeAll("XD");
    // No: the letter stays configured although nothing is held.
    machine.dialogs.Answer(port::kIdNo);
    Start();
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "ShutDown User-HotKey Combination [CTRL + ALT + X] Conflict:\r\rYour selected Hotkey combination has "
        "been replaced by another\rapplication or shortcut and therefore cannot longer be used!\r\rDo you "
        "want "
        "to enable and start the built-in automatic Hotkey\rredirection now? (Otherwise you must choose "
        "another "
        "key from\rthe Settings Notebook!)");
    EXPECT_EQ(Held(), 0);
    EXPECT_FALSE(form->hotkeyState.ShutdownHotkeyRegistered);
    EXPECT_EQ(Stored(), "X");
    EXPECT_EQ(Field5(), "X");
    EXPECT_FALSE(form->CheckBox21.Checked());

    // Yes: remapping goes on and moves the hotkey, with one message only.
    program.reset();
    machine.dialogs.boxes.clear();
    machine.dialogs.Answer(port::kIdYes);
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(form->CheckBox21.Checked());
    EXPECT_FALSE(form->ComboBox3.Enabled());
    EXPECT_EQ(Held(), 'S');
    EXPECT_EQ(BoxTexts().size(), 2u);
    EXPECT_EQ(BoxTexts().back(), M2('S'));
    EXPECT_EQ(Stored(), "S");
}

TEST_F(ShutdownHotkeyTest, ChoosingALetterInTheList) {
    RemappingOff(3);
    Start();
    ASSERT_TRUE(form->ComboBox3.Enabled());
    form->ComboBox3.SetFocus();
    form->ComboBox3.PeerSelected(10);  // K: free, held under the same id
    EXPECT_EQ(Held(), 'K');
    EXPECT_EQ(Stored(), "K");
    EXPECT_EQ(Field5(), "K");

    TakeAll("Q");
    form->Button1.SetFocus();
    form->ComboBox3.SetFocus();
    form->ComboBox3.PeerSelected(16);  // Q: taken
    ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
    EXPECT_EQ(
        machine.dialogs.boxes[0].text,
        "The chosen HotKey combination for shutdown is currently not available,\rbecause it is claimed by "
        "another application/shortcut. ...\rPlease select another one or enable the built-in automatic "
        "redirection!");
    EXPECT_EQ(form->ComboBox3.ItemIndex(), 10);
    EXPECT_EQ(Held(), 'K');
    EXPECT_EQ(Stored(), "K");
}

TEST_F(ShutdownHotkeyTest, CancelPutsTheRestoredLetterInUse) {
    RemappingOff(23);  // X
    Start();
    ASSERT_EQ(Held(), 'X');
    form->OpenSettingsNotebook(1);
    form->ComboBox3.SetFocus();
    form->ComboBox3.PeerSelected(10);  // K
    ASSERT_EQ(Held(), 'K');
    form->Button3.Click();  // Cancel
    EXPECT_EQ(form->ComboBox3.ItemIndex(), 23);
    EXPECT_EQ(Held(), 'X');
    EXPECT_EQ(Field5(), "X");

    // Default switches remapping on, which takes D; Cancel goes back to X.
    form->OpenSettingsNotebook(1);
    form->Button4.Click();
    EXPECT_TRUE(form->CheckBox21.Checked());
    EXPECT_EQ(Held(), 'D');
    EXPECT_EQ(Field5(), "D");
    form->Button3.Click();
    EXPECT_FALSE(form->CheckBox21.Checked());
    EXPECT_EQ(Held(), 'X');
    EXPECT_EQ(Field5(), "X");
    EXPECT_EQ(Stored(), "X");
}

TEST_F(ShutdownHotkeyTest, DefaultShowsTheLetterReallyHeld) {
    TakeAll("D");
    Start();
    ASSERT_EQ(Held(), 'S');
    form->OpenSettingsNotebook(1);
    form->Button4.Click();
    EXPECT_EQ(Field5(), "S");
    EXPECT_EQ(Held(), 'S');
}

}  // namespace
