"""The device page under Wine with drives the prefix is given: CD-ROM and removable drives as folders
typed in Wine's drive table, an NT SCSI tape through volatile hardware keys, the device list on
Windows NT 4 and 98, a chosen device stored across a restart, the notice after changed hardware,
the red/green LED as each system measures it, the multimedia CD default switched and put back,
and "Test" on NT 4: the eject command on a worker thread, MCI after Wine refuses it, and the box of
a tape that does not answer."""

import re
import subprocess
import unittest

from ravelin import RavelinTestCase

TABLE_KEY = r"HKLM\SOFTWARE\QAV\Ravelin\DeviceTable 0"
MCI_KEY = r"HKLM\System\CurrentControlSet\Control\MediaResources\mci\cdaudio"
TAPE_KEY = (r"HARDWARE\DEVICEMAP\Scsi\Scsi Port 0\Scsi Bus 0\Target Id 3\Logical Unit Id 0")

WM_VSCROLL, SB_BOTTOM = 0x0115, 7
LB_GETTOPINDEX = 0x018E

NO_MEDIUM = ("There is currently no medium in this device!\r(Red LED = no medium / green LED = medium insert)"
             "\r\rDo you want to test this device anyway?")
CLOSE_NOTICE = ("Device:   >>> D: <<<\rwants to CLOSE its door! - Ready now? ...\r\r(This hint can be disabled "
                "on page no. 3 \"Tasks\"\rof the \"Controls\" Tab of the Settings-Notebook.")
MCI_SET = 0x80D
DOOR_OPEN, DOOR_CLOSED = 0x100, 0x200

NOTICE = ("Important Information:\r\rRavelin\u00a9 has detected that you have changed your hardware-\r"
          "configuration since the last storage! Please check the Device Manager\rList on the "
          "\"WatchDogs\" Settings-Notebook tabsheet page no. 3 for\rpossible changes!")


class DevicesTestCase(RavelinTestCase):
    def threads_and_doors(self, program):
        """The threads that sent multimedia commands or set window texts, and the door flags of
        MCI_SET in order."""
        threads, doors = set(), []
        for line in self.wine.relay_calls(program, "SetWindowTextW"):
            threads.add(line.split(":", 1)[0])
        for line in self.wine.relay_calls(program, "mciSendCommandW"):
            threads.add(line.split(":", 1)[0])
            args = line.split(".mciSendCommandW(", 1)[1].split(")", 1)[0].split(",")
            if int(args[1], 16) == MCI_SET:
                doors.append(int(args[2], 16) & (DOOR_OPEN | DOOR_CLOSED))
        return threads, doors

    def open_device_page(self, main):
        """Ctrl+M, "Device &Manager": the notebook at the device page."""
        self.wine.key(main["hwnd"], "M", ctrl=True)
        self.assertTrue(self.wait_until(
            lambda: (self.wine.find("CheckListBox1", top=main["hwnd"]) or {}).get("visible"), timeout=15),
            "the device page did not open")
        return self.control(main, "CheckListBox1")

    def exit_program(self, program, main):
        self.wine.key(main["hwnd"], "X", ctrl=True)
        self.assertEqual(program.wait(20), 0, "Ctrl+X did not end the program")

    def led(self, main):
        """"red" or "green" as the page shows it, or None when both or neither are visible."""
        red = self.control(main, "Image1")["visible"]
        green = self.control(main, "Image2")["visible"]
        return {(True, False): "red", (False, True): "green"}.get((red, green))

    @staticmethod
    def colour_counts(path):
        """How many pixels of each exact colour an image has: {(r, g, b): count}."""
        out = subprocess.run(["convert", str(path), "-format", "%c", "histogram:info:-"],
                             capture_output=True, text=True, check=True, timeout=30).stdout
        counts = {}
        for line in out.splitlines():
            match = re.match(r"\s*(\d+):\s*\(\s*(\d+),\s*(\d+),\s*(\d+)", line)
            if match:
                n, r, g, b = map(int, match.groups())
                counts[(r, g, b)] = counts.get((r, g, b), 0) + n
        return counts

    def add_tape(self):
        """A tape unit 0 at port 0, bus 0, target 3 of the NT SCSI map; gone when the prefix's
        wineserver ends."""
        self.wine.probe_ok("volatile-key", TAPE_KEY, "Type=TapePeripheral", "DeviceName=Tape0")


