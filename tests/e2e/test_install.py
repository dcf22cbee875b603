"""What ships: the stripped program with its debug file, and the installer a user runs.

The installer test installs silently into a fresh prefix, starts the program from its Start-menu
shortcut, reads the uninstall entry as the Windows settings would, then uninstalls silently while
the program runs with autostart on, as a user who removes it from the list of installed apps."""

import re
import struct
import unittest
import zipfile
import zlib
from pathlib import Path

import harness
from harness import WineTestCase

MIB = 1024 * 1024
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ravelin"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
SETTINGS_KEY = r"HKCU\Software\QAV\Ravelin"
SHIPPED = ("RVLN.EXE", "RVLNDOS.PIF", "RVLNEXIT.PIF")
IMAGE_FILE_MACHINE_AMD64 = 0x8664


def project_version():
    text = (harness.REPO_ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(Ravelin VERSION ([0-9.]+)", text).group(1)


def pe_machine(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    return struct.unpack_from("<H", data, pe + 4)[0]


def shortcut_target(lnk):
    """The local path a shell link starts (its LinkInfo's LocalBasePath)."""
    data = lnk.read_bytes()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    pos = 0x4C
    if flags & 0x1:  # HasLinkTargetIDList
        pos += 2 + struct.unpack_from("<H", data, pos)[0]
    if not flags & 0x2:  # HasLinkInfo
        return None
    header_size = struct.unpack_from("<I", data, pos + 4)[0]
    if header_size >= 0x24:  # LocalBasePathOffsetUnicode
        offset = struct.unpack_from("<I", data, pos + 0x1C)[0]
        end = offset
        while data[pos + end:pos + end + 2] != b"\0\0":
            end += 2
        return data[pos + offset:pos + end].decode("utf-16-le")
    offset = struct.unpack_from("<I", data, pos + 0x10)[0]
    return data[pos + offset:data.index(b"\0", pos + offset)].decode("cp1252")


class ReleaseProgramTest(unittest.TestCase):
    def test_program_is_stripped_with_its_debug_file_beside_it(self):
        program = harness.session().program
        data = program.read_bytes()
        if pe_machine(data) == IMAGE_FILE_MACHINE_AMD64:
            self.assertLessEqual(len(data), MIB, f"RVLN.EXE is {len(data)} bytes")
        self.assertFalse(b".debug_info" in data, "RVLN.EXE carries debug information")
        debug = program.with_name("RVLN.DBG")
        self.assertTrue(debug.exists(), "no RVLN.DBG beside RVLN.EXE")
        self.assertTrue(b".debug_info" in debug.read_bytes(), "RVLN.DBG holds no debug information")
        # The link a debugger follows: the file name, padded to four bytes, and its CRC-32.
        link = data.find(b"RVLN.DBG\0\0\0\0")
        self.assertGreater(link, 0, "RVLN.EXE has no debug link")
        crc = struct.unpack_from("<I", data, link + 12)[0]
        self.assertEqual(crc, zlib.crc32(debug.read_bytes()), "the debug link names another build")

    def test_portable_zip_holds_the_shipped_files(self):
        dist = harness.session().build_dir / "dist"
        with zipfile.ZipFile(dist / f"Ravelin-{project_version()}-portable.zip") as archive:
            names = sorted(n for n in archive.namelist() if not n.endswith("/"))
            self.assertEqual(names, sorted(f"Ravelin/{n}" for n in SHIPPED))
            self.assertEqual(archive.read("Ravelin/RVLN.EXE"), harness.session().program.read_bytes())


class InstallerTest(WineTestCase):
    def user_folder(self):
        users = [p for p in self.wine.drive_c.joinpath("users").iterdir()
                 if p.is_dir() and p.name.lower() != "public"]
        self.assertEqual(len(users), 1, f"user folders: {users}")
        return users[0]

    def test_silent_install_start_and_uninstall(self):
        version = project_version()
        setup = harness.session().build_dir / "dist" / f"Ravelin-{version}-setup.exe"
        self.assertTrue(setup.exists(), f"{setup} was not built")
        self.wine.drive_c.joinpath("setup.exe").write_bytes(setup.read_bytes())
        result = self.wine.wine(r"C:\setup.exe", "/S", timeout=120, check=False)
        self.assertEqual(result.returncode, 0, result.stderr[-2000:])

        user = self.user_folder()
        folder = user / "AppData" / "Local" / "Programs" / "Ravelin"
        for name in SHIPPED:
            self.assertTrue((folder / name).exists(), f"{name} not installed")
        self.assertEqual((folder / "RVLN.EXE").read_bytes(), harness.session().program.read_bytes())
        exe = rf"C:\users\{user.name}\AppData\Local\Programs\Ravelin\RVLN.EXE"

        lnk = user / "AppData" / "Roaming" / "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Ravelin.lnk"
        self.assertTrue(lnk.exists(), "no Start-menu shortcut")
        target = shortcut_target(lnk)
        self.assertEqual((target or "").lower(), exe.lower())

        entry = self.wine.reg_query(UNINSTALL_KEY)
        self.assertIsNotNone(entry, "no uninstall entry")
        self.assertEqual(entry["DisplayName"][1], "Ravelin")
        self.assertEqual(entry["DisplayVersion"][1], version)
        self.assertEqual(entry["Publisher"][1], "QAV")
        self.assertEqual(entry["DisplayIcon"][1].lower(), exe.lower() + ",0")
        self.assertGreaterEqual(entry["EstimatedSize"][1], (folder / "RVLN.EXE").stat().st_size // 1024)
        uninstaller = entry["UninstallString"][1].strip('"')
        self.assertEqual(uninstaller.lower(), (exe.rsplit("\\", 1)[0] + r"\Uninstall.exe").lower())

        # The installed program runs from the shortcut's target, with autostart on as the
        # program writes it. Its settings are removed while it runs: closed the way a user
        # closes it, it writes them again.
        program = self.wine.start(exe=target)
        self.assertIsNotNone(self.wine.wait_window("TForm1", exe="RVLN.EXE", timeout=30),
                             f"the installed program showed no window:\n{program.log()[-2000:]}")
        self.wine.reg_add(RUN_KEY, "Ravelin", target)
        self.wine.reg_delete(SETTINGS_KEY)

        # A silent uninstall runs from a copy of itself and returns at once.
        self.wine.wine(uninstaller, "/S", timeout=60)
        if not self.wait_until(lambda: not folder.exists(), timeout=60):
            self.fail(f"the program folder stays: {sorted(p.name for p in folder.iterdir())}")
        self.assertEqual(program.wait(30), 0, "the running copy did not end by itself")
        self.assertIsNone(self.wine.reg_query(RUN_KEY, "Ravelin"))
        self.assertFalse(self.wine.reg_key_exists(UNINSTALL_KEY))
        self.assertFalse(lnk.exists())
        self.assertIsNotNone(self.wine.reg_query(SETTINGS_KEY + r"\LocalUser\Objects"),
                             "the program was not closed gracefully, or the silent uninstall "
                             "removed the settings")


if __name__ == "__main__":
    unittest.main()
