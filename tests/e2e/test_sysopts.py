"""The Windows 95/98 switches of the "S&ystem" tab as they act on the machine: C:\\MSDOS.SYS edited
in place with its attributes kept, the shutdown logos renamed in the Windows folder, FastReboot
written, the status-bar panels "LS", "L1", "L2", and the Control Panel copy in the Start menu."""

import re
import unittest

from test_notebook import CONTROLS, SYSTEM, NotebookTestCase

SHUTDOWN_KEY = r"HKLM\System\CurrentControlSet\control\Shutdown"
CONTROL_PANEL = ".{21EC2020-3AEA-1069-A2DD-08002B30309D}"

# As Windows 98 setup leaves it: two sections, the padding that keeps it above 1,024 bytes.
MSDOS_SYS = (b"[Paths]\r\nWinDir=C:\\WINDOWS\r\nWinBootDir=C:\\WINDOWS\r\nHostWinBootDrv=C\r\n\r\n"
             b"[Options]\r\nBootMulti=1\r\nBootGUI=1\r\nDoubleBuffer=1\r\nAutoScan=1\r\nWinVer=4.10.2222\r\n"
             b";\r\n;The following lines are required for compatibility with other programs.\r\n"
             b";Do not remove them (MSDOS.SYS needs to be >1024 bytes).\r\n"
             + b"".join(b";" + b"x" * 68 + b"\r\n" for _ in range(16)))


class SystemOptionsTestCase(NotebookTestCase):
    def place_system_files(self, msdos, logos):
        self.msdos = self.wine.unix_path("C:\\MSDOS.SYS")
        self.msdos.write_bytes(msdos)
        # Wine's attrib takes one flag per call.
        for flag in ("+h", "+s", "+r"):
            self.wine.wine("cmd", "/c", "attrib", flag, "C:\\MSDOS.SYS")
        self.windows = self.wine.unix_path("C:\\windows")
        for name, data in logos.items():
            (self.windows / name).write_bytes(data)

    def msdos_attributes(self):
        """The attribute letters attrib shows for C:\\MSDOS.SYS."""
        out = self.wine.wine("cmd", "/c", "attrib", "C:\\MSDOS.SYS").stdout
        line = next(line for line in out.splitlines() if "MSDOS.SYS" in line.upper())
        return set(re.sub(r"[^AHRS]", "", line.split(":")[0].upper()))

    def logos(self):
        return sorted(p.name.upper() for p in self.windows.iterdir() if p.name.upper().startswith("LOGO"))

    def panels(self, main):
        return [p["text"] for p in self.control(main, "StatusBar1")["panels"][4:7]]

    def open_page(self, main, key, page):
        self.wine.key(main["hwnd"], key, ctrl=True)
        view = self.wait_page(main, SYSTEM, page, timeout=30)
        self.assertIsNotNone(view, self.last_view.describe())
        self.screenshot_page(main, SYSTEM, page)


