#!/bin/bash
# Runs a Windows program in the build tree's Wine prefix in a given language and at a
# given screen DPI, and puts the prefix back to 96 DPI afterwards.
#   tools/wine-session.sh BUILD_DIR en|ja 96|120 PROGRAM [ARGUMENTS...]
# Wine reads the DPI from the prefix's registry when a process starts, so whatever
# else runs in the prefix meanwhile sees the same DPI.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -lt 4 ]; then
    echo "usage: $0 BUILD_DIR en|ja 96|120 PROGRAM [ARGUMENTS...]" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
export TARVELL_LANG="$2"
dpi="$3"
shift 3
. "$root/tools/lang-env.sh"
tarvell_lang_env || exit 2

export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winhlp32.exe=d}"
set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
if [ "$dpi" != 96 ]; then
    set_dpi "$dpi"
    trap 'set_dpi 96' EXIT
fi
wine "$@"
