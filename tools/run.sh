#!/bin/bash
# Runs zep.exe on the simulated notebook: builds what is missing, brings the simulated
# notebook up behind \\.\vovudo in the build tree's private Wine prefix, and starts the
# program on it.
#   tools/run.sh                  the shipped five-page program (BUILD/shipped/app/zep.exe)
#   TARVELL_PAGES=6 tools/run.sh  the six-page program with Power Management (BUILD/shipped/app6/zep.exe)
# With DISPLAY set, zep.exe opens on that display and the command returns when it ends.
# Without a display it runs under a private Xvfb: a tour opens the sheet, every page,
# the right-click menu with its About box and the sheet's dialogs (each answered No or
# Cancel, so nothing is written), saves screenshots into ./screenshots/ and prints
# their paths.
# Settings persist in the simulated BIOS between runs, as a notebook's would.
#   TARVELL_PROFILE  the simulated machine (default "default"; others: simctl profiles)
#   TARVELL_BUILD    the build folder (default build/)
#   TARVELL_PAGES    5 (default) or 6: which of the two programs
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TARVELL_BUILD:-$root/build}"
profile="${TARVELL_PROFILE:-default}"
case "${TARVELL_PAGES:-5}" in
5) folder=app ;;
6) folder=app6 ;;
*)
    echo "run: TARVELL_PAGES must be 5 or 6" >&2
    exit 2
    ;;
esac

"$root/tools/setup.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
          -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target shipped vovudo simctl keepalive zeptour >/dev/null
"$root/tools/wine-env.sh" "$build"

export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}"
zep="$build/shipped/$folder/zep.exe"
simctl="$build/sim/control/simctl.exe"

if [ -n "${DISPLAY:-}" ]; then
    export WINEDLLOVERRIDES="mscoree,mshtml="
    wine "$simctl" profile "$profile"
    echo "run: $folder/zep.exe on $DISPLAY, simulated notebook \"$profile\""
    wine "$zep"
    exit 0
fi

# No display: a private X server, and no help viewer to wait for.
export WINEDLLOVERRIDES="mscoree,mshtml=;winhlp32.exe=d"
. "$root/tools/gui-session.sh"
trap gui_session_stop EXIT
trap 'exit 143' TERM INT
gui_session_start "$build/tools/keepalive/keepalive.exe"

wine "$simctl" profile "$profile"
shots="$PWD/screenshots"
mkdir -p "$shots"
echo "run: $folder/zep.exe under Xvfb $DISPLAY, simulated notebook \"$profile\"; screenshots:"

# The tour asks for each picture with a line "shot NAME" and goes on at our answer.
coproc TOUR { wine "$build/tests/e2e/zeptour.exe" tour "$zep"; }
tour_pid=$TOUR_PID
count=0
while IFS= read -r line <&"${TOUR[0]}"; do
    line="${line%$'\r'}"
    case "$line" in
    "shot "*)
        count=$((count + 1))
        file="$shots/$(printf '%02d' "$count")-${line#shot }.png"
        import -display "$DISPLAY" -window root "$file"
        echo "  $file"
        echo next >&"${TOUR[1]}"
        ;;
    *) echo "$line" ;;
    esac
done
status=0
wait "$tour_pid" || status=$?
exit "$status"
