#!/usr/bin/env python3
"""Checks that Windows programs start on the oldest systems they are shipped for.

Reads each program's PE headers and import table and refuses:
  - a DLL or a function imported by name that the allow-list does not name;
  - an import the allow-list names but whose oldest system is newer than Windows
    98 SE (Windows 95 line) or Windows 2000 (NT line);
  - an import by ordinal, unless the list names that ordinal ("#17");
  - delay-loaded imports (not read here);
  - a PE subsystem version above 4.0, which the Windows 98 loader refuses.
Every refusal is printed as "PROGRAM: DLL!FUNCTION ..." (or "PROGRAM: ...").

    check_imports.py ALLOW_LIST PROGRAM...

The allow-list has one import a line: DLL, function (or #ordinal), the first
Windows 95-line release that exports it ("95", "98", "98SE", "Me" or "-" for
none), the first NT release ("3.1", "3.5", "3.51", "4.0", "2000", "XP", "Vista",
"7", ...) and where that comes from. "#" starts a comment line.
"""

import os
import struct
import sys

WIN9X_RELEASES = ["95", "98", "98SE", "Me", "-"]
NT_RELEASES = ["3.1", "3.5", "3.51", "4.0", "2000", "XP", "2003", "Vista", "7", "8", "8.1", "10", "-"]
OLDEST_WIN9X = "98SE"
OLDEST_NT = "2000"
MAX_SUBSYSTEM_VERSION = (4, 0)

IMPORT_DIRECTORY = 1
DELAY_IMPORT_DIRECTORY = 13


class BadImage(Exception):
    pass


class AllowedImport:
    def __init__(self, win9x, nt):
        self.win9x = win9x
        self.nt = nt

    def too_new(self):
        return (WIN9X_RELEASES.index(self.win9x) > WIN9X_RELEASES.index(OLDEST_WIN9X)
                or NT_RELEASES.index(self.nt) > NT_RELEASES.index(OLDEST_NT))


def read_allow_list(path):
    """{(DLL upper case, function or "#ordinal"): AllowedImport}"""
    allowed = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.split()
            if not fields or fields[0].startswith("#"):
                continue
            if (len(fields) < 5 or fields[2] not in WIN9X_RELEASES
                    or fields[3] not in NT_RELEASES):
                raise ValueError("%s:%d: want DLL FUNCTION WIN9X NT SOURCE..." % (path, number))
            allowed[(fields[0].upper(), fields[1])] = AllowedImport(fields[2], fields[3])
    return allowed


class PeImage:
    """The parts of a 32-bit PE image the check needs."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise BadImage("no MZ header")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise BadImage("no PE signature")
        sections, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
        optional = pe + 24
        if self.u16(optional) != 0x10B:
            raise BadImage("not a 32-bit (PE32) image")
        self.subsystem_version = (self.u16(optional + 48), self.u16(optional + 50))
        self.directory_count = self.u32(optional + 92)
        self.directories = optional + 96
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8xIIII", data, table + 40 * i)
                         for i in range(sections)]

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        if offset < 0 or offset + 4 > len(self.data):
            raise BadImage("offset %#x outside the file" % offset)
        return struct.unpack_from("<I", self.data, offset)[0]

    def directory(self, index):
        if index >= self.directory_count:
            return 0, 0
        return self.u32(self.directories + 8 * index), self.u32(self.directories + 8 * index + 4)

    def offset(self, rva):
        for virtual_size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw + rva - address
        raise BadImage("address %#x in no section" % rva)

    def string(self, rva):
        start = self.offset(rva)
        end = self.data.find(b"\0", start)
        if end < 0:
            raise BadImage("unterminated name at %#x" % rva)
        return self.data[start:end].decode("ascii", "replace")

    def imports(self):
        """[(DLL, function name or "#ordinal")] in table order."""
        rva, _ = self.directory(IMPORT_DIRECTORY)
        found = []
        while rva:
            lookup, _, _, name, thunks = struct.unpack_from("<5I", self.data, self.offset(rva))
            if not name and not thunks:
                break
            dll = self.string(name)
            entry = lookup or thunks
            while True:
                value = self.u32(self.offset(entry))
                if not value:
                    break
                if value & 0x80000000:
                    found.append((dll, "#%d" % (value & 0xFFFF)))
                else:
                    found.append((dll, self.string(value + 2)))  # after the 16-bit hint
                entry += 4
            rva += 20
        return found


def problems_of(path, allowed):
    program = os.path.basename(path)
    with open(path, "rb") as f:
        image = PeImage(f.read())
    problems = []
    if image.subsystem_version > MAX_SUBSYSTEM_VERSION:
        problems.append("%s: subsystem version %d.%d, at most %d.%d starts on Windows 98"
                        % ((program,) + image.subsystem_version + MAX_SUBSYSTEM_VERSION))
    if image.directory(DELAY_IMPORT_DIRECTORY)[0]:
        problems.append("%s: has delay-loaded imports, which this check does not read" % program)
    known_dlls = {dll for dll, _ in allowed}
    for dll, function in image.imports():
        entry = allowed.get((dll.upper(), function))
        what = "%s: %s!%s" % (program, dll, function)
        if dll.upper() not in known_dlls:
            problems.append("%s: DLL %s is not on the allow-list" % (what, dll))
        elif entry is None:
            kind = "import by ordinal" if function.startswith("#") else "function"
            problems.append("%s: %s is not on the allow-list" % (what, kind))
        elif entry.too_new():
            problems.append("%s: not exported by both Windows %s and %s (listed: 9x %s, NT %s)"
                            % (what, OLDEST_WIN9X, OLDEST_NT, entry.win9x, entry.nt))
    return problems


def main(argv):
    if len(argv) < 3:
        print("usage: check_imports.py ALLOW_LIST PROGRAM...")
        return 2
    allowed = read_allow_list(argv[1])
    failed = False
    for path in argv[2:]:
        try:
            problems = problems_of(path, allowed)
        except (OSError, BadImage, struct.error) as e:
            problems = ["%s: cannot read the image: %s" % (os.path.basename(path), e)]
        for p in problems:
            print(p)
        print("%s: %s" % (os.path.basename(path), "refused" if problems else "ok"))
        failed = failed or bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
