#!/bin/bash
# Runs a test command that creates windows: on the caller's display when there is
# one, otherwise on a private Xvfb started for the run and stopped after it.
#   tools/with-display.sh COMMAND [ARGUMENTS...]
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
session="$("$root/tools/xvfb-session.sh" start)" || exit 1
xvfb_pid="${session##*XVFB_PID=}"
display="${session%% *}"
export DISPLAY="${display#DISPLAY=}"
"$@"
status=$?
"$root/tools/xvfb-session.sh" stop "$xvfb_pid" || true
exit $status
