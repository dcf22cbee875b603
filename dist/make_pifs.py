#!/usr/bin/env python3
"""Writes RVLNDOS.PIF and RVLNEXIT.PIF, the program-information files that take Windows 95/98
into MS-DOS mode with the command interpreter: RVLNDOS.PIF stays at the MS-DOS prompt, RVLNEXIT.PIF
runs "COMMAND.COM /C EXIT" so that Windows comes straight back.

usage: make_pifs.py [--check] [FOLDER]   (FOLDER defaults to this script's folder)

The output is a pure function of this script, so the files in the repository can be checked
against it (--check exits 1 when they differ).

Layout of a Windows 95 PIF: the 0x171-byte basic section of the MS-DOS era, then a chain of
22-byte section headings (16-byte name, next heading, data offset, data length, all little-endian
words), each followed by its data. The first heading, "MICROSOFT PIFEX", describes the basic
section itself. "WINDOWS 386 3.0" carries the flags that ask for MS-DOS mode; "WINDOWS VMM 4.0"
the Windows 95 property groups (task, video, keyboard, mouse, sound, font, window, environment).
"""

import struct
import sys
from pathlib import Path

BASIC_SIZE = 0x171
HEADING_SIZE = 0x16
W386_SIZE = 0x68
VMM_SIZE = 0x1AC
LAST_HEADING = 0xFFFF

# Basic section flags (byte 0x63).
CLOSE_ON_EXIT = 0x10

# "WINDOWS 386 3.0" flags.
ENABLE_CLOSE = 0x00000001
BACKGROUND = 0x00000002
FULL_SCREEN = 0x00000008
POLLING_DETECT = 0x00001000
INT16_PASTE = 0x00020000
REAL_MODE = 0x00800000         # run in MS-DOS mode
REAL_MODE_SILENT = 0x10000000  # without the "all other programs will close" question
VIDEO_TEXT_EMULATE = 0x00000001

# The user has already chosen the method in the program, so Windows must not ask a second time.
MSDOS_MODE_FLAGS = (ENABLE_CLOSE | BACKGROUND | FULL_SCREEN | POLLING_DETECT | INT16_PASTE
                    | REAL_MODE | REAL_MODE_SILENT)

# "WINDOWS VMM 4.0" group flags.
TSK_BACKGROUND = 0x0002
VID_TEXT_EMULATE = 0x0001
VID_FULL_SCREEN = 0x0100
KBD_FAST_PASTE = 0x0001
MSE_WINDOW_ENABLE = 0x0001
FNT_BOTH_FONTS_AUTO_SIZE = 0x0004 | 0x0008 | 0x0010
WIN_SAVE_SETTINGS_TOOLBAR = 0x0001 | 0x0002
VMM_REVISION = 1

COMMAND = "COMMAND.COM"
CONVENTIONAL_KB = 640
REQUIRED_KB = 128


def text(value, size, pad=b"\0"):
    raw = value.encode("ascii")
    if len(raw) > size:
        raise ValueError(f"{value!r} is longer than {size} bytes")
    return raw + pad * (size - len(raw))


def basic_section(title, parameters):
    body = b"".join([
        text(title, 30, pad=b" "),
        struct.pack("<HH", CONVENTIONAL_KB, REQUIRED_KB),
        text(COMMAND, 63),
        bytes([CLOSE_ON_EXIT, 0]),
        text("", 64),                           # working directory: the interpreter's default
        text(parameters, 64),
        bytes([0, 1, 0, 0xFF, 25, 80, 0, 0]),   # video mode, pages, interrupts 0-FF, 25 x 80
        struct.pack("<H", 7),                   # text-mode video memory
        bytes(64 + 64),                         # shared program and data file: unused
        bytes([0, 0]),
    ])
    # The first byte is reserved; the second is the checksum of everything after it.
    section = bytes([0, sum(body) & 0xFF]) + body
    assert len(section) == BASIC_SIZE
    return section


def w386_section(parameters):
    section = b"".join([
        struct.pack("<8H", CONVENTIONAL_KB, REQUIRED_KB, 100, 50, 0, 0, 0xFFFF, 0),
        struct.pack("<II", MSDOS_MODE_FLAGS, VIDEO_TEXT_EMULATE),
        bytes(16),                              # no shortcut key
        text(parameters, 64),
    ])
    assert len(section) == W386_SIZE
    return section


def vmm_section():
    section = b"".join([
        struct.pack("<II", 0, 0),               # enhanced-mode and real-mode option flags
        text("", 80),                           # other file
        text("PIFMGR.DLL", 80),                 # icon file and index
        struct.pack("<H", 0),
        struct.pack("<7H", TSK_BACKGROUND, 0, 0, 0, 0, 0, 50),
        struct.pack("<6H", VID_TEXT_EMULATE | VID_FULL_SCREEN, 0, 0, 0, 0, 0),
        struct.pack("<9H", KBD_FAST_PASTE, 0, 5, 25, 3, 200, 1000, 2, 10),
        struct.pack("<2H", MSE_WINDOW_ENABLE, 0),
        struct.pack("<2H", 0, 0),               # sound
        struct.pack("<6H", FNT_BOTH_FONTS_AUTO_SIZE, 0, 0, 0, 0, 0),
        text("Terminal", 32),
        text("Courier New", 32),
        struct.pack("<H", 437),
        struct.pack("<8H", WIN_SAVE_SETTINGS_TOOLBAR, 0, 80, 25, 0, 0, 0, 0),
        bytes(2 * 7 + 2 * 4),                   # placement: let Windows choose
        struct.pack("<2H", 0, 0),               # environment flags
        text("", 80),                           # no batch file
        struct.pack("<HH", 0, 0),               # environment size and DPMI memory: automatic
        struct.pack("<H", VMM_REVISION),
    ])
    assert len(section) == VMM_SIZE
    return section


def heading(name, next_offset, data_offset, data_size):
    return text(name, 16) + struct.pack("<HHH", next_offset, data_offset, data_size)


def pif(title, parameters):
    w386 = BASIC_SIZE + HEADING_SIZE
    vmm = w386 + HEADING_SIZE + W386_SIZE
    return b"".join([
        basic_section(title, parameters),
        heading("MICROSOFT PIFEX", w386, 0, BASIC_SIZE),
        heading("WINDOWS 386 3.0", vmm, w386 + HEADING_SIZE, W386_SIZE),
        w386_section(parameters),
        heading("WINDOWS VMM 4.0", LAST_HEADING, vmm + HEADING_SIZE, VMM_SIZE),
        vmm_section(),
    ])


FILES = {
    "RVLNDOS.PIF": pif("MS-DOS Mode", ""),
    "RVLNEXIT.PIF": pif("Restart Windows", "/C EXIT"),
}


def main(argv):
    check = "--check" in argv
    folders = [a for a in argv if a != "--check"]
    folder = Path(folders[0]) if folders else Path(__file__).resolve().parent
    stale = []
    for name, data in FILES.items():
        path = folder / name
        if check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(name)
        else:
            path.write_bytes(data)
    if stale:
        print(f"out of date: {', '.join(stale)} (run {Path(__file__).name})")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
