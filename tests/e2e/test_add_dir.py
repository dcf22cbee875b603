"""Add Dir. ... under Wine: the directory chooser picks a folder into the list."""

import time
import unittest

from test_empty_dirs import EmptyDirsTestCase


class AddDirTest(EmptyDirsTestCase):
    def test_add_dir_chooses_a_folder_in_the_tree(self):
        (self.wine.drive_c / "PICKME").mkdir()
        self.store("*", 0)
        _, main = self.start_main()
        self.open_dirs_page(main)
        self.wine.click(self.control(main, "SpeedButton7")["hwnd"])
        chooser = self.wine.wait_window("TForm5", exe="RVLN.EXE", timeout=20)
        self.assertIsNotNone(chooser, "no directory chooser")
        self.assertEqual(chooser["title"], "Choose Directory:")
        controls = self.wine.controls(chooser["hwnd"])
        drives = controls["DriveComboBox1"]
        self.assertTrue(any(item.startswith("C: [") for item in drives["items"]), drives["items"])
        self.wine.screenshot("choose-directory", rect=chooser["rect"])
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
