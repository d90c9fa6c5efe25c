#!/usr/bin/env python3
"""The import check on a real MinGW program that imports ExitProcess and
GetTickCount64, against allow-lists written for each case, and with its subsystem
version patched: every case names program, DLL and function, or passes.

    test_check_imports.py CHECK_IMPORTS_PY USES_TICK64_EXE
"""

import importlib.util
import os
import shutil
import struct
import sys
import tempfile
import unittest

CHECK, PROGRAM = sys.argv[1], sys.argv[2]
check_source = importlib.util.spec_from_file_location("check_imports", CHECK)
check = importlib.util.module_from_spec(check_source)
check_source.loader.exec_module(check)

EXIT = "KERNEL32.dll ExitProcess 95 3.1 sdk\n"

CASES = [
    # (name, allow-list, subsystem version or None, expected problems)
    ("unlisted function", EXIT, None,
     ["uses_tick64.exe: KERNEL32.dll!GetTickCount64: function is not on the allow-list"]),
    ("listed, but too new", EXIT + "KERNEL32.dll GetTickCount64 - Vista sdk\n", None,
     ["uses_tick64.exe: KERNEL32.dll!GetTickCount64: not exported by both Windows 98SE and"
      " 2000 (listed: 9x -, NT Vista)"]),
    ("unlisted DLL", "USER32.dll MessageBoxA 95 3.1 sdk\n", None,
     ["uses_tick64.exe: KERNEL32.dll!ExitProcess: DLL KERNEL32.dll is not on the allow-list",
      "uses_tick64.exe: KERNEL32.dll!GetTickCount64: DLL KERNEL32.dll is not on the allow-list"]),
    ("subsystem version too new", EXIT + "KERNEL32.dll GetTickCount64 95 3.1 x\n", (6, 0),
     ["uses_tick64.exe: subsystem version 6.0, at most 4.0 starts on Windows 98"]),
    ("everything allowed", EXIT + "KERNEL32.dll GetTickCount64 95 3.1 x\n", None, []),
]


def with_subsystem_version(path, version):
    with open(path, "r+b") as f:
        data = bytearray(f.read())
        optional = struct.unpack_from("<I", data, 0x3C)[0] + 24
        struct.pack_into("<HH", data, optional + 48, *version)
        f.seek(0)
        f.write(data)


class ImportCheck(unittest.TestCase):
    def test_cases(self):
        for name, allow_list, subsystem, expected in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as scratch:
                program = os.path.join(scratch, os.path.basename(PROGRAM))
                shutil.copyfile(PROGRAM, program)
                if subsystem:
                    with_subsystem_version(program, subsystem)
                allowed_path = os.path.join(scratch, "allowed.txt")
                with open(allowed_path, "w") as f:
                    f.write(allow_list)
                allowed = check.read_allow_list(allowed_path)
                self.assertEqual(expected, check.problems_of(program, allowed))
                self.assertEqual(1 if expected else 0, check.main(["", allowed_path, program]))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
