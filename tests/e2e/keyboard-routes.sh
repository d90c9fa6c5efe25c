#!/bin/bash
# The routes besides typing that change a password field's selection or text: Ctrl+A,
# the field's context menu, Delete and Backspace over a selection, Shift and Ctrl with
# the caret keys, and the mouse. Each is worked through X with xdotool, as a user does:
# type keys, take the route, type one more key; then the masks shown must be exactly
# the codes the BIOS receives. First in the start-up prompt (the BIOS checks what was
# typed), then in the Change Setup Password dialog (Apply stores it).
# Runs inside run-e2e.sh (DISPLAY and WINEPREFIX set) with TARVELL_ZEP_EXE,
# E2E_SIMCTL_EXE and E2E_TOUR_EXE naming the programs.
set -euo pipefail

fail() {
    echo "keyboard-routes: FAILED: $*" >&2
    exit 1
}
simctl() {
    wine "$E2E_SIMCTL_EXE" "$@" | tr -d '\r'
}
tour() {
    wine "$E2E_TOUR_EXE" "$@" | tr -d '\r'
}
keys() {
    xdotool key --delay 150 "$@"
}
typed() {
    xdotool type --delay 150 "$1"
}
# Set-1 scan codes of the keys typed.
declare -A code=([a]=1E [b]=30 [c]=2E [d]=20)
codes_of() {
    local keys="$1" out="" i
    for ((i = 0; i < ${#keys}; i++)); do
        out+="${out:+ }${code[${keys:i:1}]}"
    done
    printf '%s' "$out"
}

# Gives the X window of the visible window titled $1 the keyboard focus; prints its id.
focus_window() {
    local window
    window="$(timeout 90 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)" ||
        fail "no window \"$1\" appeared"
    for _ in $(seq 50); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && break
        xdotool windowfocus "$window" 2>/dev/null || true
        sleep 0.2
    done
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] ||
        fail "\"$1\" did not get the keyboard focus"
    printf '%s' "$window"
}
wait_gone() {
    for _ in $(seq 75); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    fail "\"$1\" stayed open"
}
# Moves the mouse to the middle of field $2 of the dialog titled $1 and waits until
# the pointer is there; sets x and y.
point_at() {
    read -r x y <<<"$(tour center "$1" "$2")" || fail "field $2 of \"$1\" not found"
    xdotool mousemove --sync "$x" "$y"
}
# Every SetChkSetupPasswd request with mode $1 (3 check, 2 store) since the log was
# cleared, one a line: the count it carried (ECX) and the bytes it handed over.
bios_got() {
    simctl log | awk -v bx="BX=0${1}08" '
        /^#[0-9]+ / {
            if (show) print line
            show = ($2 == "SetChkSetupPasswd" && $4 == bx); line = ""
        }
        show && /^ +in / { match($0, /ecx=[0-9A-F]+/); line = substr($0, RSTART + 4, 8) }
        show && /^ +buffer / { sub(/.*bytes:/, ""); line = line $0 }
        END { if (show) print line }'
}
# What bios_got shows for a request that carried the keys $1.
request_of() {
    printf '%08X %s' "${#1}" "$(codes_of "$1")"
}

# Each route, in the field with id $2 of the dialog titled $1: keys before, the route,
# one key after. Each prints the keys the field must hold afterwards.
route_select_all() {
    typed ab
    keys ctrl+a
    typed c
    echo c
}
route_select_all_then_delete() {
    typed ab
    keys ctrl+a Delete
    typed c
    echo c
}
route_select_all_then_backspace() {
    typed ab
    keys ctrl+a BackSpace
    typed c
    echo c
}
route_context_menu_by_mouse() {
    typed ab
    point_at "$1" "$2"
    xdotool click 3
    tour no-menu || fail "a context menu opened in field $2 of \"$1\""
    typed c
    echo abc
}
route_context_menu_by_keys() {
    typed ab
    keys Menu
    tour no-menu || fail "a context menu opened in field $2 of \"$1\""
    typed c
    echo abc
}
route_shift_caret_keys() {
    typed a
    keys shift+Left shift+Right shift+Up shift+Down shift+Home shift+End shift+Prior shift+Next
    typed b
    echo ab
}
route_ctrl_caret_keys() {
    typed a
    keys ctrl+shift+Left ctrl+shift+Home ctrl+shift+End ctrl+Left ctrl+Right ctrl+Home ctrl+End Home
    typed b
    echo ab
}
route_double_click() {
    typed ab
    point_at "$1" "$2"
    xdotool click --repeat 2 --delay 100 1
    typed c
    echo c
}
# Pressed right of the masks, dragged left past them and let go: each step waits for
# the field to show it (the capture taken, every mask selected, the capture let go).
route_drag() {
    typed ab
    point_at "$1" "$2"
    xdotool mousemove --sync "$((x + 40))" "$y" mousedown 1
    tour wait-drag "$1" "$2" held || fail "field $2 of \"$1\" did not take the mouse"
    xdotool mousemove --sync "$((x - 10))" "$y" mousemove --sync "$((x - 50))" "$y"
    tour wait-drag "$1" "$2" all || fail "the drag did not select the masks of field $2"
    xdotool mouseup 1
    tour wait-drag "$1" "$2" free || fail "field $2 of \"$1\" kept the mouse"
    typed c
    echo c
}

simctl reset >/dev/null
# The setup password is the key C alone.
simctl set setupPassword 2e >/dev/null
simctl clear-log >/dev/null

wine "$TARVELL_ZEP_EXE" &
zep_pid=$!
trap 'kill "$zep_pid" 2>/dev/null || true' EXIT

# The prompt: a wrong try, then the right one; the BIOS checks what the masks show.
prompt=Tarvell
focus_window "$prompt" >/dev/null
route_select_all_then_delete "$prompt" 1154 >/dev/null
typed d
[ "$(tour masks "$prompt" 1154)" = 2 ] || fail "prompt: not 2 masks after a b Ctrl+A Delete c d"
keys Return
focus_window zep >/dev/null
keys Return
wait_gone zep
focus_window "$prompt" >/dev/null
route_select_all "$prompt" 1154 >/dev/null
[ "$(tour masks "$prompt" 1154)" = 1 ] || fail "prompt: not 1 mask after a b Ctrl+A c"
keys Return
wine "$E2E_TOUR_EXE" wait-sheet 30 || fail "no sheet after the right password"
checks="$(bios_got 3)"
[ "$checks" = "$(request_of cd)"$'\n'"$(request_of c)" ] ||
    fail "the prompt's checks got \"$checks\", not 2 codes 2E 20, then 1 code 2E"
echo "keyboard-routes: prompt: the BIOS checked exactly the keys the masks showed"

# The change dialog (its box is set: the notebook has a setup password): one run and
# one Apply per route, a variant of it in each field. Both fields must end with the
# same keys, or the dialog reports a mismatch and stays open.
dialog="Change Setup Password"
password_page=3 change_setup=1181 new_field=1304 confirm_field=1301
run_dialog() {
    local name="$1" new_route="$2" confirm_route="$3" expect_new expect_confirm
    simctl clear-log >/dev/null
    tour press "$password_page" "$change_setup" || fail "$name: the change button was not pressed"
    focus_window "$dialog" >/dev/null
    point_at "$dialog" "$new_field"
    xdotool click 1
    expect_new="$("$new_route" "$dialog" "$new_field")"
    point_at "$dialog" "$confirm_field"
    xdotool click 1
    expect_confirm="$("$confirm_route" "$dialog" "$confirm_field")"
    [ "$expect_new" = "$expect_confirm" ] || fail "$name: the two routes expect different keys"
    local masks
    masks="$(tour masks "$dialog" "$new_field" "$confirm_field")"
    [ "$masks" = "${#expect_new} ${#expect_new}" ] ||
        fail "$name: the fields show \"$masks\" masks, not ${#expect_new} each"
    keys Return
    wait_gone "$dialog"
    tour apply || fail "$name: Apply was not pressed"
    local stored
    stored="$(bios_got 2)"
    [ "$stored" = "$(request_of "$expect_new")" ] ||
        fail "$name: the BIOS stored \"$stored\", the fields showed keys \"$expect_new\""
    echo "keyboard-routes: $name: the BIOS stored $stored, as the masks showed"
}
run_dialog "Ctrl+A" route_select_all route_select_all
run_dialog "Delete and Backspace" route_select_all_then_delete route_select_all_then_backspace
run_dialog "context menu" route_context_menu_by_mouse route_context_menu_by_keys
run_dialog "Shift and Ctrl with caret keys" route_shift_caret_keys route_ctrl_caret_keys
run_dialog "mouse" route_double_click route_drag

wine "$E2E_TOUR_EXE" close-sheet || fail "the sheet did not close"
for _ in $(seq 150); do
    kill -0 "$zep_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$zep_pid" 2>/dev/null && fail "the program did not end"
echo "keyboard-routes: every route kept the masks and the codes in step"
