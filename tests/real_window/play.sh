#!/usr/bin/env bash
# Real-window play test under a window manager: on its own Xvfb with openbox,
# clicks the catalogue button, "tovarny" and an empty lot, and checks in a
# screenshot that the lot now shows the factory (the picture the lot
# selection slot `post` shows) and no longer its empty look. Then closes the
# catalogue with the window manager's close request and checks that it is
# hidden, not gone: the selection still shows the factory, a second lot
# still gets a factory, and reopening shows the very same window.
#
# Usage: play.sh TARVIK_BINARY OUTPUT_DIR
# Always runs on a private Xvfb (a free display number) with a private
# openbox, and stops both afterwards. Needs Xvfb, openbox, wmctrl, xdotool
# and ImageMagick.

set -u

. "$(dirname "$0")/x_session.sh"
begin_real_window_test "$@"

fail() {
    echo "real_window_play: FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$out/failure.png" 2>/dev/null
    exit 1
}
say() { echo "real_window_play: $*"; }

for tool in Xvfb openbox wmctrl xdotool import convert compare; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -x "$binary" ] || fail "no program at $binary"

start_private_display 141 200 "$out/xvfb.log" || fail "could not start Xvfb on any display from :141 to :200"
say "display $DISPLAY"

start_window_manager "$out" || fail "openbox did not start: $(cat "$out/openbox.log")"
say "window manager: $(wmctrl -m | sed -n 's/^Name: //p')"

is_shown() { [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }

# A left click at twips X, Y of a window's client area (15 twips a pixel).
click() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1 || fail "could not click"
    sleep 0.4
}

# A picture of the client area of a window, and a box of it.
shot() { import -window "$1" "$2" 2>/dev/null || fail "could not take a screenshot"; }
crop() { convert "$1" -crop "$2" +repage "$3" || fail "could not crop $1"; }
# How many pixels of two pictures of the same size differ beyond 8 %.
differing() { compare -metric AE -fuzz 8% "$1" "$2" null: 2>&1 | awk '{ print int($1) }'; }

"$binary" >"$out/tarvik.log" 2>&1 &
tarvik_pid=$!
main=$(find_window Form1 30 "$tarvik_pid") || fail "the main screen did not appear"
say "main screen is window $main"
sleep 1

# Lot 9 (twips 3120, 1680) and the lot selection slot `post` (twips 1560,
# 2280), in pixels of the main screen's client area: the 72 x 72 pixels of
# each that no neighbouring lot overlaps (a lot is 74 x 75, one every 72).
lot9=72x72+208+112
lot1=72x72+208+40
post=72x72+104+152
shot "$main" "$out/before.png"
crop "$out/before.png" "$lot9" "$out/lot9_empty.png"

# The catalogue button, then "tovarny".
click "$main" 1500 3700
catalogue=$(find_window Form3 5 "$tarvik_pid") || fail "the catalogue did not open"
say "catalogue is window $catalogue"
click "$catalogue" 3600 2640
# Lot 9 lies clear of the catalogue.
click "$main" 3600 2200
sleep 0.5
shot "$main" "$out/built.png"
crop "$out/built.png" "$lot9" "$out/lot9_built.png"
crop "$out/built.png" "$post" "$out/post_factory.png"

pixels=$((72 * 72))
changed=$(differing "$out/lot9_empty.png" "$out/lot9_built.png")
[ "$changed" -gt $((pixels / 3)) ] || fail "lot 9 still looks empty ($changed of $pixels pixels changed)"
unlike=$(differing "$out/post_factory.png" "$out/lot9_built.png")
[ "$unlike" -lt $((pixels / 20)) ] || fail "lot 9 does not show the chosen factory ($unlike of $pixels pixels differ)"
say "lot 9 shows the factory: $changed pixels changed, $unlike differ from the selection"

# Close the catalogue as the window manager does.
wmctrl -c Form3 || fail "wmctrl could not ask the catalogue to close"
for _ in $(seq 30); do
    is_shown Form3 || break
    sleep 0.1
done
is_shown Form3 && fail "the catalogue is still shown after the close request"
kill -0 "$tarvik_pid" 2>/dev/null || fail "tarvik ended when the catalogue was closed"
hidden=$(find_window Form3 1 "$tarvik_pid" --all) || fail "the catalogue window is gone"
[ "$hidden" = "$catalogue" ] || fail "the catalogue window was replaced ($catalogue became $hidden)"
say "catalogue closed: hidden, still window $hidden"

# The selection stays: the slot still shows the factory, and lot 1 gets one.
shot "$main" "$out/closed.png"
crop "$out/closed.png" "$post" "$out/post_after_close.png"
unlike=$(differing "$out/post_factory.png" "$out/post_after_close.png")
[ "$unlike" -lt $((pixels / 20)) ] || fail "the lot selection changed when the catalogue closed ($unlike pixels)"
crop "$out/closed.png" "$lot1" "$out/lot1_empty.png"
click "$main" 3600 1000
shot "$main" "$out/second.png"
crop "$out/second.png" "$lot1" "$out/lot1_built.png"
unlike=$(differing "$out/post_factory.png" "$out/lot1_built.png")
changed=$(differing "$out/lot1_empty.png" "$out/lot1_built.png")
[ "$changed" -gt $((pixels / 3)) ] && [ "$unlike" -lt $((pixels / 20)) ] ||
    fail "lot 1 did not get a factory after the close ($changed changed, $unlike differ)"
say "selection intact: lot 1 got a factory too"

# Reopening shows the same window again.
click "$main" 1500 3700
again=$(find_window Form3 5 "$tarvik_pid") || fail "the catalogue did not reopen"
[ "$again" = "$catalogue" ] || fail "reopening showed window $again, not $catalogue"
say "catalogue reopened as window $again"
say "PASS"
