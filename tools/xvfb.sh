# Starts a private virtual display when there is none; sourced by scripts that show windows.
# Sets DISPLAY and VEX_XVFB_PID; vex_xvfb_stop ends the display it started, by its process id.
VEX_XVFB_PID=""
vex_xvfb_start() {
    [[ -n "${DISPLAY:-}" ]] && return 0
    local n
    for n in $(seq 91 160); do
        [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    VEX_XVFB_PID=$!
    export DISPLAY=":$n"
    local tries
    for tries in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    vex_say "display: started a private virtual display $DISPLAY (process $VEX_XVFB_PID)"
}
vex_xvfb_stop() {
    if [[ -n "$VEX_XVFB_PID" ]]; then
        kill "$VEX_XVFB_PID" 2>/dev/null || true
        wait "$VEX_XVFB_PID" 2>/dev/null || true
        VEX_XVFB_PID=""
    fi
}
