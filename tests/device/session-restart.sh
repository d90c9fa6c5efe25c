#!/bin/bash
# Settings changed through the BIOS and the machine chosen through the control request
# outlast the Wine session: apply, end the session, read back in a fresh one.
#   session-restart.sh WINE_RUN TEST_PROGRAM WINEPREFIX
set -euo pipefail
wine_run="$1" program="$2"
export WINEPREFIX="$3"

step() {
    echo "== $1"
    "$wine_run" "$program" --gtest_also_run_disabled_tests \
        --gtest_filter="SessionRestart.DISABLED_$1" --gtest_brief=1
}
restart_session() {
    echo "== ending the Wine session"
    wineserver -k 2>/dev/null || true
    wineserver -w
}
trap 'step Restore >/dev/null || true; wineserver -w' EXIT

step ApplyChanges
restart_session
step ChangesSurvived
