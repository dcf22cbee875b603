"""The settings in the registry of a real (Wine) Windows: what a run writes, what survives a
restart, and the autostart value of "&Always start in System Tray"."""

import shutil
import unittest

from ravelin import RavelinTestCase

USER_KEY = r"HKCU\Software\QAV\Ravelin\LocalUser"
PROGRAM_KEY = r"HKCU\SOFTWARE\QAV\Ravelin"
GLOBAL_KEY = r"HKLM\Software\QAV\Ravelin\GlobalUser"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"

DWORD, SZ = "REG_DWORD", "REG_SZ"

# Every value a save writes below the per-user key, by section, with its type.
USER_VALUES = {
    "Objects": {"ComboBox1": DWORD, "LockedStatus": DWORD, "StatusBar1": DWORD, "StatusBar2": DWORD},
    "Window": {"Top": DWORD, "Left": DWORD},
    "Controls": {name: DWORD for name in (
        "Animation", "AniSpeed", "Center", "WinAni", "Hints", "InvisibleWindow", "AskBeforeEject",
        "InfoBeforeRetract", "EnableLogging", "RVLNLog", "LogSize", "BeeperEnabled", "BeeperValue",
        "FlashEnabled")},
    "HotKeys": {name: DWORD for name in (
        "AutoRemap ShutDown HotKey", "AutoRemap Device HotKeys", "AutoRemap AllIfInsert HotKey",
        "User ShutDown HotKey Selection", "User Device HotKeys Selection",
        "User AllIfInsert HotKey Selection")},
    "Timer1": {name: DWORD for name in (
        "Enabled", "StartUp", "Radio1", "UpDown1", "UpDown2", "UpDown3", "Edit1")},
    "Guards": {"ComboBox2": DWORD, "Run": DWORD, "Warning": DWORD, "Init": DWORD, "SysHotKeys": DWORD,
               "Sleep": DWORD, "Edit2": SZ, "EmptyDirList": SZ},
    "CPanel": {"Global": DWORD},
    "ExternalPrograms": {"TextViewer": SZ, "DirectoryViewer": SZ},
}


class SettingsTestCase(RavelinTestCase):

    def exit_program(self, program, main):
        self.wine.key(main["hwnd"], "X", ctrl=True)
        self.assertEqual(program.wait(20), 0, "Ctrl+X did not end the program")

    def control(self, main, name):
        found = self.wait_until(lambda: self.wine.find(name, top=main["hwnd"]), timeout=10)
        self.assertTrue(found, f"{name} not found")
        return found

    def settings_saved_with_tray_option(self, main):
        """Opens the notebook ("O"), clicks "&Always start in System Tray" and then "&Save"."""
        self.wine.key(main["hwnd"], "O")
        box = self.control(main, "CheckBox10")
        self.assertTrue(self.wait_until(lambda: self.wine.find("CheckBox10", top=main["hwnd"])["visible"],
                                        timeout=10), "the notebook did not open")
        was = box["check"]
        # The pages are not laid out yet (their controls have no size, which a BM_CLICK needs);
        # the button's own notification to its parent is what a click on it sends.
        self.wine.post(box["parent"], "WM_COMMAND", box["id"], box["hwnd"])
        self.assertTrue(self.wait_until(
            lambda: self.wine.find("CheckBox10", top=main["hwnd"])["check"] != was, timeout=10))
        self.wine.click(self.control(main, "Button2")["hwnd"])
        self.assertTrue(self.wait_until(
            lambda: not self.wine.find("Button2", top=main["hwnd"])["visible"], timeout=10),
            "the notebook did not close")
        return not was


