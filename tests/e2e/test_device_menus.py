"""A device hotkey under Wine: Windows 98, a black CD-ROM drive D: (removal delay 3 seconds, no
notice before retracting) beside nineteen unused drives E: to W:. The program holds Shift+Ctrl+D for its main window; pressed from the X
server, as a keyboard would, it runs D:'s job as the device's menu entry does; pressed again while
that job counts down, it answers that the device is in use. Wine's drive reports a medium and D:
is marked for the case without one, so "All, (if insert)" gets no hotkey. The window menu's device
submenu shows the twenty drives in two columns (screenshot), the second starting with the 16th."""

import unittest

import harness
import test_device_workers as workers
from test_device_workers import CONTROLS_KEY
from test_devices import CLOSE_NOTICE, DOOR_CLOSED, DOOR_OPEN, TABLE_KEY, DevicesTestCase

MOD_SHIFT_CONTROL = 6
OPEN_QUESTION = ("Device:   >>> CD - D: <<<\rwants to OPEN its door! - Do you allow that?\r\r(This hint can be "
                 "disabled on page no. 3 \"Tasks\"\rof the \"Controls\" Tab of the Settings-Notebook.")
IN_USE = ("This device is already in use!\r\rPlease wait until the device has finnished\r"
          "its action (e.g. has close its door) and\rthen try to open this device again.")


