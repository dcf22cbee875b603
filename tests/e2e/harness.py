"""End-to-end harness: runs the real RVLN.EXE under Wine on a private X display.

One run boots one template Wine prefix; every test gets a cheap copy of it with its own
wineserver, so tests cannot see each other's registry, files, atoms or windows. The probe
(probe.exe) runs in the same copy and reports what a user would see as JSON.

Python standard library only.
"""

import atexit
import json
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[2]
ARTIFACTS = REPO_ROOT / "artifacts" / "e2e"

WINE = "/usr/lib/wine/wine64"
# Debian's 32-bit loader (wine32:i386). The 64-bit one starts it for every 32-bit program.
WINE_32 = "/usr/lib/wine/wine"
WINE_FONTS = "/usr/share/wine/fonts"
OS_KINDS = ("win95", "win98", "nt351", "nt40", "win10")

# Where the program and the probe live inside a test prefix.
PROGRAM_DIR = r"C:\Ravelin"
PROGRAM_EXE = PROGRAM_DIR + r"\RVLN.EXE"
PROBE_EXE = r"C:\Tests\probe.exe"
# Files the build puts next to RVLN.EXE and that ship with it: MS-DOS mode and Restart Windows look
# for them in the program's folder.
SUPPORT_FILES = ("RVLNDOS.PIF", "RVLNEXIT.PIF")

# Wine never rewrites these in a prefix it considers up to date, so a test copy can share them with
# the template through hard links; everything else (registry files, .ini, logs) is copied.
SHARED_SUFFIXES = {
    ".dll", ".exe", ".nls", ".sys", ".drv", ".ocx", ".cpl", ".acm", ".tlb", ".ds",
    ".msstyles", ".ax", ".com", ".icm", ".mui", ".ttf", ".fon",
}

# Upper bound for one Wine command (reg, probe); waits that tests ask for come on top.
BASE_TIMEOUT = 60

_ROOT_NAMES = {
    "HKCU": "HKEY_CURRENT_USER", "HKLM": "HKEY_LOCAL_MACHINE", "HKCR": "HKEY_CLASSES_ROOT",
    "HKU": "HKEY_USERS", "HKCC": "HKEY_CURRENT_CONFIG",
}


def _full_key(key):
    """Lower-case key path with the root spelled out, as `reg query` prints it."""
    root, _, rest = key.partition("\\")
    root = _ROOT_NAMES.get(root.upper(), root)
    return (root + ("\\" + rest if rest else "")).rstrip("\\").lower()


def artifacts_for(build_dir):
    """Where a run keeps screenshots and logs: artifacts/e2e for build/mingw64, and a folder of
    its own for any other tree, so that runs against different trees never share one."""
    build = Path(build_dir).resolve()
    if build == (REPO_ROOT / "build" / "mingw64").resolve():
        return ARTIFACTS
    return ARTIFACTS.with_name("e2e-" + re.sub(r"[^A-Za-z0-9_.-]+", "_", build.name))


class HarnessError(Exception):
    """The harness could not do what a test asked (Wine hung, a tool failed)."""


