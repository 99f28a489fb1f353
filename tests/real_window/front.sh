#!/usr/bin/env bash
# Real-window test of which window is in front, under a window manager, judged
# by what the window manager says (the active window, _NET_ACTIVE_WINDOW; the
# stacking order, _NET_CLIENT_LIST_STACKING; whether a window is mapped), not
# by screen pixels: on a virtual X server a window mapped over another shows
# black in a capture of the screen, whatever the program.
#
#   - the catalogue button, a click on the board, the catalogue button again:
#     the catalogue is the active window and on top again, the same window;
#   - the price list minimized by the player comes back with its button;
#   - hospitals on lots 28 and 34 bring the rail offer in front; Alt+F4 leaves
#     it shown and active; its "ne" hides it and the main screen is active.
#
# Usage: front.sh TARVIK_BINARY OUTPUT_DIR
# Runs on a private Xvfb with a private openbox and stops both afterwards.
# Needs Xvfb, openbox, wmctrl, xdotool, xprop and xwininfo.

set -u

. "$(dirname "$0")/x_session.sh"
begin_real_window_test "$@"

fail() {
    echo "real_window_front: FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && xprop -root _NET_ACTIVE_WINDOW _NET_CLIENT_LIST_STACKING >&2
    exit 1
}
say() { echo "real_window_front: $*"; }

for tool in Xvfb openbox wmctrl xdotool xprop xwininfo; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -x "$binary" ] || fail "no program at $binary"

start_private_display 201 260 "$out/xvfb.log" || fail "could not start Xvfb on any display from :201 to :260"
start_window_manager "$out" || fail "openbox did not start: $(cat "$out/openbox.log")"
say "display $DISPLAY, window manager $(wmctrl -m | sed -n 's/^Name: //p')"

# What the window manager says, with window ids as decimal numbers.
active_window() { xdotool getactivewindow 2>/dev/null; }
top_window() {
    local last
    last=$(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr ',' '\n' | tail -n 1)
    [ -n "$last" ] && printf '%d\n' "$last"
}
is_mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# eventually DESCRIPTION COMMAND...: waits up to 5 s for COMMAND to succeed.
eventually() {
    local what=$1
    shift
    for _ in $(seq 50); do
        "$@" && return 0
        kill -0 "$tarvik_pid" 2>/dev/null || fail "tarvik ended while waiting until $what"
        sleep 0.1
    done
    fail "$what"
}
in_front() { [ "$(active_window)" = "$1" ] && [ "$(top_window)" = "$1" ]; }

# A left click at twips X, Y of a window's client area (15 twips a pixel).
click() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1 || fail "could not click"
    sleep 0.3
}

"$binary" >"$out/tarvik.log" 2>&1 &
tarvik_pid=$!
main=$(find_window Form1 30 "$tarvik_pid") || fail "the main screen did not appear"
eventually "the main screen is in front" in_front "$main"
say "main screen $main is in front"

# The catalogue, a click on the board (lot 9, clear of the catalogue), and
# the catalogue button again.
click "$main" 1500 3700
catalogue=$(find_window Form3 5 "$tarvik_pid") || fail "the catalogue did not open"
eventually "the catalogue is in front" in_front "$catalogue"
click "$main" 3600 2200
eventually "the main screen is in front after a click on the board" in_front "$main"
is_mapped "$catalogue" || fail "the catalogue closed when the board was clicked"
click "$main" 1500 3700
eventually "the catalogue button brings the catalogue in front again" in_front "$catalogue"
[ "$(find_window Form3 1 "$tarvik_pid")" = "$catalogue" ] || fail "the catalogue is another window now"
say "catalogue button: the catalogue $catalogue is active and on top again"

# The price list, minimized by the player, comes back with its button.
click "$main" 3500 200
price_list=$(find_window Form5 5 "$tarvik_pid") || fail "the price list did not open"
eventually "the price list is in front" in_front "$price_list"
xdotool windowminimize "$price_list" || fail "could not minimize the price list"
eventually "the price list is minimized" eval '! is_mapped "$price_list"'
click "$main" 3500 200
eventually "the price-list button restores the price list" is_mapped "$price_list"
eventually "the restored price list is in front" in_front "$price_list"
say "price list restored from minimized and in front"

# Hospitals on lots 28 and 34 (the catalogue closed by its hotspot, as it
# lies over lot 28): within a second the rail offer opens in front.
click "$main" 1500 3700
eventually "the catalogue is in front for the hospitals" in_front "$catalogue"
click "$catalogue" 3000 2200
click "$catalogue" 100 100
eventually "the catalogue's hotspot hides it" eval '! is_mapped "$catalogue"'
click "$main" 6900 4400
click "$main" 4700 5800
offer=$(find_window Form9 5 "$tarvik_pid") || fail "the rail offer did not open"
eventually "the rail offer is in front" in_front "$offer"

# Alt+F4 is refused: the dialog stays shown and in front.
xdotool key alt+F4
sleep 1
kill -0 "$tarvik_pid" 2>/dev/null || fail "Alt+F4 on the rail offer ended the program"
is_mapped "$offer" || fail "Alt+F4 closed the rail offer"
in_front "$offer" || fail "the rail offer is no longer in front after Alt+F4"
say "Alt+F4 on the rail offer: still shown and in front"

# Its own choice "ne" hides it; the main screen is in front again.
click "$offer" 7500 8700
eventually "ne hides the rail offer" eval '! is_mapped "$offer"'
eventually "the main screen is in front after the offer" in_front "$main"
say "PASS"
