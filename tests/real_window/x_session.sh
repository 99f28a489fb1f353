# Sourced by the real-window tests and the desktop cost script: a private X
# display and the window look-ups they share.

# begin_real_window_test "$@": the common start of a real-window test. Takes
# the arguments TARVIK_BINARY OUTPUT_DIR into binary and out, and stops the
# program, the window manager and the X server, whichever were started
# (tarvik_pid, wm_pid, xvfb_pid), when the test exits.
begin_real_window_test() {
    if [ $# -ne 2 ]; then
        echo "usage: $0 TARVIK_BINARY OUTPUT_DIR" >&2
        exit 2
    fi
    binary=$1
    out=$2
    mkdir -p "$out" || exit 2
    xvfb_pid=
    wm_pid=
    tarvik_pid=
    trap 'stop_process "$tarvik_pid"; stop_process "$wm_pid"; stop_process "$xvfb_pid"' EXIT
    trap 'exit 1' INT TERM
}

# stop_process PID: ends a process the script started, if it still runs.
stop_process() {
    if [ -n "$1" ] && kill -0 "$1" 2>/dev/null; then
        kill "$1" 2>/dev/null
        wait "$1" 2>/dev/null
    fi
}

# Starts a private Xvfb (1024 x 768, black root window) on the first free
# display number from FIRST to LAST, logging to LOG. On success it sets
# xvfb_pid and exports DISPLAY; otherwise xvfb_pid stays empty. The caller
# stops it.
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

# find_window TITLE SECONDS PID [--all]: prints the first window whose title
# is exactly TITLE, waiting up to SECONDS while the program PID runs; --all
# also finds hidden windows.
find_window() {
    local title=$1 limit=$2 pid=$3 visible=--onlyvisible id
    [ "${4:-}" = --all ] && visible=
    for _ in $(seq $((limit * 20))); do
        id=$(xdotool search $visible --name "^$title\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# start_window_manager DIR: starts a private openbox with its stock settings,
# whatever the user's are, keeping its files in DIR. Sets wm_pid; returns 1
# when no window manager answers.
start_window_manager() {
    local dir=$1
    export XDG_CONFIG_HOME=$dir/config XDG_CACHE_HOME=$dir/cache XDG_RUNTIME_DIR=$dir/runtime
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" && mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    openbox --sm-disable >"$dir/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 50); do
        wmctrl -m >/dev/null 2>&1 && return 0
        kill -0 "$wm_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
