#!/bin/bash
# Prepares the build tree's private Wine prefix (never the user's own).
#   tools/wine-env.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
export WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    # Without a window manager, every window close otherwise waits about 2 s.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
fi
