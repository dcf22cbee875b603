"""The application started before a shutdown, its warning and wait, a start that fails, the
drive initialisation, and the "Run & Init" page, seen from outside the program."""

import shutil
import unittest

from ravelin import LOGOFF, PLANNED_REASON, SETTINGS_KEY, RavelinTestCase, split_command_line

GUARDS_KEY = SETTINGS_KEY + r"\LocalUser\Guards"

STARTED_QUESTION = (
    "WARNING: You have started another application!\r\rIf you answer OK, then Ravelin will continue\r"
    "with the selected shutdown event! Otherwise it will\rcontinue running, as if nothing has happend."
    "\r\rTo suspend this message, you can start RVLN with\rthe (commandline/shortcut) option: "
    "/NOMESSAGE[:x]\rwhere <colon!> x is a numeric value from 0 to 65535 in\rmilliseconds, that lets "
    "RVLN wait before shut down!")

NOTEPAD = "C:\\Program Files\\Note Pad\\notepad.exe"
DOCUMENT = "C:\\Notes\\errands.txt"
DRIVE_FIXED, DRIVE_REMOTE, DRIVE_REMOVABLE, DRIVE_CDROM = 3, 4, 2, 5


class WatchdogTestCase(RavelinTestCase):
    def run_first(self, command, no_warning=False, sleep=0):
        """Stored settings that start command before each shutdown."""
        self.wine.reg_add(GUARDS_KEY, "Run", 1, "REG_DWORD")
        self.wine.reg_add(GUARDS_KEY, "Edit2", command)
        self.wine.reg_add(GUARDS_KEY, "Warning", 1 if no_warning else 0, "REG_DWORD")
        self.wine.reg_add(GUARDS_KEY, "Sleep", sleep, "REG_DWORD")

    def install_notepad(self):
        source = next(p for p in (self.wine.drive_c / "windows" / "system32" / "notepad.exe",
                                  self.wine.drive_c / "windows" / "notepad.exe") if p.exists())
        target = self.wine.unix_path(NOTEPAD)
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(source, target)
        document = self.wine.unix_path(DOCUMENT)
        document.parent.mkdir(parents=True, exist_ok=True)
        document.write_bytes(b"to do\r\n")

    def started_notepad(self, program):
        """The one ShellExecute of the run: file, parameters and folder as passed."""
        calls = [arguments for arguments, _ in self.wine.relay_values(program, "ShellExecuteW")]
        self.assertEqual(len(calls), 1, calls)
        return calls[0][2:5]


class RunApplicationTest(WatchdogTestCase):
    def setUp(self):
        super().setUp()
        self.install_notepad()
        self.run_first(f'"{NOTEPAD}" {DOCUMENT}')
        self.wine.enable_relay("shell32.ShellExecuteW;user32.ExitWindowsEx")

    def start_and_warn(self):
        program, main = self.start_main(env_extra=self.wine.relay_env())
        self.select_method(main, LOGOFF)
        self.press_main_button(main)
        box = self.wine.message_box(exe="RVLN.EXE", timeout=20)
        self.assertIsNotNone(box, "no warning after the start")
        self.assertEqual(box["caption"], "Confirm")
        self.assertEqual(box["text"], STARTED_QUESTION)
        self.assertEqual([b["name"] for b in box["buttons"]], ["OK", "Cancel"])
        self.assertIsNotNone(self.wine.wait_window("Notepad", exe="notepad.exe", timeout=20),
                             "the application did not start")
        # A document among the parameters runs in its own folder.
        self.assertEqual(self.started_notepad(program), [NOTEPAD, "errands.txt", "C:\\Notes\\"])
        return program, main

    def test_cancel_keeps_the_session_and_the_program(self):
        program, main = self.start_and_warn()
        self.wine.screenshot("warning")
        self.wine.answer_box("Cancel", exe="RVLN.EXE")
        self.assertTrue(self.no_box(2))
        self.assertIsNone(program.wait(2), "the program ended")
        self.assertEqual(self.wine.relay_arguments(program, "ExitWindowsEx"), [])
        self.assertTrue(self.wine.processes(exe="notepad.exe"), "the application was closed")

    def test_ok_logs_off(self):
        program, _ = self.start_and_warn()
        self.wine.answer_box("OK", exe="RVLN.EXE")
        self.assertEqual(program.wait(30), 0, "the program did not end")
        self.assertEqual(self.wine.relay_arguments(program, "ExitWindowsEx"), [[0, PLANNED_REASON]])


class NoMessageTest(WatchdogTestCase):
    def test_waits_the_given_time_without_a_box(self):
        self.install_notepad()
        # "No Warnin&g," ticked: the option's wait replaces the page's.
        self.run_first(NOTEPAD, no_warning=True, sleep=7000)
        self.wine.enable_relay("kernel32.Sleep;kernelbase.Sleep;user32.ExitWindowsEx;shell32.ShellExecuteW")
        program, main = self.start_main("/NOMESSAGE:1500", env_extra=self.wine.relay_env())
        self.select_method(main, LOGOFF)
        self.press_main_button(main)
        self.assertEqual(program.wait(30), 0, "the program did not end")
        self.assertEqual(self.wine.message_box(exe="RVLN.EXE", timeout=1), None)
        self.assertEqual(self.started_notepad(program), [NOTEPAD, 0, "C:\\Program Files\\Note Pad\\"])
        sleeps = self.wine.relay_arguments(program, "Sleep")
        self.assertIn([1500], sleeps)
        self.assertNotIn([7000], sleeps)
        self.assertEqual(self.wine.relay_arguments(program, "ExitWindowsEx"), [[0, PLANNED_REASON]])


