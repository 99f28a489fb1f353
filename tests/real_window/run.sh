#!/usr/bin/env bash
# Real-window test: starts tarvik on an X display, waits for the main screen,
# screenshots it, checks a few pixels of what must be drawn, clicks the end
# button and checks that the program exits.
#
# Usage: run.sh TARVIK_BINARY OUTPUT_DIR
# With no DISPLAY, or when CI is set, the test runs on its own Xvfb on a free
# display number and stops it afterwards. Needs Xvfb, xdotool and ImageMagick.

set -u

. "$(dirname "$0")/x_session.sh"
begin_real_window_test "$@"

fail() {
    echo "real_window: FAIL: $*" >&2
    exit 1
}

for tool in xdotool import convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -x "$binary" ] || fail "no program at $binary"

if [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; then
    command -v Xvfb >/dev/null || fail "Xvfb is not installed"
    start_private_display 90 140 "$out/xvfb.log" || fail "could not start Xvfb on any display from :90 to :140"
fi
echo "real_window: display $DISPLAY"

# A pixel of a screenshot as "R,G,B".
pixel() {
    convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}

"$binary" >"$out/tarvik.log" 2>&1 &
tarvik_pid=$!

splash=$(find_window Form4 10 "$tarvik_pid") || fail "the splash screen did not appear"
echo "real_window: splash screen is window $splash"

main=$(find_window Form1 30 "$tarvik_pid") || fail "the main screen did not appear"
echo "real_window: main screen is window $main"
# Let it paint.
sleep 1
shot="$out/main_screen.png"
import -window "$main" "$shot" || fail "could not take a screenshot"

check_pixel() {
    local name=$1 x=$2 y=$3 test=$4 value r g b
    value=$(pixel "$shot" "$x" "$y") || fail "could not read pixel $x,$y"
    IFS=, read -r r g b <<<"$value"
    if eval "$test"; then
        echo "real_window: $name at $x,$y is $value"
    else
        fail "$name at $x,$y is $value (wanted $test)"
    fi
}
# The green field left of the first lot column, the pale-yellow clock box
# left of the clock's text, and the black left panel.
check_pixel "field" 198 300 '[ "$g" -gt 100 ] && [ "$r" -lt $((g / 2)) ] && [ "$b" -lt $((g / 2)) ]'
check_pixel "clock box" 678 20 '[ "$r" -eq 255 ] && [ "$g" -eq 255 ] && [ "$b" -eq 128 ]'
check_pixel "panel" 10 300 '[ "$r" -eq 0 ] && [ "$g" -eq 0 ] && [ "$b" -eq 0 ]'

# The end button: pixel 60,20 is twip 900,300, right of its covered edge.
xdotool mousemove --window "$main" 60 20 click 1 || fail "could not click"
for _ in $(seq 50); do
    kill -0 "$tarvik_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$tarvik_pid" 2>/dev/null; then
    fail "tarvik still runs after a click on the end button"
fi
wait "$tarvik_pid"
status=$?
tarvik_pid=
[ "$status" -eq 0 ] || fail "tarvik exited with status $status"
echo "real_window: PASS"
