"""The shutdown hotkey as a user meets it: pressed while another program has the focus, moved to
another letter when an application holds CTRL + ALT + D, given back when that one lets go, and the
user's own letter when remapping is off. Another application's hotkeys come from the probe's
hold-hotkeys command; key presses come from the X server (XTEST), as a keyboard's would."""

import time

import harness
from harness import PROBE_EXE
from ravelin import SETTINGS_KEY, TEST
from test_engine import TEST_MESSAGE
from test_notebook import HOTKEYS, NotebookTestCase

HOTKEYS_KEY = SETTINGS_KEY + r"\LocalUser\HotKeys"
HOLDER_CLASS = "RvlnHotkeyHolder"


def moved(letter):
    return ("HotKey-Information:\r\rThe Hotkey combination CTRL + ALT + D for the system-wide\rshutdown has "
            "been replaced by another application! - It will be\rreplaced by: >> CTRL + ALT + "
            f"{letter} << until the default Hotkey is\ravailable!")


def default_back(letter):
    return ("HotKey-Information:\r\rThe default Hotkey combination CTRL + ALT + D for the system-wide\r"
            "shutdown is available again! - Ravelin has replaced the old\ralternative combination: "
            f">> CTRL + ALT + {letter} << with the default HotKey:\r>> CTRL + ALT + D <<.")


CONFLICT_X = ("ShutDown User-HotKey Combination [CTRL + ALT + X] Conflict:\r\rYour selected Hotkey combination "
              "has been replaced by another\rapplication or shortcut and therefore cannot longer be used!\r\r"
              "Do you want to enable and start the built-in automatic Hotkey\rredirection now? (Otherwise you "
              "must choose another key from\rthe Settings Notebook!)")

LETTER_TAKEN = ("The chosen HotKey combination for shutdown is currently not available,\rbecause it is "
                "claimed by another application/shortcut. ...\rPlease select another one or enable the "
                "built-in automatic redirection!")


class HotkeyTestCase(NotebookTestCase):
    def hold(self, *combinations):
        """Starts the probe holding the combinations; returns its program and window once it holds
        all of them."""
        holder = self.wine.start("hold-hotkeys", *combinations, exe=PROBE_EXE, name="holder")
        wanted = "held=" + ",".join(combinations) + " pressed="
        window = self.wine.wait_window(HOLDER_CLASS, title=wanted, visible=False, timeout=30)
        self.assertIsNotNone(window, f"the holder did not get {combinations}: {self.holder_title()}")
        return holder, window

    def holder_title(self):
        found = self.wine.windows(cls=HOLDER_CLASS)
        return found[0]["title"] if found else None

    def press(self, keys):
        """A key combination from the X server, which Wine takes for the keyboard's."""
        harness._run(["xdotool", "key", keys], self.wine.env, timeout=20)

    def stored_letter(self):
        value = self.wine.reg_query(HOTKEYS_KEY, "ShutDown HotKey")
        return value[1] if value else None

    def expect_test_box(self):
        box = self.wine.message_box(exe="RVLN.EXE", timeout=15)
        self.assertIsNotNone(box, "the hotkey did not run the main action")
        self.assertEqual(box["text"], TEST_MESSAGE)
        return box


