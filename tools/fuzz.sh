#!/bin/bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each in turn, one process at a time, from the seeds in tests/fuzz/corpus:
#   tools/fuzz.sh [seconds]   every target for that many seconds (default 30)
#   tools/fuzz.sh --long      every target until it has run 1,000,000 inputs
# Prints executions and findings per target; findings are kept in build/fuzz/findings
# and make the command fail.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TARVELL_FUZZ_BUILD:-$root/build/fuzz}"

case "${1:-30}" in
--long) limit=(-runs=1000000) ;;
*[!0-9]* | "") echo "usage: tools/fuzz.sh [seconds | --long]" >&2; exit 2 ;;
*) limit=(-max_total_time="${1:-30}") ;;
esac

cmake -S "$root/tests/native" -B "$build" -DTARVELL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

mkdir -p "$build/findings"
total=0
printf '%-20s %12s %9s %8s\n' target executions seconds findings
for exe in "$build"/fuzz/fuzz_*; do
    name="${exe##*/fuzz_}"
    work="$build/corpus/$name" # new inputs go here, never into the committed seeds
    mkdir -p "$work" "$root/tests/fuzz/corpus/$name"
    rm -f "$build/findings/$name-"*
    log="$build/$name.log"
    start=$SECONDS
    "$exe" -print_final_stats=1 -timeout=10 -artifact_prefix="$build/findings/$name-" \
        "${limit[@]}" "$work" "$root/tests/fuzz/corpus/$name" >"$log" 2>&1 || true
    runs=$(grep -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
    [ -n "$runs" ] || runs=$(grep -o '^#[0-9]*' "$log" | tr -d '#' | tail -1)
    found=$(find "$build/findings" -name "$name-*" | wc -l)
    total=$((total + found))
    printf '%-20s %12s %9s %8s\n' "$name" "${runs:-0}" $((SECONDS - start)) "$found"
done
if [ "$total" -ne 0 ]; then
    echo "findings: $total (inputs in $build/findings, logs in $build/*.log)"
    exit 1
fi
