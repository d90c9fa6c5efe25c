# Sourced by scripts that run Windows programs on a private X server: starts Xvfb and
# the keep-alive program (the first program of the Wine session, so windows go to our
# display and Wine's desktop process stays up between programs), and stops both, by
# process id, together with the prefix's Wine session.
#   . tools/gui-session.sh
#   gui_session_start KEEPALIVE_EXE   sets DISPLAY, GUI_XVFB_PID, GUI_KEEPALIVE_PID
#   gui_session_stop                  safe to call more than once
# WINEPREFIX must be set. Needs the caller's `root` (the source tree).

GUI_XVFB_PID=""
GUI_KEEPALIVE_PID=""

gui_session_start() {
    local keepalive="$1" session
    # A session still running in this prefix keeps its own display: let it end first.
    wineserver -w
    session="$("$root/tools/xvfb-session.sh" start)"
    GUI_XVFB_PID="${session##*XVFB_PID=}"
    session="${session%% *}"
    export DISPLAY="${session#DISPLAY=}"
    wine "$keepalive" &
    GUI_KEEPALIVE_PID=$!
}

gui_session_stop() {
    if [ -n "$GUI_KEEPALIVE_PID" ]; then
        kill "$GUI_KEEPALIVE_PID" 2>/dev/null || true
        GUI_KEEPALIVE_PID=""
    fi
    # Ends the rest of this prefix's session (programs, the driver host).
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ -n "$GUI_XVFB_PID" ]; then
        "$root/tools/xvfb-session.sh" stop "$GUI_XVFB_PID" || true
        GUI_XVFB_PID=""
    fi
}
