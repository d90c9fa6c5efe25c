#!/bin/bash
# Start-up benchmark: zep.exe against a bare one-page property sheet built with the same
# compiler and flags, launched interleaved in one Wine session; prints figures only.
# Then the BIOS requests of each scenario (against the expected count), and the size and
# imported DLLs of the shipped zep.exe.
#   tools/startup-bench.sh [BUILD_DIR] [LAUNCHES]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
if [ $# -gt 0 ] && [ -d "$1" ]; then
    build="$(cd "$1" && pwd)"
    shift
fi
launches="${1:-15}"
zep="$build/shipped/app/zep.exe"
bare="$build/shipped/tools/bench/bare_sheet.exe"
bench="$build/tools/bench/startup_bench.exe"
for file in "$zep" "$bare" "$bench" "$build/tools/sweep/fault_sweep.exe"; do
    if [ ! -f "$file" ]; then
        echo "startup-bench: $file is not built" >&2
        exit 1
    fi
done

echo "machine: $(nproc) CPU(s), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg)"
if [ -d /proc/sys/fs/binfmt_misc ] && grep -qs qemu /proc/sys/fs/binfmt_misc/* 2>/dev/null; then
    echo "note: 32-bit Wine runs through QEMU user-mode emulation here; times are inflated"
fi
"$root/tests/e2e/run-e2e.sh" "$build" "$bench" "$zep" "$bare" "$launches"
echo
"$root/tools/fault-sweep.sh" "$build" --counts | sed -n '/requests per scenario/,$p'
echo
python3 -c "
import os, sys
sys.path.insert(0, '$root/tools')
import check_imports
path = '$zep'
image = check_imports.PeImage(open(path, 'rb').read())
dlls = sorted({dll for dll, _ in image.imports()}, key=str.upper)
print('zep.exe: %d bytes (%.2f MB); imports %s' % (os.path.getsize(path), os.path.getsize(path) / 1048576.0, ', '.join(dlls)))
"
