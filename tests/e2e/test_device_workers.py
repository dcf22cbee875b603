"""A device's door opened and closed again by its worker thread under Wine: Windows 98, a black
CD-ROM drive D: with a removal delay of 3 seconds and no notice before retracting, started by the
device page's Test button. The help label passes the steps of the job; every multimedia command
runs on the main thread; Ctrl+X during the countdown waits for the worker and ends normally.
Before the TEST method's box, a medium marked for "All, (if insert)" is ejected and retracted.
(Wine's multimedia CD device answers the door commands without moving anything.)"""

import unittest

from test_devices import DOOR_CLOSED, DOOR_OPEN, MCI_SET, TABLE_KEY, DevicesTestCase

CONTROLS_KEY = r"HKCU\Software\QAV\Ravelin\LocalUser\Controls"


class DeviceWorkerTest(DevicesTestCase):
    os_kind = "win98"

    def wait_label(self, main, text, timeout=30):
        return self.wait_until(lambda: self.control(main, "Label15")["text"] == text, timeout=timeout)

    def label_texts(self, program):
        """What the program wrote into the help label about D:, in order."""
        texts = []
        for args, _ in self.wine.relay_values(program, "SetWindowTextW"):
            text = args[1] if len(args) > 1 else None
            if isinstance(text, str) and text.startswith(("Ejecting device:", "Device D:", "Loading D:")):
                texts.append(text)
        return texts

    def test_test_button_opens_counts_down_closes_and_exit_waits_for_the_worker(self):
        self.wine.reg_delete(TABLE_KEY)
        self.wine.add_drives({"a": None, "d": "cdrom"})
        self.wine.reg_add(TABLE_KEY, "Device1", "CD - D:,2,0,3,")
        self.wine.reg_add(CONTROLS_KEY, "InfoBeforeRetract", 0, "REG_DWORD")
        self.wine.enable_relay("mciSendCommandW;SetWindowTextW")
        program, main = self.start_main(env_extra=self.wine.relay_env())
        self.open_device_page(main)
        self.assertTrue(self.wait_until(lambda: self.led(main) == "green"), "Wine's MCI reports a medium")

        self.wine.click(self.control(main, "SpeedButton8")["hwnd"])
        self.assertTrue(self.wait_label(main, "Device D:\rnow loaded!"), self.label_texts(program))
        steps = ["Ejecting device:\rD: ...", "Device D:\rnow ejected!", "Loading D:\rin: 3 sec.",
                 "Loading D:\rin: 2 sec.", "Loading D:\rin: 1 sec.", "Device D:\rnow loaded!"]
        self.assertEqual(self.label_texts(program), steps)
        threads, doors = self.threads_and_doors(program)
        self.assertEqual(doors, [DOOR_OPEN, DOOR_CLOSED])
        self.assertEqual(len(threads), 1, f"window texts and multimedia commands came from {threads}")
        self.wine.screenshot("device-worker-done")

        # Ctrl+X in the countdown: the program lives until the worker has closed the door.
        self.wine.click(self.control(main, "SpeedButton8")["hwnd"])
        self.assertTrue(self.wait_until(lambda: "Loading" in self.control(main, "Label15")["text"], timeout=10))
        # Saved again at the end: the value must come back.
        self.wine.reg_delete(CONTROLS_KEY, "InfoBeforeRetract")
        self.wine.key(main["hwnd"], "X", ctrl=True)
        self.assertEqual(program.wait(30), 0, "Ctrl+X did not end the program normally")
        threads, doors = self.threads_and_doors(program)
        self.assertEqual(doors, [DOOR_OPEN, DOOR_CLOSED] * 2)
        self.assertEqual(self.label_texts(program), steps * 2)
        self.assertEqual(len(threads), 1, f"window texts and multimedia commands came from {threads}")
        self.assertEqual(self.wine.reg_query(CONTROLS_KEY, "InfoBeforeRetract"), ("REG_DWORD", 0))

    def test_test_method_ejects_a_marked_medium_and_shows_its_box_after_the_door_closed(self):
        self.wine.reg_delete(TABLE_KEY)
        self.wine.add_drives({"a": None, "d": "cdrom"})
        # Marked for "All, (if insert)" with a medium in, which Wine's drive always reports.
        self.wine.reg_add(TABLE_KEY, "Device1", "CD - D:,2,1,3,")
        self.wine.reg_add(CONTROLS_KEY, "InfoBeforeRetract", 0, "REG_DWORD")
        self.wine.enable_relay("mciSendCommandW;MessageBoxW")
        program, main = self.start_main(env_extra=self.wine.relay_env())
        self.run_test_method(main)
        # In the order the program made them: the door commands, then the box.
        events = []
        for line in program.log().splitlines():
            if "Call " in line and ".MessageBoxW(" in line:
                events.append("box")
            elif "Call " in line and ".mciSendCommandW(" in line:
                args = line.split(".mciSendCommandW(", 1)[1].split(")", 1)[0].split(",")
                if int(args[1], 16) == MCI_SET:
                    events.append(int(args[2], 16) & (DOOR_OPEN | DOOR_CLOSED))
        self.assertEqual(events, [DOOR_OPEN, DOOR_CLOSED, "box"])
        self.wine.answer_box("OK", exe="RVLN.EXE")


if __name__ == "__main__":
    unittest.main()
