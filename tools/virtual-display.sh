# Sourced by the scripts that need an X display: starts Xvfb on a free display number, exports DISPLAY and
# stops the server when the calling script exits.
start_virtual_display() {
    number=90
    while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
        number=$((number + 1))
    done
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null || true' EXIT INT TERM
    DISPLAY=":$number"
    export DISPLAY
    tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "Xvfb did not start on $DISPLAY" >&2; return 1; }
        sleep 0.1
    done
}
