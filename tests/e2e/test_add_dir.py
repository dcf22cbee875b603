"""Add Dir. ... under Wine: the directory chooser picks a folder into the list."""

import time
import unittest

from test_empty_dirs import EmptyDirsTestCase

CB_SHOWDROPDOWN = 0x014F


class AddDirTest(EmptyDirsTestCase):
    def test_add_dir_chooses_a_folder_in_the_tree(self):
        (self.wine.drive_c / "PICKME").mkdir()
        self.wine.add_drives({"a": None, "e": "cdrom"})
        self.store("*", 0)
        _, main = self.start_main()
        self.open_dirs_page(main)
        self.wine.click(self.control(main, "SpeedButton7")["hwnd"])
        chooser = self.wine.wait_window("TForm5", exe="RVLN.EXE", timeout=20)
        self.assertIsNotNone(chooser, "no directory chooser")
        self.assertEqual(chooser["title"], "Choose Directory:")
        controls = self.wine.controls(chooser["hwnd"])
        drives = controls["DriveComboBox1"]
        items = drives["items"]
        self.assertEqual(len(items), 3, items)
        self.assertEqual(items[0], "A:")
        self.assertTrue(items[1].startswith("C: [") and items[2].startswith("E: ["), items)
        self.wine.screenshot("choose-directory", rect=chooser["rect"])
        # The drive list dropped: each entry with the picture of its drive type.
        self.wine.send(drives["hwnd"], CB_SHOWDROPDOWN, 1)
        self.assertTrue(self.wait_until(lambda: self.wine.find("DriveComboBox1", top=chooser["hwnd"])["dropped"]))
        self.wine.screenshot("choose-directory-drives")
        self.wine.send(drives["hwnd"], CB_SHOWDROPDOWN, 0)
        tree = controls["DirectoryOutline1"]["hwnd"]
        self.wine.click(tree)
        # Type-ahead selects the folder by its name.
        self.wine.type_text(tree, "PICKME")
        time.sleep(0.5)
        self.wine.key(chooser["hwnd"], "S", ctrl=True)
        self.assertTrue(self.wine.wait_gone(chooser["hwnd"]), "the chooser stayed open")
        self.assertTrue(self.wait_until(
            lambda: self.wine.find("Edit4", top=main["hwnd"])["text"] == "C:\\PICKME;", timeout=10),
            self.wine.find("Edit4", top=main["hwnd"])["text"])


if __name__ == "__main__":
    unittest.main()