class Windows98Test(SystemOptionsTestCase):
    os_kind = "win98"

    def test_switches_act_on_msdos_sys_the_logos_and_fast_reboot(self):
        self.place_system_files(MSDOS_SYS, {"LOGOW.SYS": b"first", "LOGOS.SYS": b"second"})
        self.wine.reg_add(SHUTDOWN_KEY, "FastReboot", "1")
        self.wine.unix_path("C:\\windows\\Start Menu").mkdir(parents=True, exist_ok=True)
        _, main = self.start_main()
        self.assertTrue(self.no_box(2))
        # Nothing differs from the cleared switches: nothing is written.
        self.assertEqual(self.msdos.read_bytes(), MSDOS_SYS)
        self.assertEqual(self.panels(main), ["LS", "L1", "L2"])

        self.open_page(main, "S", 2)
        for name in ("CheckBox7", "CheckBox8", "CheckBox9"):
            self.assertEqual(self.click_check_box(main, name), 1)
        self.assertEqual(self.msdos.read_bytes(), MSDOS_SYS + b"Logo=0\r\n")
        self.assertTrue({"H", "S", "R"} <= self.msdos_attributes(), self.msdos_attributes())
        self.assertEqual(self.logos(), ["LOGOS.SY!", "LOGOW.SY!"])
        self.assertEqual((self.windows / "LOGOW.SY!").read_bytes(), b"first")
        self.assertEqual(self.panels(main), ["", "", ""])

        self.assertEqual(self.click_check_box(main, "CheckBox8"), 0)
        self.assertEqual(self.logos(), ["LOGOS.SY!", "LOGOW.SYS"])
        self.assertEqual(self.panels(main), ["", "L1", ""])

        self.open_page(main, "O", 3)
        self.assertEqual(self.click_check_box(main, "CheckBox26"), 1)
        self.assertEqual(self.click_check_box(main, "CheckBox27"), 1)
        self.assertEqual(self.msdos.read_bytes(),
                         MSDOS_SYS.replace(b"AutoScan=1", b"AutoScan=0") + b"Logo=0\r\n")
        self.assertTrue({"H", "S", "R"} <= self.msdos_attributes())
        self.assertEqual(self.wine.reg_query(SHUTDOWN_KEY, "FastReboot"), ("REG_SZ", "0"))
        self.assertEqual(self.wine.reg_query(SHUTDOWN_KEY, "original_FastReboot"), ("REG_SZ", "1"))
        self.assertEqual(self.click_check_box(main, "CheckBox27"), 0)
        self.assertEqual(self.wine.reg_query(SHUTDOWN_KEY, "FastReboot"), ("REG_SZ", "1"))
        self.assertEqual(self.click_check_box(main, "CheckBox27"), 1)
        self.assertEqual(self.wine.reg_query(SHUTDOWN_KEY, "original_FastReboot"), ("REG_SZ", "1"))
        self.assertEqual(sorted(p.name for p in self.wine.drive_c.iterdir() if p.name.upper().startswith("MSDOS")),
                         ["MSDOS.SYS"], "a temporary file was left behind")

        self.open_page(main, "P", 1)
        self.wine.click(self.control(main, "Button6")["hwnd"])
        folder = self.wine.unix_path("C:\\windows\\Start Menu\\Control Panel" + CONTROL_PANEL)
        self.assertTrue(self.wait_until(folder.is_dir, timeout=10), "no Control Panel copy in the Start menu")
        self.assertEqual(self.control(main, "Edit3")["text"], "Control Panel")
        self.assertTrue(self.no_box(2))
        self.wine.click(self.control(main, "Button6")["hwnd"])
        box = self.wine.message_box(exe="RVLN.EXE", timeout=10)
        self.assertIsNotNone(box, "a second copy of the same name did not fail")
        self.assertIn("ERROR: Could not create the Control Panel folder!", box["text"])
        self.wine.answer_box("OK", exe="RVLN.EXE")


class WindowsNt4Test(SystemOptionsTestCase):
    os_kind = "nt40"

    def test_nt4_leaves_msdos_sys_the_logos_and_fast_reboot_alone(self):
        msdos = MSDOS_SYS.replace(b"AutoScan=1", b"AutoScan=0") + b"Logo=0\r\n"
        self.place_system_files(msdos, {"LOGOW.SY!": b"first", "LOGOS.SYS": b"second"})
        self.wine.reg_add(SHUTDOWN_KEY, "FastReboot", "0")
        _, main = self.start_main()
        self.assertTrue(self.no_box(2))
        # Disabled while the settings load, before the pages have windows; so they show. The menu
        # offers neither page on NT: the tab's letter and the page spinner reach them.
        self.wine.key(main["hwnd"], "O")
        self.assertIsNotNone(self.wait_page(main, CONTROLS, 1), self.last_view.describe())
        self.wine.key(main["hwnd"], "Y")
        self.assertIsNotNone(self.wait_page(main, SYSTEM, 1), self.last_view.describe())
        for page, names in ((2, ("CheckBox7", "CheckBox8", "CheckBox9")), (3, ("CheckBox26", "CheckBox27"))):
            self.assertTrue(self.type_page(main, str(page)), "\n".join(self.problems))
            self.assertIsNotNone(self.wait_page(main, SYSTEM, page), self.last_view.describe())
            for name in names:
                self.assertFalse(self.control(main, name)["enabled"], f"{name} can be ticked on NT 4")
        self.assertEqual(self.msdos.read_bytes(), msdos)
        self.assertEqual(self.logos(), ["LOGOS.SYS", "LOGOW.SY!"])
        self.assertEqual(self.wine.reg_query(SHUTDOWN_KEY, "FastReboot"), ("REG_SZ", "0"))
        self.assertIsNone(self.wine.reg_query(SHUTDOWN_KEY, "original_FastReboot"))
        self.assertEqual(self.panels(main), ["", "", ""])


if __name__ == "__main__":
    unittest.main()
