"""Emptying directories under Wine: the "Empty Directories:" dialog opened by "now...", a sparing
mode that leaves read-only and hidden files, a link to a folder outside that is never followed,
and the list field refusing the root of the system drive."""

import os
import time
import unittest

from ravelin import SETTINGS_KEY, RavelinTestCase

USER_KEY = SETTINGS_KEY + r"\LocalUser"
NORMAL_SUBDIRS = 2  # "normal + subdirs": spares read-only, system and hidden entries


class EmptyDirsTestCase(RavelinTestCase):
    def make_tree(self):
        """C:\\E2E with plain, read-only and hidden files, a subfolder and a link to a full folder
        outside it."""
        drive = self.wine.drive_c
        (drive / "OUTSIDE" / "DEEP").mkdir(parents=True)
        (drive / "OUTSIDE" / "KEEP.TXT").write_text("outside")
        (drive / "OUTSIDE" / "DEEP" / "KEEP2.TXT").write_text("outside")
        e2e = drive / "E2E"
        (e2e / "SUB").mkdir(parents=True)
        for name in ("PLAIN.TXT", "RO.TXT", "HID.TXT", "SUB/X.TXT"):
            (e2e / name).write_text("x")
        os.symlink(drive / "OUTSIDE", e2e / "LINK")
        self.wine.wine("attrib", "+r", r"C:\E2E\RO.TXT")
        self.wine.wine("attrib", "+h", r"C:\E2E\HID.TXT")

    def store(self, dir_list, mode):
        self.wine.reg_add(USER_KEY + r"\Guards", "EmptyDirList", dir_list)
        self.wine.reg_add(USER_KEY + r"\Guards", "ComboBox2", mode, "REG_DWORD")
        self.wine.reg_add(USER_KEY + r"\Controls", "EmptyConfirm", 0, "REG_DWORD")
        self.wine.reg_add(USER_KEY + r"\Controls", "WinAni", 0, "REG_DWORD")

    def open_dirs_page(self, main):
        self.wine.key(main["hwnd"], "D", ctrl=True)
        edit = self.wine.find("Edit4", top=main["hwnd"], timeout=10)
        self.assertIsNotNone(edit)
        self.assertTrue(self.wait_until(lambda: self.wine.find("Edit4", top=main["hwnd"])["visible"]))
        return edit


class NowButtonTest(EmptyDirsTestCase):
    def test_now_in_sparing_mode_leaves_guarded_files_and_the_outside(self):
        self.make_tree()
        self.store(r"C:\E2E;", NORMAL_SUBDIRS)
        _, main = self.start_main()
        self.open_dirs_page(main)
        self.wine.click(self.control(main, "SpeedButton4")["hwnd"])

        dialog = self.wine.wait_window("TForm6", exe="RVLN.EXE", timeout=20)
        self.assertIsNotNone(dialog, "no Empty Directories dialog")
        self.assertEqual(dialog["title"], "Empty Directories:")
        controls = self.wine.controls(dialog["hwnd"])
        self.assertEqual(controls["Label1"]["text"],
                         "The files and subdirectories of the following directories, which are not "
                         "read-only, system or hidden, are about to be deleted:")
        rows = controls["ListBox1"]
        self.assertEqual(rows["items"], [r"C:\E2E"])
        self.assertEqual(rows["selection"], [True])
        self.wine.screenshot("empty-directories", rect=dialog["rect"])

        self.wine.click(controls["Button4"]["hwnd"])
        self.assertTrue(self.wine.wait_gone(dialog["hwnd"]), "the dialog stayed open")
        self.assertTrue(self.no_box(3), "an error box came up")
        left = sorted(p.name for p in (self.wine.drive_c / "E2E").iterdir())
        self.assertNotIn("PLAIN.TXT", left)
        self.assertNotIn("SUB", left)
        self.assertIn("RO.TXT", left)
        self.assertIn("HID.TXT", left)
        self.assertEqual((self.wine.drive_c / "OUTSIDE" / "KEEP.TXT").read_text(), "outside")
        self.assertEqual((self.wine.drive_c / "OUTSIDE" / "DEEP" / "KEEP2.TXT").read_text(), "outside")
        top = self.wine.reg_query(USER_KEY + r"\DirEmptyWindow", "Top")
        self.assertIsNotNone(top)


class ListFieldTest(EmptyDirsTestCase):
    def test_the_root_of_the_system_drive_is_refused(self):
        self.store("*", 0)
        _, main = self.start_main()
        edit = self.open_dirs_page(main)
        self.wine.click(edit["hwnd"])
        self.wine.type_text(edit["hwnd"], "C:\\")
        # Leaving the field checks the list.
        self.wine.click(self.control(main, "ComboBox2")["hwnd"])
        box = self.wine.message_box(exe="RVLN.EXE", timeout=15)
        self.assertIsNotNone(box, "no error for C:\\")
        self.assertEqual(box["text"],
                         "ERROR: The path:\r\rC:\\\r\ris the Windows folder, the system folder or a "
                         "folder\rabove them, and will not be emptied!")
        self.wine.answer_box("OK", exe="RVLN.EXE")
        self.assertTrue(self.wait_until(lambda: self.wine.find("Edit4", top=main["hwnd"])["text"] == ""))


if __name__ == "__main__":
    unittest.main()
