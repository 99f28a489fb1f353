# Sourced by the real-window tests and the desktop cost script: starts a
# private Xvfb (1024 x 768, black root window) on the first free display
# number from FIRST to LAST, logging to LOG. On success it sets xvfb_pid and
# exports DISPLAY; otherwise xvfb_pid stays empty. The caller stops it.
start_private_display() {
    local first=$1 last=$2 log=$3 n
    xvfb_pid=
    for n in $(seq "$first" "$last"); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -br -nolisten tcp >"$log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
        # Someone else took the number first: try the next one.
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=
    done
    return 1
}
