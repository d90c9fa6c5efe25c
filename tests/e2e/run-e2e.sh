#!/bin/bash
# Runs one end-to-end test command in a Wine session of its own: a private Xvfb, the
# build tree's Wine prefix with the simulated notebook's driver, and a keep-alive
# program; afterwards it stops everything it started, by process id.
#   tests/e2e/run-e2e.sh BUILD_DIR COMMAND [ARGUMENTS...]
# A COMMAND ending in .exe runs under wine; anything else runs as it is. Either way
# DISPLAY, WINEPREFIX and E2E_BUILD are set for it.
#   TARVELL_LANG  the session's language: en (default) or ja (tools/lang-env.sh)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
if [ $# -lt 2 ]; then
    echo "usage: $0 BUILD_DIR COMMAND [ARGUMENTS...]" >&2
    exit 2
fi
build="$(cd "$1" && pwd)"
shift

export E2E_BUILD="$build"
. "$root/tools/lang-env.sh"
tarvell_lang_env
export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}"
# Help requests fail at once instead of opening the help viewer's error box.
export WINEDLLOVERRIDES="mscoree,mshtml=;winhlp32.exe=d"

keepalive="$build/tools/keepalive/keepalive.exe"
if [ ! -f "$keepalive" ]; then
    echo "run-e2e: $keepalive is not built; build the project first" >&2
    exit 1
fi
"$root/tools/wine-env.sh" "$build"

. "$root/tools/gui-session.sh"
simctl="$build/sim/control/simctl.exe"
cleanup() {
    # Leave the build tree's notebook as a fresh one, not as the last test left it.
    if [ -n "$GUI_KEEPALIVE_PID" ] && [ -f "$simctl" ]; then
        wine "$simctl" reset >/dev/null 2>&1 || true
    fi
    gui_session_stop
}
trap cleanup EXIT
trap 'exit 143' TERM INT

gui_session_start "$keepalive"
# Tests start it again after something ended the session's programs.
export E2E_KEEPALIVE_EXE="$keepalive"

status=0
case "$1" in
*.exe) wine "$@" || status=$? ;;
*) "$@" || status=$? ;;
esac
exit "$status"