class DeviceHotkeyTest(DevicesTestCase):
    os_kind = "win98"
    wait_label = workers.DeviceWorkerTest.wait_label
    label_texts = workers.DeviceWorkerTest.label_texts

    def press(self, keys):
        harness._run(["xdotool", "key", keys], self.wine.env, timeout=20)

    def held(self, program):
        """(id, modifiers, key) of every RegisterHotKey call for a device or for "All"."""
        return [tuple(args[1:4]) for args in self.wine.relay_arguments(program, "RegisterHotKey")
                if len(args) >= 4 and isinstance(args[1], int) and args[1] <= 101]

    def test_shift_ctrl_d_runs_the_job_and_pressed_during_it_says_in_use(self):
        self.wine.reg_delete(TABLE_KEY)
        letters = [chr(c) for c in range(ord("D"), ord("W") + 1)]
        self.wine.add_drives({"a": None, **{letter.lower(): "cdrom" for letter in letters}})
        self.wine.reg_add(TABLE_KEY, "Device1", "CD - D:,2,0,3,")
        for n, letter in enumerate(letters[1:], start=2):
            self.wine.reg_add(TABLE_KEY, f"Device{n}", f"CD - {letter}:,")
        self.wine.reg_add(CONTROLS_KEY, "InfoBeforeRetract", 0, "REG_DWORD")
        self.wine.enable_relay("RegisterHotKey;mciSendCommandW;SetWindowTextW")
        program, main = self.start_main(env_extra={"WINEDEBUG": "-all,+relay,+menu"})
        held = self.held(program)
        for n, letter in enumerate(letters, start=1):
            self.assertIn((n, MOD_SHIFT_CONTROL, ord(letter)), held)
        self.assertNotIn(101, [h[0] for h in held], "All, (if insert) qualifies for no device here")
        # The window menu's "&Eject && Retract": twenty drives in two columns, the second from S:.
        self.wine.click(main["hwnd"], right=True)
        self.assertIsNotNone(self.wine.wait_window("#32768", timeout=10), "the context menu did not open")
        self.wine.key(main["hwnd"], "E", post=True)
        self.assertTrue(self.wait_until(lambda: len(self.wine.windows(cls="#32768", visible=True)) >= 2, timeout=10),
                        "the device submenu did not open")
        self.wine.screenshot("device-menu-two-columns")
        # Another process cannot read the menu's items: Wine's menu trace shows them as built.
        built = [line for line in program.log().splitlines() if 'Text=L"CD - ' in line]
        self.assertTrue(built, "no device entries in the menu trace")
        entries = {line.split('Text=L"', 1)[1].split('"', 1)[0]: line for line in built}
        self.assertEqual(len(entries), 20, built)
        self.assertEqual(sorted(text for text, line in entries.items() if "barbrk" in line),
                         ["CD - S:\\tShift+Ctrl+S"], built)
        # Only the black drive can be opened; the unused ones are there, grayed.
        self.assertEqual(sorted(text for text, line in entries.items() if "State=grey" not in line),
                         ["CD - D:\\tShift+Ctrl+D"], built)
        for menu in self.wine.windows(cls="#32768", visible=True):
            self.wine.key(menu["hwnd"], "ESCAPE", post=True)
        self.assertTrue(self.wait_until(lambda: not self.wine.windows(cls="#32768", visible=True), timeout=10))

        # The page shows the job's steps in its help label.
        self.open_device_page(main)

        self.press("shift+ctrl+d")
        self.assertTrue(self.wait_label(main, "Device D:\rnow loaded!"), self.label_texts(program))
        steps = ["Ejecting device:\rD: ...", "Device D:\rnow ejected!", "Loading D:\rin: 3 sec.",
                 "Loading D:\rin: 2 sec.", "Loading D:\rin: 1 sec.", "Device D:\rnow loaded!"]
        self.assertEqual(self.label_texts(program), steps)
        self.assertEqual(self.threads_and_doors(program)[1], [DOOR_OPEN, DOOR_CLOSED])

        # Again, and once more while the first counts down: one job, and the box for the second.
        self.press("shift+ctrl+d")
        self.assertTrue(self.wait_until(lambda: "Loading" in self.control(main, "Label15")["text"], timeout=10))
        self.press("shift+ctrl+d")
        box = self.wine.message_box(exe="RVLN.EXE", timeout=15)
        self.assertIsNotNone(box, "the second press showed no box")
        self.assertEqual(box["text"], IN_USE)
        self.wine.answer_box("OK", exe="RVLN.EXE")
        self.assertTrue(self.wait_until(lambda: len(self.label_texts(program)) == 2 * len(steps), timeout=30),
                        self.label_texts(program))
        self.assertEqual(self.threads_and_doors(program)[1], [DOOR_OPEN, DOOR_CLOSED] * 2)
        self.exit_program(program, main)

    def test_asked_before_opening_no_sends_nothing_and_told_before_closing_ok_closes(self):
        self.wine.reg_delete(TABLE_KEY)
        self.wine.add_drives({"a": None, "d": "cdrom"})
        self.wine.reg_add(TABLE_KEY, "Device1", "CD - D:,2,0,3,")
        self.wine.reg_add(CONTROLS_KEY, "AskBeforeEject", 1, "REG_DWORD")
        self.wine.reg_add(CONTROLS_KEY, "InfoBeforeRetract", 1, "REG_DWORD")
        self.wine.enable_relay("mciSendCommandW;SetWindowTextW")
        program, main = self.start_main(env_extra=self.wine.relay_env())
        self.open_device_page(main)

        # No to the question: not a single multimedia command for the door.
        self.press("shift+ctrl+d")
        box = self.wine.message_box(exe="RVLN.EXE", timeout=15)
        self.assertIsNotNone(box, "no question before opening")
        self.assertEqual(box["text"], OPEN_QUESTION)
        self.wine.answer_box("No", exe="RVLN.EXE")
        self.assertIsNone(self.wine.message_box(exe="RVLN.EXE", timeout=3), "a box after No")
        self.assertEqual(self.threads_and_doors(program)[1], [])

        # Yes: the door opens, and closes only once the notice before closing is answered.
        self.press("shift+ctrl+d")
        box = self.wine.message_box(exe="RVLN.EXE", timeout=15)
        self.assertIsNotNone(box, "no question before opening")
        self.wine.answer_box("Yes", exe="RVLN.EXE")
        box = self.wine.message_box(exe="RVLN.EXE", timeout=20)
        self.assertIsNotNone(box, "no notice before closing")
        self.assertEqual(box["text"], CLOSE_NOTICE)
        self.assertEqual(self.threads_and_doors(program)[1], [DOOR_OPEN], "the door moved before OK")
        self.wine.answer_box("OK", exe="RVLN.EXE")
        self.assertTrue(self.wait_label(main, "Device D:\rnow loaded!"), self.label_texts(program))
        threads, doors = self.threads_and_doors(program)
        self.assertEqual(doors, [DOOR_OPEN, DOOR_CLOSED])
        self.assertEqual(len(threads), 1, f"window texts and multimedia commands came from {threads}")
        self.exit_program(program, main)


if __name__ == "__main__":
    unittest.main()