class WindowsNtDevicesTest(DevicesTestCase):
    os_kind = "nt40"

    def test_devices_are_listed_chosen_stored_and_kept_across_a_restart(self):
        self.wine.add_drives({"a": None, "d": "cdrom", "e": "cdrom", "f": "floppy"})
        types = self.wine.sysinfo()["drive_types"]
        self.assertEqual({k: types[k] for k in "ADEF"}, {"A": 2, "D": 5, "E": 5, "F": 2}, types)
        self.add_tape()
        program, main = self.start_main()
        devices = self.open_device_page(main)
        self.assertEqual(devices["items"], ["CD - D:", "CD - E:", "RM - A:", "RM - F:", "Tape0"])
        self.assertEqual(devices["selected"], 0)
        # "\\.\D:" opens on a folder drive, but Wine answers the disk check with error 50.
        self.assertEqual(self.led(main), "red")
        self.assertEqual(self.control(main, "Label15")["text"], "gray = cannot- / black = can retract")

        # Gray, then black; then the delay typed over the one shown.
        self.wine.key(devices["hwnd"], "SPACE")
        self.assertTrue(self.wait_until(lambda: self.control(main, "SpeedButton8")["enabled"]))
        self.assertFalse(self.control(main, "SpinEdit2")["enabled"])
        self.wine.key(devices["hwnd"], "SPACE")
        self.assertTrue(self.wait_until(lambda: self.control(main, "SpinEdit2")["enabled"]))
        delay = self.control(main, "SpinEdit2")["hwnd"]
        self.wine.key(delay, "HOME")
        self.wine.key(delay, "END", shift=True)
        self.wine.type_text(delay, "5")
        self.assertTrue(self.wait_until(lambda: self.control(main, "SpinEdit2")["text"] == "5"))
        self.assertEqual(self.control(main, "Label15")["text"], "Check \"[ ]Eject ...\", if desired.")
        # D: is used now: its options show in the second status bar, asking off ("-" on aqua),
        # informing on ("+" on red); the rows show their drives' pictures.
        window = next(w for w in self.wine.windows(cls="TForm1") if w["hwnd"] == main["hwnd"])
        colours = self.colour_counts(self.wine.screenshot("device-page", rect=window["rect"]))
        self.assertGreater(colours.get((0, 255, 255), 0), 50, "no aqua panel for \"As&k before ejecting...\"")
        self.assertGreater(colours.get((255, 0, 0), 0), 50, "no red panel for \"Inform &before retracting...\"")
        self.wine.send(devices["hwnd"], WM_VSCROLL, SB_BOTTOM)
        self.assertGreater(self.wine.send(devices["hwnd"], LB_GETTOPINDEX)["result"], 0)
        self.wine.screenshot("device-page-last-rows", rect=window["rect"])
        self.wine.click(self.control(main, "Button2")["hwnd"])  # Save
        self.assertTrue(self.wait_until(
            lambda: not self.wine.find("Button2", top=main["hwnd"])["visible"], timeout=10))
        stored = {"Device1": "CD - D:,2,0,5,", "Device2": "CD - E:,", "Device3": "RM - A:,",
                  "Device4": "RM - F:,", "Device5": "Tape0,"}
        self.assertEqual({k: v[1] for k, v in self.wine.reg_query(TABLE_KEY).items()}, stored)
        self.exit_program(program, main)

        # The tape keys live as long as the wineserver; they are made again in case it ended.
        self.add_tape()
        self.wine.enable_relay("DeviceIoControl;mciSendCommandW;SetWindowTextW")
        program, main = self.start_main(env_extra=self.wine.relay_env())
        self.assertTrue(self.no_box(2), "a notice came up although nothing changed")
        devices = self.open_device_page(main)
        self.assertEqual(devices["items"], ["CD - D:", "CD - E:", "RM - A:", "RM - F:", "Tape0"])
        self.assertTrue(self.wait_until(lambda: self.control(main, "SpinEdit2")["text"] == "5"))
        self.assertTrue(self.control(main, "SpinEdit2")["enabled"])

        # "Test" on the black D: without a medium: asked first. Wine refuses the eject command
        # (error 50), which the worker sends; the door then goes through MCI on the main thread,
        # and the notice before retracting holds it open until OK.
        self.wine.click(self.control(main, "SpeedButton8")["hwnd"])
        self.answer_box(NO_MEDIUM, "Yes")
        self.answer_box(CLOSE_NOTICE, "OK")
        self.assertTrue(self.wait_until(
            lambda: self.control(main, "Label15")["text"] == "Device D:\rnow loaded!", timeout=30))
        calls = self.relay_threads(program, "DeviceIoControl")
        main_threads = {thread for thread, line in self.relay_threads(program, "SetWindowTextW")}
        self.assertEqual(len(main_threads), 1, f"window texts came from {main_threads}")
        checks = {thread for thread, line in calls if re.search(r"\.DeviceIoControl\([0-9a-f]+,0*74800,", line)}
        self.assertEqual(checks, main_threads, "the medium tests did not run on the main thread")
        ejects = [(at, thread) for at, (thread, line) in enumerate(calls)
                  if re.search(r"\.DeviceIoControl\([0-9a-f]+,0*74808,", line)]
        self.assertEqual(len(ejects), 1, calls)
        self.assertNotIn(ejects[0][1], main_threads, "the eject command ran on the main thread")
        mci = self.relay_threads(program, "mciSendCommandW")
        self.assertEqual({thread for thread, line in mci}, main_threads, "MCI left the main thread")
        self.assertEqual(self.threads_and_doors(program)[1], [DOOR_OPEN, DOOR_CLOSED])
        log = program.log().splitlines()
        first_mci = next(at for at, line in enumerate(log) if ".mciSendCommandW(" in line)
        eject_line = next(at for at, line in enumerate(log)
                          if re.search(r"Call [\w.]*\.DeviceIoControl\([0-9a-f]+,0*74808,", line))
        self.assertLess(eject_line, first_mci, "MCI came before the eject command was refused")

        # "Tape0" made black and tested: no tape answers under Wine, so the job ends with its box.
        self.wine.key(devices["hwnd"], "END")
        self.assertTrue(self.wait_until(lambda: self.control(main, "CheckListBox1")["selected"] == 4))
        self.wine.key(devices["hwnd"], "SPACE")
        self.wine.key(devices["hwnd"], "SPACE")
        self.assertTrue(self.wait_until(lambda: self.control(main, "SpinEdit2")["enabled"]))
        self.wine.click(self.control(main, "SpeedButton8")["hwnd"])
        self.answer_box(NO_MEDIUM, "Yes")
        self.answer_box(r"ERROR: Device \\.\Tape0 not found!", "OK")
        self.exit_program(program, main)
        stored["Device5"] = "Tape0,2,0,1,"
        self.assertEqual({k: v[1] for k, v in self.wine.reg_query(TABLE_KEY).items()}, stored)

    def answer_box(self, text, button):
        box = self.wine.message_box(exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(box, f"no box {text!r}")
        self.assertEqual(box["text"], text)
        self.wine.answer_box(button, exe="RVLN.EXE")

    def relay_threads(self, program, function):
        """(thread id, line) of each traced call of a function, in the order made."""
        return [(line.split(":", 1)[0], line) for line in self.wine.relay_calls(program, function)]


class Windows98DevicesTest(DevicesTestCase):
    os_kind = "win98"

    def test_no_drive_a_changed_drive_and_the_multimedia_default(self):
        # No CD-ROM drive: the page says so.
        program, main = self.start_main()
        devices = self.open_device_page(main)
        self.assertEqual(devices["items"], [])
        self.assertEqual(self.control(main, "Label15")["text"], "No CD-ROM devices found!")
        self.exit_program(program, main)

        # The stored D: is now E:: the notice, byte for byte, then E: is registered.
        self.wine.reg_add(TABLE_KEY, "Device1", "CD - D:,2,1,20,")
        self.wine.add_drive("e", "cdrom")
        # The settings load before the window shows, so the notice comes first.
        program = self.wine.start()
        box = self.wine.message_box(exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(box, "no notice of the changed hardware")
        self.assertEqual(box["text"], NOTICE)
        self.wine.answer_box("OK", exe="RVLN.EXE")
        main = self.wine.wait_window("TForm1", exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(main)
        main = self.wait_settled(main["hwnd"])
        devices = self.open_device_page(main)
        self.assertEqual(devices["items"], ["CD - E:"])
        self.exit_program(program, main)

        # D: and E: (and A:, which Windows 98 does not list), the default at E:: a medium test of
        # D: points the default at D:, asks, and puts E: back.
        self.wine.reg_delete(TABLE_KEY)
        self.wine.add_drives({"a": None, "d": "cdrom"})
        self.wine.reg_add(MCI_KEY, "Default Drive", "01000000", "REG_BINARY")
        self.wine.enable_relay("mciSendCommandW;RegSetValueExW")
        program, main = self.start_main(env_extra=self.wine.relay_env())
        self.assertTrue(self.no_box(2), "a notice came up for a table stored afresh")
        before = len(self.calls(program))
        devices = self.open_device_page(main)
        self.assertEqual(devices["items"], ["CD - D:", "CD - E:"])
        self.assertEqual(devices["selected"], 0)
        self.assertTrue(self.wait_until(lambda: self.led(main) == "green"), "Wine's MCI reports a medium")
        calls = self.calls(program)[before:]
        self.assertGreaterEqual(len(calls), 3, calls)
        self.assertEqual(calls[0], "write")
        self.assertEqual(calls[-1], "write")
        commands = calls[1:-1]
        # open, media present, ready, close
        self.assertEqual(commands, [0x803, 0x814, 0x814, 0x804], calls)
        self.assertEqual(self.wine.reg_query(MCI_KEY, "Default Drive"), ("REG_BINARY", "01000000"))

        # Someone else moves the default; leaving puts back the drive of start-up.
        self.wine.reg_add(MCI_KEY, "Default Drive", "00000000", "REG_BINARY")
        self.exit_program(program, main)
        self.assertEqual(self.wine.reg_query(MCI_KEY, "Default Drive"), ("REG_BINARY", "01000000"))

    def calls(self, program):
        """The program's MCI commands (their message numbers) and writes of the multimedia default
        ("write"), in the order made."""
        order = []
        for line in program.log().splitlines():
            if "Call " not in line:
                continue
            if ".mciSendCommandW(" in line:
                args = line.split(".mciSendCommandW(", 1)[1].split(")", 1)[0].split(",")
                order.append(int(args[1], 16))
            elif ".RegSetValueExW(" in line and 'L"Default Drive"' in line:
                order.append("write")
        return order


if __name__ == "__main__":
    unittest.main()
