#!/bin/bash
# Starts or stops a private X server for GUI test runs.
#   tools/xvfb-session.sh start [FIRST_DISPLAY]  starts Xvfb on the first free display
#                                                 number from FIRST_DISPLAY (default 90)
#                                                 and prints: DISPLAY=:N XVFB_PID=PID
#   tools/xvfb-session.sh stop PID               stops the Xvfb with that process id
set -euo pipefail

start() {
    local display="${1:-90}"
    while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    # Its output goes nowhere, so a caller reading ours with $(...) is not held open.
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    local pid=$!
    for _ in $(seq 100); do
        if [ -e "/tmp/.X11-unix/X$display" ]; then
            echo "DISPLAY=:$display XVFB_PID=$pid"
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    echo "xvfb-session: Xvfb did not start on :$display" >&2
    return 1
}

stop() {
    local pid="$1"
    if [ "$(ps -o comm= -p "$pid" 2>/dev/null)" != "Xvfb" ]; then
        echo "xvfb-session: process $pid is not an Xvfb" >&2
        return 1
    fi
    kill "$pid"
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
}

case "${1:-}" in
start) start "${2:-90}" ;;
stop) [ $# -eq 2 ] || { echo "usage: $0 stop PID" >&2; exit 2; }; stop "$2" ;;
*) echo "usage: $0 start [FIRST_DISPLAY] | stop PID" >&2; exit 2 ;;
esac
