#!/bin/bash
# Starts or stops a private X server for GUI test runs.
#   tools/xvfb-session.sh start      starts Xvfb on a free display and prints:
#                                    DISPLAY=:N XVFB_PID=PID
#   tools/xvfb-session.sh stop PID  stops the Xvfb with that process id
set -euo pipefail

start() {
    # The server picks the first free display itself (-displayfd): runs started side by
    # side never race for the same number. It writes the number once it listens.
    local number_file
    number_file="$(mktemp)"
    # Its output goes nowhere, so a caller reading ours with $(...) is not held open.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 </dev/null &
    local pid=$!
    for _ in $(seq 100); do
        if [ -s "$number_file" ]; then
            echo "DISPLAY=:$(head -n1 "$number_file") XVFB_PID=$pid"
            rm -f "$number_file"
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    rm -f "$number_file"
    echo "xvfb-session: Xvfb did not start" >&2
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
start) start ;;
stop) [ $# -eq 2 ] || { echo "usage: $0 stop PID" >&2; exit 2; }; stop "$2" ;;
*) echo "usage: $0 start | stop PID" >&2; exit 2 ;;
esac
