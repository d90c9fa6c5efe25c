#!/bin/bash
# Types the setup password through X, as a keyboard does: xdotool's key events reach the
# program through Wine as WM_KEYDOWN and WM_CHAR carrying the keys' real scan codes.
# Checks the codes the BIOS was asked to check, and that the sheet follows.
# Runs inside run-e2e.sh (DISPLAY and WINEPREFIX set) with TARVELL_ZEP_EXE,
# E2E_SIMCTL_EXE and E2E_TOUR_EXE naming the programs.
set -euo pipefail

fail() {
    echo "keyboard-password: FAILED: $*" >&2
    exit 1
}
simctl() {
    wine "$E2E_SIMCTL_EXE" "$@" | tr -d '\r'
}

simctl reset >/dev/null
# The password is the keys A, 1 and Z: set-1 scan codes 1E 02 2C.
simctl set setupPassword 1e,02,2c >/dev/null
simctl clear-log >/dev/null

wine "$TARVELL_ZEP_EXE" &
zep_pid=$!
trap 'kill "$zep_pid" 2>/dev/null || true' EXIT

# --sync looks twice a second; the first window of a session can take a while.
prompt="$(timeout 90 xdotool search --sync --onlyvisible --name '^Tarvell$' | head -n 1)" ||
    fail "no password prompt appeared"
xdotool windowfocus "$prompt"
for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus)" = "$prompt" ] && break
    sleep 0.2
done
[ "$(xdotool getwindowfocus)" = "$prompt" ] || fail "the prompt did not get the keyboard focus"

# Shift changes the character, not the key; the space is no password key and is refused.
xdotool type --delay 150 'A1 z'
xdotool key Return

wine "$E2E_TOUR_EXE" wait-sheet 30 || fail "no sheet after the right password"

log="$(simctl log)"
checks="$(printf '%s\n' "$log" |
    awk '/^#[0-9]+ / { show = ($2 == "SetChkSetupPasswd" && $4 == "BX=0308") } show')"
[ "$(grep -c '^#' <<<"$checks")" = 1 ] || fail "expected one password check, log: $log"
grep -q 'ecx=00000003' <<<"$checks" || fail "expected 3 keys, check: $checks"
grep -q 'buffer read 3 bytes: 1E 02 2C$' <<<"$checks" || fail "wrong scan codes: $checks"
printf '%s\n' "$log" | awk '/SetChkSetupPasswd AX=9610 BX=0308/ { seen = 1 }
    seen && /SetHotkeyButton AX=9612 BX=0005/ { found = 1 } END { exit !found }' ||
    fail "the sheet did not follow the check: $log"

wine "$E2E_TOUR_EXE" close-sheet || fail "the sheet did not close"
for _ in $(seq 150); do
    kill -0 "$zep_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$zep_pid" 2>/dev/null && fail "the program did not end"
echo "keyboard-password: the BIOS checked scan codes 1E 02 2C typed through X; sheet shown"