class ShutdownHotkeyTest(HotkeyTestCase):
    def test_ctrl_alt_d_runs_the_main_action_while_another_program_is_in_front(self):
        _, main = self.start_main()
        self.select_method(main, TEST)
        self.assertEqual(self.stored_letter(), "D")
        self.wine.start(exe="notepad.exe")
        self.assertIsNotNone(self.wine.wait_window("Notepad", exe="notepad.exe"))
        self.press("ctrl+alt+d")
        self.expect_test_box()
        self.wine.screenshot("hotkey-test-box")

    def test_taken_d_moves_to_s_and_comes_back_when_free(self):
        holder, holder_window = self.hold("ctrl+alt+d")
        first = self.wine.start()
        box = self.wine.message_box(exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(box, "no message about the moved hotkey")
        self.assertEqual(box["text"], moved("S"))
        self.assertEqual([b["name"] for b in box["buttons"]], ["OK"])
        self.assertEqual(self.wine.windows(cls="TForm1", exe="RVLN.EXE", visible=True), [],
                         "the main window showed before the message")
        self.wine.screenshot("hotkey-moved")
        self.wine.answer_box("OK", exe="RVLN.EXE")
        main = self.wine.wait_window("TForm1", exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(main, f"no main window; log:\n{first.log()[-2000:]}")
        main = self.wait_settled(main["hwnd"])
        self.assertEqual(self.stored_letter(), "S")
        # Field 5 of the second status bar is drawn by the program: only a picture shows it.
        self.wine.screenshot("hotkey-status-s", rect=main["rect"])

        self.select_method(main, TEST)
        self.press("ctrl+alt+d")
        self.assertTrue(self.wait_until(lambda: "pressed=1:0x00440003" in (self.holder_title() or "")),
                        f"CTRL + ALT + D did not reach its holder: {self.holder_title()}")
        self.assertTrue(self.no_box(2), "CTRL + ALT + D still reached the program")
        self.press("ctrl+alt+s")
        self.expect_test_box()

        # The holder lets go; the fresh copy the test message starts takes D back and says so.
        self.wine.close_window(holder_window["hwnd"])
        self.assertIsNotNone(holder.wait(20), "the holder did not end")
        self.assertEqual(self.stored_letter(), "S")
        self.wine.answer_box("OK", exe="RVLN.EXE")
        self.assertEqual(first.wait(20), 0, "the first copy did not end")
        box = self.wine.message_box(exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(box, "no message about the default hotkey")
        self.assertEqual(box["text"], default_back("S"))
        self.wine.answer_box("OK", exe="RVLN.EXE")
        self.assertIsNotNone(self.wine.wait_window("TForm1", exe="RVLN.EXE", timeout=30))
        self.assertEqual(self.stored_letter(), "D")

    def test_user_letter_taken_with_remapping_off(self):
        self.wine.reg_add(HOTKEYS_KEY, "AutoRemap ShutDown HotKey", 0, "REG_DWORD")
        self.wine.reg_add(HOTKEYS_KEY, "User ShutDown HotKey Selection", 23, "REG_DWORD")
        self.hold("ctrl+alt+x", "ctrl+alt+q")
        self.wine.start()
        box = self.wine.message_box(exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(box, "no question about the taken letter")
        self.assertEqual(box["text"], CONFLICT_X)
        self.assertEqual([b["name"] for b in box["buttons"]], ["Yes", "No"])
        self.wine.answer_box("No", exe="RVLN.EXE")
        main = self.wine.wait_window("TForm1", exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(main)
        main = self.wait_settled(main["hwnd"])
        self.assertEqual(self.stored_letter(), "X")

        # In the notebook the list offers the letters; a held one is refused and the list goes back.
        self.open_with_settings_button(main)
        self.wine.key(main["hwnd"], ord("1"), ctrl=True)
        self.assertIsNotNone(self.wait_page(main, HOTKEYS, 1), self.last_view.describe())
        combo = self.control(main, "ComboBox3")
        self.assertTrue(combo["enabled"], "the letter list is off although remapping is off")
        self.assertEqual(combo["selected"], 23)
        self.wine.click(combo["hwnd"], how="mouse")
        self.wine.key(combo["hwnd"], 0x1B)  # Esc closes the dropped list, the focus stays
        time.sleep(0.5)
        self.wine.select_combo(combo["hwnd"], 16)  # Q
        box = self.wine.message_box(exe="RVLN.EXE", timeout=15)
        self.assertIsNotNone(box, "no message about the held letter")
        self.assertEqual(box["text"], LETTER_TAKEN)
        self.wine.answer_box("OK", exe="RVLN.EXE")
        self.assertTrue(self.wait_until(lambda: self.control(main, "ComboBox3")["selected"] == 23),
                        "the list did not go back to X")
        self.assertEqual(self.stored_letter(), "X")