class FailedStartTest(WatchdogTestCase):
    def test_an_unassociated_file_restarts_the_program(self):
        document = self.wine.unix_path("C:\\X\\F.XYZ")
        document.parent.mkdir(parents=True, exist_ok=True)
        document.write_bytes(b"?")
        self.run_first("C:\\X\\F.XYZ")
        self.wine.enable_relay("user32.ExitWindowsEx")
        first, main = self.start_main(env_extra=self.wine.relay_env())
        self.select_method(main, LOGOFF)
        self.press_main_button(main)

        texts = []
        for _ in range(2):
            box = self.wine.message_box(exe="RVLN.EXE", timeout=20)
            self.assertIsNotNone(box, f"only {len(texts)} boxes: {texts}")
            self.assertEqual(box["caption"], "Error")
            texts.append(box["text"])
            self.wine.answer_box("OK", exe="RVLN.EXE")
        self.assertEqual(texts[0], "ERROR: No filetype associated with\rthis extension!")
        self.assertEqual(texts[1], "ERROR running watchdog file:\r\rC:\\X\\F.XYZ\r\r"
                                   "Shutdown canceled! (GetLastError: 31 )")
        self.assertEqual(first.wait(20), 0, "the first copy did not end")
        self.assertEqual(self.wine.relay_arguments(first, "ExitWindowsEx"), [])
        again = self.wine.wait_window("TForm1", exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(again, "no fresh copy came up")
        copies = self.wine.processes(exe="RVLN.EXE")
        self.assertEqual(len(copies), 1, copies)
        self.assertEqual(split_command_line(copies[0]["command_line"])[1], "/Q")


class InitDrivesTest(WatchdogTestCase):
    def test_only_local_hard_disks_get_the_scratch_file(self):
        folders = {}
        for letter, kind in (("d", "hd"), ("e", "network"), ("f", "floppy"), ("g", "cdrom")):
            folder = self.wine.path / f"drive_{letter}"
            folder.mkdir()
            link = self.wine.path / "dosdevices" / f"{letter}:"
            if link.is_symlink() or link.exists():
                link.unlink()
            link.symlink_to(folder)
            folders[letter] = folder
            self.wine.reg_add(r"HKLM\Software\Wine\Drives", f"{letter}:", kind)
        # Z: is the host's root: it must not count as a hard disk of this test.
        self.wine.reg_add(r"HKLM\Software\Wine\Drives", "z:", "network")
        # The mount manager reads the drive kinds when it starts.
        self.wine.kill_server()
        types = self.wine.probe_ok("sysinfo")["drive_types"]
        self.assertEqual({k: types.get(k) for k in "CDEFG"},
                         {"C": DRIVE_FIXED, "D": DRIVE_FIXED, "E": DRIVE_REMOTE, "F": DRIVE_REMOVABLE,
                          "G": DRIVE_CDROM}, types)

        self.wine.reg_add(GUARDS_KEY, "Init", 1, "REG_DWORD")
        self.wine.enable_relay("kernel32.CreateFileW;kernelbase.CreateFileW;kernel32.DeleteFileW;"
                               "kernelbase.DeleteFileW;user32.ExitWindowsEx")
        program, main = self.start_main(env_extra=self.wine.relay_env())
        self.select_method(main, LOGOFF)
        self.press_main_button(main)
        self.assertEqual(program.wait(30), 0, "the program did not end")
        self.assertEqual(self.wine.relay_arguments(program, "ExitWindowsEx"), [[0, PLANNED_REASON]])

        touched = {}
        for function in ("CreateFileW", "DeleteFileW"):
            for arguments, _ in self.wine.relay_values(program, function):
                name = arguments[0] if isinstance(arguments[0], str) else ""
                if "~RVLNINI" in name.upper():
                    touched.setdefault(function, set()).add(name.upper())
        expected = {"C:\\~RVLNINI.000", "D:\\~RVLNINI.000"}
        self.assertEqual(touched, {"CreateFileW": expected, "DeleteFileW": expected})
        left = [p.name for root in (self.wine.drive_c, *folders.values()) for p in root.iterdir()
                if p.name.upper().startswith("~RVLNINI")]
        self.assertEqual(left, [])


class PageTest(WatchdogTestCase):
    def test_ticking_without_a_command_asks_and_cancel_unticks(self):
        _, main = self.start_main()
        self.wine.key(main["hwnd"], "R", ctrl=True)
        box = self.wine.find("CheckBox5", top=main["hwnd"], timeout=15)
        self.assertIsNotNone(box)
        self.assertTrue(self.wait_until(lambda: self.control(main, "CheckBox5")["visible"], timeout=15))
        self.assertEqual(box["check"], 0)
        self.assertFalse(self.control(main, "Edit1")["enabled"])
        self.wine.click(box["hwnd"])
        dialog = self.wine.wait_window("#32770", title="Search executable file ...", exe="RVLN.EXE",
                                       timeout=20)
        self.assertIsNotNone(dialog, "no open dialog")
        self.wine.screenshot("search-executable")
        self.wine.close_window(dialog["hwnd"])
        self.assertTrue(self.wine.wait_gone(dialog["hwnd"], timeout=20))
        self.assertTrue(self.wait_until(lambda: self.control(main, "CheckBox5")["check"] == 0, timeout=10))
        self.assertFalse(self.control(main, "Edit1")["enabled"])
        self.assertFalse(self.control(main, "CheckBox13")["enabled"])
        self.wine.screenshot("run-init-page")


if __name__ == "__main__":
    unittest.main()
