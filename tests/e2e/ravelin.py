"""What the end-to-end tests share about RVLN.EXE: its method lists and the steps a user takes in
the main window."""

import re
import time

from harness import PROGRAM_EXE, WineTestCase

SETTINGS_KEY = r"HKCU\Software\QAV\Ravelin"

# The reason every ExitWindowsEx call carries: SHTDN_REASON_FLAG_PLANNED, major and minor "other".
PLANNED_REASON = 0x80000000

METHODS_WIN9X = [
    "ShutDown   (+Power OFF)",
    "ShutDown    and ReBoot",
    "LogOFF        and LogON again",
    "FORCE         ShutDown* (+Pw. OFF)",
    "FORCE         ReBoot*",
    "FORCE         Close(/ReLog)*",
    "Power OFF (APM/Battery)",
    "TEST             with MessageBox",
    "ShutDown     into MS-DOS mode",
    "ASK                always how...",
    "Restart          Windows 95/98",
]

METHODS_NT = [
    "ShutDown",
    "ShutDown    and ReBoot",
    "LogOFF        and LogON again",
    "FORCE         ShutDown",
    "FORCE         ReBoot",
    "FORCE         ReLog",
    "Power OFF (APM/Battery)",
    "TEST             with MessageBox",
    "ASK                always how...",
    "Windows NT - Commandline",
]

# List positions, which differ between the two families where the lists differ.
LOGOFF = 2
FORCE_POSITIONS = (3, 4, 5)
TEST = 7
MSDOS_WIN9X = 8
ASK_WIN9X = 9
ASK_NT = 8
RESTART_WIN9X = 10
NT_CONSOLE = 9


def split_command_line(command_line):
    """(program, rest) of a Windows command line whose program may be quoted."""
    match = re.match(r'^\s*(?:"([^"]*)"|(\S+))\s*(.*)$', command_line or "")
    if not match:
        return "", ""
    return match.group(1) or match.group(2), match.group(3).strip()


class RavelinTestCase(WineTestCase):
    os_kind = "win98"

    def start_main(self, *args, exe=PROGRAM_EXE, env_extra=None):
        """Starts RVLN.EXE (or the copy at exe) and returns (program, main window) once the
        window has finished its opening animation, so sizes and positions read afterwards are the
        final ones."""
        program = self.wine.start(*args, exe=exe, env_extra=env_extra)
        main = self.wine.wait_window("TForm1", exe="RVLN.EXE", timeout=30)
        if main is None:
            self.fail(f"no main window; program log:\n{program.log()[-2000:]}")
        settled = self.wait_settled(main["hwnd"])
        self.assertIsNotNone(settled, "the main window kept changing its size")
        return program, settled

    def wait_settled(self, hwnd, timeout=15):
        """The window's data once three readings in a row agree, or None."""
        deadline = time.monotonic() + timeout
        last, same = None, 0
        while time.monotonic() < deadline:
            found = [w for w in self.wine.windows(cls="TForm1") if w["hwnd"] == hwnd]
            if not found:
                return None
            shape = (found[0]["rect"], found[0]["client"], found[0]["visible"])
            same = same + 1 if shape == last else 0
            if same >= 2 and found[0]["visible"]:
                return found[0]
            last = shape
            time.sleep(0.2)
        return None

    def control(self, main, name):
        found = self.wine.find(name, top=main["hwnd"])
        self.assertIsNotNone(found, f"no control {name}")
        return found

    def selected(self, main):
        return self.control(main, "ComboBox1")["selected"]

    def select_method(self, main, position):
        """Picks a list entry as a user does: the program gets CBN_SELCHANGE and runs its change
        handler."""
        combo = self.control(main, "ComboBox1")
        self.assertEqual(self.wine.select_combo(combo["hwnd"], position)["selected"], position)

    def press_main_button(self, main):
        self.wine.click(self.control(main, "Button1")["hwnd"])

    def tool_button(self, main, name):
        """A toolbar button ("BitBtn1" is "Settings...") as the user sees it: visible, enabled and
        its place on the bar, or None when the bar has no such button."""
        code, data = self.wine.probe("tool-button", name, "--top", main["hwnd"])
        return data if code == 0 else None

    def click_tool(self, main, name):
        """Clicks a toolbar button where it is drawn; fails when a user could not click it."""
        return self.wine.probe_ok("click-tool", name, "--top", main["hwnd"])

    def instance_atom(self):
        return "RVLN!-" + self.wine.user_name()

    def no_box(self, seconds=3):
        """True when the program shows no message box within the given time."""
        return self.wine.message_box(exe="RVLN.EXE", timeout=seconds) is None