class RegistryLayoutTest(SettingsTestCase):
    def test_a_run_writes_the_keys_values_and_types_of_the_tables(self):
        program, main = self.start_main()
        self.exit_program(program, main)

        for section, values in USER_VALUES.items():
            stored = self.wine.reg_query(USER_KEY + "\\" + section)
            self.assertIsNotNone(stored, f"no section {section}")
            for name, kind in values.items():
                self.assertIn(name, stored, f"{section}\\{name} missing")
                self.assertEqual(stored[name][0], kind, f"{section}\\{name}")

        objects = self.wine.reg_query(USER_KEY + r"\Objects")
        self.assertEqual(objects["ComboBox1"][1], 9)  # ASK on Windows 98
        self.assertEqual(objects["LockedStatus"][1], 1)
        guards = self.wine.reg_query(USER_KEY + r"\Guards")
        self.assertEqual(guards["Edit2"][1], "*")
        self.assertEqual(guards["EmptyDirList"][1], "*")
        self.assertEqual(self.wine.reg_query(USER_KEY + r"\Timer1", "Edit1"), (DWORD, 60))
        self.assertEqual(self.wine.reg_query(USER_KEY + r"\ExternalPrograms", "TextViewer"), (SZ, "NOTEPAD.EXE"))

        # The string form lives in the program's own key, next to the ID section.
        self.assertEqual(self.wine.reg_query(PROGRAM_KEY + r"\LocalUser", "Systray"), (SZ, "0"))
        uninstall = self.wine.reg_query(PROGRAM_KEY + r"\ID", "Uninstall")
        self.assertIsNotNone(uninstall)
        self.assertEqual(uninstall[0], SZ)
        self.assertEqual(uninstall[1].lower(), r"c:\ravelin")

        # Windows 98 keeps the start-up options machine-wide.
        logos = self.wine.reg_query(GLOBAL_KEY + r"\Logos")
        self.assertEqual({name: kind for name, (kind, _) in logos.items()},
                         {"StartUp": DWORD, "First_ShutDown": DWORD, "Second_ShutDown": DWORD})
        features = self.wine.reg_query(GLOBAL_KEY + r"\98_Features")
        self.assertEqual(sorted(features), ["AutoScan", "FastReboot"])
        self.assertIsNone(self.wine.reg_query(RUN_KEY, "Ravelin"))

    def test_nt4_writes_no_machine_options(self):
        self.wine.set_os("nt40")
        program, main = self.start_main()
        self.exit_program(program, main)
        self.assertEqual(self.wine.reg_query(USER_KEY + r"\Objects", "ComboBox1"), (DWORD, 8))
        self.assertIsNone(self.wine.reg_query(GLOBAL_KEY + r"\Logos"))


class RestartTest(SettingsTestCase):
    def test_method_and_window_position_survive_a_restart(self):
        # Not centred, and stored far below the screen: loading pulls it back up.
        self.wine.reg_add(USER_KEY + r"\Controls", "Center", 0, "REG_DWORD")
        self.wine.reg_add(USER_KEY + r"\Window", "Top", 5000, "REG_DWORD")
        self.wine.reg_add(USER_KEY + r"\Window", "Left", 100, "REG_DWORD")
        program, main = self.start_main()
        screen_height = 768

        def placed():
            rect = self.wine.windows(cls="TForm1")[0]["rect"]
            return rect if rect["left"] == 100 and rect["top"] + rect["height"] == screen_height else None

        rect = self.wait_until(placed, timeout=15)
        self.assertTrue(rect, f"window not pulled onto the screen: {self.wine.windows(cls='TForm1')}")
        combo = self.control(main, "ComboBox1")
        self.wine.select_combo(combo["hwnd"], 2)
        self.exit_program(program, main)
        self.assertEqual(self.wine.reg_query(USER_KEY + r"\Objects", "ComboBox1"), (DWORD, 2))
        self.assertEqual(self.wine.reg_query(USER_KEY + r"\Window", "Left"), (DWORD, 100))
        self.assertEqual(self.wine.reg_query(USER_KEY + r"\Window", "Top"), (DWORD, rect["top"]))

        program, main = self.start_main()
        self.assertEqual(self.control(main, "ComboBox1")["selected"], 2)
        self.assertTrue(self.wait_until(lambda: self.wine.windows(cls="TForm1")[0]["rect"] == rect, timeout=15),
                        f"window moved: {self.wine.windows(cls='TForm1')[0]['rect']} instead of {rect}")
        self.exit_program(program, main)


class AutostartTest(SettingsTestCase):
    def test_tray_option_writes_the_quoted_autostart_value_and_removes_it(self):
        folder = r"C:\Ravel in"
        target = self.wine.unix_path(folder)
        target.mkdir(parents=True, exist_ok=True)
        shutil.copy2(self.wine.session.program, target / "RVLN.EXE")
        exe = folder + r"\RVLN.EXE"
        program, main = self.start_main(exe=exe)

        self.assertTrue(self.settings_saved_with_tray_option(main))
        value = self.wine.reg_query(RUN_KEY, "Ravelin")
        self.assertIsNotNone(value, "no autostart value")
        self.assertEqual(value[0], SZ)
        self.assertEqual(value[1].lower(), '"' + exe.lower() + '"')
        self.assertEqual(self.wine.reg_query(PROGRAM_KEY + r"\LocalUser", "Systray"), (SZ, "1"))

        self.assertFalse(self.settings_saved_with_tray_option(main))
        self.assertIsNone(self.wine.reg_query(RUN_KEY, "Ravelin"))
        self.assertEqual(self.wine.reg_query(PROGRAM_KEY + r"\LocalUser", "Systray"), (SZ, "0"))
        self.exit_program(program, main)


if __name__ == "__main__":
    unittest.main()
