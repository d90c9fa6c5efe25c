#!/usr/bin/env python3
"""Runs the art generator into a scratch folder and compares every file it makes
with the committed res/art: a stale picture, a missing one or a generator that
no longer gives the same bytes twice all fail here.

    check_art.py GENERATOR ART_DIR
"""

import filecmp
import os
import subprocess
import sys
import tempfile


def main(argv):
    generator, art = argv[1], argv[2]
    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run([sys.executable, generator, scratch], check=True, stdout=subprocess.DEVNULL)
        made = sorted(os.listdir(scratch))
        committed = sorted(n for n in os.listdir(art) if n.endswith((".bmp", ".ico")))
        problems = ["%s: made but not committed" % n for n in made if n not in committed]
        problems += ["%s: committed but no longer made" % n for n in committed if n not in made]
        problems += ["%s: differs from what the generator makes" % n for n in made
                     if n in committed and not filecmp.cmp(os.path.join(scratch, n),
                                                           os.path.join(art, n), shallow=False)]
    for p in problems:
        print(p)
    print("%d files checked, %d problems" % (len(made), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
