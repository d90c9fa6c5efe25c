#!/bin/bash
# Installs what is missing, builds everything and runs every test.
#   tools/test.sh [ctest arguments...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TARVELL_BUILD:-$root/build}"

"$root/tools/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"
"$root/tools/wine-env.sh" "$build"
cd "$build"
ctest --output-on-failure "$@"
