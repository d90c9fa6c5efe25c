#!/bin/bash
# Runs zep.exe on the simulated notebook: builds what is missing, brings the simulated
# notebook up behind \\.\vovudo in the build tree's private Wine prefix, and starts the
# program on it.
#   tools/run.sh                  the shipped five-page program (BUILD/shipped/app/zep.exe)
#   TARVELL_PAGES=6 tools/run.sh  the six-page program with Power Management (BUILD/shipped/app6/zep.exe)
# With DISPLAY set, zep.exe opens on that display and the command returns when it ends.
# Without a display it runs under a private Xvfb: a tour opens the sheet, every page,
# the right-click menu with its About box, the sheet's dialogs and messages (answered
# No or Cancel; the one change it applies it also takes back), and the start-up
# password prompt (a setup password is set for it and taken away), in English and in
# Japanese, saves screenshots into ./screenshots/ with an index.html that shows them
# side by side, and prints where they are.
# Settings persist in the simulated BIOS between runs, as a notebook's would.
#   TARVELL_PROFILE  the simulated machine (default "default"; others: simctl profiles)
#   TARVELL_BUILD    the build folder (default build/)
#   TARVELL_PAGES    5 (default) or 6: which of the two programs; without a display
#                    the tour takes both unless it is set
#   TARVELL_LANG     en or ja (tools/lang-env.sh); the tour takes both unless it is set
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

. "$root/tools/lang-env.sh"
if [ -n "${DISPLAY:-}" ]; then
    tarvell_lang_env
    export WINEDLLOVERRIDES="mscoree,mshtml="
    wine "$simctl" profile "$profile"
    echo "run: $folder/zep.exe on $DISPLAY, simulated notebook \"$profile\""
    wine "$zep"
    exit 0
fi

# No display: a private X server per program and language, and no help viewer.
export WINEDLLOVERRIDES="mscoree,mshtml=;winhlp32.exe=d"
. "$root/tools/gui-session.sh"
trap gui_session_stop EXIT
trap 'exit 143' TERM INT

# The programs the tour shows: both, unless TARVELL_PAGES picks one.
programs=("$zep")
if [ -z "${TARVELL_PAGES:-}" ]; then
    programs=("$build/shipped/app/zep.exe" "$build/shipped/app6/zep.exe")
fi
languages=(en ja)
if [ -n "${TARVELL_LANG:-}" ]; then
    languages=("$TARVELL_LANG")
fi
shots="$PWD/screenshots"
rm -rf "$shots"
mkdir -p "$shots"

# take_shots PROGRAM FOLDER: runs the tour of PROGRAM and saves the pictures it asks
# for (each with a line "shot NAME<tab>TITLE<tab>GEOMETRY") into FOLDER, numbered on
# from $count, listed in FOLDER/shots.tsv as NAME, TITLE, FILE.
take_shots() {
    local line name title geometry file status=0
    coproc TOUR { wine "$build/tools/tour/zeptour.exe" tour "$1"; }
    local tour_pid=$TOUR_PID
    while IFS= read -r line <&"${TOUR[0]}"; do
        line="${line%$'\r'}"
        case "$line" in
        "shot "*)
            IFS=$'\t' read -r name title geometry <<<"${line#shot }"
            count=$((count + 1))
            file="$(printf '%02d' "$count")-$name.png"
            import -display "$DISPLAY" -window root -crop "$geometry" +repage "$2/$file"
            printf '%s\t%s\t%s\n' "$name" "$title" "$file" >>"$2/shots.tsv"
            echo "  $2/$file"
            echo next >&"${TOUR[1]}"
            ;;
        *) echo "$line" ;;
        esac
    done
    wait "$tour_pid" || status=$?
    return "$status"
}

# tour PROGRAM LANGUAGE FOLDER: pictures of one program in one language; then, with a
# setup password set for the while, the start-up prompt and its wrong-password message.
tour() {
    local program="$1" folder="$3" count=0 status=0 password
    mkdir -p "$folder"
    : >"$folder/shots.tsv"
    (
        TARVELL_LANG="$2"
        tarvell_lang_env
        gui_session_start "$build/tools/keepalive/keepalive.exe"
        wine "$simctl" profile "$profile" >/dev/null
        take_shots "$program" "$folder" || status=$?
        password="$(wine "$simctl" get setupPassword | tr -d '\r')"
        wine "$simctl" set setupPassword 1e,30 >/dev/null
        take_shots "$program" "$folder" || status=$?
        wine "$simctl" set setupPassword "$password" >/dev/null
        gui_session_stop
        exit "$status"
    )
}

echo "run: zep.exe under Xvfb, simulated notebook \"$profile\"; screenshots:"
status=0
for program in "${programs[@]}"; do
    name="$(basename "$(dirname "$program")")-$(basename "$program" .exe)"
    for language in "${languages[@]}"; do
        tour "$program" "$language" "$shots/$name/$language" || status=$?
    done
done
python3 "$root/tools/tour-index.py" "$shots"
echo "  $shots/index.html"
exit "$status"
