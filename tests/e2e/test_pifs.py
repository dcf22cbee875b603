"""RVLNDOS.PIF and RVLNEXIT.PIF: what they contain, that the repository holds what dist/make_pifs.py
writes, and that they reach the program's folder through the build and the installation."""

import importlib.util
import struct
import unittest

from harness import REPO_ROOT, SUPPORT_FILES, WineTestCase, session

DIST = REPO_ROOT / "dist"
REAL_MODE = 0x00800000
REAL_MODE_SILENT = 0x10000000


def load_generator():
    found = importlib.util.spec_from_file_location("make_pifs", DIST / "make_pifs.py")
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def sections(data):
    """{name: (offset, length)} from the chain of section headings after the basic section."""
    found = {}
    at = 0x171
    while at != 0xFFFF and len(found) < 16:
        name = data[at:at + 16].split(b"\0", 1)[0].decode("ascii")
        following, offset, length = struct.unpack_from("<HHH", data, at + 16)
        found[name] = (offset, length)
        at = following
    return found


def asciz(raw):
    return raw.split(b"\0", 1)[0].decode("ascii")


class PifContentTest(unittest.TestCase):
    def test_repository_holds_the_generated_files(self):
        generated = load_generator().FILES
        self.assertEqual(sorted(generated), sorted(SUPPORT_FILES))
        for name, data in generated.items():
            with self.subTest(file=name):
                self.assertEqual((DIST / name).read_bytes(), data, "run dist/make_pifs.py")

    def check_pif(self, name, parameters):
        data = (DIST / name).read_bytes()
        self.assertEqual(data[1], sum(data[2:0x171]) & 0xFF, "checksum of the basic section")
        self.assertEqual(asciz(data[0x24:0x63]), "COMMAND.COM")
        self.assertEqual(asciz(data[0xA5:0xE5]), parameters)
        self.assertTrue(data[0x63] & 0x10, "the window should close when the interpreter ends")

        parts = sections(data)
        self.assertEqual(list(parts), ["MICROSOFT PIFEX", "WINDOWS 386 3.0", "WINDOWS VMM 4.0"])
        self.assertEqual(parts["MICROSOFT PIFEX"], (0, 0x171))
        self.assertEqual(parts["WINDOWS 386 3.0"][1], 0x68)
        self.assertEqual(parts["WINDOWS VMM 4.0"][1], 0x1AC)
        self.assertEqual(len(data), max(offset + length for offset, length in parts.values()))

        w386 = parts["WINDOWS 386 3.0"][0]
        flags = struct.unpack_from("<I", data, w386 + 0x10)[0]
        self.assertEqual(flags & (REAL_MODE | REAL_MODE_SILENT), REAL_MODE | REAL_MODE_SILENT,
                         "MS-DOS mode without a second question")
        self.assertEqual(asciz(data[w386 + 0x28:w386 + 0x68]), parameters)

    def test_rvlndos_runs_the_interpreter_in_msdos_mode(self):
        self.check_pif("RVLNDOS.PIF", "")

    def test_rvlnexit_runs_the_interpreter_with_c_exit(self):
        self.check_pif("RVLNEXIT.PIF", "/C EXIT")


class PifInstallationTest(WineTestCase):
    def test_build_and_installation_put_them_beside_the_program(self):
        built = session().program.parent
        self.wine.install_program()
        for name in SUPPORT_FILES:
            with self.subTest(file=name):
                shipped = (DIST / name).read_bytes()
                self.assertEqual((built / name).read_bytes(), shipped, "the build did not copy it")
                self.assertEqual(self.wine.support_file(name).read_bytes(), shipped)


if __name__ == "__main__":
    unittest.main()