def why_no_32_bit():
    """None when this machine can run 32-bit Windows programs under Wine, else the reason.

    Wine starts a 32-bit program through its 32-bit loader, a 32-bit Linux program. A kernel built
    without 32-bit support refuses it (exec format error); Wine then falls back to a WoW64 mode
    that Debian's packages do not support, and the program never starts."""
    if not os.access(WINE_32, os.X_OK):
        return f"{WINE_32} is not installed (scripts/deps.sh installs wine32:i386)"
    try:
        subprocess.run([WINE_32, "--version"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=30, check=True)
    except OSError as exc:
        return f"this machine cannot run Wine's 32-bit loader {WINE_32}: {exc.strerror}"
    except (subprocess.SubprocessError) as exc:
        return f"Wine's 32-bit loader {WINE_32} failed: {exc}"
    return None


def _find_wineserver():
    for candidate in ("/usr/lib/wine/wineserver64", "/usr/lib/wine/wineserver",
                      shutil.which("wineserver")):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    raise HarnessError("no wineserver binary found")


def _kill_group(proc):
    """Ends a process we started together with anything it spawned in its session."""
    if proc.poll() is not None:
        return
    try:
        os.killpg(proc.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        proc.kill()
    try:
        proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        pass


def _run(cmd, env, timeout, cwd=None, check=True):
    """Runs a command to completion with a hard timeout; a hang becomes a HarnessError.

    Output goes through files, not pipes: Wine hands the standard handles on to helper processes
    it starts (services, the desktop), and a pipe would stay open until those end."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        proc = subprocess.Popen(cmd, env=env, cwd=cwd, stdout=out, stderr=err,
                                stdin=subprocess.DEVNULL, start_new_session=True)
        try:
            proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            _kill_group(proc)
            raise HarnessError(f"timed out after {timeout}s: {' '.join(map(str, cmd))}")
        except BaseException:
            _kill_group(proc)
            raise
        out.seek(0)
        err.seek(0)
        result = subprocess.CompletedProcess(cmd, proc.returncode,
                                             out.read().decode("utf-8", "replace"),
                                             err.read().decode("utf-8", "replace"))
    if check and result.returncode != 0:
        raise HarnessError(f"{' '.join(map(str, cmd))} exited {result.returncode}: "
                           f"{result.stderr.strip()[-2000:]}")
    return result


class Display:
    """A private Xvfb server; -displayfd lets the server pick a free display number itself."""

    def __init__(self, size="1280x1024x24"):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", size, "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_fd)
        number = b""
        deadline = time.monotonic() + 20
        try:
            while time.monotonic() < deadline and not number.endswith(b"\n"):
                if self.proc.poll() is not None:
                    raise HarnessError("Xvfb exited at start")
                chunk = _read_with_timeout(read_fd, deadline - time.monotonic())
                if not chunk:
                    break
                number += chunk
        finally:
            os.close(read_fd)
        if not number.strip().isdigit():
            self.close()
            raise HarnessError("Xvfb did not report a display number")
        self.name = ":" + number.strip().decode()

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                _kill_group(self.proc)


def _read_with_timeout(fd, timeout):
    ready, _, _ = select.select([fd], [], [], max(timeout, 0))
    return os.read(fd, 64) if ready else b""


class Session:
    """One run: a display, a booted template prefix and the programs under test."""

    def __init__(self, build_dir, keep=False, display=None):
        self.build_dir = Path(build_dir).resolve()
        self.program = self.build_dir / "win32" / "RVLN.EXE"
        self.probe = self.build_dir / "tests" / "e2e" / "probe.exe"
        self.keep = keep
        self.artifacts = artifacts_for(self.build_dir)
        self.wineserver = _find_wineserver()
        self.root = Path(tempfile.mkdtemp(prefix="rvln-e2e-"))
        self.template = self.root / "template"
        self.home = self.root / "home"
        self.home.mkdir()
        self._own_display = display is None
        self.display = Display() if display is None else None
        self.display_name = self.display.name if self.display else display
        self._counter = 0
        try:
            self._boot_template()
        except BaseException:
            self.close()
            raise

    def base_env(self, prefix):
        """Environment of every Wine process started for a prefix."""
        env = {k: v for k, v in os.environ.items() if not k.startswith("WINE")}
        env.update({
            "WINEPREFIX": str(prefix),
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "WINELOADER": WINE,
            "WINESERVER": self.wineserver,
            "DISPLAY": self.display_name,
            "HOME": str(self.home),
            # Wine takes the locale, and so the ANSI code page (1252) and the texts of standard
            # buttons, from the Unix locale; a fixed one keeps results alike on every machine.
            "LC_ALL": "C.UTF-8",
        })
        if self._own_display:
            env.pop("XAUTHORITY", None)
        return env

    def _boot_template(self):
        env = self.base_env(self.template)
        _run([WINE, "wineboot", "--init"], env, timeout=240)
        reg = self.template / "drive_c" / "harness-setup.reg"
        reg.write_text(
            "REGEDIT4\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"
            "\"Desktop\"=\"Default\"\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"
            "\"Default\"=\"1024x768\"\r\n\r\n"
            # A desktop named other than "shell" gets no taskbar unless asked for.
            "[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops\\Default]\r\n"
            "\"EnableShell\"=dword:00000001\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"
            "\"ShowCrashDialog\"=dword:00000000\r\n\r\n",
            encoding="ascii")
        _run([WINE, "reg", "import", r"C:\harness-setup.reg"], env, timeout=120)
        reg.unlink()
        self._wait_server(env, timeout=120)
        self._add_wine_fonts()
        self._seal_template()

    def _add_wine_fonts(self):
        """Debian keeps Wine's own TrueType fonts (Marlett draws the caption buttons) outside the
        prefix, where a prefix without a Z: drive cannot see them; screenshots need them."""
        fonts = self.template / "drive_c" / "windows" / "Fonts"
        for source in sorted(Path(WINE_FONTS).glob("*.ttf")):
            target = fonts / source.name
            if not target.exists():
                shutil.copy2(source, target)

    def _wait_server(self, env, timeout):
        try:
            _run([self.wineserver, "-w"], env, timeout=timeout, check=False)
        except HarnessError:
            _run([self.wineserver, "-k"], env, timeout=30, check=False)
            raise

    def _seal_template(self):
        """Cuts every way out of the prefix: a test that empties a folder or writes to every drive
        must never reach the real file system."""
        dosdevices = self.template / "dosdevices"
        for entry in dosdevices.iterdir():
            if entry.name.lower() != "c:":
                entry.unlink()
        for path in sorted(self.template.joinpath("drive_c").rglob("*")):
            if path.is_symlink():
                path.unlink()
                path.mkdir()

    def new_prefix(self, name, artifacts=None, program=None):
        """A fresh copy of the template. program: the RVLN.EXE to install there instead of this
        run's (another build tree's, e.g. the 32-bit one; the probe stays this run's)."""
        self._counter += 1
        safe = re.sub(r"[^A-Za-z0-9_.-]+", "_", name)
        return Prefix(self, self.root / f"p{self._counter:03d}-{safe}"[:120],
                      artifacts or self.artifacts / safe, program=program)

    def close(self):
        if not self.keep:
            shutil.rmtree(self.root, ignore_errors=True)
        if self.display:
            self.display.close()


def _clone_tree(src, dst):
    for dirpath, dirnames, filenames in os.walk(src):
        rel = Path(dirpath).relative_to(src)
        target_dir = dst / rel
        target_dir.mkdir(parents=True, exist_ok=True)
        for name in dirnames + filenames:
            source = Path(dirpath) / name
            target = target_dir / name
            if source.is_symlink():
                os.symlink(os.readlink(source), target)
                if name in dirnames:
                    dirnames.remove(name)
            elif name in filenames:
                if rel.parts and rel.parts[0] == "drive_c" and source.suffix.lower() in SHARED_SUFFIXES:
                    os.link(source, target)
                else:
                    shutil.copy2(source, target)


def _relay_unescape(match):
    """Undoes the escapes of Wine's debugstr_w: \\n \\r \\t, \\xNNNN and a backslash before
    any other character."""
    code = match.group(1)
    if code.startswith("x") and len(code) == 5:
        return chr(int(code[1:], 16))
    return {"n": "\n", "r": "\r", "t": "\t"}.get(code, code)


def _relay_arguments(text):
    """Splits the argument list of a relay trace line: commas inside L"..." do not separate."""
    values, current, quoted, i = [], "", False, 0
    while i < len(text):
        c = text[i]
        if quoted and c == "\\" and i + 1 < len(text):
            current += text[i:i + 2]
            i += 2
            continue
        if c == '"':
            quoted = not quoted
        if c == "," and not quoted:
            values.append(current)
            current = ""
        else:
            current += c
        i += 1
    if current or values:
        values.append(current)
    decoded = []
    for value in values:
        string = re.fullmatch(r'\s*[0-9a-fA-F]+ L"(.*)"\s*', value, re.S)
        if string:
            decoded.append(re.sub(r"\\(x[0-9a-fA-F]{4}|.)", _relay_unescape, string.group(1)))
        elif re.fullmatch(r"\s*[0-9a-fA-F]+\s*", value):
            decoded.append(int(value, 16))
        else:
            decoded.append(value.strip())
    return decoded


class Program:
    """A started Windows program (the wine loader process becomes the Windows process)."""

    def __init__(self, proc, log_path):
        self.proc = proc
        self.log_path = log_path

    @property
    def pid(self):
        return self.proc.pid

    def running(self):
        return self.proc.poll() is None

    def wait(self, timeout):
        """Exit code, or None if it is still running after timeout seconds."""
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def log(self):
        try:
            return Path(self.log_path).read_text(encoding="utf-8", errors="replace")
        except OSError:
            return ""

    def kill(self):
        _kill_group(self.proc)


class Prefix:
    """A per-test copy of the template prefix with its own wineserver."""

    def __init__(self, session, path, artifacts, program=None):
        self.session = session
        self.path = Path(path)
        self.program = Path(program) if program else session.program
        self.artifacts = Path(artifacts)
        shutil.rmtree(self.artifacts, ignore_errors=True)
        self.artifacts.mkdir(parents=True, exist_ok=True)
        self.programs = []
        self._shots = 0
        shutil.rmtree(self.path, ignore_errors=True)
        _clone_tree(session.template, self.path)
        self.env = session.base_env(self.path)
        self.drive_c = self.path / "drive_c"
        self.program_dir = self.unix_path(PROGRAM_DIR)
        self.program_dir.mkdir(parents=True, exist_ok=True)
        self.probe_path = self.unix_path(PROBE_EXE)
        self.probe_path.parent.mkdir(parents=True, exist_ok=True)
        if session.probe.exists():
            shutil.copy2(session.probe, self.probe_path)

    # ----- paths and files -------------------------------------------------------------------

    def unix_path(self, windows_path):
        """C:\\a\\b -> <prefix>/drive_c/a/b (only drive C exists in a test prefix)."""
        match = re.match(r"^[cC]:\\?(.*)$", windows_path)
        if not match:
            raise HarnessError(f"not a C: path: {windows_path}")
        parts = [p for p in match.group(1).split("\\") if p]
        return self.drive_c.joinpath(*parts)

    def install_program(self, source=None):
        """Copies RVLN.EXE and its support files into C:\\Ravelin as they ship (real copies: the
        program writes next to itself). A test that needs a support file missing deletes it
        afterwards (see support_file)."""
        source = Path(source or self.program)
        if not source.exists():
            raise HarnessError(f"{source} does not exist (build the MinGW tree first)")
        shutil.copy2(source, self.program_dir / "RVLN.EXE")
        for name in SUPPORT_FILES:
            shipped = self.program.parent / name
            if not shipped.exists():
                raise HarnessError(f"{shipped} does not exist (the build copies it next to RVLN.EXE)")
            shutil.copy2(shipped, self.program_dir / name)
        return PROGRAM_EXE

    def add_drive(self, letter, kind=None):
        """Gives the prefix a drive letter backed by a folder of its own (never a device node),
        typed through HKLM\\Software\\Wine\\Drives ("cdrom", "floppy", ...; without a kind Wine
        takes A: and B: for removable and any other letter for a hard disk). Returns the folder."""
        return self.add_drives({letter: kind})[0]

    def add_drives(self, kinds):
        """add_drive for several drives ({letter: kind or None}) at once. Wine reads the types
        when its server starts, so the prefix's wineserver is ended afterwards (once)."""
        folders = []
        lines = ["REGEDIT4", "", "[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]"]
        for letter, kind in kinds.items():
            letter = letter.lower()
            if not re.fullmatch(r"[a-z]", letter):
                raise HarnessError(f"not a drive letter: {letter!r}")
            folder = self.path / f"drive_{letter}"
            folder.mkdir(exist_ok=True)
            link = self.path / "dosdevices" / f"{letter}:"
            if link.is_symlink() or link.exists():
                link.unlink()
            os.symlink(f"../drive_{letter}", link)
            lines.append(f'"{letter}:"=' + (f'"{kind}"' if kind else "-"))
            folders.append(folder)
        reg = self.drive_c / "harness-drives.reg"
        reg.write_text("\r\n".join(lines) + "\r\n\r\n", encoding="ascii")
        try:
            self.wine("reg", "import", r"C:\harness-drives.reg")
        finally:
            reg.unlink()
        self.kill_server()
        return folders

    def support_file(self, name):
        """Unix path of a support file beside the installed program (it may have been removed)."""
        if name not in SUPPORT_FILES:
            raise HarnessError(f"{name} is not a support file of the program")
        return self.program_dir / name

    # ----- wine processes --------------------------------------------------------------------

    def wine(self, *args, timeout=BASE_TIMEOUT, check=True, env=None):
        """Runs a Windows program of the prefix (reg, cmd, probe) to completion."""
        return _run([WINE, *args], env or self.env, timeout=timeout, cwd=self.drive_c, check=check)

    def start(self, *args, exe=PROGRAM_EXE, env_extra=None, name=None):
        """Starts a Windows program without waiting for it; stdout and stderr go to a log file in
        the test's artifacts."""
        if exe == PROGRAM_EXE and not (self.program_dir / "RVLN.EXE").exists():
            self.install_program()
        env = dict(self.env)
        env.update(env_extra or {})
        base = name or Path(exe.replace("\\", "/")).stem
        self.artifacts.mkdir(parents=True, exist_ok=True)
        log_path = self.artifacts / f"{base}-{len(self.programs) + 1}.log"
        log = open(log_path, "wb")
        cwd = self.unix_path(exe.rsplit("\\", 1)[0]) if "\\" in exe else self.drive_c
        try:
            proc = subprocess.Popen([WINE, exe, *args], env=env, cwd=cwd, stdin=subprocess.DEVNULL,
                                    stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        finally:
            log.close()
        program = Program(proc, log_path)
        self.programs.append(program)
        return program

    def probe(self, *args, timeout=BASE_TIMEOUT):
        """Runs one probe command; returns (exit code, parsed JSON)."""
        args = [str(a) for a in args]
        for attempt in range(3):
            result = self.wine(PROBE_EXE, *args, timeout=timeout, check=False)
            text = result.stdout.strip()
            # Now and then the host's loader trips over itself while the probe exits (status
            # 127, "Inconsistency detected by ld.so"). The probe's answer and the status it
            # printed stand; without them the command is run again.
            if result.returncode != 127 or "Inconsistency detected" not in result.stderr:
                break
            lines = text.splitlines()
            if len(lines) >= 2 and lines[-2].startswith("#status "):
                return int(lines[-2].split()[1]), json.loads(lines[-1])
        try:
            data = json.loads(text.splitlines()[-1]) if text else None
        except json.JSONDecodeError:
            raise HarnessError(f"probe {' '.join(args)} printed no JSON: {text[-500:]!r} "
                               f"{result.stderr[-500:]!r}")
        if data is None or result.returncode not in (0, 1, 2):
            raise HarnessError(f"probe {' '.join(args)} failed ({result.returncode}): "
                               f"{result.stderr[-1000:]}")
        return result.returncode, data

    def probe_ok(self, *args, timeout=BASE_TIMEOUT):
        """Runs a probe command that must succeed and returns its JSON."""
        code, data = self.probe(*args, timeout=timeout)
        if code != 0:
            raise HarnessError(f"probe {' '.join(map(str, args))} -> {code}: {data}")
        return data

    # ----- windows ---------------------------------------------------------------------------

    def windows(self, cls=None, title=None, exe=None, visible=False):
        args = ["windows"]
        if cls:
            args += ["--class", cls]
        if title is not None:
            args += ["--title", title]
        if exe:
            args += ["--exe", exe]
        if visible:
            args.append("--visible")
        _, data = self.probe(*args)
        return data.get("windows", [])

    def wait_window(self, cls, title=None, exe=None, visible=True, timeout=20):
        """The first top-level window that matches, or None after timeout seconds."""
        args = ["wait-window", "--class", cls, "--timeout", int(timeout * 1000)]
        if title is not None:
            args += ["--title", title]
        if exe:
            args += ["--exe", exe]
        if visible:
            args.append("--visible")
        code, data = self.probe(*args, timeout=timeout + BASE_TIMEOUT)
        return data if code == 0 else None

    def wait_settled(self, hwnd, cls="TForm1", timeout=15):
        """A top-level window's data once it is visible and three readings in a row agree (an
        opening animation is over), or None."""
        deadline = time.monotonic() + timeout
        last, same = None, 0
        while time.monotonic() < deadline:
            found = [w for w in self.windows(cls=cls) if w["hwnd"] == hwnd]
            if not found:
                return None
            shape = (found[0]["rect"], found[0]["client"], found[0]["visible"])
            same = same + 1 if shape == last else 0
            if same >= 2 and found[0]["visible"]:
                return found[0]
            last = shape
            time.sleep(0.2)
        return None

    def wait_gone(self, hwnd=None, cls=None, timeout=20):
        args = ["wait-gone"]
        if hwnd is not None:
            args.append(hwnd)
        if cls:
            args += ["--class", cls]
        code, _ = self.probe(*args, "--timeout", int(timeout * 1000), timeout=timeout + BASE_TIMEOUT)
        return code == 0

    def children(self, hwnd):
        return self.probe_ok("children", hwnd)["children"]

    def controls(self, hwnd):
        """Descendants of a window keyed by component name (untagged ones are left out)."""
        return {c["name"]: c for c in self.children(hwnd) if c["name"]}

    def find(self, name, top=None, timeout=0):
        args = ["find", name, "--timeout", int(timeout * 1000)]
        if top is not None:
            args += ["--top", top]
        code, data = self.probe(*args, timeout=timeout + BASE_TIMEOUT)
        return data if code == 0 else None

    def click(self, hwnd, how=None, right=False, double=False):
        args = ["click", hwnd]
        if how in ("mouse", "real"):
            args.append("--" + how)
        if right:
            args.append("--right")
        if double:
            args.append("--double")
        return self.probe_ok(*args)

    def key(self, hwnd, vk, ctrl=False, shift=False, alt=False, post=False):
        args = ["key", hwnd, vk]
        args += [flag for flag, on in (("--ctrl", ctrl), ("--shift", shift), ("--alt", alt),
                                       ("--post", post)) if on]
        return self.probe_ok(*args)

    def type_text(self, hwnd, text):
        return self.probe_ok("type", hwnd, text)

    def select_combo(self, hwnd, index):
        return self.probe_ok("select-combo", hwnd, index)

    def close_window(self, hwnd):
        return self.probe_ok("close", hwnd)

    def syscommand(self, hwnd, command):
        return self.probe_ok("syscommand", hwnd, command)

    def post(self, hwnd, msg, wparam=0, lparam=0):
        return self.probe_ok("post", hwnd, msg, wparam, lparam)

    def send(self, hwnd, msg, wparam=0, lparam=0):
        return self.probe_ok("send", hwnd, msg, wparam, lparam)

    def message_box(self, exe=None, timeout=10):
        args = ["messagebox", "--timeout", int(timeout * 1000)]
        if exe:
            args += ["--exe", exe]
        code, data = self.probe(*args, timeout=timeout + BASE_TIMEOUT)
        return data if code == 0 else None

    def answer_box(self, button, exe=None, timeout=10):
        args = ["answer-box", button, "--timeout", int(timeout * 1000)]
        if exe:
            args += ["--exe", exe]
        code, data = self.probe(*args, timeout=timeout + BASE_TIMEOUT)
        if code != 0:
            raise HarnessError(f"could not answer {button!r}: {data}")
        return data

    def atom_exists(self, name):
        code, data = self.probe("atom", name)
        if code == 2:
            raise HarnessError(f"atom query failed: {data}")
        return bool(data["exists"])

    def sysinfo(self):
        return self.probe_ok("sysinfo")

    def processes(self, exe=None):
        """Windows processes of the prefix with pid, parent, exe and command line (None when it
        could not be read)."""
        code, data = self.probe("processes", *(["--exe", exe] if exe else []))
        if code == 2:
            raise HarnessError(f"process list failed: {data}")
        return data.get("processes", [])

    def user_name(self):
        return self.sysinfo()["user"]

    # ----- registry --------------------------------------------------------------------------

    def reg_add(self, key, value=None, data="", kind="REG_SZ"):
        """Creates a key, or sets one value in it (creating the key as needed)."""
        args = ["reg", "add", key, "/f"]
        if value is not None:
            args += ["/v", value, "/t", kind, "/d", str(data)]
        self.wine(*args)

    def reg_delete(self, key, value=None):
        args = ["reg", "delete", key, "/f"] + (["/v", value] if value is not None else [])
        self.wine(*args, check=False)

    def reg_query(self, key, value=None):
        """{value name: (type, data)} of a key, or None when the key does not exist. With value,
        (type, data) of that value or None. REG_DWORD data comes back as int, the rest as the
        text `reg query` prints."""
        args = ["reg", "query", key] + (["/v", value] if value is not None else [])
        result = self.wine(*args, check=False)
        if result.returncode != 0:
            return None
        wanted = _full_key(key)
        values = {}
        current = None
        for line in result.stdout.replace("\r", "").splitlines():
            if not line.strip():
                continue
            if not line.startswith(" "):
                current = line.strip().lower()
                continue
            match = re.match(r"^ {4}(.*?) {4}(REG_[A-Z_]+)(?: {4}(.*))?$", line)
            if match and current == wanted:
                name, kind, data = match.group(1), match.group(2), match.group(3) or ""
                if kind == "REG_DWORD":
                    data = int(data, 16)
                values["" if name == "(Default)" else name] = (kind, data)
        if value is not None:
            return values.get(value)
        return values

    def reg_key_exists(self, key):
        return self.wine("reg", "query", key, check=False).returncode == 0

    def reg_export(self, key):
        """Text of `reg export` for a key, or None when the key does not exist."""
        target = self.drive_c / "export.reg"
        result = self.wine("reg", "export", key, r"C:\export.reg", "/y", check=False)
        if result.returncode != 0 or not target.exists():
            return None
        raw = target.read_bytes()
        target.unlink()
        return raw.decode("utf-16") if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else raw.decode("cp1252")

    def set_os(self, kind):
        """The Windows version Wine reports to programs started afterwards."""
        if kind not in OS_KINDS:
            raise HarnessError(f"unknown Windows version {kind}")
        self.reg_add(r"HKCU\Software\Wine", "Version", kind)

    def enable_relay(self, include):
        """Traces calls of the given functions ("user32.ExitWindowsEx;...") to a program's log;
        start the program afterwards with relay_env()."""
        self.reg_add(r"HKCU\Software\Wine\Debug", "RelayInclude", include)

    @staticmethod
    def relay_env():
        return {"WINEDEBUG": "-all,+relay"}

    @staticmethod
    def relay_calls(program, function):
        """Lines of a program's relay log that call the named function (e.g. "ExitWindowsEx")."""
        return [line for line in program.log().splitlines()
                if "Call " in line and re.search(r"\." + re.escape(function) + r"\(", line)]

    @staticmethod
    def relay_arguments(program, function):
        """Arguments of each traced call of a function as ints, e.g. [[1, 0]] for one
        ExitWindowsEx(EWX_SHUTDOWN, 0)."""
        calls = []
        for line in Prefix.relay_calls(program, function):
            inside = re.search(r"\.%s\((.*)\) ret=" % re.escape(function), line)
            raw = inside.group(1).split(",") if inside and inside.group(1) else []
            calls.append([int(a, 16) if re.fullmatch(r"[0-9a-fA-F]+", a) else a for a in raw])
        return calls

    @staticmethod
    def relay_values(program, function):
        """Each traced call of a function as (arguments, return value): a string argument (shown
        by the trace as a pointer and L"text") as its text, any other argument as an int; the
        return value is None while the call has not returned."""
        calls = []
        open_calls = []
        call = re.compile(r"Call [\w.]*\.%s\((.*)\) ret=" % re.escape(function))
        ret = re.compile(r"Ret  [\w.]*\.%s\(\) retval=([0-9a-fA-F]+)" % re.escape(function))
        for line in program.log().splitlines():
            match = call.search(line)
            if match:
                calls.append([_relay_arguments(match.group(1)), None])
                open_calls.append(calls[-1])
                continue
            match = ret.search(line)
            if match and open_calls:
                open_calls.pop()[1] = int(match.group(1), 16)
        return [tuple(c) for c in calls]

    # ----- screen ----------------------------------------------------------------------------

    def desktop_origin(self):
        """Where the Wine desktop window sits on the X screen (0, 0 when it fills the screen)."""
        result = _run(["xdotool", "search", "--name", "Wine desktop"], self.env, timeout=20,
                      check=False)
        ids = result.stdout.split()
        if not ids:
            return (0, 0)
        geo = _run(["xdotool", "getwindowgeometry", "--shell", ids[0]], self.env, timeout=20,
                   check=False).stdout
        values = dict(line.split("=", 1) for line in geo.split() if "=" in line)
        return (int(values.get("X", 0)), int(values.get("Y", 0)))

    def screenshot(self, name=None, rect=None):
        """Saves the X screen (or a window rectangle in Windows screen coordinates) as PNG in the
        test's artifacts and returns the path."""
        self._shots += 1
        self.artifacts.mkdir(parents=True, exist_ok=True)
        path = self.artifacts / f"{name or f'screen-{self._shots:02d}'}.png"
        args = ["import", "-window", "root", "-display", self.session.display_name]
        if rect:
            ox, oy = self.desktop_origin()
            args += ["-crop", f"{rect['width']}x{rect['height']}+{rect['left'] + ox}+{rect['top'] + oy}",
                     "+repage"]
        _run(args + [str(path)], self.env, timeout=30)
        return path

    @staticmethod
    def image_info(path):
        """(width, height, number of colours) of an image file."""
        out = _run(["identify", "-format", "%w %h %k", str(path)], dict(os.environ),
                   timeout=30).stdout.split()
        return int(out[0]), int(out[1]), int(out[2])

    # ----- teardown --------------------------------------------------------------------------

    def kill_server(self):
        """Ends every Windows process of this prefix and waits until its wineserver is gone."""
        for flag in ("-k", "-w"):
            try:
                _run([self.session.wineserver, flag], self.env, timeout=30, check=False)
            except HarnessError:
                pass

    def close(self):
        self.kill_server()
        for program in self.programs:
            program.kill()
        if not self.session.keep:
            shutil.rmtree(self.path, ignore_errors=True)


# ----- unittest glue ---------------------------------------------------------------------------

_SESSION = None


def session():
    """The run's session; created on first use from RVLN_BUILD_DIR when run.py did not set one."""
    global _SESSION
    if _SESSION is None:
        build = os.environ.get("RVLN_BUILD_DIR", str(REPO_ROOT / "build" / "mingw64"))
        _SESSION = Session(build, keep=bool(os.environ.get("RVLN_E2E_KEEP")))
        atexit.register(close_session)
    return _SESSION


def set_session(value):
    global _SESSION
    _SESSION = value


def close_session():
    global _SESSION
    if _SESSION is not None:
        _SESSION.close()
        _SESSION = None


class WineTestCase(unittest.TestCase):
    """Gives each test a fresh prefix (self.wine) and tears it down afterwards, keeping a final
    screenshot and the program logs in artifacts/e2e/<test>/ (see artifacts_for)."""

    os_kind = None
    # Another build tree whose RVLN.EXE this test runs (run.py sets it for the 32-bit smoke tests).
    program_tree = None

    def setUp(self):
        name = self.id().split(".", 1)[-1]
        program = Path(self.program_tree) / "win32" / "RVLN.EXE" if self.program_tree else None
        self.wine = session().new_prefix(name, program=program)
        self.addCleanup(self._teardown_prefix)
        if self.os_kind:
            self.wine.set_os(self.os_kind)

    def _teardown_prefix(self):
        try:
            self.wine.screenshot("final")
        except HarnessError:
            pass
        self.wine.close()

    def wait_until(self, predicate, timeout=10, interval=0.2):
        deadline = time.monotonic() + timeout
        while True:
            value = predicate()
            if value or time.monotonic() >= deadline:
                return value
            time.sleep(interval)
