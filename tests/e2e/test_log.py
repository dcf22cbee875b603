"""RVLN.LOG under Wine: the entry of the TEST method, and showing and erasing the log from the
window's context menu."""

import re
import time
import unittest

from ravelin import RavelinTestCase

WEEKDAYS = ("So.", "Mo.", "Tu.", "We.", "Th.", "Fr.", "Sa.")
PREFIX_WIDTHS = (3, 1, 10, 3, 12, 3)
ENTRY_WIDTHS = (8, 50, 44, 35, 5, 2, 23, 15, 23, 15, 24, 15, 1)


def split_fields(line, widths):
    """The blank-separated fixed-width fields at the start of line, and the rest after them."""
    fields, pos = [], 0
    for i, width in enumerate(widths):
        fields.append(line[pos:pos + width])
        pos += width
        if i + 1 < len(widths):
            if line[pos:pos + 1] != " ":
                raise AssertionError(f"no blank after field {i + 1} at column {pos}: {line!r}")
            pos += 1
    return fields, line[pos:]


class LogTestCase(RavelinTestCase):
    @property
    def log_file(self):
        return self.wine.program_dir / "RVLN.LOG"

    def wait_for(self, predicate, what, timeout=20):
        if not self.wait_until(predicate, timeout=timeout):
            self.fail(f"timed out waiting for {what}")

    def open_context_menu(self, main):
        # A right click on the window itself, as on an empty spot of it.
        self.wine.click(main["hwnd"], right=True)
        menu = self.wine.wait_window("#32768", timeout=10)
        self.assertIsNotNone(menu, "the context menu did not open")
        return menu

    def choose(self, main, *mnemonics):
        """Opens the context menu and walks it by the underlined letters."""
        self.open_context_menu(main)
        for letter in mnemonics:
            self.wine.key(main["hwnd"], letter, post=True)
            time.sleep(0.3)


class TestMethodEntryTest(LogTestCase):
    def test_test_method_writes_one_line_of_fixed_widths(self):
        self.assertFalse(self.log_file.exists())
        _, main = self.start_main()
        self.run_test_method(main)
        # The entry is written before the box comes up.
        self.assertTrue(self.log_file.exists(), "no RVLN.LOG in the program folder")
        self.wine.answer_box("OK", exe="RVLN.EXE")

        raw = self.log_file.read_bytes()
        (self.wine.artifacts / "RVLN.LOG").write_bytes(raw)
        self.assertTrue(raw.endswith(b"\r\n"), raw[-40:])
        self.assertEqual(raw.count(b"\n"), 1, raw)
        self.assertEqual(raw.count(b"\r"), 1, "a CR inside the entry was not turned into a blank")
        line = raw[:-2].decode("cp1252")

        prefix, entry = split_fields(line, PREFIX_WIDTHS)
        day, comma, date, at, clock, tail = prefix
        self.assertIn(day, WEEKDAYS)
        self.assertEqual((comma, at, tail), (",", "at:", "h -"))
        self.assertRegex(date, r"^(\d\d\.\d\d\.\d{4}|\d\d/\d\d/\d{4})$")
        self.assertRegex(clock, r"^ ?\d\d:\d\d:\d\d,\d{2,3}$")

        fields, rest = split_fields(entry, ENTRY_WIDTHS)
        self.assertEqual(rest, "")
        self.assertEqual(fields[0], " User: [")
        self.assertEqual(fields[1].lstrip(), self.wine.user_name().rstrip() or "Empty Account")
        self.assertEqual(fields[2], " " * 21 + "] has shut down with: [")
        self.assertEqual(fields[3], " " * 15 + "TEST with MessageBox")
        self.assertEqual(fields[4], "]! =>")
        self.assertEqual(fields[5], "  ")
        self.assertEqual(fields[6], "Free Physical Memory: [")
        self.assertEqual(fields[8], "] Free PageFile Size: [")
        self.assertEqual(fields[10], "] Free Virtual Memory: [")
        self.assertEqual(fields[12], "]")
        separators = set()
        for figure in (fields[7], fields[9], fields[11]):
            self.assertRegex(figure, r"^ *\d{1,3}([.,]\d{3})*$")
            separators.update(re.findall(r"[.,]", figure))
        self.assertLessEqual(len(separators), 1, "the figures mix their thousands separators")


class ShowAndEraseTest(LogTestCase):
    OLD_LOG = b"Mo. , 12/07/1998 at:  14:05:09,25 h - an older entry\r\n"

    def test_show_opens_the_log_in_the_viewer(self):
        self.log_file.write_bytes(self.OLD_LOG)
        _, main = self.start_main()
        self.choose(main, "L", "W")

        def viewer():
            return [p for p in self.wine.processes()
                    if p["exe"].lower() == "notepad.exe" and "rvln.log" in (p["command_line"] or "").lower()]

        self.wait_for(lambda: viewer(), "the text viewer with RVLN.LOG")
        window = self.wine.wait_window("Notepad", timeout=20)
        self.assertIsNotNone(window, "the viewer showed no window")
        self.assertIn("rvln", window["title"].lower())
        self.wine.screenshot("viewer", rect=window["rect"])
        self.assertEqual(self.log_file.read_bytes(), self.OLD_LOG)

    def test_erase_answered_yes_deletes_the_log(self):
        self.log_file.write_bytes(self.OLD_LOG)
        _, main = self.start_main()
        self.choose(main, "L", "R")
        box = self.wine.message_box(exe="RVLN.EXE", timeout=20)
        self.assertIsNotNone(box, "no question before erasing")
        size = len(self.OLD_LOG)
        self.assertTrue(box["text"].startswith(f"      Current logfile size: {size} Byte,"), box["text"])
        self.assertIn("current maximum size: 65,536 Byte,", box["text"])
        self.assertIn("the logfile: C:\\Ravelin\\RVLN.LOG", box["text"])
        self.assertEqual([b["name"] for b in box["buttons"]], ["Yes", "No"])
        self.wine.answer_box("Yes", exe="RVLN.EXE")
        self.wait_for(lambda: not self.log_file.exists(), "RVLN.LOG to be deleted")

    def test_show_log_button_of_the_event_log_page(self):
        self.log_file.write_bytes(self.OLD_LOG)
        _, main = self.start_main()
        self.wine.key(main["hwnd"], "L", ctrl=True)
        button = None

        def usable():
            nonlocal button
            button = self.wine.controls(main["hwnd"]).get("SpeedButton9")
            return button is not None and button["shown"] and button["enabled"]

        self.wait_for(usable, "the enabled \"Show Log\" button on the Event Log page")
        self.assertEqual(button["text"], "Show Log")
        self.wine.click(button["hwnd"])
        self.wait_for(lambda: [p for p in self.wine.processes()
                               if p["exe"].lower() == "notepad.exe"
                               and "rvln.log" in (p["command_line"] or "").lower()],
                      "the text viewer with RVLN.LOG")

    def test_log_file_menu_is_disabled_without_the_log(self):
        _, main = self.start_main()
        self.choose(main, "L", "W")
        time.sleep(1)
        self.assertEqual([p for p in self.wine.processes() if p["exe"].lower() == "notepad.exe"], [])
        self.wine.key(main["hwnd"], "ESCAPE", post=True)


if __name__ == "__main__":
    unittest.main()
