#!/bin/bash
# Prepares the build tree's private Wine prefix (never the user's own), installs the
# simulated notebook's driver in it as an auto-start kernel service and gives it the
# power driver's registry flags the notebook's system has. Safe to rerun: when nothing
# changed it starts no Wine process at all.
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

# Japanese sessions: Wine's Japanese font faces come from the IPA fonts. Replacements
# apply only to faces that are missing, so English sessions draw as before.
if ! grep -q '^\[Software\\\\Wine\\\\Fonts\\\\Replacements\]' "$WINEPREFIX/user.reg"; then
    wine regedit /S "$(dirname "$0")/wine-japanese-fonts.reg" >/dev/null 2>&1
    wineserver -w
fi

driver="$build/sim/driver/vovudo.sys"
simctl="$build/sim/control/simctl.exe"
installed="$WINEPREFIX/drive_c/windows/system32/drivers/vovudo.sys"
if [ ! -f "$driver" ]; then
    echo "wine-env: $driver is not built; build the project first" >&2
    exit 1
fi

changed=no
if ! cmp -s "$driver" "$installed"; then
    # A running session keeps the old driver loaded: end it before replacing the file.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
    cp "$driver" "$installed"
    changed=yes
fi
# Auto start: the first process of every new session finds the device.
if ! grep -q '^\[System\\\\CurrentControlSet\\\\Services\\\\vovudo\]' "$WINEPREFIX/system.reg"; then
    wine sc create vovudo type= kernel start= auto \
        binPath= 'C:\windows\system32\drivers\vovudo.sys' >/dev/null 2>&1
    changed=yes
fi

# The power driver's "Flags" (REG_DWORD), as the notebook's system keeps them: bit 4 set
# means modem-ring resume is off, as on the simulated notebook at first start; bits 0 and
# 5 are the driver's own. Created only when missing: the program changes bit 4 later.
vpowerd_key='HKLM\System\CurrentControlSet\Services\VxD\VPOWERD'
vpowerd_flags=0x00000031
has_vpowerd_flags() {
    awk -v section='[System\\\\CurrentControlSet\\\\Services\\\\VxD\\\\VPOWERD]' '
        /^\[/ { inside = index($0, section) == 1 }
        inside && /^"Flags"=/ { found = 1 }
        END { exit !found }' "$WINEPREFIX/system.reg"
}
flags_added=no
if ! has_vpowerd_flags; then
    wine reg add "$vpowerd_key" /v Flags /t REG_DWORD /d "$vpowerd_flags" /f >/dev/null 2>&1
    flags_added=yes
fi

if [ "$changed" = yes ]; then
    # Already running (error 1056) is fine: the service starts with the session.
    wine sc start vovudo >/dev/null 2>&1 || true
    if [ -f "$simctl" ] && ! wine "$simctl" status; then
        echo "wine-env: the simulated notebook's driver did not start" >&2
        wineserver -k >/dev/null 2>&1 || true
        exit 1
    fi
    wineserver -w
fi
if [ "$flags_added" = yes ] && [ "$changed" = no ]; then
    wineserver -w
fi
