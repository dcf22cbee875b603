"""Start-up, single instance, main window layout and stopping of RVLN.EXE."""

import itertools
import struct
import time
import unittest

import harness
from ravelin import SETTINGS_KEY, RavelinTestCase


def right_edges(widths):
    return list(itertools.accumulate(widths))


def imported_libraries(path):
    """The libraries named by a PE file's import table, lower case, in table order."""
    data = path.read_bytes()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError(f"{path} is not a PE file")
    sections = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    plus = struct.unpack_from("<H", data, optional)[0] == 0x20B
    import_rva = struct.unpack_from("<I", data, optional + (112 if plus else 96) + 8)[0]
    table = optional + optional_size

    def offset(rva):
        for i in range(sections):
            size, address, raw_size, raw = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"RVA {rva:#x} lies in no section of {path}")

    names = []
    entry = offset(import_rva)
    while (name_rva := struct.unpack_from("<I", data, entry + 12)[0]) != 0:
        start = offset(name_rva)
        names.append(data[start:data.index(b"\0", start)].decode("ascii").lower())
        entry += 20
    return names


class ImportTableTest(unittest.TestCase):
    # Every library named here is loaded before the program's entry, on every start. The shell,
    # common dialog, network and multimedia libraries are loaded when a command first needs them
    # (win32/on_demand.h): a direct call would bring them back into every start.
    AT_START = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll", "comctl32.dll"}

    def test_program_loads_only_the_libraries_its_start_needs(self):
        names = imported_libraries(harness.session().program)
        self.assertIn("user32.dll", names)
        self.assertLessEqual(set(names), self.AT_START, "libraries loaded at every start")


class LayoutTestCase(RavelinTestCase):
    def assert_status_panels(self, bar, widths):
        edges = [panel["right"] for panel in bar["panels"]]
        expected = right_edges(widths)
        self.assertEqual(len(edges), len(widths), edges)
        self.assertEqual(edges[:-1], expected[:-1])
        # The last panel may stretch to the bar's end instead of stopping at its width.
        self.assertIn(edges[-1], (expected[-1], -1))


class SingleInstanceTest(RavelinTestCase):
    def test_second_start_ends_by_itself(self):
        first, main = self.start_main()
        second = self.wine.start()
        self.assertEqual(second.wait(15), 0, "the second instance did not end by itself")
        self.assertTrue(first.running())
        mains = self.wine.windows(cls="TForm1")
        self.assertEqual([w["hwnd"] for w in mains], [main["hwnd"]])

    def test_t_switch_ends_without_window_or_settings(self):
        program = self.wine.start("/t")
        seen = []
        deadline = time.monotonic() + 15
        while program.running() and time.monotonic() < deadline:
            seen += [w["class"] for w in self.wine.windows(exe="RVLN.EXE", visible=True)]
        self.assertEqual(program.wait(0), 0, "/t did not end the program at once")
        self.assertEqual(seen, [], "a window showed up")
        self.assertEqual(self.wine.windows(exe="RVLN.EXE"), [])
        self.assertFalse(self.wine.reg_key_exists(SETTINGS_KEY))


class MainWindowLayoutTest(LayoutTestCase):
    def check_layout(self):
        _, main = self.start_main()
        self.assertEqual(main["title"], "Ravelin")
        self.assertEqual((main["client"]["width"], main["client"]["height"]), (235, 218))
        controls = self.wine.controls(main["hwnd"])

        button = controls.get("Button1")
        self.assertIsNotNone(button, sorted(controls))
        self.assertEqual(button["class"], "Button")
        self.assertEqual((button["rect"]["width"], button["rect"]["height"]), (190, 35))

        combo = controls.get("ComboBox1")
        self.assertIsNotNone(combo, sorted(controls))
        self.assertEqual(combo["class"], "ComboBox")

        for name in ("StatusBar1", "StatusBar2"):
            self.assertIn(name, controls)
            self.assertEqual(controls[name]["class"], "msctls_statusbar32")
        self.assert_status_panels(controls["StatusBar1"], [44, 72, 28, 24, 24, 21, 21])
        self.assert_status_panels(controls["StatusBar2"], [44, 100, 40, 14, 14, 14])

    def test_layout_on_windows_98(self):
        self.check_layout()

    def test_layout_on_windows_nt4(self):
        self.wine.set_os("nt40")
        self.check_layout()

    def test_screenshot_of_main_window(self):
        _, main = self.start_main()
        self.assertTrue(self.wait_until(lambda: self.wine.find("Button1", top=main["hwnd"]), timeout=10))
        path = self.wine.screenshot("main-window", rect=main["rect"])
        width, height, colours = self.wine.image_info(path)
        self.assertEqual((width, height), (main["rect"]["width"], main["rect"]["height"]))
        self.assertGreater(colours, 8, "the main window looks blank")


class StoppingTest(RavelinTestCase):
    def test_exit_shortcut_ends_and_frees_the_atom(self):
        atom = self.instance_atom()
        self.assertFalse(self.wine.atom_exists(atom))
        program, main = self.start_main()
        self.assertTrue(self.wine.atom_exists(atom))

        self.wine.key(main["hwnd"], "X", ctrl=True)
        self.assertEqual(program.wait(20), 0, "Ctrl+X did not end the program")
        self.assertFalse(self.wine.atom_exists(atom))

        again, main = self.start_main()
        self.assertTrue(again.running())
        self.assertTrue(self.wine.atom_exists(atom))

    def test_exit_saves_the_settings(self):
        # The counterpart of "/t", which must leave the registry untouched.
        program, main = self.start_main()
        self.wine.key(main["hwnd"], "X", ctrl=True)
        self.assertEqual(program.wait(20), 0, "Ctrl+X did not end the program")
        self.assertTrue(self.wine.reg_key_exists(SETTINGS_KEY + r"\LocalUser"),
                        "settings were not saved on exit")

    def test_close_box_ends_and_frees_the_atom(self):
        atom = self.instance_atom()
        for how in ("WM_CLOSE", "SC_CLOSE"):
            with self.subTest(how=how):
                program, main = self.start_main()
                self.assertTrue(self.wine.atom_exists(atom))
                if how == "WM_CLOSE":
                    self.wine.close_window(main["hwnd"])
                else:
                    self.wine.syscommand(main["hwnd"], "CLOSE")
                self.assertEqual(program.wait(20), 0, f"{how} did not end the program")
                self.assertFalse(self.wine.atom_exists(atom))
                self.assertEqual(self.wine.windows(cls="TForm1"), [])


if __name__ == "__main__":
    unittest.main()
