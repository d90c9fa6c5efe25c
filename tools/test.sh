#!/bin/bash
# Installs what is missing, builds everything and runs every test: the windows-free
# code natively under AddressSanitizer and UndefinedBehaviorSanitizer (build/native,
# host compiler and width), then the program and all its tests under Wine.
#   tools/test.sh [ctest arguments for the Wine run...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TARVELL_BUILD:-$root/build}"

"$root/tools/setup.sh"
cmake -S "$root/tests/native" -B "$build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/native" -j"$(nproc)"
ctest --test-dir "$build/native" --output-on-failure -j"$(nproc)"

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
"$root/tools/wine-env.sh" "$build"
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
