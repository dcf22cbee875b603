"""The command line of RVLN.EXE under Wine: refused parameters, the help file, and commands that end
the session without a window.

Wine cannot report Win32s (GetVersionEx never says VER_PLATFORM_WIN32s there), so the refusal of
Win32s and of an unknown system is covered by the unit tests only."""

import time
import unittest
from pathlib import Path

from harness import WineTestCase

DATA = Path(__file__).resolve().parent / "data"
SETTINGS_KEY = r"HKCU\Software\QAV\Ravelin\LocalUser"

EWX_SHUTDOWN = 1


class CommandLineTestCase(WineTestCase):
    os_kind = "win98"

    def atom(self):
        return "RVLN!-" + self.wine.user_name()

    def watch_until_exit(self, program, timeout=30, until=None):
        """Classes of every window of RVLN.EXE seen while the program runs (message boxes
        included), polling until it ends or until(classes) holds."""
        seen = set()
        deadline = time.monotonic() + timeout
        while program.running() and time.monotonic() < deadline:
            seen.update(w["class"] for w in self.wine.windows(exe="RVLN.EXE"))
            if until and until(seen):
                break
        return seen

    def assert_no_main_window(self, seen):
        self.assertNotIn("TForm1", seen, "the main window was created")
        self.assertEqual(self.wine.windows(cls="TForm1"), [])

    def exit_windows_calls(self, program):
        return self.wine.relay_arguments(program, "ExitWindowsEx")

    def exit_windows_results(self, program):
        """Return values of the traced ExitWindowsEx calls."""
        results = []
        for line in program.log().splitlines():
            if "Ret " in line and ".ExitWindowsEx()" in line and "retval=" in line:
                results.append(int(line.split("retval=")[1].split()[0], 16))
        return results


class UnknownParameterTest(CommandLineTestCase):
    def test_unknown_parameter_shows_the_error_box_and_ends(self):
        program = self.wine.start("/FOO")
        box = self.wine.message_box(exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(box, f"no error box; log:\n{program.log()[-2000:]}")
        self.assertEqual(box["caption"], "Error")
        self.assertEqual(
            box["text"],
            'ERROR: => I do not understand this parameter:\r\r" /FOO "\r\r'
            'Please run RVLN with the " /? " parameter to get the syntax!')
        self.assertEqual([b["name"] for b in box["buttons"]], ["OK"])
        self.assertTrue(self.wine.atom_exists(self.atom()))
        self.assertEqual(self.wine.windows(cls="TForm1"), [])

        self.wine.answer_box("OK", exe="RVLN.EXE")
        seen = self.watch_until_exit(program)
        self.assertEqual(program.wait(20), 2, "not the exit code of a parameter not understood")
        self.assert_no_main_window(seen)
        self.assertFalse(self.wine.atom_exists(self.atom()))
        self.assertFalse(self.wine.reg_key_exists(SETTINGS_KEY + r"\Window"), "settings were saved")


class HelpTest(CommandLineTestCase):
    def test_help_writes_the_file_and_starts_the_viewer(self):
        program = self.wine.start("/?")
        viewer = self.wine.wait_window("Notepad", exe="notepad.exe", timeout=40)
        self.assertIsNotNone(viewer, f"the viewer did not start; log:\n{program.log()[-2000:]}")
        # Notepad names its window after the file once it has loaded it.
        opened = self.wait_until(lambda: any("RVLNPARA" in w["title"].upper()
                                             for w in self.wine.windows(cls="Notepad")), timeout=20)
        self.assertTrue(opened, f"the viewer did not open the file: {self.wine.windows(cls='Notepad')}")
        self.assertEqual(program.wait(30), 0, "the program did not end after the help")

        written = (self.wine.program_dir / "RVLNPARA.TXT").read_bytes()
        expected = (DATA / "RVLNPARA.TXT").read_bytes()
        self.assertEqual(written, expected)
        self.assertEqual(written.count(b"\r\n"), 32)

        self.assertEqual(self.wine.windows(cls="TForm1"), [])
        self.assertEqual(self.wine.windows(cls="#32770", exe="RVLN.EXE"), [])
        self.assertFalse(self.wine.atom_exists(self.atom()))

    def test_help_word_with_a_suffix_starts_the_window(self):
        # "/HX" passes the check but asks for no help.
        program = self.wine.start("/HX")
        main = self.wine.wait_window("TForm1", exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(main, f"no main window; log:\n{program.log()[-2000:]}")
        self.assertFalse((self.wine.program_dir / "RVLNPARA.TXT").exists())
        self.assertEqual(self.wine.windows(cls="Notepad"), [])


class ShutdownTest(CommandLineTestCase):
    def test_shutdown_ends_the_session_without_a_window(self):
        self.wine.enable_relay("user32.ExitWindowsEx")
        program = self.wine.start("/shutdown", env_extra=self.wine.relay_env())
        seen = self.watch_until_exit(program, timeout=60, until=lambda classes: "#32770" in classes)
        if "#32770" in seen:
            # Fail at once: the box waits for an answer that never comes.
            box = self.wine.message_box(exe="RVLN.EXE", timeout=5)
            self.fail(f"a message box showed up: {box and box['text']!r}; "
                      f"ExitWindowsEx returned {self.exit_windows_results(program)}")
        self.assertEqual(program.wait(30), 0, f"the program did not end; log:\n{program.log()[-2000:]}")

        calls = self.exit_windows_calls(program)
        self.assertEqual(len(calls), 1, program.log()[-3000:])
        self.assertEqual(calls[0][0], EWX_SHUTDOWN)
        self.assertEqual(self.exit_windows_results(program), [1], "Wine refused to end the session")
        self.assert_no_main_window(seen)
        self.assertFalse(self.wine.atom_exists(self.atom()))
        self.assertFalse(self.wine.reg_key_exists(SETTINGS_KEY + r"\Window"), "settings were saved")


class SafeTest(CommandLineTestCase):
    def test_reboot_with_safe_answered_no_ends_quietly(self):
        self.wine.enable_relay("user32.ExitWindowsEx")
        program = self.wine.start("/REBOOT", "/SAFE", env_extra=self.wine.relay_env())
        box = self.wine.message_box(exe="RVLN.EXE", timeout=30)
        self.assertIsNotNone(box, f"no question; log:\n{program.log()[-2000:]}")
        self.assertEqual(box["caption"], "Confirm")
        self.assertEqual(box["text"], "Do you really want to shutdown\rand reboot the system?")
        self.assertEqual(sorted(b["name"] for b in box["buttons"]), ["No", "Yes"])
        self.assertEqual(self.wine.windows(cls="TForm1"), [])

        self.wine.answer_box("No", exe="RVLN.EXE")
        seen = self.watch_until_exit(program)
        self.assertEqual(program.wait(20), 1, "not the exit code of a declined command")
        self.assert_no_main_window(seen)
        self.assertEqual(self.exit_windows_calls(program), [], "the session was ended all the same")
        self.assertFalse(self.wine.atom_exists(self.atom()))


if __name__ == "__main__":
    unittest.main()
