"""A program folder the user cannot write (a standard user under Program Files): the log goes to
the user's own folder, without an error box.

The test runs as the Unix owner of the prefix, whom file permissions do not stop, so the program
folder is made immutable instead; Wine then refuses every new file there."""

import subprocess
import unittest

from ravelin import RavelinTestCase


class ReadOnlyProgramFolderTest(RavelinTestCase):
    def lock_program_folder(self):
        self.wine.install_program()
        folder = str(self.wine.program_dir)
        if subprocess.run(["chattr", "+i", folder], capture_output=True).returncode != 0:
            self.skipTest("the file system cannot make the program folder immutable")
        self.addCleanup(subprocess.run, ["chattr", "-i", folder], capture_output=True)

    def user_logs(self):
        return sorted(self.wine.drive_c.glob("users/*/**/Ravelin/RVLN.LOG"))

    def test_test_method_is_logged_in_the_users_folder(self):
        self.lock_program_folder()
        _, main = self.start_main()
        self.run_test_method(main)
        self.assertFalse((self.wine.program_dir / "RVLN.LOG").exists())
        logs = self.user_logs()
        self.assertEqual(len(logs), 1, f"no log in the user's folder: {logs}")
        self.assertIn(b"] has shut down with: [", logs[0].read_bytes())
        self.wine.answer_box("OK", exe="RVLN.EXE")


if __name__ == "__main__":
    unittest.main()
