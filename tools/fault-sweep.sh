#!/bin/bash
# Runs the fault sweep against both shipped zep.exe programs on the simulated notebook and prints
# its table: every request of every scenario failed in four ways, each run judged.
#   tools/fault-sweep.sh [BUILD_DIR] [--smoke] [--seed N] [--scenario NAME]... [--counts]
# BUILD_DIR defaults to build/ (built with tools/test.sh or cmake --build).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
if [ $# -gt 0 ] && [ -d "$1" ]; then
    build="$(cd "$1" && pwd)"
    shift
fi
sweep="$build/tools/sweep/fault_sweep.exe"
if [ ! -f "$sweep" ]; then
    echo "fault-sweep: $sweep is not built (cmake --build $build --target fault_sweep shipped)" >&2
    exit 1
fi
export TARVELL_ZEP_EXE="$build/shipped/app/zep.exe" TARVELL_ZEP6_EXE="$build/shipped/app6/zep.exe"
exec "$root/tests/e2e/run-e2e.sh" "$build" "$sweep" "$@"
